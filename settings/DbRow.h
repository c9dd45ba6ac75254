#pragma once

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

#include "settings/DbValue.h"

// What the database says of one result column.
struct DbColumn {
    enum class Type { Integer, Decimal, Float, Date, Time, Timestamp, Text, Blob, Boolean, Null };
    QString name;  // the alias as the query spells it, in capitals when unquoted
    Type type = Type::Null;
    int length = 0;  // characters, for text
    int scale = 0;   // decimals, for Decimal
};

class DbColumns {
public:
    explicit DbColumns(std::vector<DbColumn> columns);
    int size() const { return int(columns_.size()); }
    const DbColumn& at(int i) const { return columns_[size_t(i)]; }
    // Looked up without regard to case; -1 when absent.
    int indexOf(const QString& name) const;

private:
    std::vector<DbColumn> columns_;
    QHash<QString, int> index_;
};

// One row of a result, owned: its values stay valid after the cursor moves on.
class DbRow {
public:
    DbRow() = default;
    DbRow(std::shared_ptr<const DbColumns> columns, std::vector<DbValue> values);

    int size() const { return int(values_.size()); }
    const DbColumns& columns() const { return *columns_; }
    const DbValue& at(int i) const { return values_[size_t(i)]; }
    bool has(const QString& name) const;
    // Field by name without regard to case; an unknown name is an error, as in the old data layer.
    const DbValue& value(const QString& name) const;
    // Shorthand for value(name).fieldText().
    QString text(const QString& name) const;

private:
    std::shared_ptr<const DbColumns> columns_;
    std::vector<DbValue> values_;
};
