#include "schema/DemoInstallation.h"

#include <QDir>
#include <QFile>

#include "output/EnvironmentError.h"
#include "params/ParamFiles.h"
#include "schema/DemoData.h"
#include "schema/SchemaScript.h"
#include "settings/Database.h"

namespace DemoInstallation {

Paths build(const Options& o) {
    const QString root = QDir(o.folder).absolutePath() + u'/';
    const QString year = QString::number(o.year);
    Paths p;
    p.settingsFile = root + QStringLiteral("Vold.ini");
    const QString dataRoot = root + QStringLiteral("VOLD_8/DADOS/");
    p.dataFolder = dataRoot + QStringLiteral("ARQ") + year + u'/';
    p.databaseFile = p.dataFolder + QStringLiteral("VOLD") + year + QStringLiteral(".FDB");

    if (!QDir().mkpath(p.dataFolder))
        throw EnvironmentError(QStringLiteral("Não é possível criar o diretório: ") + p.dataFolder);
    for (const QString& f : {p.databaseFile, p.dataFolder + ParamFiles::kOrgaoFile,
                             p.dataFolder + ParamFiles::kMunicFile}) {
        if (QFile::exists(f) && !QFile::remove(f))
            throw EnvironmentError(QStringLiteral("Não é possível substituir ") + f);
    }

    QFile ini(p.settingsFile);
    const QByteArray iniText = QStringLiteral("[VOLD]\r\nAno=%1\r\nCaminho_Base_Dados=%2\r\n")
                                   .arg(year, dataRoot)
                                   .toUtf8();
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate) || ini.write(iniText) < 0)
        throw EnvironmentError(QStringLiteral("Não é possível gravar ") + p.settingsFile);
    ini.close();

    SchemaScript::createDatabase(p.databaseFile, QStringLiteral(VOLD_SCHEMA_SQL));
    Database db = Database::attach(p.databaseFile);
    {
        Transaction t = db.begin(TransactionMode::ReadWrite);
        DemoData::fill(t, o.year, o.scale, o.seed);
        t.commit();
    }
    Transaction t = db.begin(TransactionMode::ReadOnly);
    DataPacket orgao = ParamFiles::seedOrgao(t);
    DataPacket munic = ParamFiles::seedMunic(t);
    t.commit();
    DemoData::completeParamFiles(&orgao, &munic);
    orgao.save(p.dataFolder + ParamFiles::kOrgaoFile);
    munic.save(p.dataFolder + ParamFiles::kMunicFile);
    return p;
}

int main(const QStringList& args, QTextStream& out, QTextStream& err) {
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        bool ok = true;
        if (a == u"--ano" && hasValue) {
            o.year = args[++i].toInt(&ok);
        } else if (a == u"--escala" && hasValue) {
            o.scale = args[++i].toInt(&ok);
            ok = ok && o.scale >= 1;
        } else if (a == u"--semente" && hasValue) {
            o.seed = args[++i].toUInt(&ok);
        } else if (!a.startsWith(u"--") && o.folder.isEmpty()) {
            o.folder = a;
        } else {
            ok = false;
        }
        if (!ok) {
            err << "uso: vold-demo-install [--ano AAAA] [--escala N] [--semente N] PASTA\n";
            return 2;
        }
    }
    if (o.folder.isEmpty()) {
        err << "uso: vold-demo-install [--ano AAAA] [--escala N] [--semente N] PASTA\n";
        return 2;
    }
    try {
        const Paths p = build(o);
        out << "Instalação de demonstração criada em " << QDir(o.folder).absolutePath() << '\n'
            << "  configuração: " << p.settingsFile << '\n'
            << "  base de dados: " << p.databaseFile << '\n';
        return 0;
    } catch (const EnvironmentError& e) {
        err << e.message() << '\n';
        return 3;
    }
}

}  // namespace DemoInstallation
