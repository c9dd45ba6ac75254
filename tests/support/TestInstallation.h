#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "params/DataPacket.h"
#include "settings/Database.h"

// A fresh installation for one test: a settings file, the year's folders, a database copied from
// a template built once per test program from the schema script, and an output folder.
class TestInstallation {
public:
    explicit TestInstallation(const QString& year = QStringLiteral("2009"));
    ~TestInstallation();

    QString root() const { return dir_.path() + u'/'; }
    QString iniPath() const { return root() + QStringLiteral("Vold.ini"); }
    QString dataFolder() const;    // .../dados/ARQ<year>/
    QString databasePath() const;  // dataFolder + VOLD<year>.FDB
    QString outputFolder() const { return root() + QStringLiteral("saida/"); }

    // Rewrites the settings file.
    void writeIni(const QString& text);

    // An attachment for the test's own inserts and reads; closed by closeDatabase() or at the end.
    Database& db();
    void closeDatabase();
    // Runs one statement with bound values and commits.
    void exec(const QString& sql, const QStringList& params = {});

    // Parameter files in the data folder.
    void writeOrgaoFile(const DataPacket& packet);
    void writeMunicFile(const DataPacket& packet);
    // Seeds both from the database, as the parameter windows do on first opening.
    void seedParamFiles();

    QByteArray readOutput(const QString& name) const;
    bool outputExists(const QString& name) const;

private:
    QTemporaryDir dir_;
    QString year_;
    std::unique_ptr<Database> db_;
};

// The path of the template database; created on first use.
QString templateDatabase();
QByteArray readBytes(const QString& path);
