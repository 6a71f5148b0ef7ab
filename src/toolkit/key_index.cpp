#include "toolkit/key_index.h"

#include <functional>

namespace tk {

namespace {

std::size_t Hash(std::string_view key) {
    return std::hash<std::string_view>{}(key);
}

} // namespace

std::size_t KeyIndex::End(Slot slot) const {
    // A removed slot's text stays in place until Compact, so the next start still ends it.
    return slot + 1 < starts_.size() ? starts_[slot + 1] & ~kRemoved : chars_.size();
}

std::string_view KeyIndex::KeyAt(Slot slot) const {
    const std::size_t start = starts_[slot] & ~kRemoved;
    return std::string_view(chars_).substr(start, End(slot) - start);
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
    for (Slot slot = 0; slot < starts_.size(); ++slot) {
        if (Holds(slot)) {
            Place(slot, Hash(KeyAt(slot)));
        }
    }
}

std::optional<KeyIndex::Slot> KeyIndex::Add(std::string_view key) {
    // Offsets and slot numbers are 31 bits: past 2 GB of keys, more are refused.
    const std::size_t hash = Hash(key);
    if (Find(key, hash) || chars_.size() + key.size() >= kRemoved ||
        starts_.size() >= kRemoved - 1) {
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
    const auto slot = static_cast<Slot>(starts_.size());
    starts_.push_back(static_cast<std::uint32_t>(chars_.size()));
    chars_.append(key);
    Place(slot, hash);
    return slot;
}

void KeyIndex::Remove(Slot slot) {
    if (Holds(slot)) {
        starts_[slot] |= kRemoved;
        ++removed_;
    }
}

void KeyIndex::Clear() {
    // Swapped out rather than cleared, so that a long list gives its memory back.
    std::string().swap(chars_);
    std::deque<std::uint32_t>().swap(starts_);
    std::vector<std::uint32_t>().swap(table_);
    removed_ = 0;
    placed_ = 0;
}

std::vector<std::optional<KeyIndex::Slot>> KeyIndex::Compact() {
    std::vector<std::optional<Slot>> moved(starts_.size());
    KeyIndex kept;
    for (Slot slot = 0; slot < starts_.size(); ++slot) {
        if (Holds(slot)) {
            moved[slot] = kept.Add(KeyAt(slot));
        }
    }
    *this = std::move(kept);
    return moved;
}

} // namespace tk
