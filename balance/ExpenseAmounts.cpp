#include "balance/ExpenseAmounts.h"

#include "output/Fields.h"

namespace ExpenseAmounts {

QString amount13(const QString& fixedText) {
    return Fields::signedAmount(Fields::withComma(fixedText), 13);
}

QString movement(bool found, const QString& fixedText) {
    return found ? amount13(fixedText) : QStringLiteral("0000000000,00");
}

QString limitMonth(const QString& mes, bool monthly) {
    const int m = mes.toInt();
    int limit;
    if (monthly)
        limit = m - 1;
    else
        limit = m >= 9 ? 8 : (m >= 5 ? 4 : 0);
    return QStringLiteral("%1").arg(limit, 2, 10, QChar(u'0'));
}

Decimal accumulatedTotal(const Decimal& appropriation, const Decimal& supplements,
                         const Decimal& reductions, const Decimal& commitments,
                         const Decimal& cancellations) {
    return appropriation + supplements + reductions + commitments + cancellations;
}

QString creditorType(const QString& codtip) {
    const QString t = codtip.trimmed();
    if (t == u"1")
        return QStringLiteral("2");
    if (t == u"2")
        return QStringLiteral("1");
    return QStringLiteral("0");
}

QString cpfCnpjDigits(const QString& insmf) {
    QString s = insmf;
    s.remove(u'.').remove(u'-').remove(u'/');
    return s;
}

QString cpfCnpj(const QString& insmf) {
    return Fields::number(cpfCnpjDigits(insmf), 14);
}

QString commitmentNumber6(const QString& nempg) {
    return Fields::number(nempg.left(6), 6);
}

}  // namespace ExpenseAmounts
