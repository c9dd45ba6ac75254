#include "settings/DbValue.h"

#include "output/NumberFormat.h"

bool DbValue::isNumber() const {
    return std::holds_alternative<qint64>(v_) || std::holds_alternative<Decimal>(v_) ||
           std::holds_alternative<double>(v_);
}

QString DbValue::fieldText() const {
    return fieldText(NumberFormat::decimalSeparator());
}

QString DbValue::fieldText(QChar sep) const {
    struct Visitor {
        QChar sep;
        QString operator()(std::monostate) const { return QStringLiteral(""); }
        QString operator()(qint64 v) const { return QString::number(v); }
        QString operator()(const Decimal& v) const { return v.plainText(sep); }
        QString operator()(double v) const { return Decimal::fromDouble(v).plainText(sep); }
        QString operator()(const QDate& v) const { return NumberFormat::shortDate(v); }
        QString operator()(const QTime& v) const { return v.toString(QStringLiteral("H:mm:ss")); }
        QString operator()(const QDateTime& v) const {
            const QString d = NumberFormat::shortDate(v.date());
            return v.time() == QTime(0, 0) ? d : d + u' ' + v.time().toString(u"H:mm:ss");
        }
        QString operator()(const QString& v) const { return v; }
        QString operator()(bool v) const {
            return v ? QStringLiteral("True") : QStringLiteral("False");
        }
    };
    return std::visit(Visitor{sep}, v_);
}

Decimal DbValue::toDecimal() const {
    if (auto p = std::get_if<qint64>(&v_))
        return Decimal::fromInteger(*p);
    if (auto p = std::get_if<Decimal>(&v_))
        return *p;
    if (auto p = std::get_if<double>(&v_))
        return Decimal::fromDouble(*p);
    if (auto p = std::get_if<QString>(&v_)) {
        Decimal d;
        if (Decimal::parse(*p, &d))
            return d;
    }
    return Decimal();
}

qint64 DbValue::toInteger() const {
    if (auto p = std::get_if<qint64>(&v_))
        return *p;
    const Decimal d = toDecimal();
    qint64 u = d.units();
    for (int i = 0; i < d.scale(); ++i)
        u /= 10;
    return u;
}

QDate DbValue::toDate() const {
    if (auto p = std::get_if<QDate>(&v_))
        return *p;
    if (auto p = std::get_if<QDateTime>(&v_))
        return p->date();
    return {};
}
