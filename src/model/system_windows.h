// The desktop's windows as a walk of the window list asks about them, through the system.
#pragma once

#include "core/handles.h"
#include "model/window_list.h"

#include <windows.h>

#include <functional>
#include <string>
#include <unordered_map>

namespace vantry {

class SystemWindows : public WindowQueries {
  public:
    struct Options {
        int captionChars = 0; // the longest caption read; 0 for whole captions
        // The tree's image of a window; 0 by default.
        std::function<int(HWND)> picture;
        // A window whose visible style is off only while it is refilled (the tree hides itself
        // from drawing): it shows as its parent does.
        HWND hiddenForRefill = nullptr;
    };
    explicit SystemWindows(Options options) : options_(std::move(options)) {}

    void ForEachChild(std::int32_t window, const std::function<void(std::int32_t)>& visit) override;
    bool Shows(std::int32_t window) override;
    // Its own visible style and place: the parent's chain is known to show.
    bool ShowsUnderShownParent(std::int32_t window) override;
    std::int32_t Parent(std::int32_t window) override;
    WindowFacts Facts(std::int32_t window) override;
    int Picture(std::int32_t window) override;

  private:
    std::string ClassName(HWND window);

    Options options_;
    std::unordered_map<ATOM, std::string> classNames_; // by class atom, as met
    mAPI::WindowDC screen_{nullptr};                   // one screen DC for every on-screen test
};

} // namespace vantry
