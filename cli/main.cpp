#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments();
    args.removeFirst();
    const QString ini = QDir(QCoreApplication::applicationDirPath()).filePath("Vold.ini");
    return CommandLine::run(args, ini, out, err);
}
