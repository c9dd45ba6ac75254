#include "planning/PlanningFields.h"

#include "output/Fields.h"
#include "output/NumberFormat.h"
#include "settings/DbValue.h"

namespace PlanningFields {

namespace {

// Zeros in front up to the width, or the first `width` characters; then a decimal point.
QString cutAmount(const QString& plain, int width) {
    const QString fitted = plain.size() < width ? Fields::number(plain, width) : plain.left(width);
    return Fields::withPoint(fitted);
}

}  // namespace

bool isBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

QString municipalityCode(const QString& text) {
    return Fields::number(text.left(4), 4);
}

QString documentDigits(const QString& text) {
    QString digits = text;
    digits.remove(u'.').remove(u'-').remove(u'/');
    return digits;
}

QString documentNumber(const QString& text, int width) {
    return documentDigits(text).left(width);
}

QString lawNumber(const QString& text, bool* empty) {
    const QString fitted = text.size() < 6 ? Fields::number(text, 6) : text.left(6);
    *empty = isBlank(fitted);
    return *empty ? QStringLiteral("000000") : fitted;
}

QString date(const QString& text, bool* empty) {
    const QString cut = text.left(8);
    *empty = isBlank(cut);
    return *empty ? QStringLiteral("00000000") : cut;
}

QString percentage(const DbValue& value, bool* fits) {
    *fits = true;
    if (value.isNull())
        return QStringLiteral("000.00");
    const QString fixed = value.toDecimal().fixedText(3, NumberFormat::decimalSeparator(), fits);
    return Fields::withPoint(Fields::number(fixed, 6));
}

QString programGoal(const QString& plain) {
    return cutAmount(plain, 12);
}

QString financialValue(const QString& plain) {
    return cutAmount(plain, 12);
}

QString allocation(const QString& plain) {
    return cutAmount(plain, 12);
}

QString physicalGoal(const QString& plain) {
    return Fields::number(plain.left(4), 4);
}

QString forecast(const QString& plain, bool* empty) {
    *empty = isBlank(plain);
    if (*empty)
        return QStringLiteral("000000000.00");
    return Fields::withPoint(Fields::signedAmount(plain, 12));
}

QString total(const QString& plain) {
    return Fields::number(Fields::withPoint(plain), 12);
}

}  // namespace PlanningFields
