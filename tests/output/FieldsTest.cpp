#include <gtest/gtest.h>

#include "output/Fields.h"
#include "output/Win1252.h"
#include "support/QtPrinters.h"

namespace {

TEST(Fields, ZeroAndVazio) {
    EXPECT_EQ(Fields::zero(3, "7"), "0007");
    EXPECT_EQ(Fields::zero(0, "7"), "7");
    EXPECT_EQ(Fields::zero(-2, "7"), "7");
    EXPECT_EQ(Fields::vazio(3), "   ");
    EXPECT_EQ(Fields::vazio(0), "");
    EXPECT_EQ(Fields::vazio(-1), "");
}

struct KindCase {
    QString (*kind)(const QString&, int);
    const char* value;
    int width;
    const char* expected;
};

class Kinds : public testing::TestWithParam<KindCase> {};

TEST_P(Kinds, FitTheWidth) {
    const KindCase& c = GetParam();
    EXPECT_EQ(c.kind(QString::fromUtf8(c.value), c.width), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Kinds,
    testing::Values(
        KindCase{&Fields::text, "AB", 5, "AB   "}, KindCase{&Fields::text, "ABCDEFG", 5, "ABCDE"},
        KindCase{&Fields::text, "", 3, "   "}, KindCase{&Fields::text, "SÃO", 4, "SÃO "},
        KindCase{&Fields::number, "42", 6, "000042"},
        KindCase{&Fields::number, "1234567", 6, "1234567"}, KindCase{&Fields::number, "", 2, "00"},
        KindCase{&Fields::signedAmount, "-1234,56", 13, "-000001234,56"},
        KindCase{&Fields::signedAmount, "1234,56", 13, "0000001234,56"},
        KindCase{&Fields::signedAmount, "-123456789012", 13, "-123456789012"},
        KindCase{&Fields::signedAmount, "-1234567890123", 13, "-1234567890123"}));

TEST(Fields, SequenceAndSeparators) {
    EXPECT_EQ(Fields::sequence(1), "000001");
    EXPECT_EQ(Fields::sequence(1234567), "1234567");
    EXPECT_EQ(Fields::withComma("1.5"), "1,5");
    EXPECT_EQ(Fields::withPoint("-1,5"), "-1.5");
}

TEST(Win1252, RecordsAreSingleByteAndStayOneLine) {
    EXPECT_EQ(Win1252::encodeRecord(QStringLiteral("AÇÃO€\r\n\tX")),
              QByteArray("A\xC7\xC3O\x80   X"));
    // A character the code page cannot hold becomes "?", never the 0x1A substitute.
    EXPECT_EQ(Win1252::encode(QStringLiteral("a\u4E2Db")), QByteArray("a?b"));
    EXPECT_EQ(Win1252::decode(QByteArray("S\xC3O \x93X\x94")), QStringLiteral("SÃO “X”"));
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, char(b));
        EXPECT_EQ(Win1252::encode(Win1252::decode(one)), one) << b;
    }
}

}  // namespace
