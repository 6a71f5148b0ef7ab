#include "toolkit/timer.h"

namespace tk {

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (!window_) {
        return;
    }
    if (enabled) {
        SetTimer(window_, id_, interval_, nullptr);
    } else {
        KillTimer(window_, id_);
    }
}

void Timer::SetInterval(UINT interval) {
    if (interval == interval_) {
        return;
    }
    interval_ = interval;
    if (enabled_ && window_) {
        SetTimer(window_, id_, interval_, nullptr); // the same id: the timer is replaced
    }
}

void Timer::Attach(HWND window, UINT id) {
    window_ = window;
    id_ = id;
    if (enabled_) {
        SetTimer(window_, id_, interval_, nullptr);
    }
}

void Timer::Detach() {
    window_ = nullptr;
}

} // namespace tk
