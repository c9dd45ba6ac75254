#include <gtest/gtest.h>

#include <QDir>
#include <QTextStream>

#include "cli/CommandLine.h"
#include "planning/PlanningFixture.h"
#include "support/QtPrinters.h"
#include "support/TestInstallation.h"

namespace {

TEST(PlanningCommandLine, PpaWritesTheWholePlanningFileAlone) {
    TestInstallation inst;
    PlanningFixture::insertAll(inst);
    inst.closeDatabase();

    QString out, err;
    QTextStream o(&out), e(&err);
    const QDate before = QDate::currentDate();
    const int status =
        CommandLine::run({QStringLiteral("--ini"), inst.iniPath(), QStringLiteral("--orgao"),
                          QStringLiteral("1"), QStringLiteral("--mes"), QStringLiteral("3"),
                          QStringLiteral("--saida"), inst.outputFolder(), QStringLiteral("--ppa")},
                         inst.iniPath(), o, e);
    const QDate after = QDate::currentDate();

    ASSERT_EQ(status, 0) << err.toStdString();
    const QByteArray file = inst.readOutput(QStringLiteral("PPALOA2009.txt"));
    // The command line dates record "01" with the system's today.
    EXPECT_TRUE(file == PlanningFixture::expectedFile(before) ||
                file == PlanningFixture::expectedFile(after))
        << file.toStdString();
    EXPECT_EQ(inst.readOutput(QStringLiteral("log_erro_PPALOA2009.dat")),
              PlanningFixture::expectedLog());
    EXPECT_EQ(
        QDir(inst.outputFolder()).entryList(QDir::Files, QDir::Name),
        QStringList({QStringLiteral("PPALOA2009.txt"), QStringLiteral("log_erro_PPALOA2009.dat")}));
    EXPECT_TRUE(out.startsWith(QStringLiteral("PPALOA2009.txt          25 "))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("ERROS log_erro_PPALOA2009.dat"))) << out.toStdString();
}

}  // namespace
