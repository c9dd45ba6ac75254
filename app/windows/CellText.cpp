#include "app/windows/CellText.h"

#include <QRegularExpression>
#include <limits>

namespace CellText {

std::optional<std::optional<QString>> integer(const QString& typed, QString* error) {
    const QString t = typed.trimmed();
    if (t.isEmpty())
        return std::optional<QString>();
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    bool ok = false;
    const qlonglong v = digits.match(t).hasMatch() ? t.toLongLong(&ok) : 0;
    if (!ok || v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max()) {
        if (error)
            *error = QStringLiteral("'%1' não é um valor inteiro válido.").arg(typed);
        return std::nullopt;
    }
    return std::optional<QString>(QString::number(v));
}

QString requiredMessage(const QString& field) {
    return QStringLiteral("O campo '%1' precisa ter um valor.").arg(field);
}

}  // namespace CellText
