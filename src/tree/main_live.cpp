// Main's live tree: window events from other processes, gathered by a hook out of context and
// applied by a timer in batches, node by node, keeping the selection.
#include "core/mapi.h"
#include "core/mapi_win.h"
#include "model/window_text.h"
#include "tree/main_form.h"

#include <algorithm>
#include <vector>

namespace vantry {

namespace {

// The one Main whose hook is on; the hook has no context of its own.
Main* g_liveMain = nullptr;

// What one tick may spend, so that a burst of windows never holds up the message loop.
constexpr ULONGLONG kBatchMilliseconds = 30;
// Windows looked at again on each tick.
constexpr std::size_t kSweepSlice = 200;

} // namespace

void Main::mnuLiveUpdate_Click() {
    const bool on = !mnuLiveUpdate.Checked();
    mnuLiveUpdate.SetChecked(on);
    StopLiveUpdates();
    if (!on) {
        return;
    }
    g_liveMain = this;
    liveHook_ = mAPI::WinEventHook(
        SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_PARENTCHANGE, nullptr, &Main::OnWinEvent,
                        0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
    tmrLive.SetEnabled(true);
}

void Main::StopLiveUpdates() {
    liveHook_.reset();
    if (g_liveMain == this) {
        g_liveMain = nullptr;
    }
    tmrLive.SetEnabled(false);
    liveEvents_.clear();
    watched_.clear();
}

void CALLBACK Main::OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                               DWORD, DWORD) {
    // Only whole windows; the tree is changed by the timer, never from here.
    if (!g_liveMain || !window || object != OBJID_WINDOW || child != CHILDID_SELF) {
        return;
    }
    switch (event) {
    case EVENT_OBJECT_CREATE:
    case EVENT_OBJECT_DESTROY:
    case EVENT_OBJECT_SHOW:
    case EVENT_OBJECT_HIDE:
    case EVENT_OBJECT_NAMECHANGE:
    case EVENT_OBJECT_PARENTCHANGE:
        g_liveMain->liveEvents_.emplace_back(event, window);
        break;
    default:
        break;
    }
}

void Main::tmrLive_Timer() {
    const ULONGLONG deadline = GetTickCount64() + kBatchMilliseconds;
    bool changed = false;
    {
        const tk::TreeView::BulkUpdate bulk(tvTree);
        while (!liveEvents_.empty() && GetTickCount64() < deadline) {
            const auto [event, window] = liveEvents_.front();
            liveEvents_.pop_front();
            changed = ApplyLiveEvent(event, window) || changed;
        }
        changed = SweepLive(deadline) || changed;
    }
    if (!changed) {
        return;
    }
    processIds_.clear(); // the filter looks the processes up again
    ShowWindowCount();
    if (!txtFilter.Text().empty()) {
        ApplyFilter();
    }
}

bool Main::SweepLive(ULONGLONG deadline) {
    // Not every system reports every change (Wine reports only creations): a slice of the
    // windows is looked at again on each tick, and windows made hidden are watched until they
    // show.
    bool changed = false;
    const bool onlyVisible = mnuOnlyVisible.Checked();
    for (std::size_t k = 0;
         k < std::min(kSweepSlice, entries_.size()) && GetTickCount64() < deadline; ++k) {
        const std::size_t i = sweepAt_++ % entries_.size();
        const WindowEntry& entry = entries_[i];
        if (!entry.handle) {
            continue;
        }
        HWND window = entry.Window();
        if (entry.parent < 0) { // the desktop: only its new windows
        } else if (!IsWindow(window) || (onlyVisible && !mAPI::IsVisibleOnScreen(window))) {
            changed = HideLiveWindow(window) || changed;
            continue;
        } else if (GetAncestor(window, GA_PARENT) !=
                   entries_[static_cast<std::size_t>(entry.parent)].Window()) {
            changed = ApplyLiveEvent(EVENT_OBJECT_PARENTCHANGE, window) || changed;
            continue;
        } else if (GetWindowDisplayText(window) != ShownText(i)) {
            changed = ApplyLiveEvent(EVENT_OBJECT_NAMECHANGE, window) || changed;
        }
        changed = AddUnlistedChildren(i) || changed;
    }
    // A copy: adding a window takes it off the watch.
    for (HWND window : std::vector<HWND>(watched_.begin(), watched_.end())) {
        if (!IsWindow(window)) {
            watched_.erase(window);
        } else {
            changed = AddLiveWindow(window) || changed;
        }
    }
    return changed;
}

bool Main::AddUnlistedChildren(std::size_t entry) {
    bool changed = false;
    const bool onlyVisible = mnuOnlyVisible.Checked();
    mAPI::ForEachChildWindow(entries_[entry].Window(), [&](HWND child) {
        // A hidden window waits until it shows; the sweep meets it again then.
        if (EntryOf(child) < 0 && (!onlyVisible || mAPI::IsVisibleOnScreen(child))) {
            changed = AddLiveWindow(child) || changed;
        }
    });
    return changed;
}

std::string Main::ShownText(std::size_t entry) const {
    if (!filterTexts_.empty()) {
        return filterTexts_[entry];
    }
    HTREEITEM node = tvTree.Find(WindowKey(entries_[entry].handle));
    return node ? tvTree.NodeText(node) : std::string();
}

bool Main::ApplyLiveEvent(DWORD event, HWND window) {
    switch (event) {
    case EVENT_OBJECT_DESTROY:
        return RemoveLiveWindow(window);
    case EVENT_OBJECT_HIDE:
        return mnuOnlyVisible.Checked() && HideLiveWindow(window);
    case EVENT_OBJECT_NAMECHANGE: {
        const int entry = EntryOf(window);
        if (entry < 0 || !IsWindow(window)) {
            return false;
        }
        std::string text = GetWindowDisplayText(window);
        if (HTREEITEM node = tvTree.Find(WindowKey(mAPI::HandleToInt(window)))) {
            tvTree.SetNodeText(node, text); // not shown while the filter leaves it out
        }
        if (!filterTexts_.empty()) {
            filterTexts_[static_cast<std::size_t>(entry)] = std::move(text);
        }
        return true;
    }
    case EVENT_OBJECT_PARENTCHANGE: {
        const bool removed = RemoveLiveWindow(window);
        return AddLiveWindow(window) || removed;
    }
    default: // created or shown
        return IsWindow(window) ? AddLiveWindow(window) : RemoveLiveWindow(window);
    }
}

int Main::EntryOf(HWND window) const {
    const auto found =
        entryIndex_.Find(mAPI::HandleToInt(window),
                         [this](HandleIndex::Entry entry) { return entries_[entry].handle; });
    return found ? static_cast<int>(*found) : -1;
}

bool Main::RemoveLiveWindow(HWND window) {
    const int entry = EntryOf(window);
    if (entry < 0) {
        return false;
    }
    // The window's entries and those below it end: children come after their parents.
    entries_[static_cast<std::size_t>(entry)].handle = 0;
    for (std::size_t i = static_cast<std::size_t>(entry) + 1; i < entries_.size(); ++i) {
        const int parent = entries_[i].parent;
        if (parent >= 0 && !entries_[static_cast<std::size_t>(parent)].handle) {
            entries_[i].handle = 0;
        }
    }
    tvTree.Remove(WindowKey(mAPI::HandleToInt(window)));
    return true;
}

bool Main::HideLiveWindow(HWND window) {
    // A window that still exists may show again: it is watched from now on.
    const bool removed = RemoveLiveWindow(window);
    if (removed && IsWindow(window)) {
        watched_.insert(window);
    }
    return removed;
}

bool Main::AddLiveWindow(HWND window) {
    // Under its parent's node, as the load would put it; a window whose parent has no node
    // comes with its parent.
    const int parent = EntryOf(GetAncestor(window, GA_PARENT));
    if (parent < 0 || EntryOf(window) >= 0) {
        return false;
    }
    const std::size_t before = entries_.size();
    recordOnly_ = !txtFilter.Text().empty();
    AddWindowNode(parent, window);
    recordOnly_ = false;
    if (entries_.size() == before) {
        watched_.insert(window); // left out for now (hidden): added when it shows
        return false;
    }
    watched_.erase(window);
    return true;
}

} // namespace vantry
