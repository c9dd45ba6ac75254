#include "balance/ExpenseAmounts.h"

#include <gtest/gtest.h>

#include "output/NumberFormat.h"
#include "support/QtPrinters.h"

namespace {

Decimal dec(const char* text) {
    Decimal d;
    EXPECT_TRUE(Decimal::parse(QString::fromLatin1(text), &d)) << text;
    return d;
}

TEST(ExpenseAmounts, Amount13AlwaysCarriesACommaAndKeepsTheSignFirst) {
    struct Case {
        const char* fixed;
        const char* expected;
    } cases[] = {
        {"1500.00", "0000001500,00"},
        {"1500,00", "0000001500,00"},
        {"-1500.50", "-000001500,50"},
        {"0.00", "0000000000,00"},
        {"12345678.90", "0012345678,90"},
        {"123456789.00", "0123456789,00"},
        {"-123456789.00", "-123456789,00"},
        // Longer than the width: written whole, sign kept.
        {"-1234567890.12", "-1234567890,12"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpenseAmounts::amount13(QString::fromLatin1(c.fixed)),
                  QString::fromLatin1(c.expected))
            << c.fixed;
}

TEST(ExpenseAmounts, MovementWithoutRowIsZero) {
    EXPECT_EQ(ExpenseAmounts::movement(false, QString()), u"0000000000,00");
    EXPECT_EQ(ExpenseAmounts::movement(true, QStringLiteral("-1500.50")), u"-000001500,50");
    EXPECT_EQ(ExpenseAmounts::movement(true, QStringLiteral("0.00")), u"0000000000,00");
}

TEST(ExpenseAmounts, LimitMonthOfBothPeriodicities) {
    EXPECT_EQ(ExpenseAmounts::limitMonth("01", true), u"00");
    EXPECT_EQ(ExpenseAmounts::limitMonth("03", true), u"02");
    EXPECT_EQ(ExpenseAmounts::limitMonth("12", true), u"11");
    for (const char* m : {"01", "02", "03", "04"})
        EXPECT_EQ(ExpenseAmounts::limitMonth(QString::fromLatin1(m), false), u"00") << m;
    for (const char* m : {"05", "06", "07", "08"})
        EXPECT_EQ(ExpenseAmounts::limitMonth(QString::fromLatin1(m), false), u"04") << m;
    for (const char* m : {"09", "10", "11", "12"})
        EXPECT_EQ(ExpenseAmounts::limitMonth(QString::fromLatin1(m), false), u"08") << m;
}

TEST(ExpenseAmounts, AccumulatedTotalOfTheMarchExample) {
    // 1000.00 appropriated, 100.00 supplemented in February, 30.00 committed in January.
    const Decimal total = ExpenseAmounts::accumulatedTotal(dec("1000.00"), dec("100.00"), Decimal(),
                                                           dec("30.00"), Decimal());
    EXPECT_EQ(ExpenseAmounts::amount13(total.fixedText(9, u',')), u"0000001130,00");
    const Decimal lowered = ExpenseAmounts::accumulatedTotal(
        dec("1000.00"), dec("100.00"), dec("-250.25"), dec("30.00"), dec("-10.00"));
    EXPECT_EQ(lowered.fixedText(9, u'.'), u"869.75");
}

TEST(ExpenseAmounts, CreditorTypeAndDocument) {
    EXPECT_EQ(ExpenseAmounts::creditorType("1"), u"2");
    EXPECT_EQ(ExpenseAmounts::creditorType("2"), u"1");
    EXPECT_EQ(ExpenseAmounts::creditorType("3"), u"0");
    EXPECT_EQ(ExpenseAmounts::creditorType(""), u"0");
    EXPECT_EQ(ExpenseAmounts::cpfCnpj("123.456.789-01"), u"00012345678901");
    EXPECT_EQ(ExpenseAmounts::cpfCnpj("12.345.678/0001-90"), u"12345678000190");
    EXPECT_EQ(ExpenseAmounts::cpfCnpj(""), u"00000000000000");
    EXPECT_EQ(ExpenseAmounts::cpfCnpj("123456789012345"), u"123456789012345");
    EXPECT_EQ(ExpenseAmounts::commitmentNumber6("45"), u"000045");
    EXPECT_EQ(ExpenseAmounts::commitmentNumber6("1234567"), u"123456");
    EXPECT_EQ(ExpenseAmounts::commitmentNumber6(""), u"000000");
}

}  // namespace
