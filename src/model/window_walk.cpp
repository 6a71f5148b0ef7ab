#include "model/window_walk.h"

#include "core/mapi.h"
#include "core/mapi_win.h"
#include "core/process_lookup.h"

#include <windows.h>

#include <unordered_map>
#include <unordered_set>

namespace vantry {

namespace {

Box BoxOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

class Walk {
  public:
    explicit Walk(bool onlyVisible) : onlyVisible_(onlyVisible) {}

    WindowRecord Read(HWND window) {
        met_.insert(window);
        WindowRecord record;
        record.handle = mAPI::HandleToInt(window);
        record.caption = mAPI::ProcessTextToUtf8(mAPI::ReadWindowCaption(window));
        record.className = mAPI::ProcessTextToUtf8(mAPI::ReadClassName(window));
        RECT rect{};
        GetWindowRect(window, &rect);
        record.rect = BoxOf(rect);
        GetClientRect(window, &rect);
        record.clientRect = BoxOf(rect);
        record.style = static_cast<std::uint32_t>(GetWindowLongA(window, GWL_STYLE));
        record.exStyle = static_cast<std::uint32_t>(GetWindowLongA(window, GWL_EXSTYLE));
        record.visible = IsWindowVisible(window) != 0;
        record.enabled = IsWindowEnabled(window) != 0;
        DWORD processId = 0;
        record.threadId = GetWindowThreadProcessId(window, &processId);
        record.processId = processId;
        record.executable = ExecutableOf(processId);
        ReadChildren(window, record.children);
        return record;
    }

  private:
    void ReadChildren(HWND window, std::vector<WindowRecord>& children) {
        mAPI::ForEachChildWindow(window, [&](HWND child) {
            if (met_.count(child) == 0 && (!onlyVisible_ || mAPI::IsVisibleOnScreen(child))) {
                children.push_back(Read(child));
            }
        });
    }

    // Looked up once per process.
    const std::string& ExecutableOf(DWORD processId) {
        auto found = executables_.find(processId);
        if (found == executables_.end()) {
            found = executables_
                        .emplace(processId, mAPI::ProcessTextToUtf8(mAPI::GetExePath(processId)))
                        .first;
        }
        return found->second;
    }

    bool onlyVisible_;
    std::unordered_set<HWND> met_;
    std::unordered_map<DWORD, std::string> executables_;
};

} // namespace

WindowRecord ReadWindowTree(bool onlyVisible) {
    return Walk(onlyVisible).Read(GetDesktopWindow());
}

} // namespace vantry
