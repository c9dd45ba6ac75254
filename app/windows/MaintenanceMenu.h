#pragma once

#include <QString>

class Conexao;
class QWidget;

// The maintenance windows of the parameter menu, each shown modally and destroyed when it closes.
// The caller reloads its entity list afterwards: the types and power codes may have changed.
void openTipoWindow(QWidget* parent, Conexao& conexao);
void openRelacWindow(QWidget* parent, Conexao& conexao);
void openParamOrgaoWindow(QWidget* parent, Conexao& conexao, const QString& iniPath);
void openIdeWindow(QWidget* parent, Conexao& conexao, const QString& iniPath);
