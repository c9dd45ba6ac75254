#pragma once

#include <QStringList>
#include <QTextStream>

// vold-tcmgo-cli [--ini ARQUIVO] --orgao CODIGO --mes MM --saida PASTA [--ppa] [--balancete]
//                [--compactar]
// Exit status: 0 the run completed; 1 a check of the run failed or the entity code matches no
// entity; 2 usage error; 3 environment error (database, folder, SQL, parameter file) or an
// archive that --compactar could not write.
namespace CommandLine {

// `arguments` without the program name; `defaultIni` is the settings file beside the executable.
int run(const QStringList& arguments, const QString& defaultIni, QTextStream& out,
        QTextStream& err);

extern const char* const kUsage;

}  // namespace CommandLine
