#include "output/NumberFormat.h"

#include <QLocale>
#include <atomic>

namespace {
std::atomic<char16_t> g_separator{0};
}

namespace NumberFormat {

QChar decimalSeparator() {
    const char16_t s = g_separator.load();
    if (s != 0)
        return QChar(s);
    const QString p = QLocale::system().decimalPoint();
    return p.isEmpty() ? QChar(u'.') : p.at(0);
}

void setDecimalSeparator(QChar separator) {
    g_separator.store(separator.unicode());
}

void resetDecimalSeparator() {
    g_separator.store(0);
}

QString shortDate(const QDate& date) {
    return date.isValid() ? date.toString(QStringLiteral("ddMMyyyy")) : QString();
}

}  // namespace NumberFormat
