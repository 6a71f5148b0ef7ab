// Main's filter box: narrowing the tree to the windows that match, F3 through the matches, and
// the counts beside the box.
#include "core/mapi.h"
#include "core/mapi_win.h"
#include "core/process_lookup.h"
#include "model/tree_filter.h"
#include "model/window_text.h"
#include "tree/main_form.h"

#include <algorithm>

namespace vantry {

namespace {

std::string GroupedCount(std::size_t count) {
    return mAPI::FormatCount(static_cast<std::int64_t>(count));
}

} // namespace

void Main::PlaceFilterBox() {
    HWND toolbar = tbrCommands.hWnd();
    const int buttons = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    RECT last{};
    SendMessageA(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(buttons - 1),
                 reinterpret_cast<LPARAM>(&last));
    MapWindowPoints(toolbar, hWnd(), reinterpret_cast<POINT*>(&last), 2);
    const int gap = tk::ScaledPixels(8);
    const int height = last.bottom - last.top;
    txtFilter.MovePixels(last.right + gap, last.top, tk::ScaledPixels(180), height);
    txtFilter.BringToFront();
    const int countLeft = last.right + 2 * gap + tk::ScaledPixels(180);
    lblFilterCount.MovePixels(countLeft, last.top + height / 4, tk::ScaledPixels(110), height);
    lblFilterCount.BringToFront();
    lblFilterCount.SetVisible(false);
}

void Main::ShowWindowCount() {
    txtFilter.SetCueText(FilterCueText(entries_.size(), GroupedCount(entries_.size())));
}

std::optional<wchar_t> Main::txtFilter_KeyPress(wchar_t key) {
    switch (key) {
    case L'\r':
        SelectMatch(true);
        return std::nullopt;
    case 0x1B: // Escape: the whole tree again
        txtFilter.SetText("");
        return std::nullopt;
    default:
        return key;
    }
}

void Main::ApplyFilter() {
    const std::string text = txtFilter.Text();
    if (text.empty()) {
        matches_.clear();
        lblFilterCount.SetVisible(false);
        if (filterTexts_.empty()) {
            return; // the tree is whole already
        }
        const auto place = placeBeforeFilter_ ? *placeBeforeFilter_ : tvTree.CurrentPlace();
        placeBeforeFilter_.reset();
        ShowEntries(std::vector<bool>(entries_.size(), true), {});
        tvTree.RestorePlace(place);
        std::vector<std::string>().swap(filterTexts_); // held only while the filter narrows
        return;
    }
    if (!placeBeforeFilter_) {
        placeBeforeFilter_ = tvTree.CurrentPlace();
    }
    if (filterTexts_.size() != entries_.size()) {
        // The first keystroke after a load: the tree is whole, and holds every text.
        filterTexts_.clear();
        for (const WindowEntry& entry : entries_) {
            filterTexts_.push_back(tvTree.NodeText(tvTree.Find(WindowKey(entry.handle))));
        }
    }
    matches_ = MatchingEntries(text);
    std::vector<int> parents;
    parents.reserve(entries_.size());
    for (const WindowEntry& entry : entries_) {
        parents.push_back(entry.parent);
    }
    ShowEntries(KeptWithAncestors(parents, matches_), matches_);
    if (placeBeforeFilter_->selected) {
        tvTree.SelectByKey(*placeBeforeFilter_->selected);
    }
    const auto count = static_cast<std::size_t>(std::count(matches_.begin(), matches_.end(), true));
    lblFilterCount.SetCaption(GroupedCount(count) + " of " + GroupedCount(entries_.size()));
    lblFilterCount.SetVisible(true);
}

std::vector<bool> Main::MatchingEntries(const std::string& text) {
    // Process ids once per load, executables once per process per load.
    if (processIds_.size() != entries_.size()) {
        processIds_.clear();
        for (const WindowEntry& entry : entries_) {
            DWORD processId = 0;
            GetWindowThreadProcessId(entry.Window(), &processId);
            processIds_.push_back(processId);
        }
    }
    // The program's own filter box holds the typed text as its caption: never a match.
    const std::int32_t ownBox = mAPI::HandleToInt(txtFilter.hWnd());
    std::vector<bool> matches(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const std::uint32_t processId = processIds_[i];
        auto found = executables_.find(processId);
        if (found == executables_.end()) {
            found = executables_.emplace(processId, mAPI::GetExePath(processId)).first;
        }
        matches[i] = entries_[i].handle && entries_[i].handle != ownBox &&
                     MatchesFilter(text, {filterTexts_[i], processId, found->second});
    }
    return matches;
}

void Main::ShowEntries(const std::vector<bool>& kept, const std::vector<bool>& bold) {
    const bool narrowed = !bold.empty();
    const tk::TreeView::BulkUpdate bulk(tvTree, tk::TreeView::BulkScope::Refill);
    tvTree.Clear();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (!kept[i] || !entries_[i].handle) { // a window that ended while the tree was live
            continue;
        }
        const WindowEntry& entry = entries_[i];
        const std::string parentKey =
            entry.parent < 0 ? std::string()
                             : WindowKey(entries_[static_cast<std::size_t>(entry.parent)].handle);
        // A narrowed tree shows every match; the whole tree opens at the desktop only.
        tvTree.Add(parentKey, WindowKey(entry.handle), filterTexts_[i], ImageOf(i),
                   narrowed && bold[i], narrowed || entry.parent < 0);
    }
}

void Main::SelectMatch(bool forward) {
    if (matches_.empty()) {
        return;
    }
    const auto selected = SelectedWindow();
    const auto current = std::find_if(entries_.begin(), entries_.end(), [&](const auto& entry) {
        return selected && entry.Window() == *selected;
    });
    const auto count = static_cast<std::ptrdiff_t>(entries_.size());
    const std::ptrdiff_t start =
        current == entries_.end() ? (forward ? -1 : count) : current - entries_.begin();
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        const std::ptrdiff_t at = ((start + (forward ? step : -step)) % count + count) % count;
        if (matches_[static_cast<std::size_t>(at)]) {
            SelectWindow(entries_[static_cast<std::size_t>(at)].handle);
            tvTree_NodeClick(); // as the user's own choice: the open forms follow
            return;
        }
    }
}

} // namespace vantry
