#pragma once

#include <QChar>
#include <QString>

#include "settings/VoldSettings.h"

// Turns the suite's short folder codes ("D" the year's data folder, "B" the year's database
// folder as the database server sees it, and the others) into folder paths, creating some folders
// on the way.
class DirectoryResolver {
public:
    // Reads the settings file anew and resolves with this machine's separator.
    static QString ResolveDiretorio(const QString& iniPath, const QString& code);

    // The resolver itself. `localSeparator` stands where the suite writes "\" in the paths this
    // machine sees; the server's own paths follow SO_Servidor.
    static QString resolve(const VoldSettings& settings, const QString& code, QChar localSeparator);

    // The text before the first "VOLD_8" (any case) followed by "VOLD_8"; the whole path without
    // one.
    static QString installationRoot(const QString& path);

    static QChar localSeparator();
};
