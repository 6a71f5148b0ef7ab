#include "model/window_walk.h"

#include "core/mapi.h"
#include "core/mapi_win.h"
#include "core/process_lookup.h"
#include "model/system_windows.h"

#include <windows.h>

#include <unordered_map>

namespace vantry {

namespace {

// The list's windows as records, with the values a file holds beyond the tree's texts.
class Records {
  public:
    explicit Records(const WindowList& list) : list_(list), children_(list.Size()) {
        for (WindowList::Index i = 1; i < list.Size(); ++i) {
            children_[*list.Parent(i)].push_back(i);
        }
    }

    WindowRecord Read(WindowList::Index entry) {
        HWND window = mAPI::IntToHandle<HWND>(list_.Handle(entry));
        WindowRecord record;
        record.handle = list_.Handle(entry);
        record.caption = mAPI::ProcessTextToUtf8(std::string(list_.Caption(entry)));
        record.className = mAPI::ProcessTextToUtf8(std::string(list_.ClassName(entry)));
        RECT rect{};
        GetWindowRect(window, &rect);
        record.rect = mAPI::BoxOf(rect);
        GetClientRect(window, &rect);
        record.clientRect = mAPI::BoxOf(rect);
        record.style = static_cast<std::uint32_t>(GetWindowLongA(window, GWL_STYLE));
        record.exStyle = static_cast<std::uint32_t>(GetWindowLongA(window, GWL_EXSTYLE));
        record.visible = IsWindowVisible(window) != 0;
        record.enabled = IsWindowEnabled(window) != 0;
        DWORD processId = 0;
        record.threadId = GetWindowThreadProcessId(window, &processId);
        record.processId = processId;
        record.executable = ExecutableOf(processId);
        for (const WindowList::Index child : children_[entry]) {
            record.children.push_back(Read(child));
        }
        return record;
    }

  private:
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

    const WindowList& list_;
    std::vector<std::vector<WindowList::Index>> children_;
    std::unordered_map<DWORD, std::string> executables_;
};

} // namespace

WindowRecord ReadWindowTree(bool onlyVisible) {
    // The same walk as the tree's, with whole captions.
    SystemWindows system({});
    WindowList list;
    list.Load(system, mAPI::HandleToInt(GetDesktopWindow()), onlyVisible);
    return Records(list).Read(0);
}

} // namespace vantry
