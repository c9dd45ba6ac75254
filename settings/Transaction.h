#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "settings/DbRow.h"
#include "settings/Statement.h"

namespace Firebird {
class IAttachment;
class ITransaction;
}  // namespace Firebird

enum class TransactionMode {
    ReadOnly,   // read committed, read only: the generation run
    ReadWrite,  // read committed: the edits of the entity windows
};

// A read-committed transaction that rolls back unless commit() is called.
class Transaction {
public:
    Transaction(Firebird::IAttachment* attachment, TransactionMode mode);
    Transaction(Transaction&& other) noexcept;
    Transaction& operator=(Transaction&&) = delete;
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();

    // Prepared once, executed per row with bound values. The statement must not outlive the
    // transaction.
    Statement prepare(const QString& sql);
    // Prepares and runs once: the first row of a query, or nothing for other statements.
    std::optional<DbRow> first(const QString& sql, const QStringList& params = {});
    void execute(const QString& sql, const QStringList& params = {});

    void commit();
    void rollback();
    bool isActive() const { return transaction_ != nullptr; }

private:
    Firebird::IAttachment* attachment_;
    Firebird::ITransaction* transaction_ = nullptr;
};
