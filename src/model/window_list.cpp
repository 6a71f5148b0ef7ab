#include "model/window_list.h"

#include "model/window_text.h"

#include <algorithm>

namespace vantry {

void WindowList::Load(WindowQueries& queries, std::int32_t root, bool onlyShown) {
    entries_.clear();
    index_.Clear();
    captions_.Clear();
    captionsHeld_ = 0;
    classNames_.clear();
    classIds_.clear();
    lastClass_ = 0;
    live_ = 0;
    Walk(queries, Append(queries, root, kNoParent), onlyShown);
}

std::optional<WindowList::Index> WindowList::AddSubtree(WindowQueries& queries, Index parent,
                                                        std::int32_t window, bool onlyShown) {
    if (onlyShown && !queries.Shows(window)) {
        return std::nullopt;
    }
    return AddShownSubtree(queries, parent, window, onlyShown);
}

std::optional<WindowList::Index> WindowList::AddShownSubtree(WindowQueries& queries, Index parent,
                                                             std::int32_t window, bool onlyShown) {
    if (!Live(parent) || window == 0 || Find(window)) {
        return std::nullopt;
    }
    const Index entry = Append(queries, window, parent);
    Walk(queries, entry, onlyShown);
    return entry;
}

void WindowList::Walk(WindowQueries& queries, Index entry, bool onlyShown) {
    queries.ForEachChild(entries_[entry].handle, [&](std::int32_t child) {
        // A window moved during the walk can be met again; its first place stands.
        if (Find(child) || (onlyShown && !queries.ShowsUnderShownParent(child))) {
            return;
        }
        Walk(queries, Append(queries, child, entry), onlyShown);
    });
}

WindowList::Index WindowList::Append(WindowQueries& queries, std::int32_t handle,
                                     std::uint32_t parent) {
    const WindowFacts facts = queries.Facts(handle);
    const mAPI::TextStore::Place caption = StoreCaption(facts.caption);
    const std::uint32_t classId = ClassId(facts.className);
    entries_.push_back({handle, parent, caption, classId, queries.Picture(handle)});
    const auto entry = static_cast<Index>(entries_.size() - 1);
    index_.Add(handle, entry, [this](Index at) { return entries_[at].handle; });
    ++live_;
    return entry;
}

std::vector<WindowList::Index> WindowList::RemoveSubtree(Index entry) {
    std::vector<Index> ended;
    if (!Live(entry)) {
        return ended;
    }
    // Children come after their parents: one pass from the entry on finds every descendant.
    std::vector<bool> endedHere(entries_.size() - entry, false);
    endedHere[0] = true;
    ended.push_back(entry);
    for (Index at = entry + 1; at < entries_.size(); ++at) {
        const std::uint32_t parent = entries_[at].parent;
        if (entries_[at].handle != 0 && parent != kNoParent && parent >= entry &&
            endedHere[parent - entry]) {
            endedHere[at - entry] = true;
            ended.push_back(at);
        }
    }
    for (const Index at : ended) {
        captionsHeld_ -= Caption(at).size() + 1;
        entries_[at].handle = 0;
    }
    live_ -= ended.size();
    return ended;
}

void WindowList::SetFacts(Index entry, const WindowFacts& facts) {
    if (!Live(entry)) {
        return;
    }
    captionsHeld_ -= Caption(entry).size() + 1;
    const mAPI::TextStore::Place caption = StoreCaption(facts.caption);
    Entry& held = entries_[entry];
    held.caption = caption;
    held.classId = ClassId(facts.className);
}

WindowList::Changes WindowList::Refresh(WindowQueries& queries, std::int32_t window,
                                        bool onlyShown) {
    Changes changes;
    const std::optional<Index> entry = Find(window);
    if (entry && !Parent(*entry)) {
        return changes; // the root stays
    }
    // A window the list lacks is mostly one just made, which shows only later: its own answer
    // settles that in fewer questions than one that asks about its parents too.
    const bool ownAnswerKnown = !entry && onlyShown;
    if (ownAnswerKnown && !queries.ShowsUnderShownParent(window)) {
        return changes;
    }
    const std::int32_t parentHandle = queries.Parent(window);
    const std::optional<Index> parent = parentHandle ? Find(parentHandle) : std::nullopt;
    bool shows = parent.has_value();
    if (shows && onlyShown) {
        // Below the root, which always shows, a window shows by its own answer.
        const bool belowRoot = !Parent(*parent);
        shows = belowRoot ? ownAnswerKnown || queries.ShowsUnderShownParent(window)
                          : queries.Shows(window);
    }
    if (entry && (!shows || parent != Parent(*entry))) {
        RemoveSubtree(*entry);
        changes.ended.push_back(*entry);
    } else if (entry) {
        const WindowFacts facts = queries.Facts(window);
        if (facts.caption != Caption(*entry) || facts.className != ClassName(*entry)) {
            SetFacts(*entry, facts);
            changes.renamed.push_back(*entry);
        }
        return changes;
    }
    if (shows) {
        if (const auto added = AddShownSubtree(queries, *parent, window, onlyShown)) {
            changes.added.push_back(*added);
        }
    }
    return changes;
}

WindowList::Changes WindowList::AddMissingChildren(WindowQueries& queries, Index entry,
                                                   bool onlyShown) {
    Changes changes;
    if (!Live(entry)) {
        return changes;
    }
    std::vector<std::int32_t> missing;
    queries.ForEachChild(entries_[entry].handle, [&](std::int32_t child) {
        if (!Find(child)) {
            missing.push_back(child);
        }
    });
    for (const std::int32_t child : missing) {
        if (const auto added = AddSubtree(queries, entry, child, onlyShown)) {
            changes.added.push_back(*added);
        }
    }
    return changes;
}

std::optional<WindowList::Index> WindowList::Parent(Index entry) const {
    const std::uint32_t parent = entries_[entry].parent;
    return parent == kNoParent ? std::nullopt : std::optional<Index>(parent);
}

std::optional<WindowList::Index> WindowList::Find(std::int32_t handle) const {
    return index_.Find(handle, [this](Index at) { return entries_[at].handle; });
}

std::string_view WindowList::Caption(Index entry) const {
    return captions_.At(entries_[entry].caption);
}

std::string_view WindowList::ClassName(Index entry) const {
    return classNames_[entries_[entry].classId];
}

std::string WindowList::DisplayText(Index entry) const {
    return WindowDisplayText(entries_[entry].handle, Caption(entry), ClassName(entry));
}

std::uint32_t WindowList::ClassId(std::string_view className) {
    // Windows of one class come in runs: the class met last is asked first.
    if (lastClass_ < classNames_.size() && classNames_[lastClass_] == className) {
        return lastClass_;
    }
    const auto [found, added] =
        classIds_.emplace(std::string(className), static_cast<std::uint32_t>(classNames_.size()));
    if (added) {
        classNames_.emplace_back(className);
    }
    lastClass_ = found->second;
    return lastClass_;
}

mAPI::TextStore::Place WindowList::StoreCaption(std::string_view caption) {
    // Renamed and ended windows leave their old captions behind; once those outweigh the held
    // ones, the held captions are copied into a new store.
    if (captions_.Bytes() - captionsHeld_ > std::max<std::size_t>(captionsHeld_, 4096)) {
        mAPI::TextStore compact;
        for (Entry& held : entries_) {
            if (held.handle != 0) {
                held.caption = compact.Add(captions_.At(held.caption));
            }
        }
        std::swap(captions_, compact);
    }
    captionsHeld_ += caption.size() + 1;
    return captions_.Add(caption);
}

} // namespace vantry
