#include "cli/CliObserver.h"

#include <QFileInfo>

QString CliObserver::format(const FileListLine& line) {
    const QString state = line.state == FileState::Errors
                              ? QStringLiteral("ERROS ") + QFileInfo(line.logPath).fileName()
                              : QStringLiteral("OK");
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(line.name, -18)
        .arg(line.lines, 7)
        .arg(line.date, 9)
        .arg(line.size, 9)
        .arg(state);
}

void CliObserver::fileCompleted(const FileListLine& line) {
    out_ << format(line) << '\n';
    out_.flush();
}

void CliObserver::showMessage(const OperatorMessage& message) {
    err_ << message.text << '\n';
    err_.flush();
}
