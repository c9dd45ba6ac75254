#pragma once

#include <QString>
#include <QStringList>

class Database;

// Runs an isql script of plain statements (no SET TERM) against a database.
namespace SchemaScript {

// The statements of a script: split at ";" outside quotes and comments, comments dropped.
QStringList statements(const QString& script);

// Runs each statement in a transaction of its own.
void run(Database& database, const QString& script);

// Creates a database at the path and builds the accounting schema of `vold.sql` in it.
void createDatabase(const QString& path, const QString& schemaFile);

}  // namespace SchemaScript
