#pragma once

#include <functional>
#include <mutex>

#include "output/RunObserver.h"

class TFrmPrincipal;

// The window's side of a run. The run works on a thread of its own; every call here comes from
// that thread and is handed to the window's thread: list lines and progress queued (progress
// coalesced, so a file of many records does not flood the window), messages and questions
// waiting for the operator's answer.
class WindowObserver : public RunObserver {
public:
    explicit WindowObserver(TFrmPrincipal* window) : window_(window) {}

    void runStarted() override;
    void runFinished() override;
    void fileStarted(const QString& name) override;
    void fileCompleted(const FileListLine& line) override;
    void progressChanged(ProgressBar bar, int position, int maximum) override;
    void showMessage(const OperatorMessage& message) override;
    bool askYesNo(const OperatorMessage& question, bool defaultYes) override;

    // Hands the latest progress to the window; runs on the window's thread.
    void deliverProgress();

private:
    struct Bar {
        int position = 0;
        int maximum = 100;
        bool changed = false;
    };
    void queue(std::function<void()> call);
    TFrmPrincipal* window_;
    std::mutex mutex_;
    Bar bars_[2];
    bool pending_ = false;
};
