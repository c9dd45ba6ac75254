#include <gtest/gtest.h>

#include "output/Decimal.h"
#include "support/QtPrinters.h"

namespace {

Decimal d(const char* text) {
    Decimal v;
    EXPECT_TRUE(Decimal::parse(QString::fromLatin1(text), &v)) << text;
    return v;
}

struct FixedCase {
    const char* value;
    int precision;
    const char* comma;
    bool fits;
};

class FixedText : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedText, RoundsToSignificantDigitsThenTwoDecimals) {
    const FixedCase& c = GetParam();
    bool fits = !c.fits;
    EXPECT_EQ(d(c.value).fixedText(c.precision, u',', &fits), QString::fromLatin1(c.comma));
    EXPECT_EQ(fits, c.fits);
    QString point = QString::fromLatin1(c.comma);
    point.replace(u',', u'.');
    EXPECT_EQ(d(c.value).fixedText(c.precision, u'.'), point);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FixedText,
    testing::Values(FixedCase{"1234.56", 9, "1234,56", true},
                    FixedCase{"-1234.56", 9, "-1234,56", true}, FixedCase{"0", 9, "0,00", true},
                    FixedCase{"0.5", 9, "0,50", true},
                    FixedCase{"12345678.91", 9, "12345678,90", true},
                    FixedCase{"123456789.12", 9, "123456789,00", true},
                    FixedCase{"123456789.12", 18, "123456789,12", true},
                    FixedCase{"0.005", 9, "0,01", true}, FixedCase{"-0.005", 9, "-0,01", true},
                    FixedCase{"2.675", 9, "2,68", true}, FixedCase{"7.5", 3, "7,50", true},
                    FixedCase{"12.345", 3, "12,30", true}, FixedCase{"999.5", 3, "999,50", false},
                    FixedCase{"-0.001", 9, "0,00", true},
                    // Too large for fixed notation at the precision: written whole all the same.
                    FixedCase{"1234567890.12", 9, "1234567890,12", false},
                    FixedCase{"-98765432101.5", 9, "-98765432101,50", false}));

TEST(Decimal, PlainTextHasNoTrailingZeros) {
    EXPECT_EQ(d("1500.00").plainText(u','), "1500");
    EXPECT_EQ(d("1234.50").plainText(u','), "1234,5");
    EXPECT_EQ(d("-250.75").plainText(u','), "-250,75");
    EXPECT_EQ(d("0.05").plainText(u'.'), "0.05");
    EXPECT_EQ(d("-0.00").plainText(u','), "0");
    EXPECT_EQ(Decimal(-5, 1).plainText(u','), "-0,5");
}

TEST(Decimal, ArithmeticAndComparisonAcrossScales) {
    EXPECT_EQ(d("1.1") + d("2.25"), d("3.35"));
    EXPECT_TRUE(d("-1") < d("0.01"));
    EXPECT_EQ(d("1130"), d("1130.00"));
    Decimal v;
    EXPECT_FALSE(Decimal::parse("1.2.3", &v));
    EXPECT_FALSE(Decimal::parse("", &v));
    EXPECT_FALSE(Decimal::parse("1e5", &v));
    EXPECT_EQ(Decimal::fromDouble(0.1 + 0.2).plainText(u'.'), "0.3");
}

}  // namespace
