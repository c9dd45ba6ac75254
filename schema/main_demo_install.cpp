#include <QCoreApplication>
#include <QTextStream>

#include "schema/DemoInstallation.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return DemoInstallation::main(args, out, err);
}
