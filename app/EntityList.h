#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "settings/DbRow.h"

class Database;

// The entities of TABEMPRESA ("select * from tabempresa"), as the entity lookup lists them.
namespace EntityList {

std::vector<DbRow> load(Database& database);
// The first row whose CODAUDESP, as text, equals the code.
std::optional<DbRow> find(const std::vector<DbRow>& entities, const QString& codaudesp);

}  // namespace EntityList
