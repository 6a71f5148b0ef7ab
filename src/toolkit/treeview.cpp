#include "toolkit/treeview.h"

#include "core/mapi_win.h"
#include "toolkit/imagelist.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <utility>

namespace tk {

void TreeView::Create(Form& parent) {
    Clear();
    CreateChild(parent, WC_TREEVIEWA,
                WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT |
                    TVS_SHOWSELALWAYS,
                WS_EX_CLIENTEDGE);
    SubclassWindow();
}

bool TreeView::SubclassMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        lastPress_ = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        return false;
    case WM_KEYDOWN:
        return CtrlKey && GetKeyState(VK_CONTROL) < 0 && CtrlKey(static_cast<WORD>(wParam));
    case WM_CONTEXTMENU:
        if (ContextMenu) {
            SelectForContextMenu(lParam);
            ContextMenu(MenuPoint(lParam));
            return true;
        }
        return false;
    default:
        return false;
    }
}

void TreeView::SelectForContextMenu(LPARAM lParam) {
    if (lParam == -1) {
        return; // from the keyboard: the menu is about the selected node
    }
    TVHITTESTINFO hit{};
    hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ScreenToClient(hWnd(), &hit.pt);
    HTREEITEM item = TreeView_HitTest(hWnd(), &hit);
    if (item && (hit.flags & TVHT_ONITEM) && item != Selected() && Select(item) && NodeClick) {
        NodeClick(); // the user chose it
    }
}

POINT TreeView::MenuPoint(LPARAM lParam) const {
    RECT place{};
    HTREEITEM selected = TreeView_GetSelection(hWnd());
    const bool shown = selected && TreeView_GetItemRect(hWnd(), selected, &place, TRUE);
    return ContextMenuPoint(lParam, shown ? &place : nullptr);
}

void TreeView::SetImageList(const ImageList& images) {
    TreeView_SetImageList(hWnd(), images.Handle(), TVSIL_NORMAL);
}

std::string TreeView::NodeText(HTREEITEM node) const {
    // The control answers with as much as the buffer holds, so a text that fills it is read
    // again into a larger one: a node holds a caption of 1,024 characters and more besides.
    std::wstring text(512, L'\0');
    while (node) {
        TVITEMW item{};
        item.mask = TVIF_TEXT;
        item.hItem = node;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        if (!SendMessageW(hWnd(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) {
            return {};
        }
        const std::size_t length = wcsnlen(text.c_str(), text.size());
        if (length + 1 < text.size()) {
            text.resize(length);
            return mAPI::Narrow(text, CP_ACP);
        }
        text.assign(text.size() * 2, L'\0');
    }
    return {};
}

HTREEITEM TreeView::Insert(HTREEITEM parent, LPARAM value, const std::string& text, int image,
                           bool bold, bool expanded, HTREEITEM after) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
    insert.item.state = (bold ? TVIS_BOLD : 0) | (expanded ? TVIS_EXPANDED : 0);
    insert.item.stateMask = TVIS_BOLD | TVIS_EXPANDED;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.iImage = image - 1; // forms count images from 1
    insert.item.iSelectedImage = image - 1;
    insert.item.lParam = value;
    // Straight to the control: our subclass has nothing to do with an insert, and a refresh
    // makes thousands of them.
    return reinterpret_cast<HTREEITEM>(
        CallOriginal(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

std::optional<LPARAM> TreeView::ValueOf(HTREEITEM node) const {
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = node;
    if (!node || !SendMessageA(hWnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) {
        return std::nullopt;
    }
    return item.lParam;
}

void TreeView::SetValue(HTREEITEM node, LPARAM value) {
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = node;
    item.lParam = value;
    SendMessageA(hWnd(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

std::size_t TreeView::Count() const {
    return hWnd() ? TreeView_GetCount(hWnd()) : 0;
}

std::vector<HTREEITEM> TreeView::Nodes() const {
    std::vector<HTREEITEM> nodes;
    nodes.reserve(Count());
    // Depth first without recursion: down to a child, else on to the next sibling of the
    // node or of its nearest ancestor that has one.
    HTREEITEM node = TreeView_GetRoot(hWnd());
    while (node) {
        nodes.push_back(node);
        HTREEITEM next = TreeView_GetChild(hWnd(), node);
        while (!next && node) {
            next = TreeView_GetNextSibling(hWnd(), node);
            node = TreeView_GetParent(hWnd(), node);
        }
        node = next;
    }
    return nodes;
}

void TreeView::Clear() {
    if (hWnd()) {
        TreeView_DeleteAllItems(hWnd());
    }
}

void TreeView::RemoveNode(HTREEITEM node) {
    TreeView_DeleteItem(hWnd(), node);
}

void TreeView::SetNodeText(HTREEITEM node, const std::string& text) {
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(hWnd(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void TreeView::SetExpanded(HTREEITEM node, bool expanded) {
    TreeView_Expand(hWnd(), node, expanded ? TVE_EXPAND : TVE_COLLAPSE);
    // A node without children yet ignores TVM_EXPAND; the state flag still makes the
    // children it gets later show.
    TreeView_SetItemState(hWnd(), node, expanded ? TVIS_EXPANDED : 0, TVIS_EXPANDED);
}

void TreeView::SetBold(HTREEITEM node, bool bold) {
    TreeView_SetItemState(hWnd(), node, bold ? TVIS_BOLD : 0, TVIS_BOLD);
}

bool TreeView::Expanded(HTREEITEM node) const {
    return (TreeView_GetItemState(hWnd(), node, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

HTREEITEM TreeView::Selected() const {
    return TreeView_GetSelection(hWnd());
}

bool TreeView::Select(HTREEITEM node) {
    return node && TreeView_SelectItem(hWnd(), node);
}

HTREEITEM TreeView::FirstVisible() const {
    return TreeView_GetFirstVisible(hWnd());
}

void TreeView::ScrollToTop(HTREEITEM node) {
    TreeView_SelectSetFirstVisible(hWnd(), node);
}

TreeView::Place
TreeView::CurrentPlace(const std::function<std::optional<std::int64_t>(HTREEITEM)>& idOf) const {
    Place place;
    place.selected = idOf(Selected());
    for (HTREEITEM node : Nodes()) {
        if (Expanded(node)) {
            if (const auto id = idOf(node)) {
                place.expanded.push_back(*id);
            }
        }
    }
    place.firstVisible = idOf(FirstVisible());
    return place;
}

void TreeView::RestorePlace(const Place& place,
                            const std::function<HTREEITEM(std::int64_t)>& nodeOf) {
    for (const std::int64_t id : place.expanded) {
        if (HTREEITEM node = nodeOf(id)) {
            SetExpanded(node, true);
        }
    }
    if (place.selected) {
        Select(nodeOf(*place.selected));
    }
    if (HTREEITEM first = place.firstVisible ? nodeOf(*place.firstVisible) : nullptr) {
        ScrollToTop(first);
    }
}

HTREEITEM KeyedTreeView::Add(std::string_view relativeKey, std::string_view key,
                             const std::string& text, int image, bool bold, bool expanded) {
    HTREEITEM parent = TVI_ROOT;
    if (!relativeKey.empty()) {
        parent = Find(relativeKey);
        if (!parent) {
            return nullptr;
        }
    }
    return AddChild(parent, key, text, image, bold, expanded);
}

HTREEITEM KeyedTreeView::AddChild(HTREEITEM parent, std::string_view key, const std::string& text,
                                  int image, bool bold, bool expanded) {
    const auto slot = keys_.Add(key);
    if (!slot) {
        return nullptr;
    }
    HTREEITEM item = Insert(parent, static_cast<LPARAM>(*slot), text, image, bold, expanded);
    if (!item) {
        keys_.Remove(*slot);
    }
    items_.push_back(item);
    return item;
}

HTREEITEM KeyedTreeView::Find(std::string_view key) const {
    const auto slot = keys_.Find(key);
    return slot ? items_[*slot] : nullptr;
}

void KeyedTreeView::Clear() {
    TreeView::Clear();
    keys_.Clear();
    std::deque<HTREEITEM>().swap(items_); // a long list gives its memory back
}

bool KeyedTreeView::Remove(std::string_view key) {
    HTREEITEM node = Find(key);
    if (!node) {
        return false;
    }
    ForgetSubtree(node);
    RemoveNode(node);
    if (keys_.Sparse()) {
        CompactKeys();
    }
    return true;
}

void KeyedTreeView::ForgetSubtree(HTREEITEM node) {
    for (HTREEITEM child = TreeView_GetChild(hWnd(), node); child;
         child = TreeView_GetNextSibling(hWnd(), child)) {
        ForgetSubtree(child);
    }
    if (const auto slot = SlotOf(node)) {
        keys_.Remove(*slot);
        items_[*slot] = nullptr;
    }
}

void KeyedTreeView::CompactKeys() {
    const std::vector<std::optional<KeyIndex::Slot>> moved = keys_.Compact();
    std::deque<HTREEITEM> items(keys_.SlotCount());
    for (std::size_t old = 0; old < moved.size(); ++old) {
        if (moved[old]) {
            items[*moved[old]] = items_[old];
            SetValue(items_[old], static_cast<LPARAM>(*moved[old]));
        }
    }
    items_ = std::move(items);
}

bool KeyedTreeView::SelectByKey(std::string_view key) {
    return Select(Find(key));
}

std::optional<std::string> KeyedTreeView::SelectedKey() const {
    return KeyOf(Selected());
}

std::optional<KeyIndex::Slot> KeyedTreeView::SlotOf(HTREEITEM node) const {
    const auto value = ValueOf(node);
    if (!value) {
        return std::nullopt;
    }
    const auto slot = static_cast<std::size_t>(*value);
    if (slot >= items_.size() || items_[slot] != node) {
        return std::nullopt;
    }
    return static_cast<KeyIndex::Slot>(slot);
}

std::optional<std::string> KeyedTreeView::KeyOf(HTREEITEM node) const {
    const auto slot = SlotOf(node);
    return slot ? std::optional<std::string>(keys_.KeyAt(*slot)) : std::nullopt;
}

void TreeView::OnClick() {
    // A click that changed the selection has raised NodeClick already.
    const bool alreadyRaised = std::exchange(selectedByThisClick_, false);
    TVHITTESTINFO hit{};
    hit.pt = lastPress_;
    HTREEITEM item = TreeView_HitTest(hWnd(), &hit);
    if (!alreadyRaised && item && (hit.flags & TVHT_ONITEM) &&
        item == TreeView_GetSelection(hWnd()) && NodeClick) {
        NodeClick();
    }
}

namespace {

// A scroll bar drawn the same: its place, its thumb and the states of its parts.
bool SameParts(const SCROLLBARINFO& a, const SCROLLBARINFO& b) {
    return EqualRect(&a.rcScrollBar, &b.rcScrollBar) && a.xyThumbTop == b.xyThumbTop &&
           a.xyThumbBottom == b.xyThumbBottom &&
           std::equal(std::begin(a.rgstate), std::end(a.rgstate), std::begin(b.rgstate));
}

} // namespace

// A refill also marks the window hidden the way the system's default WM_SETREDRAW does (no
// repaint, no parent invalidation): the control then lays out its scroll bars without drawing
// them on the spot, which under Wine costs 15 to 20 ms on a visible window.
TreeView::BulkUpdate::BulkUpdate(TreeView& tree, BulkScope scope)
    : tree_(tree), scope_(scope), firstVisible_(tree.FirstVisible()),
      scrollBars_(scope == BulkScope::Refill ? ReadScrollBars() : std::nullopt) {
    GetClientRect(tree_.hWnd(), &client_);
    SendMessageA(tree_.hWnd(), WM_SETREDRAW, FALSE, 0);
    if (scope_ == BulkScope::Refill) {
        DefWindowProcA(tree_.hWnd(), WM_SETREDRAW, FALSE, 0);
        tree_.hiddenForRefill_ = true;
    }
}

TreeView::BulkUpdate::~BulkUpdate() {
    HWND window = tree_.hWnd();
    SendMessageA(window, WM_SETREDRAW, TRUE, 0);
    if (scope_ == BulkScope::Refill) {
        DefWindowProcA(window, WM_SETREDRAW, TRUE, 0);
        tree_.hiddenForRefill_ = false;
        if (repaint_ && rows_ && !ViewMoved()) {
            RepaintChangedRows();
        } else if (repaint_) {
            RedrawWindow(window, nullptr, nullptr,
                         RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
            tree_.scrollBarsStale_ = false;
            tree_.scrollBarsDrawn_ = std::chrono::steady_clock::now();
        }
        if (std::chrono::steady_clock::now() - tree_.scrollBarsDrawn_ >= scrollBarsWait_) {
            tree_.DrawStaleScrollBars();
        }
    }
}

void TreeView::DrawStaleScrollBars() {
    if (std::exchange(scrollBarsStale_, false)) {
        SendMessageA(hWnd(), WM_NCPAINT, 1, 0);
        scrollBarsDrawn_ = std::chrono::steady_clock::now();
    }
}

bool TreeView::BulkUpdate::ViewMoved() const {
    RECT client{};
    GetClientRect(tree_.hWnd(), &client);
    return tree_.FirstVisible() != firstVisible_ || !EqualRect(&client, &client_);
}

void TreeView::BulkUpdate::RepaintChangedRows() {
    HWND window = tree_.hWnd();
    RECT client{};
    GetClientRect(window, &client);
    LONG top = client.bottom;
    for (HTREEITEM node : *rows_) {
        RECT row{};
        // A row above the view changes nothing in it; one below it, nothing either.
        if (node && TreeView_GetItemRect(window, node, &row, FALSE) && row.bottom > 0) {
            top = std::min(top, std::max(row.top, 0L));
        }
    }
    if (top < client.bottom) {
        const RECT below{0, top, client.right, client.bottom};
        RedrawWindow(window, &below, nullptr, RDW_ERASE | RDW_INVALIDATE);
    }
    // The scroll bars follow the tree's extent; a few rows more or less mostly leave them as
    // they were drawn, and drawing them costs a tick more than its rows under Wine.
    const ScrollBars now = ReadScrollBars();
    if (!now || !scrollBars_ ||
        !std::equal(now->begin(), now->end(), scrollBars_->begin(), SameParts)) {
        tree_.scrollBarsStale_ = true;
    }
}

TreeView::BulkUpdate::ScrollBars TreeView::BulkUpdate::ReadScrollBars() const {
    std::array<SCROLLBARINFO, 2> bars{};
    const LONG objects[] = {OBJID_VSCROLL, OBJID_HSCROLL};
    for (std::size_t k = 0; k < bars.size(); ++k) {
        bars[k].cbSize = sizeof bars[k];
        if (!GetScrollBarInfo(tree_.hWnd(), objects[k], &bars[k])) {
            return std::nullopt;
        }
    }
    return bars;
}

bool TreeView::OnNotify(NMHDR& header, LRESULT& result) {
    result = 0;
    switch (header.code) {
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW: {
        // Selection from code comes with TVC_UNKNOWN; only the user's raises the event.
        const UINT action = reinterpret_cast<NMTREEVIEWA&>(header).action;
        if (action == TVC_BYMOUSE || action == TVC_BYKEYBOARD) {
            selectedByThisClick_ = action == TVC_BYMOUSE;
            if (NodeClick) {
                NodeClick();
            }
        }
        return true;
    }
    case NM_CLICK:
        OnClick();
        return true;
    case NM_DBLCLK:
        if (DblClick) {
            DblClick();
        }
        return true;
    default:
        return false;
    }
}

} // namespace tk
