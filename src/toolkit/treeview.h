// Tree views: one whose nodes carry the caller's numbers, and one that finds them by text key.
#pragma once

#include "toolkit/control.h"
#include "toolkit/key_index.h"

#include <commctrl.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class ImageList;

// A tree view whose nodes each carry a number of the caller's (its lParam).
class TreeView : public Control {
  public:
    using Control::Control;
    void Create(Form& parent) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

    void SetImageList(const ImageList& images);

    // Adds a node below parent (TVI_ROOT for the top level) after the sibling after (TVI_LAST:
    // as the last child, TVI_FIRST: as the first); nullptr when the control refuses it.
    HTREEITEM Insert(HTREEITEM parent, LPARAM value, const std::string& text, int image,
                     bool bold = false, bool expanded = false, HTREEITEM after = TVI_LAST);
    // The number the node carries; nullopt for no node.
    std::optional<LPARAM> ValueOf(HTREEITEM node) const;
    // The node's text as the control holds it; empty for no node.
    std::string NodeText(HTREEITEM node) const;
    virtual void Clear();
    // Removes the node and everything below it.
    void RemoveNode(HTREEITEM node);
    void SetNodeText(HTREEITEM node, const std::string& text);
    std::size_t Count() const;
    // Every node, a parent before its children.
    std::vector<HTREEITEM> Nodes() const;

    void SetExpanded(HTREEITEM node, bool expanded);
    void SetBold(HTREEITEM node, bool bold);
    bool Expanded(HTREEITEM node) const;

    HTREEITEM Selected() const;
    // Selecting from code raises no NodeClick.
    bool Select(HTREEITEM node);
    HTREEITEM FirstVisible() const;
    void ScrollToTop(HTREEITEM node);

    // Where the user is, by the caller's ids of nodes, so that a refill can put it back for
    // the nodes that are still there.
    struct Place {
        std::optional<std::int64_t> selected;
        std::vector<std::int64_t> expanded;
        std::optional<std::int64_t> firstVisible;
    };
    // idOf: a node's id, nullopt for none.
    Place CurrentPlace(const std::function<std::optional<std::int64_t>(HTREEITEM)>& idOf) const;
    // Expands, selects (as code does: no NodeClick) and scrolls back what nodeOf finds.
    void RestorePlace(const Place& place, const std::function<HTREEITEM(std::int64_t)>& nodeOf);

    // Turns redrawing off while it lives: adding or removing many nodes then skips the
    // control's layout work per node. A refill (the tree emptied and filled again) also keeps
    // the window from drawing its scroll bars when the control lays itself out at the end, and
    // repaints the tree once.
    enum class BulkScope { Edits, Refill };
    class BulkUpdate {
      public:
        explicit BulkUpdate(TreeView& tree, BulkScope scope = BulkScope::Edits);
        ~BulkUpdate();
        BulkUpdate(const BulkUpdate&) = delete;
        BulkUpdate& operator=(const BulkUpdate&) = delete;
        // Nothing changed after all: a refill's end repaints nothing.
        void SkipRepaint() { repaint_ = false; }
        // Only these nodes' rows changed (a removed node is named by its parent): a refill's
        // end repaints from the highest of them in view down, and the scroll bars, where it
        // would repaint the whole tree. The whole tree still when the first row in view moved or
        // the client area changed (a scroll bar came or went).
        void RepaintRowsOf(std::vector<HTREEITEM> nodes) { rows_ = std::move(nodes); }
        // Scroll bars this update changes are drawn only once this long has passed since they
        // were last drawn; until then a later update's end or DrawStaleScrollBars draws them.
        // Under Wine each drawing costs a few ms, and a growing tree changes them every time.
        void LetScrollBarsWait(std::chrono::milliseconds wait) { scrollBarsWait_ = wait; }

      private:
        // Where the system draws the vertical and the horizontal scroll bar's parts; nullopt
        // when it does not say.
        using ScrollBars = std::optional<std::array<SCROLLBARINFO, 2>>;
        ScrollBars ReadScrollBars() const;
        bool ViewMoved() const;
        void RepaintChangedRows();

        TreeView& tree_;
        BulkScope scope_;
        bool repaint_ = true;
        std::optional<std::vector<HTREEITEM>> rows_;
        HTREEITEM firstVisible_;
        RECT client_{};
        ScrollBars scrollBars_; // as the update began; read for a refill only
        std::chrono::milliseconds scrollBarsWait_{0};
    };
    // Draws the scroll bars that a bulk update let wait, if any.
    void DrawStaleScrollBars();
    // True while a refill keeps the window from drawing: it then reports itself hidden,
    // although the user still sees it.
    bool HiddenForRefill() const { return hiddenForRefill_; }

    // Raised when the user selects a node, or clicks the node that is already selected.
    std::function<void()> NodeClick;
    std::function<void()> DblClick;
    // A key pressed with Ctrl held; return true when it was handled.
    std::function<bool(WORD key)> CtrlKey;
    // The context menu was asked for (right click or the keyboard), at this screen point.
    std::function<void(POINT screen)> ContextMenu;

  protected:
    // Sets the number a node carries.
    void SetValue(HTREEITEM node, LPARAM value);

  private:
    void OnClick();
    // A right click on a node other than the selected one selects it first, as the user's
    // choice.
    void SelectForContextMenu(LPARAM lParam);
    POINT MenuPoint(LPARAM lParam) const;
    bool SubclassMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    bool selectedByThisClick_ = false;
    bool hiddenForRefill_ = false;
    bool scrollBarsStale_ = false; // changed since they were last drawn
    std::chrono::steady_clock::time_point scrollBarsDrawn_;
    POINT lastPress_{-1, -1}; // where the last left press was, in client pixels
};

// A tree view whose nodes are found by unique text keys, as the forms address them.
class KeyedTreeView : public TreeView {
  public:
    using TreeView::TreeView;

    // Adds a node as the last child of the node with relativeKey (top level when empty).
    // Returns nullptr when the key is taken or the relative is missing.
    HTREEITEM Add(std::string_view relativeKey, std::string_view key, const std::string& text,
                  int image, bool bold = false, bool expanded = false);
    // The same below a node already at hand (TVI_ROOT for the top level): no key lookup.
    HTREEITEM AddChild(HTREEITEM parent, std::string_view key, const std::string& text, int image,
                       bool bold = false, bool expanded = false);
    HTREEITEM Find(std::string_view key) const;
    void Clear() override;
    // Removes the node and everything below it; false for an unknown key.
    bool Remove(std::string_view key);

    // Selecting from code raises no NodeClick.
    bool SelectByKey(std::string_view key);
    std::optional<std::string> SelectedKey() const;
    std::optional<std::string> KeyOf(HTREEITEM node) const;

  private:
    // The key slot the node carries in its lParam; nullopt for no node of ours.
    std::optional<KeyIndex::Slot> SlotOf(HTREEITEM node) const;
    // Forgets the keys of node and of everything below it.
    void ForgetSubtree(HTREEITEM node);
    // Renumbers the nodes' slots once removed ones outnumber them, as a tree's churn makes.
    void CompactKeys();

    KeyIndex keys_;               // each node's slot is its lParam
    std::deque<HTREEITEM> items_; // by slot; nullptr for a removed node
};

} // namespace tk
