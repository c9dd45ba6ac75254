#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "settings/DbRow.h"

namespace Firebird {
class IResultSet;
}

struct OutputLayout;

// Forward-only rows of an open query. Closes on destruction.
class Cursor {
public:
    Cursor() = default;  // no rows
    Cursor(Firebird::IResultSet* resultSet, std::shared_ptr<OutputLayout> layout,
           std::shared_ptr<const DbColumns> columns, QString sql);
    Cursor(Cursor&& other) noexcept;
    Cursor& operator=(Cursor&& other) noexcept;
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;
    ~Cursor();

    // Moves to the next row; false at the end.
    bool next();
    const DbRow& row() const { return row_; }
    const DbValue& value(const QString& name) const { return row_.value(name); }
    QString text(const QString& name) const { return row_.text(name); }
    void close() noexcept;

private:
    Firebird::IResultSet* resultSet_ = nullptr;
    std::shared_ptr<OutputLayout> layout_;
    std::shared_ptr<const DbColumns> columns_;
    std::vector<unsigned char> buffer_;
    DbRow row_;
    QString sql_;
};
