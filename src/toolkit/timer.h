// A timer of a form: ticks arrive as WM_TIMER on the form's window while it is enabled.
#pragma once

#include <windows.h>

#include <functional>

namespace tk {

class Timer {
  public:
    explicit Timer(UINT interval) : interval_(interval) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool Enabled() const { return enabled_; }
    // Enabling a running timer leaves it running as it was.
    void SetEnabled(bool enabled);
    UINT Interval() const { return interval_; }
    // A running timer ticks next after the new interval.
    void SetInterval(UINT interval);
    UINT Id() const { return id_; }

    std::function<void()> Tick;

  private:
    friend class Form;
    void Attach(HWND window, UINT id);
    void Detach();

    UINT interval_;
    bool enabled_ = false;
    HWND window_ = nullptr;
    UINT id_ = 0;
};

} // namespace tk
