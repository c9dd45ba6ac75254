#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "cli/CommandLine.h"
#include "params/ParamFiles.h"
#include "support/QtPrinters.h"
#include "support/TestInstallation.h"

namespace {

struct Outcome {
    int status;
    QString out;
    QString err;
};

class CommandLineTest : public testing::Test {
protected:
    void SetUp() override {
        inst.exec(
            QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) VALUES "
                           "(1, 'PREFEITURA', 1, 1)"));
        inst.exec(
            QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) VALUES "
                           "(2, 'CÂMARA', 1, 20)"));
        inst.exec(QStringLiteral("INSERT INTO CADCLI (CLNT1) VALUES ('GOIÁS')"));
        inst.seedParamFiles();
        inst.closeDatabase();
    }
    Outcome run(QStringList args) {
        QString out, err;
        QTextStream o(&out), e(&err);
        const int status = CommandLine::run(args, inst.iniPath(), o, e);
        return {status, out, err};
    }
    QStringList base(const char* orgao = "20", const char* mes = "3") {
        return {"--ini", inst.iniPath(), "--orgao",           orgao,        "--mes",
                mes,     "--saida",      inst.outputFolder(), "--balancete"};
    }
    TestInstallation inst;
};

TEST_F(CommandLineTest, ACompletedRunListsItsFiles) {
    const Outcome r = run(base("20", "03"));
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(
        r.out.contains(QRegularExpression(QStringLiteral("^ARC0309\\.TXT +1 +\\d{8} +0 Kb OK$"),
                                          QRegularExpression::MultilineOption)))
        << r.out.toStdString();
    EXPECT_EQ(inst.readOutput("ARC0309.TXT").size(), 254);
}

TEST_F(CommandLineTest, UsageErrorsExitWithTwoAndTheUsage) {
    const QStringList bad[] = {
        {},
        {"--orgao", "1", "--mes", "3"},
        {"--orgao", "1", "--mes", "13", "--saida", "x"},
        {"--orgao", "1", "--mes", "0", "--saida", "x"},
        {"--orgao", "1", "--mes", "003", "--saida", "x"},
        {"--orgao", "1", "--mes", "3", "--saida", "x", "--bogus"},
        {"--orgao"},
    };
    for (const QStringList& args : bad) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("uso: vold-tcmgo-cli")) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST_F(CommandLineTest, AnUnknownEntityCodeExitsWithOne) {
    const Outcome r = run(base("99"));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("CODAUDESP 99")) << r.err.toStdString();
    EXPECT_FALSE(inst.outputExists("ARC0309.TXT"));
}

TEST_F(CommandLineTest, AFailedCheckExitsWithOneAndItsMessage) {
    QFile::remove(inst.dataFolder() + ParamFiles::kOrgaoFile);
    const Outcome r = run(base());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Arquivo de Paramêtro do Arquivo Orgao.txt não encontrado!\n");
}

TEST_F(CommandLineTest, EnvironmentErrorsExitWithThree) {
    QStringList args = base();
    args[args.indexOf("--saida") + 1] = inst.root() + QStringLiteral("nao-existe");
    Outcome r = run(args);
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(r.err.contains(inst.root() + QStringLiteral("nao-existe"))) << r.err.toStdString();

    QFile::remove(inst.databasePath());
    r = run(base());
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "Base de Dados do sistema não encontrada !!! O Sistema será finalizado.\n");

    args = base();
    args[1] = QStringLiteral("/nonexistent/Vold.ini");
    EXPECT_EQ(run(args).status, 3);
}

}  // namespace
