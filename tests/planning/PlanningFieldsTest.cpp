#include <gtest/gtest.h>

#include "output/NumberFormat.h"
#include "planning/PlanningFields.h"
#include "settings/DbValue.h"
#include "support/QtPrinters.h"

using namespace PlanningFields;

namespace {

// An amount as the data layer gives it under the regional separator: NUMERIC(15,2) units.
QString plain(qint64 cents) {
    return DbValue::decimal(Decimal(cents, 2)).fieldText();
}
const QString kNull;

class PlanningFieldsTest : public ::testing::TestWithParam<char16_t> {
protected:
    void SetUp() override { NumberFormat::setDecimalSeparator(QChar(GetParam())); }
    void TearDown() override { NumberFormat::resetDecimalSeparator(); }
};

TEST_P(PlanningFieldsTest, AmountsCarryAPointWhateverTheRegionalSeparator) {
    struct Case {
        const char* rule;
        QString (*format)(const QString&);
        qint64 cents;
        const char* expected;
    };
    const Case cases[] = {
        {"allocation", &allocation, 1500000, "000000015000"},
        {"allocation", &allocation, 25075, "000000250.75"},
        {"allocation", &allocation, 123450, "0000001234.5"},
        // Longer than the field: the first 12 characters.
        {"allocation", &allocation, 123456789012, "1234567890.1"},
        {"program goal", &programGoal, 150000, "000000001500"},
        {"program goal", &programGoal, 123450, "0000001234.5"},
        {"program goal", &programGoal, 0, "000000000000"},
        {"financial value", &financialValue, 25000050, "0000250000.5"},
        {"financial value", &financialValue, 99999999999, "999999999.99"},
        {"total", &total, 24806493, "000248064.93"},
        {"total", &total, 15000000, "000000150000"},
        // The total keeps its sign where it stands.
        {"total", &total, -120050, "00000-1200.5"},
    };
    for (const Case& k : cases)
        EXPECT_EQ(k.format(plain(k.cents)), QString::fromLatin1(k.expected))
            << k.rule << " of " << k.cents << " cents";
}

TEST_P(PlanningFieldsTest, NullAmounts) {
    EXPECT_EQ(allocation(kNull), u"000000000000");
    EXPECT_EQ(programGoal(kNull), u"000000000000");
    EXPECT_EQ(financialValue(kNull), u"000000000000");
    EXPECT_EQ(physicalGoal(kNull), u"0000");
    EXPECT_EQ(total(kNull), u"000000000000");
}

TEST_P(PlanningFieldsTest, Forecast) {
    struct Case {
        qint64 cents;
        const char* expected;
    };
    const Case cases[] = {
        {15000000, "000000150000"},
        {9876543, "000098765.43"},
        {-120050, "-000001200.5"},
        {0, "000000000000"},
        // Below twelve characters the sign goes first; twelve or more are written whole.
        {-12345678900, "-00123456789"},
        {-123456789012, "-1234567890.12"},
    };
    for (const Case& k : cases) {
        bool empty = true;
        EXPECT_EQ(forecast(plain(k.cents), &empty), QString::fromLatin1(k.expected)) << k.cents;
        EXPECT_FALSE(empty);
    }
    bool empty = false;
    EXPECT_EQ(forecast(kNull, &empty), u"000000000.00");
    EXPECT_TRUE(empty);
}

TEST_P(PlanningFieldsTest, PhysicalGoalKeepsTheRegionalSeparator) {
    EXPECT_EQ(physicalGoal(plain(1200)), u"0012");
    EXPECT_EQ(physicalGoal(plain(12345600)), u"1234");
    EXPECT_EQ(physicalGoal(plain(250)), QStringLiteral("02") + QChar(GetParam()) + u'5');
}

TEST_P(PlanningFieldsTest, Percentage) {
    struct Case {
        qint64 cents;
        const char* expected;
        bool fits;
    };
    const Case cases[] = {
        {750, "007.50", true},   {1250, "012.50", true}, {1234, "012.30", true},
        {99900, "999.00", true}, {5, "000.05", true},    {100000, "1000.00", false},
    };
    for (const Case& k : cases) {
        bool fits = !k.fits;
        EXPECT_EQ(percentage(DbValue::decimal(Decimal(k.cents, 2)), &fits),
                  QString::fromLatin1(k.expected))
            << k.cents;
        EXPECT_EQ(fits, k.fits) << k.cents;
    }
    bool fits = false;
    EXPECT_EQ(percentage(DbValue(), &fits), u"000.00");
    EXPECT_TRUE(fits);
}

INSTANTIATE_TEST_SUITE_P(Separators, PlanningFieldsTest, ::testing::Values(u',', u'.'),
                         [](const auto& info) {
                             return info.param == u',' ? std::string("Comma")
                                                       : std::string("Point");
                         });

TEST(PlanningFields, LawNumber) {
    struct Case {
        QString text;
        const char* expected;
        bool empty;
    };
    const Case cases[] = {
        {QStringLiteral("1234"), "001234", false},
        {QStringLiteral("1234567"), "123456", false},
        {QStringLiteral("123456"), "123456", false},
        {QString(), "000000", false},  // zero-filled before the test
        {QStringLiteral("      "), "000000", true},
        {QStringLiteral("         "), "000000", true},
    };
    for (const Case& k : cases) {
        bool empty = !k.empty;
        EXPECT_EQ(lawNumber(k.text, &empty), QString::fromLatin1(k.expected))
            << k.text.toStdString();
        EXPECT_EQ(empty, k.empty) << k.text.toStdString();
    }
}

TEST(PlanningFields, Date) {
    bool empty = true;
    EXPECT_EQ(date(DbValue::date(QDate(2009, 3, 5)).fieldText(), &empty), u"05032009");
    EXPECT_FALSE(empty);
    EXPECT_EQ(date(QString(), &empty), u"00000000");
    EXPECT_TRUE(empty);
}

TEST(PlanningFields, MunicipalityCode) {
    EXPECT_EQ(municipalityCode(QStringLiteral("52")), u"0052");
    EXPECT_EQ(municipalityCode(QStringLiteral("52101")), u"5210");
    EXPECT_EQ(municipalityCode(QString()), u"0000");
}

TEST(PlanningFields, DocumentNumbersLoseTheirPunctuationBeforeTheCut) {
    EXPECT_EQ(documentNumber(QStringLiteral("01.234.567/0001-89"), 14), u"01234567000189");
    EXPECT_EQ(documentNumber(QStringLiteral("01234567000189"), 14), u"01234567000189");
    EXPECT_EQ(documentNumber(QStringLiteral("123.456.789-01"), 11), u"12345678901");
    EXPECT_EQ(documentNumber(QStringLiteral("12345678901"), 11), u"12345678901");
    EXPECT_EQ(documentNumber(QStringLiteral("123456789012345"), 11), u"12345678901");
    EXPECT_EQ(documentNumber(QStringLiteral("123.456"), 11), u"123456");
    EXPECT_EQ(documentDigits(QStringLiteral("555.666.777-88/99")), u"5556667778899");
}

}  // namespace
