#include "settings/DbError.h"

namespace {
QString compose(const QString& message, const QString& sql) {
    return sql.isEmpty() ? message : message + QStringLiteral("\nSQL: ") + sql;
}
}  // namespace

DbError::DbError(const QString& databaseMessage, const QString& sql, bool conversionError)
    : EnvironmentError(compose(databaseMessage, sql)),
      databaseMessage_(databaseMessage),
      sql_(sql),
      conversionError_(conversionError) {}
