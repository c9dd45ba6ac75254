#include "output/Decimal.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace {

using int128 = __int128;

int128 pow10(int n) {
    int128 r = 1;
    for (int i = 0; i < n; ++i)
        r *= 10;
    return r;
}

QString digitsOf(int128 v) {
    if (v == 0)
        return QStringLiteral("0");
    QString s;
    while (v > 0) {
        s.prepend(QChar(u'0' + int(v % 10)));
        v /= 10;
    }
    return s;
}

int digitCount(int128 v) {
    int n = 0;
    while (v > 0) {
        ++n;
        v /= 10;
    }
    return n;
}

// Rounds |v| (units of 10^-scale) to a multiple of 10^drop, halves away from zero.
int128 roundDrop(int128 v, int drop) {
    if (drop <= 0)
        return v;
    const int128 p = pow10(drop);
    const int128 q = v / p;
    const int128 r = v % p;
    return (r * 2 >= p ? q + 1 : q) * p;
}

}  // namespace

Decimal::Decimal(std::int64_t units, int scale) : units_(units), scale_(scale) {
    if (scale < 0 || scale > 18)
        throw std::invalid_argument("Decimal scale out of range");
}

bool Decimal::parse(const QString& text, Decimal* out) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    int i = 0;
    bool negative = false;
    if (t[0] == u'-' || t[0] == u'+') {
        negative = t[0] == u'-';
        i = 1;
    }
    int128 units = 0;
    int scale = 0;
    bool seenSep = false, seenDigit = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit() && c.unicode() < 128) {
            units = units * 10 + (c.unicode() - u'0');
            if (seenSep)
                ++scale;
            seenDigit = true;
            if (units > INT64_MAX || scale > 18)
                return false;
        } else if ((c == u'.' || c == u',') && !seenSep) {
            seenSep = true;
        } else {
            return false;
        }
    }
    if (!seenDigit)
        return false;
    *out = Decimal(static_cast<std::int64_t>(negative ? -units : units), scale);
    return true;
}

Decimal Decimal::fromDouble(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    Decimal d;
    if (!std::isfinite(value) || !parse(QString::fromLatin1(buf), &d)) {
        // Exponent forms of huge or tiny values: keep 6 decimals of a fixed rendering.
        std::snprintf(buf, sizeof buf, "%.6f", value);
        if (!parse(QString::fromLatin1(buf), &d))
            return Decimal();
    }
    return d;
}

Decimal Decimal::operator+(const Decimal& other) const {
    const int s = std::max(scale_, other.scale_);
    const int128 a = int128(units_) * pow10(s - scale_);
    const int128 b = int128(other.units_) * pow10(s - other.scale_);
    const int128 sum = a + b;
    if (sum > INT64_MAX || sum < INT64_MIN)
        throw std::overflow_error("Decimal sum overflows");
    return Decimal(static_cast<std::int64_t>(sum), s);
}

bool Decimal::operator==(const Decimal& other) const {
    const int s = std::max(scale_, other.scale_);
    return int128(units_) * pow10(s - scale_) == int128(other.units_) * pow10(s - other.scale_);
}

bool Decimal::operator<(const Decimal& other) const {
    const int s = std::max(scale_, other.scale_);
    return int128(units_) * pow10(s - scale_) < int128(other.units_) * pow10(s - other.scale_);
}

QString Decimal::plainText(QChar separator) const {
    const bool negative = units_ < 0;
    int128 v = units_;
    if (negative)
        v = -v;
    int scale = scale_;
    while (scale > 0 && v % 10 == 0) {
        v /= 10;
        --scale;
    }
    QString digits = digitsOf(v);
    if (scale > 0) {
        if (digits.size() <= scale)
            digits.prepend(QString(scale - digits.size() + 1, u'0'));
        digits.insert(digits.size() - scale, separator);
    }
    if (negative && v != 0)
        digits.prepend(u'-');
    return digits;
}

QString Decimal::fixedText(int precision, QChar separator, bool* fits) const {
    const bool negative = units_ < 0;
    int128 v = units_;
    if (negative)
        v = -v;
    auto toCents = [&](int128 r) {
        return scale_ >= 2 ? r / pow10(scale_ - 2) : r * pow10(2 - scale_);
    };
    // Significant digits start at the first non-zero digit; keep `precision` of them, and never
    // more than two decimals.
    const int drop = std::max(digitCount(v) - precision, scale_ - 2);
    int128 rounded = toCents(roundDrop(v, drop));
    const bool fitsPrecision = digitCount(rounded / 100) <= precision;
    if (!fitsPrecision)
        rounded = toCents(roundDrop(v, scale_ - 2));
    if (fits)
        *fits = fitsPrecision;

    const int cents = int(rounded % 100);
    QString text =
        digitsOf(rounded / 100) + separator + QChar(u'0' + cents / 10) + QChar(u'0' + cents % 10);
    if (negative && rounded != 0)
        text.prepend(u'-');
    return text;
}
