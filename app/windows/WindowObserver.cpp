#include "app/windows/WindowObserver.h"

#include <QMetaObject>
#include <QThread>

#include "app/windows/TFrmPrincipal.h"

void WindowObserver::queue(std::function<void()> call) {
    QMetaObject::invokeMethod(window_, std::move(call), Qt::QueuedConnection);
}

void WindowObserver::runStarted() {
    queue([w = window_] { w->onRunStarted(); });
}

void WindowObserver::runFinished() {
    queue([this] { deliverProgress(); });
    queue([w = window_] { w->onRunFinished(); });
}

void WindowObserver::fileStarted(const QString& name) {
    queue([w = window_, name] { w->onFileStarted(name); });
}

void WindowObserver::fileCompleted(const FileListLine& line) {
    queue([this] { deliverProgress(); });
    queue([w = window_, line] { w->onFileCompleted(line); });
}

void WindowObserver::progressChanged(ProgressBar bar, int position, int maximum) {
    std::lock_guard lock(mutex_);
    Bar& b = bars_[bar == ProgressBar::File ? 0 : 1];
    b.position = position;
    b.maximum = maximum;
    b.changed = true;
    if (pending_)
        return;
    pending_ = true;
    queue([this] { deliverProgress(); });
}

void WindowObserver::deliverProgress() {
    Bar bars[2];
    {
        std::lock_guard lock(mutex_);
        bars[0] = bars_[0];
        bars[1] = bars_[1];
        bars_[0].changed = bars_[1].changed = false;
        pending_ = false;
    }
    if (bars[0].changed)
        window_->setProgress(ProgressBar::File, bars[0].position, bars[0].maximum);
    if (bars[1].changed)
        window_->setProgress(ProgressBar::Run, bars[1].position, bars[1].maximum);
}

void WindowObserver::showMessage(const OperatorMessage& message) {
    if (QThread::currentThread() == window_->thread()) {
        window_->showOperatorMessage(message);
        return;
    }
    queue([this] { deliverProgress(); });
    QMetaObject::invokeMethod(
        window_, [w = window_, message] { w->showOperatorMessage(message); },
        Qt::BlockingQueuedConnection);
}

bool WindowObserver::askYesNo(const OperatorMessage& question, bool defaultYes) {
    if (QThread::currentThread() == window_->thread())
        return window_->askOperator(question, defaultYes);
    queue([this] { deliverProgress(); });
    bool answer = defaultYes;
    QMetaObject::invokeMethod(
        window_,
        [&answer, w = window_, question, defaultYes] {
            answer = w->askOperator(question, defaultYes);
        },
        Qt::BlockingQueuedConnection);
    return answer;
}
