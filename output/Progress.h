#pragma once

#include "output/RunObserver.h"

// One of the two progress bars: position and maximum, each change reported to the observer.
class Progress {
public:
    Progress(RunObserver& observer, ProgressBar bar) : observer_(observer), bar_(bar) {}
    void reset(int maximum) {
        position_ = 0;
        maximum_ = maximum;
        notify();
    }
    void setPosition(int position) {
        position_ = position;
        notify();
    }
    void setMaximum(int maximum) {
        maximum_ = maximum;
        notify();
    }
    void step() { setPosition(position_ + 1); }
    int position() const { return position_; }
    int maximum() const { return maximum_; }

private:
    void notify() { observer_.progressChanged(bar_, position_, maximum_); }
    RunObserver& observer_;
    ProgressBar bar_;
    int position_ = 0;
    int maximum_ = 100;
};
