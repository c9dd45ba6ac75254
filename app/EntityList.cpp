#include "app/EntityList.h"

#include "settings/Database.h"

namespace EntityList {

std::vector<DbRow> load(Database& database) {
    Transaction t = database.begin(TransactionMode::ReadOnly);
    Statement s = t.prepare(QStringLiteral("select * from tabempresa"));
    Cursor c = s.open();
    std::vector<DbRow> rows;
    while (c.next())
        rows.push_back(c.row());
    t.commit();
    return rows;
}

std::optional<DbRow> find(const std::vector<DbRow>& entities, const QString& codaudesp) {
    for (const DbRow& r : entities) {
        if (r.text(QStringLiteral("CODAUDESP")) == codaudesp)
            return r;
    }
    return std::nullopt;
}

}  // namespace EntityList
