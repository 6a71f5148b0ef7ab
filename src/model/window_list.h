// The windows of one load, as every view of the window tree shows them: each with its parent,
// handle, caption, class and picture, a parent before its children. One walk fills it through
// WindowQueries (the system's, or a made-up desktop in tests); the live tree changes it window
// by window.
#pragma once

#include "core/text_store.h"
#include "model/handle_index.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantry {

// What a node says of one window.
struct WindowFacts {
    std::string caption; // as the tree cuts it
    std::string className;
};

// The questions a walk asks about windows. A window that has ended answers with no children,
// does not show, and has empty facts.
class WindowQueries {
  public:
    virtual ~WindowQueries() = default;
    // The window's children, front to back, each once.
    virtual void ForEachChild(std::int32_t window,
                              const std::function<void(std::int32_t)>& visit) = 0;
    // Visible and on the screen, as "Only visible windows" asks.
    virtual bool Shows(std::int32_t window) = 0;
    // The same for a window whose parent shows: a walk asks no more than that.
    virtual bool ShowsUnderShownParent(std::int32_t window) { return Shows(window); }
    // The window's parent (the desktop for a top-level window); 0 for a window that has ended.
    virtual std::int32_t Parent(std::int32_t window) = 0;
    virtual WindowFacts Facts(std::int32_t window) = 0;
    // The tree's image of a window entering the list, in the view's own numbering.
    virtual int Picture(std::int32_t window) = 0;
};

class WindowList {
  public:
    using Index = std::uint32_t;

    // The walk from root: root first, then each child below its parent, in the order the
    // queries give them; with onlyShown, a window that does not show is left out with
    // everything below it (root aside). A window met twice (moved during the walk) keeps its
    // first place.
    void Load(WindowQueries& queries, std::int32_t root, bool onlyShown);
    // Adds the window and what is below it under parent, walked as Load walks; nullopt when
    // parent has ended, the window is listed already, or onlyShown leaves it out.
    std::optional<Index> AddSubtree(WindowQueries& queries, Index parent, std::int32_t window,
                                    bool onlyShown);
    // Ends the entry and every entry below it; returns the entries ended, the first one
    // first. Ended entries keep their place and answer no more.
    std::vector<Index> RemoveSubtree(Index entry);
    void SetFacts(Index entry, const WindowFacts& facts);

    // What one Refresh changed, for a view to follow: the entries ended (each with everything
    // below it), the entries added (each with everything below it: the entries from
    // it to the end of the list), and the ones renamed.
    struct Changes {
        std::vector<Index> ended;
        std::vector<Index> added;
        std::vector<Index> renamed;
        bool Any() const { return !ended.empty() || !added.empty() || !renamed.empty(); }
    };
    // Brings one window's entry in line with the system, whatever was reported of it: ends it
    // when the window has ended or no longer shows, moves it when its parent changed, renames
    // it when its caption or class changed, and adds it when the list lacks it and holds its
    // parent.
    Changes Refresh(WindowQueries& queries, std::int32_t window, bool onlyShown);
    // Adds the children of a listed window that the list lacks.
    Changes AddMissingChildren(WindowQueries& queries, Index entry, bool onlyShown);

    // Entries made so far, ended ones included; indices stay valid until the next Load.
    std::size_t Size() const { return entries_.size(); }
    std::size_t LiveCount() const { return live_; }
    bool Live(Index entry) const { return entries_[entry].handle != 0; }
    std::int32_t Handle(Index entry) const { return entries_[entry].handle; }
    // The parent's entry; nullopt for the root.
    std::optional<Index> Parent(Index entry) const;
    std::optional<Index> Find(std::int32_t handle) const;
    std::string_view Caption(Index entry) const;
    std::string_view ClassName(Index entry) const;
    int Picture(Index entry) const { return entries_[entry].picture; }
    // The node's text: handle, quoted caption, class with its system suffix.
    std::string DisplayText(Index entry) const;

  private:
    static constexpr std::uint32_t kNoParent = 0xFFFFFFFFu;

    struct Entry {
        std::int32_t handle; // 0 once ended
        std::uint32_t parent;
        mAPI::TextStore::Place caption;
        std::uint32_t classId; // in classNames_
        std::int32_t picture;
    };

    // AddSubtree for a window known to show.
    std::optional<Index> AddShownSubtree(WindowQueries& queries, Index parent, std::int32_t window,
                                         bool onlyShown);
    Index Append(WindowQueries& queries, std::int32_t handle, std::uint32_t parent);
    void Walk(WindowQueries& queries, Index entry, bool onlyShown);
    std::uint32_t ClassId(std::string_view className);
    mAPI::TextStore::Place StoreCaption(std::string_view caption);

    std::deque<Entry> entries_; // chunks: a growing list leaves no outgrown copies behind
    HandleIndex index_;
    mAPI::TextStore captions_;
    std::size_t captionsHeld_ = 0;        // bytes of captions_ still in use, terminators included
    std::vector<std::string> classNames_; // each class once
    std::unordered_map<std::string, std::uint32_t> classIds_;
    std::uint32_t lastClass_ = 0;
    std::size_t live_ = 0;
};

} // namespace vantry
