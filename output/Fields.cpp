#include "output/Fields.h"

namespace Fields {

QString zero(int n, const QString& s) {
    return n <= 0 ? s : QString(n, u'0') + s;
}

QString vazio(int n) {
    return n <= 0 ? QString() : QString(n, u' ');
}

QString text(const QString& value, int width) {
    return value.size() >= width ? value.left(width) : value + vazio(width - int(value.size()));
}

QString number(const QString& value, int width) {
    return zero(width - int(value.size()), value);
}

QString signedAmount(const QString& value, int width) {
    if (value.size() >= width)
        return value;
    if (value.startsWith(u'-'))
        return u'-' + zero(width - int(value.size()), value.mid(1));
    return zero(width - int(value.size()), value);
}

QString sequence(int seq) {
    return number(QString::number(seq), 6);
}

QString withComma(const QString& s) {
    QString r = s;
    return r.replace(u'.', u',');
}

QString withPoint(const QString& s) {
    QString r = s;
    return r.replace(u',', u'.');
}

}  // namespace Fields
