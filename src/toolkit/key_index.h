// Unique text keys, each numbered by the slot it was added in, held compactly: the texts side
// by side in chunks and an open-addressing table of slot numbers. A tree of thousands of nodes then
// spends about 20 bytes a key instead of a map node, a string and a hash bucket each.
#pragma once

#include "core/text_store.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class KeyIndex {
  public:
    using Slot = std::uint32_t;

    // The new key's slot (the next number after the last); nullopt when the key is held.
    std::optional<Slot> Add(std::string_view key);
    std::optional<Slot> Find(std::string_view key) const;
    // Forgets the key in slot; its number is not given again until Compact.
    void Remove(Slot slot);
    void Clear();

    bool Holds(Slot slot) const { return slot < places_.size() && !(places_[slot] & kRemoved); }
    // The key of a held slot.
    std::string_view KeyAt(Slot slot) const;
    // Slots numbered so far, removed ones included: held slots are those below it.
    Slot SlotCount() const { return static_cast<Slot>(places_.size()); }
    std::size_t Count() const { return places_.size() - removed_; }
    // True once removed slots outnumber held ones, when compacting pays.
    bool Sparse() const { return removed_ > Count(); }

    // Renumbers the held keys 0, 1, ... in their order and drops what removed ones left behind;
    // returns each old slot's new number (nullopt for a removed one).
    std::vector<std::optional<Slot>> Compact();

  private:
    static constexpr std::uint32_t kRemoved = 0x80000000u;

    void Rebuild(std::size_t tableSize);
    std::optional<Slot> Find(std::string_view key, std::size_t hash) const;
    void Place(Slot slot, std::size_t hash);

    mAPI::TextStore texts_;            // every key's text
    std::deque<std::uint32_t> places_; // each slot's text in texts_; kRemoved marks removal
    std::vector<std::uint32_t> table_; // slot + 1 by hash, 0 for empty; a power of two long
    std::size_t removed_ = 0;
    std::size_t placed_ = 0; // table entries in use, removed slots' included
};

} // namespace tk
