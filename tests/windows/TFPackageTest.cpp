#include <gtest/gtest.h>

#include <QListWidget>

#include "app/windows/TFPackage.h"

namespace {

TEST(TFPackage, ListsTheUnitsOfTheCoreAndTheWindows) {
    TFPackage package;
    auto* list = package.findChild<QListWidget*>(QStringLiteral("lstUnits"));
    ASSERT_NE(list, nullptr);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    for (const char* unit : {"app/GenerationRun", "app/ZipPackager", "balance/BC_ARCMMAA",
                             "settings/Conexao", "app/windows/TFrmPrincipal"}) {
        EXPECT_TRUE(shown.contains(QString::fromUtf8(unit))) << unit;
    }
}

}  // namespace
