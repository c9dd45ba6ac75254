#include "settings/DbRow.h"

#include "settings/DbError.h"

DbColumns::DbColumns(std::vector<DbColumn> columns) : columns_(std::move(columns)) {
    for (int i = 0; i < int(columns_.size()); ++i) {
        const QString key = columns_[size_t(i)].name.toUpper();
        if (!index_.contains(key))
            index_.insert(key, i);
    }
}

int DbColumns::indexOf(const QString& name) const {
    return index_.value(name.toUpper(), -1);
}

DbRow::DbRow(std::shared_ptr<const DbColumns> columns, std::vector<DbValue> values)
    : columns_(std::move(columns)), values_(std::move(values)) {}

bool DbRow::has(const QString& name) const {
    return columns_ && columns_->indexOf(name) >= 0;
}

const DbValue& DbRow::value(const QString& name) const {
    const int i = columns_ ? columns_->indexOf(name) : -1;
    if (i < 0)
        throw DbError(QStringLiteral("Campo '%1' não encontrado").arg(name), QString());
    return values_[size_t(i)];
}

QString DbRow::text(const QString& name) const {
    return value(name).fieldText();
}
