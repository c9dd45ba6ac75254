#pragma once

#include <QTextStream>

#include "output/RunObserver.h"

// The command line's side of a run: a line per generated file on standard output, the run's
// messages on standard error, the final question answered from the flags.
class CliObserver : public RunObserver {
public:
    CliObserver(QTextStream& out, QTextStream& err, bool pack)
        : out_(out), err_(err), pack_(pack) {}

    void fileStarted(const QString&) override {}
    void fileCompleted(const FileListLine& line) override;
    void progressChanged(ProgressBar, int, int) override {}
    void showMessage(const OperatorMessage& message) override;
    bool askYesNo(const OperatorMessage&, bool) override { return pack_; }

    static QString format(const FileListLine& line);

private:
    QTextStream& out_;
    QTextStream& err_;
    bool pack_;
};
