#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/CommandLine.h"
#include "output/NumberFormat.h"
#include "params/ParamFiles.h"
#include "schema/DemoInstallation.h"
#include "support/QtPrinters.h"
#include "support/RunFixture.h"

namespace {

class BalanceRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.inst.exec(
            QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) "
                           "VALUES (1, 'PREFEITURA', 1, 1)"));
        f.inst.exec(
            QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) "
                           "VALUES (2, 'FUNDO MUNICIPAL DE SAÚDE', 2, 3)"));
        f.inst.exec(QStringLiteral("INSERT INTO CADCLI (CLNT1) VALUES ('GOIÁS')"));
        f.inst.seedParamFiles();
        DataPacket munic = DataPacket::load(f.inst.dataFolder() + ParamFiles::kMunicFile);
        munic.setValue(0, QStringLiteral("CODMUNIC"), QStringLiteral("0052"));
        f.inst.writeMunicFile(munic);
    }
    RunFixture f;
};

TEST_F(BalanceRunTest, TheRunOpensWithIdeOrgaoAndRecBeforeArc) {
    f.run(QStringLiteral("3"), 5, false, true);
    ASSERT_GE(f.observer.events.size(), 8);
    EXPECT_EQ(f.observer.events.mid(0, 8),
              QStringList({"start IDE.TXT", "done IDE.TXT", "start ORGAO.TXT", "done ORGAO.TXT",
                           "start REC0509.txt", "done REC0509.txt", "start ARC0509.TXT",
                           "done ARC0509.TXT"}));
    EXPECT_EQ(f.inst.readOutput(QStringLiteral("IDE.TXT")),
              QByteArray("10") + "0052" + "02" + "2009" + "05" + "0" + "07042009" + "000001\r\n");
}

TEST_F(BalanceRunTest, CommandLineWritesIdeWithTheEntityType) {
    f.inst.closeDatabase();
    QString out, err;
    QTextStream o(&out), e(&err);
    const QString before = NumberFormat::shortDate(QDate::currentDate());
    const int status = CommandLine::run({"--ini", f.inst.iniPath(), "--orgao", "1", "--mes", "3",
                                         "--saida", f.inst.outputFolder(), "--balancete"},
                                        f.inst.iniPath(), o, e);
    const QString after = NumberFormat::shortDate(QDate::currentDate());
    ASSERT_EQ(status, 0) << err.toStdString();

    const QByteArray ide = f.inst.readOutput(QStringLiteral("IDE.TXT"));
    const QByteArray head = QByteArray("10") + "0052" + "01" + "2009" + "03" + "0";
    EXPECT_TRUE(ide == head + before.toLatin1() + "000001\r\n" ||
                ide == head + after.toLatin1() + "000001\r\n")
        << ide.toStdString();
    EXPECT_TRUE(f.inst.outputExists(QStringLiteral("ORGAO.TXT")));
    EXPECT_TRUE(f.inst.outputExists(QStringLiteral("REC0309.txt")));
}

}  // namespace

namespace {

// The demo municipality shows the REC file's data problems in its log, and its prefecture's IPTU
// heading is reported once although it has two cards.
TEST(DemoRevenue, TheDemoPrefectureReportsItsHeadingsAndTheirLog) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    DemoInstallation::Options options;
    options.folder = dir.path();
    const DemoInstallation::Paths paths = DemoInstallation::build(options);
    const QString out = dir.path() + QStringLiteral("/saida/");
    ASSERT_TRUE(QDir().mkpath(out));

    QString printed, err;
    QTextStream o(&printed), e(&err);
    ASSERT_EQ(CommandLine::run({"--orgao", "2", "--mes", "3", "--saida", out, "--balancete"},
                               paths.settingsFile, o, e),
              0)
        << err.toStdString();

    const QList<QByteArray> records = readBytes(out + QStringLiteral("REC0309.txt")).split('\n');
    int iptu = 0;
    for (const QByteArray& r : records)
        iptu += r.startsWith("100211120200") ? 1 : 0;
    EXPECT_EQ(iptu, 1);
    EXPECT_TRUE(records.at(records.size() - 2).startsWith("99"));
    EXPECT_TRUE(readBytes(out + QStringLiteral("log_erro_BC_RECMMAA.dat"))
                    .contains("(Arquivo:RECTAB, Campo:NOMRE)"));
}

}  // namespace
