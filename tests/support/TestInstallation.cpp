#include "support/TestInstallation.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <stdexcept>

#include "params/ParamFiles.h"
#include "schema/SchemaScript.h"

QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

QString templateDatabase() {
    // Shared by every test program of the build tree and rebuilt when the schema changes; made
    // under a name of its own and renamed into place, so concurrent tests never see half of it.
    static QString path = [] {
        const QByteArray schema = readBytes(QStringLiteral(VOLD_SCHEMA_SQL));
        const QString hash = QString::fromLatin1(
            QCryptographicHash::hash(schema, QCryptographicHash::Sha1).toHex().left(16));
        const QString folder = QStringLiteral(VOLD_TEST_TEMPLATE_DIR);
        QDir().mkpath(folder);
        const QString p = folder + QStringLiteral("/vold-") + hash + QStringLiteral(".fdb");
        if (QFile::exists(p))
            return p;
        const QString building =
            p + QStringLiteral(".%1.tmp").arg(QCoreApplication::applicationPid());
        QFile::remove(building);
        SchemaScript::createDatabase(building, QStringLiteral(VOLD_SCHEMA_SQL));
        if (!QFile::rename(building, p))
            QFile::remove(building);  // another test made it first
        return p;
    }();
    return path;
}

TestInstallation::TestInstallation(const QString& year) : year_(year) {
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    writeIni(
        QStringLiteral("[VOLD]\r\nAno=%1\r\nCaminho_Base_Dados=%2dados/\r\n").arg(year, root()));
    QDir().mkpath(dataFolder());
    QDir().mkpath(outputFolder());
    if (!QFile::copy(templateDatabase(), databasePath()))
        throw std::runtime_error("cannot copy the template database");
    QFile::setPermissions(databasePath(), QFile::ReadOwner | QFile::WriteOwner);
}

TestInstallation::~TestInstallation() {
    closeDatabase();
}

QString TestInstallation::dataFolder() const {
    return root() + QStringLiteral("dados/ARQ") + year_ + u'/';
}

QString TestInstallation::databasePath() const {
    return dataFolder() + QStringLiteral("VOLD") + year_.left(4) + QStringLiteral(".FDB");
}

void TestInstallation::writeIni(const QString& text) {
    QFile f(iniPath());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text.toLatin1()) < 0)
        throw std::runtime_error("cannot write the settings file");
}

Database& TestInstallation::db() {
    if (!db_)
        db_ = std::make_unique<Database>(Database::attach(databasePath()));
    return *db_;
}

void TestInstallation::closeDatabase() {
    db_.reset();
}

void TestInstallation::exec(const QString& sql, const QStringList& params) {
    Transaction t = db().begin(TransactionMode::ReadWrite);
    t.execute(sql, params);
    t.commit();
}

void TestInstallation::writeOrgaoFile(const DataPacket& packet) {
    packet.save(dataFolder() + ParamFiles::kOrgaoFile);
}

void TestInstallation::writeMunicFile(const DataPacket& packet) {
    packet.save(dataFolder() + ParamFiles::kMunicFile);
}

void TestInstallation::seedParamFiles() {
    Transaction t = db().begin(TransactionMode::ReadOnly);
    writeOrgaoFile(ParamFiles::seedOrgao(t));
    writeMunicFile(ParamFiles::seedMunic(t));
    t.commit();
}

QByteArray TestInstallation::readOutput(const QString& name) const {
    return readBytes(outputFolder() + name);
}

bool TestInstallation::outputExists(const QString& name) const {
    return QFile::exists(outputFolder() + name);
}
