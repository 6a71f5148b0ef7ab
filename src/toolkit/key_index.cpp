#include "toolkit/key_index.h"

#include <algorithm>
#include <functional>

namespace tk {

namespace {

std::size_t Hash(std::string_view key) {
    return std::hash<std::string_view>{}(key);
}

} // namespace

std::string_view KeyIndex::KeyAt(Slot slot) const {
    return texts_.At(places_[slot] & ~kRemoved);
}

std::optional<KeyIndex::Slot> KeyIndex::Find(std::string_view key) const {
    return Find(key, Hash(key));
}

std::optional<KeyIndex::Slot> KeyIndex::Find(std::string_view key, std::size_t hash) const {
    if (table_.empty()) {
        return std::nullopt;
    }
    const std::size_t mask = table_.size() - 1;
    for (std::size_t at = hash & mask; table_[at] != 0; at = (at + 1) & mask) {
        const Slot slot = table_[at] - 1;
        if (Holds(slot) && KeyAt(slot) == key) {
            return slot;
        }
    }
    return std::nullopt;
}

void KeyIndex::Place(Slot slot, std::size_t hash) {
    const std::size_t mask = table_.size() - 1;
    std::size_t at = hash & mask;
    while (table_[at] != 0) {
        at = (at + 1) & mask;
    }
    table_[at] = slot + 1;
    ++placed_;
}

void KeyIndex::Rebuild(std::size_t tableSize) {
    table_.assign(tableSize, 0);
    placed_ = 0;
    for (Slot slot = 0; slot < places_.size(); ++slot) {
        if (Holds(slot)) {
            Place(slot, Hash(KeyAt(slot)));
        }
    }
}

std::optional<KeyIndex::Slot> KeyIndex::Add(std::string_view key) {
    // Places and slot numbers are 31 bits: past 1 GB of keys, more are refused. A key is
    // kept up to a NUL, as a control's text is.
    key = key.substr(0, std::min(key.find('\0'), key.size()));
    const std::size_t hash = Hash(key);
    if (Find(key, hash) || texts_.Bytes() + key.size() >= kRemoved / 2 ||
        places_.size() >= kRemoved - 1) {
        return std::nullopt;
    }
    // At most three quarters full, so that a search meets an empty entry soon; a rebuilt
    // table is at most half full.
    if ((placed_ + 1) * 4 > table_.size() * 3) {
        std::size_t size = 16;
        while (size < (Count() + 1) * 2) {
            size *= 2;
        }
        Rebuild(size);
    }
    const auto slot = static_cast<Slot>(places_.size());
    places_.push_back(texts_.Add(key));
    Place(slot, hash);
    return slot;
}

void KeyIndex::Remove(Slot slot) {
    if (Holds(slot)) {
        places_[slot] |= kRemoved;
        ++removed_;
    }
}

void KeyIndex::Clear() {
    // Swapped out rather than cleared, so that a long list gives its memory back.
    texts_.Clear();
    std::deque<std::uint32_t>().swap(places_);
    std::vector<std::uint32_t>().swap(table_);
    removed_ = 0;
    placed_ = 0;
}

std::vector<std::optional<KeyIndex::Slot>> KeyIndex::Compact() {
    std::vector<std::optional<Slot>> moved(places_.size());
    KeyIndex kept;
    for (Slot slot = 0; slot < places_.size(); ++slot) {
        if (Holds(slot)) {
            moved[slot] = kept.Add(KeyAt(slot));
        }
    }
    *this = std::move(kept);
    return moved;
}

} // namespace tk
