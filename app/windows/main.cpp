#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "app/windows/TFPackage.h"
#include "app/windows/TFrmPrincipal.h"
#include "settings/VoldSettings.h"

// vold-tcmgo [--ini ARQUIVO] [--grab IMAGEM.png] [design]
//   --ini   the settings file to read instead of "Vold.ini" beside the executable
//   --grab  saves a picture of the window once it has connected, then ends (layout checks)
//   design  shows the package information window first
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("VOLD 8 - TCM-GO"));
    QString ini = defaultSettingsPath();
    QString grab;
    QStringList positional;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if ((args[i] == u"--ini" || args[i] == u"--grab") && i + 1 < args.size()) {
            (args[i] == u"--ini" ? ini : grab) = args[i + 1];
            ++i;
        } else {
            positional << args[i];
        }
    }
    if (positional.value(0) == u"design") {
        QApplication::setApplicationDisplayName(QStringLiteral("ZELKA8"));
        TFPackage package;
        package.exec();
    }
    TFrmPrincipal window(ini);
    window.showMaximized();
    if (!grab.isEmpty()) {
        QTimer::singleShot(1500, &window, [&window, grab] {
            const bool saved = window.grab().save(grab);
            std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", qPrintable(grab));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
