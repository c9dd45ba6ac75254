#include "settings/IniFile.h"

#include <QFile>

#include "output/Win1252.h"

IniFile IniFile::load(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return IniFile();
    IniFile ini = fromText(Win1252::decode(f.readAll()));
    ini.exists_ = true;
    return ini;
}

IniFile IniFile::fromText(const QString& text) {
    IniFile ini;
    QString section;
    const QStringList lines = text.split(u'\n');
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            const int close = line.indexOf(u']');
            section = (close > 0 ? line.mid(1, close - 1) : line.mid(1)).trimmed().toUpper();
            continue;
        }
        const int eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString key = section + u'\n' + line.left(eq).trimmed().toUpper();
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
            value = value.mid(1, value.size() - 2);
        if (!ini.values_.contains(key))
            ini.values_.insert(key, value);
    }
    ini.exists_ = true;
    return ini;
}

QString IniFile::value(const QString& section, const QString& key) const {
    return values_.value(section.toUpper() + u'\n' + key.toUpper());
}
