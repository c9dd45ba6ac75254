#include "settings/VoldSettings.h"

#include <QCoreApplication>
#include <QDir>

#include "settings/DirectoryResolver.h"
#include "settings/IniFile.h"

namespace {

VoldSettings fromIni(const IniFile& ini) {
    auto get = [&](const char* key) { return ini.value(QStringLiteral("VOLD"), key); };
    VoldSettings s;
    s.ano = get("Ano");
    s.servidor = get("Servidor");
    s.servidorTabdef = get("ServidorTABDEF");
    if (s.servidorTabdef.isEmpty())
        s.servidorTabdef = s.servidor;
    s.soServidor = get("SO_Servidor");
    if (s.soServidor.isEmpty())
        s.soServidor = QStringLiteral("WINDOWS");
    s.caminhoBaseDados = get("Caminho_Base_Dados");
    s.diretorioServidor = get("Diretorio_Servidor");
    s.caminhoBaseDadosTabdef = get("Caminho_Base_Dados_TABDEF");
    if (s.caminhoBaseDadosTabdef.isEmpty())
        s.caminhoBaseDadosTabdef = DirectoryResolver::installationRoot(s.caminhoBaseDados);
    s.dll = get("DLL");
    if (s.dll.isEmpty())
        s.dll = QStringLiteral("gds32.DLL");
    return s;
}

}  // namespace

VoldSettings VoldSettings::load(const QString& iniPath) {
    return fromIni(IniFile::load(iniPath));
}

VoldSettings VoldSettings::fromText(const QString& iniText) {
    return fromIni(IniFile::fromText(iniText));
}

QString defaultSettingsPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Vold.ini"));
}
