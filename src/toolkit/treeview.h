// A tree view whose nodes are found by unique text keys, as the forms address them.
#pragma once

#include "toolkit/control.h"
#include "toolkit/key_index.h"

#include <commctrl.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class ImageList;

class TreeView : public Control {
  public:
    using Control::Control;
    void Create(Form& parent) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

    void SetImageList(const ImageList& images);

    // Adds a node as the last child of the node with relativeKey (top level when empty).
    // Returns nullptr when the key is taken or the relative is missing.
    HTREEITEM Add(std::string_view relativeKey, std::string_view key, const std::string& text,
                  int image, bool bold = false, bool expanded = false);
    // The same below a node already at hand (TVI_ROOT for the top level): no key lookup.
    HTREEITEM AddChild(HTREEITEM parent, std::string_view key, const std::string& text, int image,
                       bool bold = false, bool expanded = false);
    HTREEITEM Find(std::string_view key) const;
    // The node's text as the control holds it; empty for no node.
    std::string NodeText(HTREEITEM node) const;
    bool Exists(std::string_view key) const { return Find(key) != nullptr; }
    void Clear();
    // Removes the node and everything below it; false for an unknown key.
    bool Remove(std::string_view key);
    void SetNodeText(HTREEITEM node, const std::string& text);
    std::size_t Count() const { return keys_.Count(); }
    // Nodes in the order they were added.
    std::vector<HTREEITEM> Nodes() const;

    void SetExpanded(HTREEITEM node, bool expanded);
    void SetBold(HTREEITEM node, bool bold);
    bool Expanded(HTREEITEM node) const;

    // Selecting from code raises no NodeClick.
    bool SelectByKey(std::string_view key);
    std::optional<std::string> SelectedKey() const;
    std::optional<std::string> KeyOf(HTREEITEM node) const;

    // Where the user is: the selected node, the expanded nodes and the first node in view, by
    // key, so that a reload can put them back for the nodes that are still there.
    struct Place {
        std::optional<std::string> selected;
        std::vector<std::string> expanded;
        std::optional<std::string> firstVisible;
    };
    Place CurrentPlace() const;
    // Expands, selects (as code does: no NodeClick) and scrolls back what still exists.
    void RestorePlace(const Place& place);

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

      private:
        TreeView& tree_;
        BulkScope scope_;
    };
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

  private:
    void OnClick();
    // The key slot the node carries in its lParam; nullopt for no node of ours.
    std::optional<KeyIndex::Slot> SlotOf(HTREEITEM node) const;
    // Forgets the keys of node and of everything below it.
    void ForgetSubtree(HTREEITEM node);
    // Renumbers the nodes' slots once removed ones outnumber them, as a live tree's churn makes.
    void CompactKeys();
    POINT ContextMenuPoint(LPARAM lParam) const;
    bool SubclassMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    KeyIndex keys_;               // each node's slot is its lParam
    std::deque<HTREEITEM> items_; // by slot; nullptr for a removed node
    bool selectedByThisClick_ = false;
    bool hiddenForRefill_ = false;
    POINT lastPress_{-1, -1}; // where the last left press was, in client pixels
};

} // namespace tk
