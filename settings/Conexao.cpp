#include "settings/Conexao.h"

#include "settings/DbError.h"
#include "settings/DirectoryResolver.h"
#include "settings/VoldSettings.h"

const QString DatabaseNotFound::kCaption = QStringLiteral("Erro na Base de Dados");

DatabaseNotFound::DatabaseNotFound()
    : EnvironmentError(QStringLiteral(
          "Base de Dados do sistema não encontrada !!! O Sistema será finalizado.")) {}

Conexao::Conexao(QString iniPath) : iniPath_(std::move(iniPath)) {}

Database& Conexao::database() {
    if (!database_)
        throw DbError(QStringLiteral("Base de dados não conectada"), QString());
    return *database_;
}

void Conexao::connect() {
    database_.reset();
    exercicio_ = VoldSettings::load(iniPath_).exercicio();
    const QString fileName = QStringLiteral("VOLD") + exercicio_ + QStringLiteral(".FDB");
    if (!TestaConexao(iniPath_, fileName, QStringLiteral("D")))
        throw DatabaseNotFound();
    databasePath_ = DirectoryResolver::ResolveDiretorio(iniPath_, QStringLiteral("B")) + fileName;
    database_ = std::make_unique<Database>(Database::attach(databasePath_));
}

bool Conexao::TestaConexao(const QString& iniPath, const QString& fileName, const QString& code) {
    try {
        QString probeCode = code;
        const int d = probeCode.indexOf(u'D');
        if (d >= 0)
            probeCode[d] = u'B';
        const QString path = DirectoryResolver::ResolveDiretorio(iniPath, probeCode) + fileName;
        Database probe = Database::attach(path);
        return true;
    } catch (const EnvironmentError&) {
        return false;
    }
}
