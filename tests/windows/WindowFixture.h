#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/windows/Dialogs.h"
#include "settings/Conexao.h"
#include "support/TestInstallation.h"

// A fresh installation, the program's connection to it, and the message boxes recorded instead
// of shown.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Opens the program's connection; the test's own attachment stays for reading back.
    Conexao& connect();

    template <typename T>
    static T* child(QObject* parent, const QString& name) {
        T* c = parent->findChild<T*>(name);
        if (!c)
            ADD_FAILURE() << "no child " << name.toStdString();
        return c;
    }

    TestInstallation inst;
    std::unique_ptr<Conexao> conexao;
    std::vector<Dialogs::Message> messages;

private:
    Dialogs::Presenter previous_;
};
