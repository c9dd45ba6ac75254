#pragma once

#include <QString>

#include "settings/Transaction.h"

namespace Firebird {
class IAttachment;
}

// One attachment to a database as the program's user KTRVOLD8, dialect 3, connection character
// set WIN1252. A plain path opens through the embedded engine, "host:path" through the server.
// Detaches on destruction.
class Database {
public:
    static Database attach(const QString& path);
    // Creates an empty database owned by the program's user, default character set WIN1252.
    static Database create(const QString& path);

    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    Transaction begin(TransactionMode mode);
    // Runs one statement (DDL or DML) in a transaction of its own and commits it.
    void executeImmediate(const QString& sql);
    const QString& path() const { return path_; }

    Firebird::IAttachment* handle() const { return attachment_; }

private:
    Database(Firebird::IAttachment* attachment, QString path);
    void detach() noexcept;
    Firebird::IAttachment* attachment_ = nullptr;
    QString path_;
};
