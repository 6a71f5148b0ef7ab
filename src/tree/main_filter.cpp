// Main's filter box: narrowing the tree to the windows that match, F3 through the matches, and
// the counts beside the box.
#include "core/mapi.h"
#include "core/mapi_win.h"
#include "core/process_lookup.h"
#include "model/tree_filter.h"
#include "tree/main_form.h"

#include <algorithm>

namespace vantry {

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
    const std::size_t count = windows_.LiveCount();
    txtFilter.SetCueText(FilterCueText(count, mAPI::GroupedCount(count)));
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
        std::vector<std::string>().swap(matchTexts_); // its memory back
        lblFilterCount.SetVisible(false);
        if (!placeBeforeFilter_) {
            return; // the tree is whole already
        }
        const auto place = *placeBeforeFilter_;
        placeBeforeFilter_.reset();
        shownWhileFiltering_.clear();
        {
            const tk::TreeView::BulkUpdate bulk(tvTree, tk::TreeView::BulkScope::Refill);
            ClearTree();
            ShowEntries(0);
        }
        RestorePlace(place);
        return;
    }
    if (!placeBeforeFilter_) {
        placeBeforeFilter_ = CurrentPlace();
    }
    const std::vector<bool> wereMatches = std::move(matches_);
    matches_ = MatchingEntries(text);
    std::vector<int> parents;
    parents.reserve(windows_.Size());
    for (WindowList::Index i = 0; i < windows_.Size(); ++i) {
        const auto parent = windows_.Parent(i);
        parents.push_back(parent ? static_cast<int>(*parent) : -1);
    }
    std::vector<bool> kept = KeptWithAncestors(parents, matches_);
    if (kept == shownWhileFiltering_) {
        // The same windows as the tree shows: only which of them match may have changed.
        SetMatchesBold(kept, wereMatches);
    } else if (CheaperToChangeThanRefill(kept)) {
        // Drawn once at the end, as a refill is: a visible tree view lays itself out again.
        const tk::TreeView::BulkUpdate bulk(tvTree, tk::TreeView::BulkScope::Refill);
        RemoveLeavingNodes(kept);
        SetMatchesBold(kept, wereMatches);
        AddComingNodes(kept);
        shownWhileFiltering_ = std::move(kept);
    } else {
        const tk::TreeView::BulkUpdate bulk(tvTree, tk::TreeView::BulkScope::Refill);
        ClearTree();
        ShowEntries(0, &kept, &matches_);
        shownWhileFiltering_ = std::move(kept);
    }
    if (placeBeforeFilter_->selected) {
        SelectWindow(static_cast<std::int32_t>(*placeBeforeFilter_->selected));
    }
    const auto count = static_cast<std::size_t>(std::count(matches_.begin(), matches_.end(), true));
    lblFilterCount.SetCaption(mAPI::GroupedCount(count) + " of " +
                              mAPI::GroupedCount(windows_.LiveCount()));
    lblFilterCount.SetVisible(true);
}

bool Main::CheaperToChangeThanRefill(const std::vector<bool>& kept) const {
    // The whole tree (no narrowed one yet) has folded nodes a narrowed tree shows open.
    if (shownWhileFiltering_.size() != kept.size()) {
        return false;
    }
    std::size_t changes = 0;
    std::size_t keeps = 0;
    for (WindowList::Index i = 0; i < kept.size(); ++i) {
        changes += kept[i] != shownWhileFiltering_[i];
        keeps += kept[i];
    }
    return changes < keeps;
}

void Main::SetMatchesBold(const std::vector<bool>& kept, const std::vector<bool>& wereMatches) {
    for (WindowList::Index i = 0; i < kept.size(); ++i) {
        const bool wasShown = i < shownWhileFiltering_.size() && shownWhileFiltering_[i];
        if (kept[i] && wasShown && (i >= wereMatches.size() || matches_[i] != wereMatches[i])) {
            tvTree.SetBold(nodes_[i], matches_[i]);
        }
    }
}

void Main::RemoveLeavingNodes(const std::vector<bool>& kept) {
    nodes_.resize(windows_.Size(), nullptr);
    for (WindowList::Index i = 0; i < kept.size(); ++i) {
        if (kept[i] || !nodes_[i]) {
            continue;
        }
        // Only the topmost leaving node goes by hand: the control removes what is below it.
        const auto parent = windows_.Parent(i);
        if (!parent || kept[*parent]) {
            tvTree.RemoveNode(nodes_[i]);
        }
        nodes_[i] = nullptr;
    }
}

void Main::AddComingNodes(const std::vector<bool>& kept) {
    // In list order, each new node goes after the last shown sibling before it, so that the
    // siblings stand as a refill would put them.
    std::vector<HTREEITEM> lastChild(windows_.Size() + 1, nullptr); // by parent; the end: root
    for (WindowList::Index i = 0; i < kept.size(); ++i) {
        if (!kept[i] || !windows_.Live(i)) {
            continue;
        }
        const auto parent = windows_.Parent(i);
        HTREEITEM& last = lastChild[parent ? *parent : windows_.Size()];
        if (!nodes_[i]) {
            HTREEITEM parentNode = parent ? nodes_[*parent] : TVI_ROOT;
            if (!parentNode) {
                continue;
            }
            nodes_[i] =
                tvTree.Insert(parentNode, static_cast<LPARAM>(i), windows_.DisplayText(i),
                              windows_.Picture(i), matches_[i], true, last ? last : TVI_FIRST);
        }
        last = nodes_[i];
    }
}

std::vector<bool> Main::MatchingEntries(const std::string& text) {
    // Process ids once per load, executables once per process per load.
    while (processIds_.size() < windows_.Size()) {
        DWORD processId = 0;
        GetWindowThreadProcessId(mAPI::IntToHandle<HWND>(windows_.Handle(
                                     static_cast<WindowList::Index>(processIds_.size()))),
                                 &processId);
        processIds_.push_back(processId);
    }
    // Node texts while the filter is in use: each keystroke matches them again.
    while (matchTexts_.size() < windows_.Size()) {
        matchTexts_.push_back(
            windows_.DisplayText(static_cast<WindowList::Index>(matchTexts_.size())));
    }
    // The program's own filter box holds the typed text as its caption: never a match.
    const std::int32_t ownBox = mAPI::HandleToInt(txtFilter.hWnd());
    std::vector<bool> matches(windows_.Size());
    for (WindowList::Index i = 0; i < windows_.Size(); ++i) {
        if (!windows_.Live(i) || windows_.Handle(i) == ownBox) {
            continue;
        }
        const std::uint32_t processId = processIds_[i];
        auto found = executables_.find(processId);
        if (found == executables_.end()) {
            found = executables_.emplace(processId, mAPI::GetExePath(processId)).first;
        }
        matches[i] = MatchesFilter(text, {matchTexts_[i], processId, found->second});
    }
    return matches;
}

void Main::SelectMatch(bool forward) {
    if (matches_.empty()) {
        return;
    }
    const auto selected = SelectedWindow();
    const auto current = selected ? windows_.Find(mAPI::HandleToInt(*selected)) : std::nullopt;
    const auto count = static_cast<std::ptrdiff_t>(matches_.size());
    const std::ptrdiff_t start = current && *current < matches_.size()
                                     ? static_cast<std::ptrdiff_t>(*current)
                                     : (forward ? -1 : count);
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        const std::ptrdiff_t at = ((start + (forward ? step : -step)) % count + count) % count;
        if (matches_[static_cast<std::size_t>(at)]) {
            ChooseWindow(windows_.Handle(static_cast<WindowList::Index>(at))); // the forms follow
            return;
        }
    }
}

} // namespace vantry
