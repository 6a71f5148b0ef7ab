#include "model/system_windows.h"

#include "core/mapi_win.h"

namespace vantry {

void SystemWindows::ForEachChild(std::int32_t window,
                                 const std::function<void(std::int32_t)>& visit) {
    mAPI::ForEachChildWindow(mAPI::IntToHandle<HWND>(window),
                             [&visit](HWND child) { visit(mAPI::HandleToInt(child)); });
}

bool SystemWindows::Shows(std::int32_t window) {
    HWND handle = mAPI::IntToHandle<HWND>(window);
    if (handle == options_.hiddenForRefill) {
        return mAPI::IsVisibleOnScreen(GetParent(handle), screen_.get());
    }
    return mAPI::IsVisibleOnScreen(handle, screen_.get());
}

bool SystemWindows::ShowsUnderShownParent(std::int32_t window) {
    HWND handle = mAPI::IntToHandle<HWND>(window);
    const bool visibleStyle =
        handle == options_.hiddenForRefill || (GetWindowLongA(handle, GWL_STYLE) & WS_VISIBLE) != 0;
    return visibleStyle && mAPI::IsOnScreen(handle, screen_.get());
}

std::int32_t SystemWindows::Parent(std::int32_t window) {
    // An ended window has no parent: one round trip answers both.
    return mAPI::HandleToInt(GetAncestor(mAPI::IntToHandle<HWND>(window), GA_PARENT));
}

WindowFacts SystemWindows::Facts(std::int32_t window) {
    HWND handle = mAPI::IntToHandle<HWND>(window);
    return {options_.captionChars > 0 ? mAPI::ReadWindowCaption(handle, options_.captionChars)
                                      : mAPI::ReadWindowCaption(handle),
            ClassName(handle)};
}

std::string SystemWindows::ClassName(HWND window) {
    // A class atom names one class name in the whole session, and asking for the atom is one
    // round trip to the window server where the name takes two.
    const auto atom = static_cast<ATOM>(GetClassWord(window, GCW_ATOM));
    if (const auto known = classNames_.find(atom); atom && known != classNames_.end()) {
        return known->second;
    }
    std::string name = mAPI::ReadClassName(window);
    if (atom && !name.empty()) { // an empty name: the window ended on the way
        classNames_.emplace(atom, name);
    }
    return name;
}

int SystemWindows::Picture(std::int32_t window) {
    return options_.picture ? options_.picture(mAPI::IntToHandle<HWND>(window)) : 0;
}

} // namespace vantry
