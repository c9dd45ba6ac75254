#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// Writes a complete installation folder of the suite for one fiscal year: the settings file, the
// year's folders, the year's database filled with a synthetic municipality, and both parameter
// files. The data is deterministic from the seed; the scale grows every table in proportion.
namespace DemoInstallation {

struct Options {
    QString folder;
    int year = 2009;
    int scale = 1;  // 1: a small town, about a thousand commitment entries a year
    quint32 seed = 2009;
};

struct Paths {
    QString settingsFile;  // folder/Vold.ini
    QString dataFolder;    // folder/VOLD_8/DADOS/ARQ<year>/
    QString databaseFile;  // dataFolder/VOLD<year>.FDB
};

Paths build(const Options& options);

// vold-demo-install [--ano AAAA] [--escala N] [--semente N] PASTA
int main(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace DemoInstallation
