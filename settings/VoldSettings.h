#pragma once

#include <QString>

// The suite's settings, section "VOLD" of its settings file, with every default applied. The file
// belongs to the suite and is never written; it is read anew by every caller.
struct VoldSettings {
    QString ano;
    QString servidor;
    QString servidorTabdef;
    QString soServidor;
    QString caminhoBaseDados;
    QString diretorioServidor;
    QString caminhoBaseDadosTabdef;
    QString dll;

    static VoldSettings load(const QString& iniPath);
    static VoldSettings fromText(const QString& iniText);

    bool isServerInstallation() const { return !servidor.isEmpty(); }
    // The fiscal year as the connection takes it: the first four characters of "ano".
    QString exercicio() const { return ano.left(4); }
};

// "Vold.ini" beside the running executable.
QString defaultSettingsPath();
