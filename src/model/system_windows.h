// The desktop's windows as a walk of the window list asks about them, through the system.
#pragma once

#include "model/window_list.h"

#include <windows.h>

#include <functional>

namespace vantry {

class SystemWindows : public WindowQueries {
  public:
    struct Options {
        int captionChars = 0; // the longest caption read; 0 for whole captions
        // Whether a window shows, as "Only visible windows" asks; on the screen by default.
        std::function<bool(HWND)> shows;
        // The tree's image of a window; 0 by default.
        std::function<int(HWND)> picture;
    };
    explicit SystemWindows(Options options) : options_(std::move(options)) {}

    void ForEachChild(std::int32_t window, const std::function<void(std::int32_t)>& visit) override;
    bool Shows(std::int32_t window) override;
    std::int32_t Parent(std::int32_t window) override;
    WindowFacts Facts(std::int32_t window) override;
    int Picture(std::int32_t window) override;

  private:
    Options options_;
};

} // namespace vantry
