#include "support/RecordingObserver.h"

#include <gtest/gtest.h>

void RecordingObserver::fileStarted(const QString& name) {
    events << QStringLiteral("start ") + name;
}

void RecordingObserver::fileCompleted(const FileListLine& line) {
    events << QStringLiteral("done ") + line.name;
    lines.push_back(line);
}

void RecordingObserver::progressChanged(ProgressBar bar, int position, int maximum) {
    progress << QStringLiteral("%1 %2/%3")
                    .arg(bar == ProgressBar::File ? "p1" : "p2")
                    .arg(position)
                    .arg(maximum);
}

bool RecordingObserver::askYesNo(const OperatorMessage& question, bool defaultYes) {
    questions.push_back(question);
    questionDefaults.push_back(defaultYes);
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << question.text.toStdString();
        return false;
    }
    const bool a = answers.front();
    answers.pop_front();
    return a;
}
