#include "balance/BC_RECMMAA.h"

#include <gtest/gtest.h>

#include "BalanceSupport.h"
#include "output/NumberFormat.h"
#include "support/QtPrinters.h"
#include "support/RunFixture.h"

namespace {

QString pad(const QString& s, int width) {
    return s + QString(width - int(s.size()), u' ');
}

QString trailer(const char* sequence) {
    return QStringLiteral("99") + QString(149, u' ') + QString::fromLatin1(sequence);
}

// Runs each case under a comma and under a point as the regional decimal separator.
class SeparatorTest : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override { NumberFormat::setDecimalSeparator(QChar(GetParam())); }
    void TearDown() override { NumberFormat::resetDecimalSeparator(); }
};

class RecAmountTest : public SeparatorTest {};

TEST_P(RecAmountTest, PadsAfterTheSignAndAlwaysCarriesAComma) {
    const struct {
        DbValue value;
        const char* written;
    } cases[] = {
        {DbValue::decimal(Decimal(150000, 2)), "0000000001500"},
        {DbValue::decimal(Decimal(123450, 2)), "00000001234,5"},
        {DbValue::decimal(Decimal(-25075, 2)), "-000000250,75"},
        {DbValue(), "0000000000000"},
        {DbValue::decimal(Decimal(0, 2)), "0000000000000"},
        {DbValue::decimal(Decimal(50, 2)), "00000000000,5"},
        {DbValue::decimal(Decimal(-5, 2)), "-000000000,05"},
        {DbValue::integer(42), "0000000000042"},
        // Thirteen characters fill the field; longer texts are not cut.
        {DbValue::decimal(Decimal(123456789012, 2)), "1234567890,12"},
        {DbValue::decimal(Decimal(-12345678901, 2)), "-123456789,01"},
        {DbValue::decimal(Decimal(1234567890123, 2)), "12345678901,23"},
        {DbValue::decimal(Decimal(-123456789012, 2)), "-1234567890,12"},
    };
    for (const auto& k : cases)
        EXPECT_EQ(recAmount(k.value), QString::fromLatin1(k.written)) << k.written;
}

INSTANTIATE_TEST_SUITE_P(Separators, RecAmountTest, ::testing::Values(',', '.'));

// A monthly entity (CODAUDESP 5) with three headings, one of them with two cards and one
// without a name, another entity's card under the same heading, and receipts across the year.
class BC_RECMMAAFileTest : public SeparatorTest {
protected:
    void SetUp() override {
        SeparatorTest::SetUp();
        f.inst.exec(
            QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) "
                           "VALUES (1, 'PREFEITURA', 1, 5)"));
        f.inst.exec(
            QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) "
                           "VALUES (2, 'CÂMARA', 1, 6)"));
        heading("1112.02.00.01", "IPTU - EXERCÍCIO");
        heading("1112.02.00.02", "IPTU - DÍVIDA ATIVA");
        heading("1722.01.01.00", "COTA-PARTE DO FUNDO DE PARTICIPAÇÃO DOS MUNICÍPIOS");
        f.inst.exec(
            QStringLiteral("INSERT INTO RECTAB (CODRE, NOMRE) VALUES ('1325.00.00.00', "
                           "NULL)"));
        card(1, 1, "1112.02.00.01", "1000.00");
        card(2, 1, "1112.02.00.02", "500.00");
        card(3, 1, "1722.01.01.00", "1234.50");
        card(4, 1, "1325.00.00.00", "0.00");
        card(5, 2, "1112.02.00.01", "999.00");
        receipt(1, "2009-01-10", "200.00");
        receipt(1, "2009-02-10", "100.50");
        receipt(1, "2009-03-05", "1234.50");
        receipt(1, "2009-03-20", "0.25");
        receipt(1, "2009-04-01", "999.00");
        receipt(2, "2009-03-10", "777.00");  // the heading's second card is not read
        receipt(3, "2009-01-15", "5000.00");
        receipt(3, "2009-03-15", "-250.75");  // an estorno
        receipt(5, "2009-03-15", "50.00");
    }
    void heading(const char* codre, const char* nomre) {
        f.inst.exec(QStringLiteral("INSERT INTO RECTAB (CODRE, NOMRE) VALUES (?, ?)"),
                    {QString::fromUtf8(codre), QString::fromUtf8(nomre)});
    }
    void card(int ficha, int empresa, const char* codre, const char* totor) {
        f.inst.exec(QStringLiteral("INSERT INTO RECDIS (FICHA, EMPRESA, CODRE, TOTOR, EXTRA) "
                                   "VALUES (?, ?, ?, ?, 'N')"),
                    {QString::number(ficha), QString::number(empresa), codre, totor});
    }
    void receipt(int ficha, const char* date, const char* amount) {
        f.inst.exec(
            QStringLiteral("INSERT INTO RECEIT (FICHA, DTREC, DTLAN, VAREC) VALUES (?, ?, ?, ?)"),
            {QString::number(ficha), date, date, amount});
    }
    RunFixture f;
};

TEST_P(BC_RECMMAAFileTest, WritesOneRecordPerHeadingAndTheTrailer) {
    RunContext& c = f.context(QStringLiteral("5"), 3);
    BC_RECMMAA(c);

    // organ, heading, description, forecast, collected in March, collected before, sequence
    const QString expected =
        QStringLiteral("10") + "05" + "11120200" + pad(QStringLiteral("IPTU - EXERCÍCIO"), 100) +
        "0000000001500" + "0000001234,75" + "00000000300,5" + "000001" + "\r\n" +
        QStringLiteral("10") + "05" + "13250000" + pad("", 100) + "0000000000000" +
        "0000000000000" + "0000000000000" + "000002" + "\r\n" + QStringLiteral("10") + "05" +
        "17220101" +
        pad(QStringLiteral("COTA-PARTE DO FUNDO DE PARTICIPAÇÃO DOS MUNICÍPIOS"), 100) +
        "00000001234,5" + "-000000250,75" + "0000000005000" + "000003" + "\r\n" +
        trailer("000004") + "\r\n";
    EXPECT_EQ(f.inst.readOutput(QStringLiteral("REC0309.txt")), bytes(expected));
    EXPECT_EQ(readLog(f, QStringLiteral("BC_RECMMAA")),
              logBytes({{"10", 2, 1, "RECTAB", "NOMRE"}}));
    ASSERT_EQ(f.observer.lines.size(), 1u);
    EXPECT_EQ(f.observer.lines[0].name, QStringLiteral("REC0309.txt"));
    EXPECT_EQ(f.observer.lines[0].lines, QStringLiteral("4"));
    EXPECT_EQ(f.observer.lines[0].state, FileState::Errors);
    EXPECT_EQ(f.observer.progress.back(), QStringLiteral("p1 4/4"));
}

INSTANTIATE_TEST_SUITE_P(Separators, BC_RECMMAAFileTest, ::testing::Values(',', '.'));

class BC_RECMMAATest : public ::testing::Test {
protected:
    void SetUp() override {
        f.inst.exec(
            QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) "
                           "VALUES (1, 'PREFEITURA', 1, 5)"));
        f.inst.exec(
            QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) "
                           "VALUES (3, 'FUNDO MUNICIPAL DE SAÚDE', 2, 7)"));
    }
    RunFixture f;
};

TEST_F(BC_RECMMAATest, EntityWithoutRevenueCardsGetsTheTrailerAlone) {
    RunContext& c = f.context(QStringLiteral("5"), 12);
    BC_RECMMAA(c);
    EXPECT_EQ(f.inst.readOutput(QStringLiteral("REC1209.txt")), bytes(trailer("000001")) + "\r\n");
    EXPECT_FALSE(f.inst.outputExists(QStringLiteral("log_erro_BC_RECMMAA.dat")));
    EXPECT_EQ(f.observer.lines.at(0).state, FileState::Ok);
}

TEST_F(BC_RECMMAATest, EmptyOrganCodeIsLoggedOnceBeforeTheRecords) {
    f.inst.exec(QStringLiteral("INSERT INTO RECTAB (CODRE, NOMRE) VALUES ('1112.02.00', 'IPTU')"));
    f.inst.exec(QStringLiteral("INSERT INTO RECTAB (CODRE, NOMRE) VALUES ('1113.05.00', 'ISS')"));
    f.inst.exec(
        QStringLiteral("INSERT INTO RECDIS (FICHA, EMPRESA, CODRE, TOTOR) VALUES "
                       "(1, 1, '1112.02.00', 10)"));
    f.inst.exec(
        QStringLiteral("INSERT INTO RECDIS (FICHA, EMPRESA, CODRE, TOTOR) VALUES "
                       "(2, 1, '1113.05.00', 20)"));
    RunContext& c = f.context(QStringLiteral("5"), 3);
    c.entity = withValue(c.entity, QStringLiteral("CODAUDESP"), DbValue());
    BC_RECMMAA(c);

    const QString zeros(13, u'0');
    EXPECT_EQ(f.inst.readOutput(QStringLiteral("REC0309.txt")),
              bytes(QStringLiteral("10") + "00" + "11120200" + pad("IPTU", 100) + "0000000000010" +
                    zeros + zeros + "000001\r\n" + "10" + "00" + "11130500" + pad("ISS", 100) +
                    "0000000000020" + zeros + zeros + "000002\r\n" + trailer("000003") + "\r\n"));
    EXPECT_EQ(readLog(f, QStringLiteral("BC_RECMMAA")),
              logBytes({{"10", 1, 1, "TABEMPRESA", "CODAUDESP"}}));
}

// Receipts of 2^(m-1) in each month m of the year, so that every set of months gives its own
// sum; the monthly entity and the four-month entity each have a card under one heading.
struct PeriodCase {
    const char* name;
    const char* codaudesp;
    int month;
    const char* collected;
    const char* accumulated;
};

class BC_RECMMAAPeriodTest : public BC_RECMMAATest,
                             public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(BC_RECMMAAPeriodTest, CollectedAndAccumulatedFollowTheEntitysPeriod) {
    const PeriodCase& k = GetParam();
    f.inst.exec(QStringLiteral("INSERT INTO RECTAB (CODRE, NOMRE) VALUES ('1112.02.00', 'IPTU')"));
    f.inst.exec(
        QStringLiteral("INSERT INTO RECDIS (FICHA, EMPRESA, CODRE, TOTOR) VALUES "
                       "(1, 1, '1112.02.00', 100000)"));
    f.inst.exec(
        QStringLiteral("INSERT INTO RECDIS (FICHA, EMPRESA, CODRE, TOTOR) VALUES "
                       "(2, 3, '1112.02.00', 200000)"));
    for (int ficha : {1, 2}) {
        for (int m = 1; m <= 12; ++m) {
            const QString date = QStringLiteral("2009-%1-15").arg(m, 2, 10, QChar(u'0'));
            f.inst.exec(QStringLiteral("INSERT INTO RECEIT (FICHA, DTREC, VAREC) VALUES (?, ?, ?)"),
                        {QString::number(ficha), date, QString::number(1 << (m - 1))});
        }
    }
    RunContext& c = f.context(QString::fromLatin1(k.codaudesp), k.month);
    BC_RECMMAA(c);

    const QString name = QStringLiteral("REC%1%2.txt").arg(k.month, 2, 10, QChar(u'0')).arg("09");
    const bool monthly = k.codaudesp == std::string("5");
    EXPECT_EQ(f.inst.readOutput(name),
              bytes(QStringLiteral("10") + "0" + k.codaudesp + "11120200" + pad("IPTU", 100) +
                    (monthly ? "0000000100000" : "0000000200000") + k.collected + k.accumulated +
                    "000001\r\n" + trailer("000002") + "\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BC_RECMMAAPeriodTest,
    ::testing::Values(
        PeriodCase{"MonthlyJanuaryHasNothingBefore", "5", 1, "0000000000001", "0000000000000"},
        PeriodCase{"MonthlyJune", "5", 6, "0000000000032", "0000000000031"},
        PeriodCase{"MonthlyDecember", "5", 12, "0000000002048", "0000000002047"},
        PeriodCase{"FourMonthJanuary", "7", 1, "0000000000015", "0000000000000"},
        PeriodCase{"FourMonthApril", "7", 4, "0000000000015", "0000000000000"},
        PeriodCase{"FourMonthMay", "7", 5, "0000000000240", "0000000000015"},
        PeriodCase{"FourMonthJuneCoversMayToAugust", "7", 6, "0000000000240", "0000000000015"},
        PeriodCase{"FourMonthSeptember", "7", 9, "0000000003840", "0000000000255"},
        PeriodCase{"FourMonthDecember", "7", 12, "0000000003840", "0000000000255"}),
    [](const auto& info) { return std::string(info.param.name); });

// One heading per case; the record's heading, description and forecast and the log it gives.
struct HeadingCase {
    const char* name;
    QString codre;
    std::optional<QString> nomre;
    const char* totor;
    QString written;  // heading, description and forecast as written
    std::vector<LogLine> log;
};

class BC_RECMMAAHeadingTest : public BC_RECMMAATest,
                              public ::testing::WithParamInterface<HeadingCase> {};

TEST_P(BC_RECMMAAHeadingTest, WritesTheFieldsAsTheirRulesSay) {
    const HeadingCase& k = GetParam();
    f.inst.exec(QStringLiteral("INSERT INTO RECTAB (CODRE, NOMRE) VALUES (?, ?)"),
                {k.codre, k.nomre ? *k.nomre : QString()});
    f.inst.exec(QStringLiteral("INSERT INTO RECDIS (FICHA, EMPRESA, CODRE, TOTOR) VALUES "
                               "(1, 3, ?, ?)"),
                {k.codre, QString::fromLatin1(k.totor)});
    RunContext& c = f.context(QStringLiteral("7"), 3);
    BC_RECMMAA(c);

    const QString zeros(13, u'0');
    EXPECT_EQ(f.inst.readOutput(QStringLiteral("REC0309.txt")),
              bytes(QStringLiteral("10") + "07" + k.written + zeros + zeros + "000001\r\n" +
                    trailer("000002") + "\r\n"));
    EXPECT_EQ(readLog(f, QStringLiteral("BC_RECMMAA")), logBytes(k.log));
}

const QString k120 = QString(60, u'A') + QString(60, u'Ç');

INSTANTIATE_TEST_SUITE_P(
    Cases, BC_RECMMAAHeadingTest,
    ::testing::Values(
        HeadingCase{"LineBreakInDescriptionBecomesBlanks",
                    "1325.00.00",
                    QStringLiteral("RECEITA\r\nPATRIMONIAL"),
                    "10.00",
                    "13250000" + pad("RECEITA  PATRIMONIAL", 100) + "0000000000010",
                    {}},
        HeadingCase{"TabInDescriptionBecomesABlank",
                    "1325.00.00",
                    QStringLiteral("ALUGUÉIS\tDE IMÓVEIS"),
                    "10.00",
                    "13250000" + pad(QStringLiteral("ALUGUÉIS DE IMÓVEIS"), 100) + "0000000000010",
                    {}},
        HeadingCase{"LongDescriptionCutToOneHundred",
                    "1325.00.00",
                    k120,
                    "10.00",
                    "13250000" + k120.left(100) + "0000000000010",
                    {}},
        HeadingCase{"BlankDescription",
                    "1325.00.00",
                    QStringLiteral("   "),
                    "10.00",
                    "13250000" + pad("", 100) + "0000000000010",
                    {{"10", 1, 1, "RECTAB", "NOMRE"}}},
        HeadingCase{"LongCodeCutAfterItsTenthCharacter",
                    "1112.02.00.99.88",
                    "IPTU",
                    "10.00",
                    "11120200" + pad("IPTU", 100) + "0000000000010",
                    {}},
        HeadingCase{"ShortCodePaddedWithBlanks",
                    "1112",
                    "IPTU",
                    "10.00",
                    "1112    " + pad("IPTU", 100) + "0000000000010",
                    {}},
        HeadingCase{"EmptyCode",
                    "",
                    "SEM CÓDIGO",
                    "10.00",
                    pad("", 8) + pad(QStringLiteral("SEM CÓDIGO"), 100) + "0000000000010",
                    {{"10", 1, 1, "RECDIS", "CODRE"}}},
        HeadingCase{"NegativeForecast",
                    "1325.00.00",
                    "ALUGUÉIS",
                    "-1234.50",
                    "13250000" + pad(QStringLiteral("ALUGUÉIS"), 100) + "-0000001234,5",
                    {}},
        HeadingCase{"ForecastFillingTheField",
                    "1325.00.00",
                    "ALUGUÉIS",
                    "1234567890.12",
                    "13250000" + pad(QStringLiteral("ALUGUÉIS"), 100) + "1234567890,12",
                    {}},
        HeadingCase{"ForecastTooLongWrittenWholeAndLogged",
                    "1325.00.00",
                    "ALUGUÉIS",
                    "12345678901.23",
                    "13250000" + pad(QStringLiteral("ALUGUÉIS"), 100) + "12345678901,23",
                    {{"10", 1, 4, "RECDIS", "TOTOR"}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
