#include "schema/SchemaScript.h"

#include <QFile>

#include "output/EnvironmentError.h"
#include "output/Win1252.h"
#include "settings/Database.h"

namespace SchemaScript {

QStringList statements(const QString& script) {
    QStringList out;
    QString current;
    const int n = int(script.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = script[i];
        if (c == u'-' && i + 1 < n && script[i + 1] == u'-') {
            while (i < n && script[i] != u'\n')
                ++i;
            current += u'\n';
            continue;
        }
        if (c == u'/' && i + 1 < n && script[i + 1] == u'*') {
            const int end = script.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? n : end + 1;
            current += u' ';
            continue;
        }
        if (c == u'\'' || c == u'"') {
            const int start = i;
            ++i;
            while (i < n && script[i] != c)
                ++i;
            current += script.mid(start, i - start + 1);
            continue;
        }
        if (c == u';') {
            if (!current.trimmed().isEmpty())
                out << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        out << current.trimmed();
    return out;
}

void run(Database& database, const QString& script) {
    for (const QString& s : statements(script)) {
        if (s.compare(QStringLiteral("COMMIT"), Qt::CaseInsensitive) == 0)
            continue;
        database.executeImmediate(s);
    }
}

void createDatabase(const QString& path, const QString& schemaFile) {
    QFile f(schemaFile);
    if (!f.open(QIODevice::ReadOnly))
        throw EnvironmentError(QStringLiteral("Não foi possível ler o esquema ") + schemaFile);
    const QString script = Win1252::decode(f.readAll());
    Database db = Database::create(path);
    run(db, script);
}

}  // namespace SchemaScript
