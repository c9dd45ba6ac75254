#include <gtest/gtest.h>

#include <QTextStream>

#include "cli/CommandLine.h"
#include "support/QtPrinters.h"
#include "support/TestInstallation.h"

namespace {

// The whole balance run through the command line, as an operator would start it.
TEST(DspCommandLine, MarchAccumulatedTotalOfAMonthlyEntity) {
    TestInstallation inst;
    inst.exec(
        "INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) VALUES "
        "(1, 'PREFEITURA', 1, 1)");
    inst.exec("INSERT INTO TABORGAO (PODER, ORGAO, NOME) VALUES ('02', '01', 'GABINETE')");
    inst.exec("INSERT INTO TABPROJATIV (PROJATIV, NOME) VALUES ('2001', 'MANUTENÇÃO')");
    inst.exec(
        "INSERT INTO DESDIS (FICHA, EMPRESA, PROGRAMA, PODER, ORGAO, FUNCAO, SUBFUNCAO, "
        "PROJATIV, CATEC, FONGRUPO, DOTAC, EXTRA) VALUES (1, 1, '0004', '02', '01', '04', "
        "'122', '2001', '3.1.90.11.00', '01', 1000.00, 'N')");
    inst.exec("INSERT INTO DESALD (FICHA, DTLAN, VALOR) VALUES (1, '2009-02-10', 100.00)");
    inst.exec(
        "INSERT INTO DESPES (PKEMP, FICHA, NEMPG, DATAE, VADEM) VALUES "
        "(1, 1, 7, '2009-01-20', 30.00)");
    inst.seedParamFiles();
    inst.closeDatabase();

    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    const int rc = CommandLine::run({"--ini", inst.iniPath(), "--orgao", "1", "--mes", "3",
                                     "--saida", inst.outputFolder(), "--balancete"},
                                    inst.iniPath(), out, err);
    ASSERT_EQ(rc, 0) << errText.toStdString();

    const QList<QByteArray> lines = inst.readOutput("DSP0309.TXT").split('\n');
    ASSERT_EQ(lines.size(), 5);  // 10, 11, 12, 99 and the empty tail after the last CR LF
    // Accumulated total before March: 1000.00 + 100.00 (February) + 30.00 (January).
    EXPECT_EQ(lines[1].mid(64, 13), "0000001130,00");
    EXPECT_EQ(lines[2].mid(66, 13), "0000001130,00");
    EXPECT_EQ(lines[1].mid(77, 13), "0000000000,00");
}

}  // namespace
