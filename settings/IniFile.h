#pragma once

#include <QHash>
#include <QString>

// A read-only INI file: sections in brackets, key=value lines; section and key names are matched
// without regard to case, and the first occurrence of a key wins. A missing file reads as empty.
class IniFile {
public:
    static IniFile load(const QString& path);
    static IniFile fromText(const QString& text);

    bool exists() const { return exists_; }
    QString value(const QString& section, const QString& key) const;

private:
    QHash<QString, QString> values_;  // "SECTION\nKEY" in capitals
    bool exists_ = false;
};
