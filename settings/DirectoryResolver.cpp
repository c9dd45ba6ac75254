#include "settings/DirectoryResolver.h"

#include <QDir>
#include <QFileInfo>

#include "output/EnvironmentError.h"

namespace {

// A year counted back from Ano by the number after the code's first two characters (one when
// there is none).
QString yearBack(const QString& ano, const QString& code) {
    bool ok = false;
    const int year = ano.toInt(&ok);
    if (!ok)
        throw EnvironmentError(QStringLiteral("'%1' não é um valor inteiro válido").arg(ano));
    int n = 1;
    const QString suffix = code.mid(2);
    if (!suffix.isEmpty()) {
        n = suffix.toInt(&ok);
        if (!ok) {
            throw EnvironmentError(
                QStringLiteral("'%1' não é um valor inteiro válido").arg(suffix));
        }
    }
    return QString::number(year - n);
}

QString ensureFolder(const QString& path) {
    if (QFileInfo(path).isDir())
        return path;
    QString withoutSep = path;
    while (withoutSep.size() > 1 && (withoutSep.endsWith(u'/') || withoutSep.endsWith(u'\\')))
        withoutSep.chop(1);
    if (!QDir().mkdir(withoutSep))
        throw EnvironmentError(QStringLiteral("Não é possível criar o diretório: ") + path);
    return path;
}

QString withFinal(const QString& path, QChar sep) {
    return path.endsWith(sep) ? path : path + sep;
}

}  // namespace

QChar DirectoryResolver::localSeparator() {
    return QDir::separator();
}

QString DirectoryResolver::installationRoot(const QString& path) {
    const int at = path.indexOf(QStringLiteral("VOLD_8"), 0, Qt::CaseInsensitive);
    return at < 0 ? path : path.left(at) + QStringLiteral("VOLD_8");
}

QString DirectoryResolver::ResolveDiretorio(const QString& iniPath, const QString& code) {
    return resolve(VoldSettings::load(iniPath), code, localSeparator());
}

QString DirectoryResolver::resolve(const VoldSettings& s, const QString& rawCode, QChar l) {
    const QString code = rawCode.toUpper();
    const QString prefix = code.left(2);
    const QString& A = s.ano;
    const QString& C = s.caminhoBaseDados;
    const QString& DS = s.diretorioServidor;

    if (s.isServerInstallation()) {
        const QChar sep = s.soServidor == QStringLiteral("LINUX") ? QChar(u'/') : QChar(u'\\');
        const QString& S = s.servidor;
        const QString arq = QStringLiteral("ARQ") + A;
        const QString station = DS + arq + l;  // the year's folder as this workstation sees it
        if (code == u"D")
            return station;
        if (code == u"B")
            return S + u':' + C + arq + sep;
        if (prefix == u"DA")
            return DS + QStringLiteral("ARQ") + yearBack(A, code) + l;
        if (prefix == u"BA")
            return S + u':' + C + QStringLiteral("ARQ") + yearBack(A, code) + sep;
        if (code == u"TD") {
            return withFinal(installationRoot(DS), l) + QStringLiteral("TABDEF") + l;
        }
        if (code == u"TB") {
            const QString& CT = s.caminhoBaseDadosTabdef;
            return s.servidorTabdef + u':' + CT + (CT.endsWith(u'\\') ? QString() : QString(sep)) +
                   QStringLiteral("TABDEF") + sep;
        }
        if (code == u"BK")
            return C + arq + sep;
        if (code == u"BKAD")
            return ensureFolder(station + QStringLiteral("BCK") + l);
        if (code == u"BKAB") {
            ensureFolder(station + QStringLiteral("BCK") + l);
            return C + arq + sep + QStringLiteral("BCK") + sep;
        }
        if (code == u"AP")
            return DS;
        if (code == u"TPD")
            return ensureFolder(station + QStringLiteral("TEMP") + l);
        if (code == u"TPB") {
            ensureFolder(station + QStringLiteral("TEMP") + l);
            return C + arq + sep + QStringLiteral("TEMP") + sep;
        }
        if (code == u"DE")
            return ensureFolder(station + QStringLiteral("EXPORTA") + l);
        if (code == u"DI")
            return ensureFolder(station + QStringLiteral("IMPORTA") + l);
        if (code == u"RTM")
            return ensureFolder(DS + QStringLiteral("RTM") + l);
        if (code == u"EXE")
            return withFinal(installationRoot(DS), l);
        return QString();
    }

    const QString year = C + QStringLiteral("ARQ") + A + l;
    if (code == u"B" || code == u"D" || code == u"BK")
        return year;
    if (prefix == u"BA" || prefix == u"DA")
        return C + QStringLiteral("ARQ") + yearBack(A, code) + l;
    if (code == u"AP")
        return C;
    if (code == u"BKAD" || code == u"BKAB")
        return ensureFolder(year + QStringLiteral("BCK") + l);
    if (code == u"TPB" || code == u"TPD")
        return ensureFolder(year + QStringLiteral("TEMP") + l);
    if (code == u"DE")
        return ensureFolder(year + QStringLiteral("EXPORTA") + l);
    if (code == u"DI")
        return ensureFolder(year + QStringLiteral("IMPORTA") + l);
    if (code == u"RTM")
        return ensureFolder(C + QStringLiteral("RTM") + l);
    const QString rc = installationRoot(C);
    if (code == u"EXE")
        return withFinal(rc, l);
    return withFinal(rc, l) + QStringLiteral("TABDEF") + l;
}
