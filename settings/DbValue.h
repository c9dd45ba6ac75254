#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <variant>

#include "output/Decimal.h"

// One field value as read from the database, exact: integers as integers, NUMERIC/DECIMAL as
// Decimal, dates decoded, text decoded from Windows-1252, null as null.
class DbValue {
public:
    DbValue() = default;
    static DbValue integer(qint64 v) { return DbValue(Storage(v)); }
    static DbValue decimal(const Decimal& v) { return DbValue(Storage(v)); }
    static DbValue floating(double v) { return DbValue(Storage(v)); }
    static DbValue date(const QDate& v) { return DbValue(Storage(v)); }
    static DbValue time(const QTime& v) { return DbValue(Storage(v)); }
    static DbValue timestamp(const QDateTime& v) { return DbValue(Storage(v)); }
    static DbValue text(const QString& v) { return DbValue(Storage(v)); }
    static DbValue boolean(bool v) { return DbValue(Storage(v)); }

    bool isNull() const { return std::holds_alternative<std::monostate>(v_); }
    bool isText() const { return std::holds_alternative<QString>(v_); }
    bool isNumber() const;
    bool isDate() const { return std::holds_alternative<QDate>(v_); }

    // The field's text as the old data layer gave it: whole numbers as digits, decimals in plain
    // notation without trailing zeros and with the regional separator, dates as ddmmyyyy, text as
    // read, null as empty text. The empty text is not a null QString: a value copied from a row
    // and bound as a parameter compares as the quoted empty literal did, never as NULL.
    QString fieldText() const;
    QString fieldText(QChar decimalSeparator) const;

    // The value as an exact decimal; null, text that is not a number and dates give zero.
    Decimal toDecimal() const;
    qint64 toInteger() const;
    QDate toDate() const;

private:
    using Storage = std::variant<std::monostate, qint64, Decimal, double, QDate, QTime, QDateTime,
                                 QString, bool>;
    explicit DbValue(Storage v) : v_(std::move(v)) {}
    Storage v_;
};
