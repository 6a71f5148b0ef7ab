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
    return options_.shows ? options_.shows(handle) : mAPI::IsVisibleOnScreen(handle);
}

std::int32_t SystemWindows::Parent(std::int32_t window) {
    HWND handle = mAPI::IntToHandle<HWND>(window);
    return IsWindow(handle) ? mAPI::HandleToInt(GetAncestor(handle, GA_PARENT)) : 0;
}

WindowFacts SystemWindows::Facts(std::int32_t window) {
    HWND handle = mAPI::IntToHandle<HWND>(window);
    return {options_.captionChars > 0 ? mAPI::ReadWindowCaption(handle, options_.captionChars)
                                      : mAPI::ReadWindowCaption(handle),
            mAPI::ReadClassName(handle)};
}

int SystemWindows::Picture(std::int32_t window) {
    return options_.picture ? options_.picture(mAPI::IntToHandle<HWND>(window)) : 0;
}

} // namespace vantry
