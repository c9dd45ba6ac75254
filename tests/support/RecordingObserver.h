#pragma once

#include <QDate>
#include <QStringList>
#include <deque>
#include <vector>

#include "output/Clock.h"
#include "output/RunObserver.h"

// Records what a run shows and answers its questions from a script; a question the test did not
// expect fails the test.
class RecordingObserver : public RunObserver {
public:
    void fileStarted(const QString& name) override;
    void fileCompleted(const FileListLine& line) override;
    void progressChanged(ProgressBar bar, int position, int maximum) override;
    void processEvents() override { ++eventsProcessed; }
    void showMessage(const OperatorMessage& message) override { messages.push_back(message); }
    bool askYesNo(const OperatorMessage& question, bool defaultYes) override;

    // The next question gets this answer.
    void expectQuestion(bool answer) { answers.push_back(answer); }

    // "p1 3/11" or "p2 0/18" for each change, in order.
    QStringList progress;
    // "start NAME" and "done NAME" in order.
    QStringList events;
    std::vector<FileListLine> lines;
    std::vector<OperatorMessage> messages;
    std::vector<OperatorMessage> questions;
    std::vector<bool> questionDefaults;
    std::deque<bool> answers;
    int eventsProcessed = 0;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(QDate date = QDate(2009, 4, 7)) : date_(date) {}
    QDate today() const override { return date_; }

private:
    QDate date_;
};
