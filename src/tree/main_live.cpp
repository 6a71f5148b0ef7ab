// Main's live tree: window events from other processes, gathered by a hook out of context and
// applied by a timer in batches, node by node, keeping the selection.
#include "core/mapi.h"
#include "core/mapi_win.h"
#include "tree/main_form.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace vantry {

namespace {

// The one Main whose hook is on; the hook has no context of its own.
Main* g_liveMain = nullptr;

using Clock = std::chrono::steady_clock;

// What one tick may spend, so that a burst of windows never holds up the message loop.
constexpr auto kBatchTime = std::chrono::milliseconds(30);
// Ticks come ten times a second; while windows come in a burst, four times: a tick costs the
// tree a layout however few windows it brings.
constexpr UINT kQuietInterval = 100;
constexpr UINT kBurstInterval = 250;
// While windows come in a burst, the sweep waits for a quiet tick, or this long at most: the
// tick's time goes to the windows that were reported.
constexpr auto kSweepPeriod = std::chrono::seconds(3);
// While windows come in a burst, the scroll bars are drawn at most once a second: a growing
// tree changes them on every tick, and the first quiet tick draws them as they end up.
constexpr auto kScrollBarWait = std::chrono::seconds(1);
// Windows looked at again on each tick, within a time of their own: under Wine every question
// is a round trip to the server, and a live tree must not keep a processor busy.
constexpr std::size_t kSweepSlice = 200;
constexpr auto kSweepTime = std::chrono::milliseconds(10);

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
    tmrLive.SetInterval(kQuietInterval);
    tmrLive.SetEnabled(true);
}

void Main::StopLiveUpdates() {
    liveHook_.reset();
    if (g_liveMain == this) {
        g_liveMain = nullptr;
    }
    tmrLive.SetEnabled(false);
    liveEvents_.Clear();
    tvTree.DrawStaleScrollBars();
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
        // Whatever happened, the timer brings the window's entry in line with the system.
        g_liveMain->liveEvents_.Push(window);
        break;
    default:
        break;
    }
}

void Main::tmrLive_Timer() {
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline = start + kBatchTime;
    // Windows reported during the tick wait for the next one: a window made and then shown is
    // read once.
    const std::size_t reported = liveEvents_.Size();
    const bool burst = reported > 0;
    tmrLive.SetInterval(burst ? kBurstInterval : kQuietInterval);
    bool changed = false;
    {
        // Drawn once at the end: with redrawing merely off, Wine's visible tree view lays
        // itself out again for 15 ms at the end of every tick.
        tk::TreeView::BulkUpdate bulk(tvTree, tk::TreeView::BulkScope::Refill);
        if (burst) {
            bulk.LetScrollBarsWait(kScrollBarWait);
        }
        SystemWindows queries = TreeQueries();
        const tk::ImageList::Batch batch(imlWinIcons);
        for (std::size_t k = 0; k < reported && Clock::now() < deadline; ++k) {
            HWND window = liveEvents_.Pop();
            changed = ShowChanges(windows_.Refresh(queries, mAPI::HandleToInt(window),
                                                   mnuOnlyVisible.Checked())) ||
                      changed;
        }
        if (!burst || start - lastSweep_ >= kSweepPeriod) {
            lastSweep_ = start;
            changed = SweepLive(queries, std::min(deadline, Clock::now() + kSweepTime)) || changed;
        }
        if (!changed) {
            bulk.SkipRepaint(); // ten quiet ticks a second draw nothing
        } else {
            bulk.RepaintRowsOf(std::exchange(changedRows_, {}));
        }
    }
    if (!changed) {
        return;
    }
    ShowWindowCount();
    if (!txtFilter.Text().empty()) {
        ApplyFilter();
    }
}

bool Main::SweepLive(SystemWindows& queries, std::chrono::steady_clock::time_point deadline) {
    // Not every system reports every change (Wine reports only creations): a slice of the
    // windows is brought in line again on each tick, and their children that the tree lacks
    // are added.
    bool changed = false;
    const bool onlyVisible = mnuOnlyVisible.Checked();
    for (std::size_t k = 0; k < std::min(kSweepSlice, windows_.Size()) && Clock::now() < deadline;
         ++k) {
        const auto entry = static_cast<WindowList::Index>(sweepAt_++ % windows_.Size());
        if (!windows_.Live(entry)) {
            continue;
        }
        changed =
            ShowChanges(windows_.Refresh(queries, windows_.Handle(entry), onlyVisible)) || changed;
        changed = ShowChanges(windows_.AddMissingChildren(queries, entry, onlyVisible)) || changed;
    }
    return changed;
}

bool Main::ShowChanges(const WindowList::Changes& changes) {
    for (const WindowList::Index entry : changes.ended) {
        // The control removes the nodes below with it; their entries have ended too.
        if (entry < nodes_.size() && nodes_[entry]) {
            changedRows_.push_back(TreeView_GetParent(tvTree.hWnd(), nodes_[entry]));
            tvTree.RemoveNode(std::exchange(nodes_[entry], nullptr));
        }
    }
    for (const WindowList::Index entry : changes.renamed) {
        std::string text = windows_.DisplayText(entry);
        // Not shown while the filter leaves it out; the filter shows the new text.
        if (HTREEITEM node = entry < nodes_.size() ? nodes_[entry] : nullptr) {
            tvTree.SetNodeText(node, text);
            changedRows_.push_back(node);
        }
        if (entry < matchTexts_.size()) {
            matchTexts_[entry] = std::move(text);
        }
    }
    if (!changes.added.empty() && txtFilter.Text().empty()) {
        const WindowList::Index first = changes.added.front(); // the added entries end the list
        ShowEntries(first);
        // The new nodes end their parent's list: the line of the sibling before them now
        // goes on down to them; with none, the parent's button came.
        HTREEITEM node = nodes_[first];
        HTREEITEM before = node ? TreeView_GetPrevSibling(tvTree.hWnd(), node) : nullptr;
        changedRows_.push_back(before ? before : TreeView_GetParent(tvTree.hWnd(), node));
        changedRows_.push_back(node);
    }
    return changes.Any();
}

} // namespace vantry
