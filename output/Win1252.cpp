#include "output/Win1252.h"

#include <array>

namespace {

// 0x80..0x9F; 0 marks the five bytes the code page leaves undefined (decoded as C1 controls).
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x0000, 0x017D, 0x0000, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178};

int byteFor(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == u && u != 0)
            return 0x80 + i;
    }
    if (u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] == 0)
        return u;  // round-trips undefined bytes
    return -1;
}

QByteArray encodeWith(const QString& text, bool record) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar qc : text) {
        const char16_t u = qc.unicode();
        if (record && (u < 0x20 || u == 0x7F || (u >= 0x80 && u <= 0x9F))) {
            out.append(' ');
            continue;
        }
        const int b = byteFor(u);
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

}  // namespace

namespace Win1252 {

QString decode(const char* bytes, int length) {
    QString s(length, Qt::Uninitialized);
    QChar* d = s.data();
    for (int i = 0; i < length; ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        char16_t u = b;
        if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
            u = kHigh[b - 0x80];
        d[i] = QChar(u);
    }
    return s;
}

QString decode(const QByteArray& bytes) {
    return decode(bytes.constData(), int(bytes.size()));
}

QByteArray encode(const QString& text) {
    return encodeWith(text, false);
}

QByteArray encodeRecord(const QString& text) {
    return encodeWith(text, true);
}

bool canEncode(QChar c) {
    return byteFor(c.unicode()) >= 0;
}

}  // namespace Win1252
