#include <gtest/gtest.h>

#include <QTextStream>

#include "BalanceSupport.h"
#include "balance/BC_DSPMMAA.h"
#include "cli/CommandLine.h"
#include "output/NumberFormat.h"
#include "support/QtPrinters.h"
#include "support/RunFixture.h"

namespace {

const QString kPrefix = QStringLiteral("00010201041222001");  // the seven codes after the type
QString seq(int n) {
    return QStringLiteral("%1").arg(n, 6, 10, QChar(u'0'));
}

QByteArray record(const QString& text) {
    EXPECT_EQ(text.size(), 263) << text.toStdString();
    return bytes(text) + "\r\n";
}

QByteArray trailer(int n) {
    return record("99" + QString(255, u' ') + seq(n));
}

QString amounts(const char* orcado, const char* acresc, const char* reduc, const char* acum,
                const char* emp, const char* anula) {
    return QString::fromLatin1(orcado) + acresc + reduc + acum + emp + anula;
}

const char* const kNone = "0000000000,00";

class DspTest : public testing::TestWithParam<char> {
protected:
    void SetUp() override {
        NumberFormat::setDecimalSeparator(QChar(GetParam()));
        exec(
            "INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) VALUES (1, 'PREFEITURA', "
            "1, 1)");
        exec("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) VALUES (2, 'FUNDO', 2, 2)");
        exec(
            "INSERT INTO TABORGAO (PODER, ORGAO, NOME) VALUES ('02', '01', 'GABINETE DO "
            "PREFEITO')");
        exec("INSERT INTO TABPROJATIV (PROJATIV, NOME) VALUES ('2001', ?)",
             {QStringLiteral("MANUTENÇÃO DO GABINETE")});
    }
    void TearDown() override { NumberFormat::resetDecimalSeparator(); }
    void exec(const char* sql, const QStringList& params = {}) {
        f.inst.exec(QString::fromUtf8(sql), params);
    }
    void card(const char* ficha, const char* empresa, const char* catec, const QString& fonte,
              const char* dotac, const char* extra = "N", const char* poder = "02") {
        exec(
            "INSERT INTO DESDIS (FICHA, EMPRESA, PROGRAMA, PODER, ORGAO, FUNCAO, SUBFUNCAO, "
            "PROJATIV, CATEC, FONGRUPO, DOTAC, EXTRA) VALUES (?, ?, '0001', ?, '01', '04', "
            "'122', '2001', ?, ?, ?, ?)",
            {ficha, empresa, poder, catec, fonte, dotac, extra});
    }
    void alteration(const char* ficha, const char* date, const char* value) {
        exec("INSERT INTO DESALD (FICHA, DTLAN, VALOR) VALUES (?, ?, ?)", {ficha, date, value});
    }
    void commitment(int pkemp, const char* ficha, const char* date, const char* value) {
        exec("INSERT INTO DESPES (PKEMP, FICHA, NEMPG, DATAE, VADEM) VALUES (?, ?, ?, ?, ?)",
             {QString::number(pkemp), ficha, QString::number(pkemp), date, value});
    }
    QByteArray run(const char* entity, int month) {
        BC_DSPMMAA(f.context(QString::fromLatin1(entity), month));
        return f.inst.readOutput(QStringLiteral("DSP%1").arg(month, 2, 10, QChar(u'0')) +
                                 QStringLiteral("09.TXT"));
    }
    RunFixture f;
};

TEST_P(DspTest, ActionsElementsAndSourcesDepthFirst) {
    card("1", "1", "3.3.90.30.01", "01", "1000.00");
    card("2", "1", "3.3.90.30.02", "02", "500.00");
    card("3", "1", "3.3.90.39.00", "01", "200.00");
    card("4", "1", "3.3.90.30.01", "01", "9000.00", "S");  // extra-budgetary
    card("5", "2", "3.3.90.30.01", "01", "7000.00");       // another entity
    alteration("1", "2009-02-10", "100.00");
    alteration("1", "2009-03-05", "50.00");
    alteration("1", "2009-03-06", "-1500.50");
    alteration("1", "2009-04-01", "999.00");  // after the period
    commitment(1, "1", "2009-01-15", "30.00");
    commitment(2, "1", "2009-03-10", "200.00");
    commitment(3, "1", "2009-03-11", "-20.00");

    QByteArray expected;
    expected += record("10" + kPrefix + QStringLiteral("GABINETE DO PREFEITO").leftJustified(25) +
                       QStringLiteral("MANUTENÇÃO DO GABINETE").leftJustified(200) +
                       "0000001700,00" + seq(1));
    expected += record("11" + kPrefix + "339030" +
                       amounts("0000001500,00", "0000000050,00", "-000001500,50", "0000001630,00",
                               "0000000200,00", "-000000020,00") +
                       QString(154, u' ') + seq(2));
    expected += record("12" + kPrefix + "339030" + "01" +
                       amounts("0000001000,00", "0000000050,00", "-000001500,50", "0000001130,00",
                               "0000000200,00", "-000000020,00") +
                       QString(152, u' ') + seq(3));
    expected += record("12" + kPrefix + "339030" + "02" +
                       amounts("0000000500,00", kNone, kNone, "0000000500,00", kNone, kNone) +
                       QString(152, u' ') + seq(4));
    expected += record("11" + kPrefix + "339039" +
                       amounts("0000000200,00", kNone, kNone, "0000000200,00", kNone, kNone) +
                       QString(154, u' ') + seq(5));
    expected += record("12" + kPrefix + "339039" + "01" +
                       amounts("0000000200,00", kNone, kNone, "0000000200,00", kNone, kNone) +
                       QString(152, u' ') + seq(6));
    expected += trailer(7);
    EXPECT_EQ(run("1", 3), expected);
    EXPECT_EQ(readLog(f, "BC_DSPMMAA"), QByteArray());
    EXPECT_EQ(f.observer.lines.at(0).lines, "7");
    EXPECT_EQ(f.observer.progress.back(), "p1 2/2");
}

TEST_P(DspTest, JanuaryHasNothingBefore) {
    card("1", "1", "3.3.90.30.01", "01", "1000.00");
    alteration("1", "2009-01-05", "100.00");
    const QList<QByteArray> lines = run("1", 1).split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[1].mid(25, 78), bytes(amounts("0000001000,00", "0000000100,00", kNone,
                                                  "0000001000,00", kNone, kNone)));
}

TEST_P(DspTest, AFourMonthEntityReportsItsWholePeriod) {
    card("1", "2", "3.3.90.30.01", "01", "1000.00");
    alteration("1", "2009-04-30", "10.00");    // before the period
    alteration("1", "2009-05-01", "20.00");    // in it
    alteration("1", "2009-08-31", "40.00");    // in it, after the month
    alteration("1", "2009-09-01", "80.00");    // after it
    commitment(1, "1", "2009-02-01", "1.00");  // before
    commitment(2, "1", "2009-07-01", "2.00");  // in it
    const QList<QByteArray> lines = run("2", 6).split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[1].mid(25, 78), bytes(amounts("0000001000,00", "0000000060,00", kNone,
                                                  "0000001011,00", "0000000002,00", kNone)));
}

TEST_P(DspTest, AnEntityWithoutActionsGetsTheTrailerAlone) {
    EXPECT_EQ(run("1", 3), trailer(1));
}

INSTANTIATE_TEST_SUITE_P(Separators, DspTest, testing::Values(',', '.'));

class DspChecks : public DspTest {};

TEST_P(DspChecks, AnEmptySourceIsLoggedWrittenZeroAndLookedUpAsNull) {
    card("1", "1", "3.3.90.30.01", QString(), "300.00");
    commitment(1, "1", "2009-03-10", "10.00");
    const QList<QByteArray> lines = run("1", 3).split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[2].mid(19, 8 + 78),
              bytes("33903000" + amounts("0000000300,00", kNone, kNone, "0000000300,00",
                                         "0000000010,00", kNone)));
    EXPECT_EQ(readLog(f, "BC_DSPMMAA"), logBytes({{"12", 3, 1, "DESDIS", "FONGRUPO"}}));
}

TEST_P(DspChecks, AnOrganOfOneCharacterIsWrittenAndLookedUpPadded) {
    exec("INSERT INTO TABORGAO (PODER, ORGAO, NOME) VALUES ('1', '01', 'CÂMARA')");
    card("1", "1", "3.3.90.30.01", "01", "300.00", "N", "1");
    commitment(1, "1", "2009-03-10", "10.00");
    const QList<QByteArray> lines = run("1", 3).split('\n');
    ASSERT_EQ(lines.size(), 5);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(lines[i].mid(2, 6), "000101") << i;
    // The card's organ is "1", so the lookup by "01" finds no card and no movement.
    EXPECT_EQ(lines[1].mid(25, 78),
              bytes(amounts("0000000300,00", kNone, kNone, "0000000300,00", kNone, kNone)));
}

TEST_P(DspChecks, EmptyNamesAndCodesAreLoggedInOrder) {
    exec("INSERT INTO TABORGAO (PODER, ORGAO, NOME) VALUES ('02', '09', '')");
    exec(
        "INSERT INTO DESDIS (FICHA, EMPRESA, PROGRAMA, PODER, ORGAO, FUNCAO, SUBFUNCAO, "
        "PROJATIV, CATEC, FONGRUPO, DOTAC, EXTRA) VALUES (1, 1, '', '02', '09', '', '122', "
        "'2001', '3.3.90.30.01', '01', 10, 'N')");
    run("1", 3);
    EXPECT_EQ(readLog(f, "BC_DSPMMAA"), logBytes({{"10", 1, 1, "DESDIS", "PROGRAMA"},
                                                  {"10", 1, 1, "DESDIS", "FUNCAO"},
                                                  {"10", 1, 1, "TABORGAO", "NOME"},
                                                  {"11", 2, 1, "DESDIS", "PROGRAMA"},
                                                  {"11", 2, 1, "DESDIS", "FUNCAO"},
                                                  {"12", 3, 1, "DESDIS", "PROGRAMA"},
                                                  {"12", 3, 1, "DESDIS", "FUNCAO"}}));
    EXPECT_EQ(f.observer.lines.at(0).state, FileState::Errors);
}

INSTANTIATE_TEST_SUITE_P(Separators, DspChecks, testing::Values(','));

TEST(DspAmount, PlainAndNegative) {
    EXPECT_EQ(DspAmount::plain("1130,00"), "0000001130,00");
    EXPECT_EQ(DspAmount::negative("-1500,50"), "-000001500,50");
    EXPECT_EQ(DspAmount::negative("-123456789,00"), "-123456789,00");
}

}  // namespace

namespace {

TEST(DspThroughTheCommandLine, AccumulatedTotalOfAMonthlyEntityInMarch) {
    TestInstallation inst;
    auto exec = [&](const char* sql, const QStringList& p = {}) {
        inst.exec(QString::fromUtf8(sql), p);
    };
    exec("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) VALUES (1, 'PREFEITURA', 1, 1)");
    exec("INSERT INTO CADCLI (CLNT1) VALUES ('GOIÁS')");
    exec("INSERT INTO TABORGAO (PODER, ORGAO, NOME) VALUES ('02', '01', 'GABINETE')");
    exec("INSERT INTO TABPROJATIV (PROJATIV, NOME) VALUES ('2001', 'MANUTENÇÃO')");
    exec(
        "INSERT INTO DESDIS (FICHA, EMPRESA, PROGRAMA, PODER, ORGAO, FUNCAO, SUBFUNCAO, "
        "PROJATIV, CATEC, FONGRUPO, DOTAC, EXTRA) VALUES (1, 1, '0001', '02', '01', '04', "
        "'122', '2001', '3.3.90.30.01', '01', 1000, 'N')");
    exec("INSERT INTO DESALD (FICHA, DTLAN, VALOR) VALUES (1, '2009-02-10', 100)");
    exec(
        "INSERT INTO DESPES (PKEMP, FICHA, NEMPG, DATAE, VADEM) VALUES (1, 1, 1, '2009-01-15', "
        "30)");
    inst.seedParamFiles();
    inst.closeDatabase();
    QString out, err;
    QTextStream o(&out), e(&err);
    const int status = CommandLine::run({"--ini", inst.iniPath(), "--orgao", "1", "--mes", "3",
                                         "--saida", inst.outputFolder(), "--balancete"},
                                        inst.iniPath(), o, e);
    ASSERT_EQ(status, 0) << err.toStdString();
    EXPECT_TRUE(out.contains("DSP0309.TXT")) << out.toStdString();
    const QList<QByteArray> lines = inst.readOutput("DSP0309.TXT").split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[1].mid(64, 13), "0000001130,00");
    EXPECT_EQ(lines[2].mid(66, 13), "0000001130,00");
}

}  // namespace
