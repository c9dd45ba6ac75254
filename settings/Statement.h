#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "settings/Cursor.h"
#include "settings/DbRow.h"

namespace Firebird {
class IAttachment;
class ITransaction;
class IStatement;
}  // namespace Firebird

// A prepared statement. Every value is bound as text (the input declared as VARCHAR), so the
// database converts it exactly as it converted the same value written as a quoted literal. A null
// QString binds SQL NULL.
class Statement {
public:
    Statement(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction,
              const QString& sql);
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    // Opens the query's rows. An empty text bound where the database wants a number, which
    // Firebird refuses with a conversion error, answers "no row", as the quoted empty literal did.
    Cursor open(const QStringList& params = {});
    std::optional<DbRow> first(const QStringList& params = {});
    // For statements without rows (DDL, INSERT, UPDATE); answers the number of rows it changed.
    quint64 execute(const QStringList& params = {});

    const QString& sql() const { return sql_; }
    const std::shared_ptr<const DbColumns>& columns() const { return columns_; }

private:
    struct Input;
    void bind(const QStringList& params);
    Firebird::ITransaction* transaction_;
    Firebird::IStatement* statement_ = nullptr;
    QString sql_;
    std::shared_ptr<const DbColumns> columns_;
    std::shared_ptr<struct OutputLayout> output_;
    std::unique_ptr<Input> input_;
};
