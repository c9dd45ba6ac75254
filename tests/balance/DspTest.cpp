#include "balance/BC_DSPMMAA.h"

#include <gtest/gtest.h>

#include "BalanceSupport.h"
#include "output/NumberFormat.h"
#include "support/QtPrinters.h"
#include "support/RunFixture.h"

namespace {

const QString Z = QStringLiteral("0000000000,00");

class DspTest : public ::testing::Test {
protected:
    void SetUp() override {
        entity("1", "1");  // monthly
        entity("3", "2");  // four-month
        unit("02", "01", "SECRETARIA DE ADMINISTRAÇÃO");
        action("2001", "MANUTENÇÃO DA SECRETARIA");
    }
    void TearDown() override { NumberFormat::resetDecimalSeparator(); }

    void entity(const char* code, const char* tipo) {
        f.inst.exec("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) VALUES (?, ?, ?, ?)",
                    {code, QStringLiteral("ENTIDADE ") + code, tipo, code});
    }
    void unit(const QString& poder, const QString& orgao, const QString& nome) {
        f.inst.exec("INSERT INTO TABORGAO (PODER, ORGAO, NOME) VALUES (?, ?, ?)",
                    {poder, orgao, nome});
    }
    void action(const QString& code, const QString& nome) {
        f.inst.exec("INSERT INTO TABPROJATIV (PROJATIV, NOME) VALUES (?, ?)", {code, nome});
    }
    struct Card {
        int ficha;
        QString empresa = QStringLiteral("1");
        QString programa = QStringLiteral("0004");
        QString poder = QStringLiteral("02");
        QString orgao = QStringLiteral("01");
        QString funcao = QStringLiteral("04");
        QString subfuncao = QStringLiteral("122");
        QString projativ = QStringLiteral("2001");
        QString catec = QStringLiteral("3.1.90.11.00");
        QString fongrupo = QStringLiteral("01");
        QString dotac = QStringLiteral("1000.00");
        QString extra = QStringLiteral("N");
    };
    void card(const Card& c) {
        f.inst.exec(
            "INSERT INTO DESDIS (FICHA, EMPRESA, PROGRAMA, PODER, ORGAO, FUNCAO, SUBFUNCAO, "
            "PROJATIV, CATEC, FONGRUPO, DOTAC, EXTRA) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            {QString::number(c.ficha), c.empresa, c.programa, c.poder, c.orgao, c.funcao,
             c.subfuncao, c.projativ, c.catec, c.fongrupo, c.dotac, c.extra});
    }
    void alteration(int ficha, const char* date, const char* valor) {
        f.inst.exec("INSERT INTO DESALD (FICHA, DTLAN, VALOR) VALUES (?, ?, ?)",
                    {QString::number(ficha), date, valor});
    }
    void commitment(int ficha, const char* date, const char* vadem) {
        f.inst.exec("INSERT INTO DESPES (PKEMP, FICHA, NEMPG, DATAE, VADEM) VALUES (?, ?, ?, ?, ?)",
                    {QString::number(++pkemp), QString::number(ficha), QString::number(pkemp), date,
                     vadem});
    }
    QStringList lines(const char* name) {
        const QString text = QString::fromLatin1(f.inst.readOutput(QString::fromLatin1(name)));
        EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
        QStringList l = text.split(QStringLiteral("\r\n"));
        l.removeLast();
        return l;
    }
    QString log() {
        const QString path = f.inst.outputFolder() + QStringLiteral("log_erro_BC_DSPMMAA.dat");
        return QFile::exists(path) ? QString::fromLatin1(readBytes(path)) : QString();
    }

public:
    static QString logLine(const char* rec, int s, const char* table, const char* field) {
        return QStringLiteral(
                   "Registro:%1 Sequência:%2 Erro:1 Descrição do Erro: Campo "
                   "Vazio(Arquivo:%3, Campo:%4)\r\n")
            .arg(QLatin1String(rec))
            .arg(s)
            .arg(QLatin1String(table), QLatin1String(field));
    }

protected:
    RunFixture f;
    int pkemp = 0;
};

const QString kPrefix = QStringLiteral("0004020104122") + QStringLiteral("2001");

TEST_F(DspTest, WholeFileOfOneActionWithTwoElements) {
    card({.ficha = 1, .catec = "3.1.90.11.01", .fongrupo = "01", .dotac = "1000.00"});
    card({.ficha = 2, .catec = "3.1.90.11.02", .fongrupo = "02", .dotac = "500.00"});
    card({.ficha = 3, .catec = "3.3.90.30.01", .fongrupo = "01", .dotac = "250.50"});
    // Not budgetary, and another entity's card of the same classification: neither counts.
    card({.ficha = 4, .catec = "3.1.90.11.01", .dotac = "7777.00", .extra = "S"});
    card({.ficha = 5, .empresa = "3", .catec = "3.1.90.11.01", .dotac = "8888.00"});
    alteration(1, "2009-02-10", "100.00");    // before the period
    alteration(1, "2009-03-05", "200.00");    // supplement
    alteration(1, "2009-03-06", "0.00");      // zero counts as a supplement
    alteration(1, "2009-03-07", "-1500.50");  // reduction
    alteration(1, "2009-04-01", "50.00");     // after the period
    alteration(2, "2009-03-20", "10.00");
    alteration(4, "2009-03-20", "999.00");
    alteration(5, "2009-03-20", "888.00");
    commitment(1, "2009-01-15", "30.00");
    commitment(1, "2009-03-15", "400.00");
    commitment(1, "2009-03-16", "-20.00");
    commitment(5, "2009-03-16", "66.00");

    NumberFormat::setDecimalSeparator(u'.');
    RunContext& c = f.context("1", 3);
    BC_DSPMMAA(c);

    const QString r10 = QStringLiteral("10") + kPrefix +
                        fit(QStringLiteral("SECRETARIA DE ADMINISTRAÇÃO"), 25) +
                        fit(QStringLiteral("MANUTENÇÃO DA SECRETARIA"), 200) +
                        QStringLiteral("0000001750,50") + seq(1);
    // The element carries the movements of both of its cards.
    const QString r11a = QStringLiteral("11") + kPrefix + QStringLiteral("319011") +
                         QStringLiteral("0000001500,00") + QStringLiteral("0000000210,00") +
                         QStringLiteral("-000001500,50") + QStringLiteral("0000001630,00") +
                         QStringLiteral("0000000400,00") + QStringLiteral("-000000020,00") +
                         blanks(154) + seq(2);
    const QString r12a = QStringLiteral("12") + kPrefix + QStringLiteral("319011") +
                         QStringLiteral("01") + QStringLiteral("0000001000,00") +
                         QStringLiteral("0000000200,00") + QStringLiteral("-000001500,50") +
                         QStringLiteral("0000001130,00") + QStringLiteral("0000000400,00") +
                         QStringLiteral("-000000020,00") + blanks(152) + seq(3);
    const QString r12b = QStringLiteral("12") + kPrefix + QStringLiteral("319011") +
                         QStringLiteral("02") + QStringLiteral("0000000500,00") +
                         QStringLiteral("0000000010,00") + Z + QStringLiteral("0000000500,00") + Z +
                         Z + blanks(152) + seq(4);
    const QString r11b = QStringLiteral("11") + kPrefix + QStringLiteral("339030") +
                         QStringLiteral("0000000250,50") + Z + Z + QStringLiteral("0000000250,50") +
                         Z + Z + blanks(154) + seq(5);
    const QString r12c = QStringLiteral("12") + kPrefix + QStringLiteral("339030") +
                         QStringLiteral("01") + QStringLiteral("0000000250,50") + Z + Z +
                         QStringLiteral("0000000250,50") + Z + Z + blanks(152) + seq(6);
    const QString r99 = QStringLiteral("99") + blanks(255) + seq(7);
    const QString expected =
        QStringList{r10, r11a, r12a, r12b, r11b, r12c, r99}.join(QStringLiteral("\r\n")) +
        QStringLiteral("\r\n");
    for (const QString& r : {r10, r11a, r12a, r12b, r11b, r12c, r99})
        ASSERT_EQ(r.size(), 263);
    EXPECT_EQ(f.inst.readOutput("DSP0309.TXT"), expected.toLatin1());
    EXPECT_EQ(log(), QString());
    ASSERT_EQ(f.observer.lines.size(), 1u);
    EXPECT_EQ(f.observer.lines[0].name, u"DSP0309.TXT");
    EXPECT_EQ(f.observer.lines[0].lines, u"7");
    EXPECT_EQ(f.observer.progress.last(), u"p1 2/2");
}

TEST_F(DspTest, EntityWithoutActionsGetsTheTrailerOnly) {
    card({.ficha = 1, .empresa = "3"});
    BC_DSPMMAA(f.context("1", 1));
    EXPECT_EQ(f.inst.readOutput("DSP0109.TXT"),
              (QStringLiteral("99") + blanks(255) + QStringLiteral("000001\r\n")).toLatin1());
}

// The movement columns of the single element record of a one-card tree.
QStringList elementAmounts(const QString& record) {
    QStringList a;
    for (int i = 0; i < 6; ++i)
        a << record.mid(25 + 13 * i, 13);
    return a;
}

TEST_F(DspTest, MonthlyEntityInJanuaryHasNothingBefore) {
    card({.ficha = 1});
    alteration(1, "2009-01-10", "100.00");
    commitment(1, "2009-01-15", "30.00");
    BC_DSPMMAA(f.context("1", 1));
    const QStringList l = lines("DSP0109.TXT");
    ASSERT_EQ(l.size(), 4);
    EXPECT_EQ(elementAmounts(l[1]), (QStringList{"0000001000,00", "0000000100,00", Z,
                                                 "0000001000,00", "0000000030,00", Z}));
}

TEST_F(DspTest, FourMonthEntitySumsItsWindowAndAccumulatesTheEarlierOne) {
    card({.ficha = 1, .empresa = "3"});
    alteration(1, "2009-03-10", "100.00");  // before: months 01 to 04
    alteration(1, "2009-04-30", "-40.00");  // before
    alteration(1, "2009-05-02", "1.00");    // window 05 to 08
    alteration(1, "2009-08-31", "2.00");    // window, after June
    alteration(1, "2009-07-01", "-3.00");   // window reduction
    alteration(1, "2009-09-01", "500.00");  // after
    commitment(1, "2009-02-01", "10.00");   // before
    commitment(1, "2009-06-01", "20.00");   // window
    commitment(1, "2009-08-01", "-5.00");   // window cancellation
    commitment(1, "2009-10-01", "70.00");   // after
    BC_DSPMMAA(f.context("3", 6));
    const QStringList l = lines("DSP0609.TXT");
    ASSERT_EQ(l.size(), 4);
    EXPECT_EQ(elementAmounts(l[1]),
              (QStringList{"0000001000,00", "0000000003,00", "-000000003,00", "0000001070,00",
                           "0000000020,00", "-000000005,00"}));
    EXPECT_EQ(l[2].mid(27, 78), elementAmounts(l[1]).join(QString()));
}

TEST_F(DspTest, CardNotFoundGivesZeroMovementsThroughTheEmptyCard) {
    // A six-character action code: the lookup asks for nature + number "20010", which no card
    // has, so the sums run with an empty card, which the database never sees as a number.
    action("200100", "AÇÃO DE CÓDIGO LONGO");
    card({.ficha = 1, .projativ = "200100"});
    alteration(1, "2009-03-10", "100.00");
    alteration(1, "2009-02-10", "100.00");
    commitment(1, "2009-03-15", "30.00");
    BC_DSPMMAA(f.context("1", 3));
    const QStringList l = lines("DSP0309.TXT");
    ASSERT_EQ(l.size(), 4);
    EXPECT_EQ(l[1].mid(16, 4), u"0010");
    EXPECT_EQ(l[1].size(), 264);
    EXPECT_EQ(l[1].mid(26, 78),
              QStringLiteral("0000001000,00") + Z + Z + QStringLiteral("0000001000,00") + Z + Z);
    EXPECT_EQ(log(), QString());
}

TEST_F(DspTest, AmountBeyondNineDigitsStaysInFixedNotationAndIsLogged) {
    card({.ficha = 1, .dotac = "1234567890.12"});
    BC_DSPMMAA(f.context("1", 3));
    const QStringList l = lines("DSP0309.TXT");
    ASSERT_EQ(l.size(), 4);
    EXPECT_EQ(l[0].mid(244, 13), u"1234567890,12");
    EXPECT_EQ(l[1].mid(25, 13), u"1234567890,12");
    const QString invalid = QStringLiteral(
        "Registro:%1 Sequência:%2 Erro:4 Descrição do Erro: Informação do Registro "
        "Inválida(Arquivo:DESDIS, Campo:DOTAC)\r\n");
    // The appropriation and the accumulated total of the element and of the source.
    EXPECT_EQ(log(), invalid.arg("10").arg(1) + invalid.arg("11").arg(2) +
                         invalid.arg("11").arg(2) + invalid.arg("12").arg(3) +
                         invalid.arg("12").arg(3));
}

// Field cases: one card whose fields vary, the records' leading columns and the log.
struct FieldCase {
    const char* name;
    const char* programa;
    const char* poder;
    const char* fongrupo;  // nullptr: null
    const char* unitName;
    const char* actionName;
    const char* prefix10;  // the first 19 characters of every data record, with "10"
    const char* source;    // the source columns of record "12"
    QStringList log;
};

class DspFieldTest : public DspTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(DspFieldTest, WritesAndLogs) {
    const FieldCase& p = GetParam();
    f.inst.exec("DELETE FROM TABORGAO");
    unit(QString::fromUtf8(p.poder), "01", QString::fromUtf8(p.unitName));
    if (QByteArray(p.actionName) != "MANUTENÇÃO DA SECRETARIA")
        f.inst.exec("UPDATE TABPROJATIV SET NOME = ?", {QString::fromUtf8(p.actionName)});
    Card k{.ficha = 1, .programa = p.programa, .poder = p.poder};
    k.fongrupo = p.fongrupo ? QString::fromLatin1(p.fongrupo) : QString();
    card(k);
    alteration(1, "2009-03-10", "100.00");
    BC_DSPMMAA(f.context("1", 3));
    const QStringList l = lines("DSP0309.TXT");
    ASSERT_EQ(l.size(), 4);
    const QString prefix = QString::fromLatin1(p.prefix10);
    EXPECT_EQ(l[0].left(prefix.size()), prefix);
    EXPECT_EQ(l[1].left(prefix.size()), QStringLiteral("11") + prefix.mid(2));
    EXPECT_EQ(l[2].left(prefix.size()), QStringLiteral("12") + prefix.mid(2));
    const int at = prefix.size() + 6;
    EXPECT_EQ(l[2].mid(at, 2), QString::fromLatin1(p.source));
    // The card is found: the supplement is there in both movement records.
    EXPECT_EQ(l[1].mid(at + 13, 13), u"0000000100,00");
    EXPECT_EQ(l[2].mid(at + 2 + 13, 13), u"0000000100,00");
    EXPECT_EQ(log(), p.log.join(QString()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DspFieldTest,
    ::testing::Values(FieldCase{"plain",
                                "0004",
                                "02",
                                "01",
                                "SECRETARIA DE ADMINISTRAÇÃO",
                                "MANUTENÇÃO DA SECRETARIA",
                                "1000040201041222001",
                                "01",
                                {}},
                      FieldCase{"organOfOneDigit",
                                "0004",
                                "2",
                                "7",
                                "SECRETARIA",
                                "MANUTENÇÃO DA SECRETARIA",
                                "1000040201041222001",
                                "07",
                                {}},
                      FieldCase{"nullSource",
                                "0004",
                                "02",
                                nullptr,
                                "SECRETARIA",
                                "MANUTENÇÃO DA SECRETARIA",
                                "1000040201041222001",
                                "00",
                                {DspTest::logLine("12", 3, "DESDIS", "FONGRUPO")}},
                      FieldCase{"emptyProgramAndNames",
                                "",
                                "02",
                                "01",
                                "   ",
                                "",
                                "10020104122200"
                                "1",
                                "01",
                                {DspTest::logLine("10", 1, "DESDIS", "PROGRAMA"),
                                 DspTest::logLine("10", 1, "TABORGAO", "NOME"),
                                 DspTest::logLine("10", 1, "TABPROJATIV", "NOME"),
                                 DspTest::logLine("11", 2, "DESDIS", "PROGRAMA"),
                                 DspTest::logLine("12", 3, "DESDIS", "PROGRAMA")}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
