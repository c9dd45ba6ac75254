#pragma once

#include "output/EnvironmentError.h"

// A database failure: the database's own message and the statement that failed.
class DbError : public EnvironmentError {
public:
    DbError(const QString& databaseMessage, const QString& sql, bool conversionError = false);
    const QString& databaseMessage() const { return databaseMessage_; }
    const QString& sql() const { return sql_; }
    // Firebird's "conversion error from string": a text value that a numeric column cannot take.
    bool isConversionError() const { return conversionError_; }

private:
    QString databaseMessage_;
    QString sql_;
    bool conversionError_;
};
