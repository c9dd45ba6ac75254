#include "WindowFixture.h"

#include <QApplication>
#include <cstdio>

namespace {

// The windows need an application object; it lives for the whole test program.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_windows";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

void WindowFixture::SetUp() {
    previous_ = Dialogs::setPresenter(
        [this](QWidget*, const Dialogs::Message& m) {
            messages.push_back(m);
            std::fprintf(stderr, "message: %s\n", qPrintable(m.text));
        });
}

void WindowFixture::TearDown() {
    Dialogs::setPresenter(previous_);
}

Conexao& WindowFixture::connect() {
    conexao = std::make_unique<Conexao>(inst.iniPath());
    conexao->connect();
    return *conexao;
}
