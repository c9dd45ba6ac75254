#pragma once

#include <QString>
#include <cstdint>

// An exact decimal number: an integer count of units of 10^-scale, as NUMERIC columns deliver it.
class Decimal {
public:
    Decimal() = default;
    Decimal(std::int64_t units, int scale);
    static Decimal fromInteger(std::int64_t value) { return Decimal(value, 0); }
    // Parses plain decimal text ("-1234.50", "7,5"); either "." or "," separates the decimals.
    // Returns false for anything else.
    static bool parse(const QString& text, Decimal* out);
    static Decimal fromDouble(double value);

    std::int64_t units() const { return units_; }
    int scale() const { return scale_; }
    bool isNegative() const { return units_ < 0; }
    bool isZero() const { return units_ == 0; }

    Decimal operator+(const Decimal& other) const;
    Decimal operator-() const { return Decimal(-units_, scale_); }
    bool operator==(const Decimal& other) const;
    bool operator<(const Decimal& other) const;

    // Plain notation, no trailing zeros, no separator for a whole number: 1500.00 gives "1500",
    // 1234.50 gives "1234<sep>5".
    QString plainText(QChar separator) const;

    // Fixed notation with exactly two decimals after rounding to `precision` significant digits
    // (halves away from zero). When the integer part alone has more than `precision` digits the
    // exact value is written with two decimals and `fits` is set to false.
    QString fixedText(int precision, QChar separator, bool* fits = nullptr) const;

private:
    std::int64_t units_ = 0;
    int scale_ = 0;
};
