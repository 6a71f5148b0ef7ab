// Window entries found by their handle. The entries keep the handles; the index keeps only entry
// numbers, in an open-addressing table at most three quarters full: 4 bytes a slot. An entry
// whose handle has become 0 (its window ended) no longer answers, and its slot is dropped when
// the table is next rebuilt.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace vantry {

class HandleIndex {
  public:
    using Entry = std::uint32_t;

    // handleOf(entry) gives the handle an entry holds now.
    template <class HandleOf>
    std::optional<Entry> Find(std::int32_t handle, const HandleOf& handleOf) const {
        if (table_.empty() || handle == 0) {
            return std::nullopt;
        }
        const std::size_t mask = table_.size() - 1;
        for (std::size_t at = Hash(handle) & mask;; at = (at + 1) & mask) {
            const std::uint32_t held = table_[at];
            if (held == kEmpty) {
                return std::nullopt;
            }
            if (handleOf(held) == handle) {
                return held;
            }
        }
    }

    // Adds an entry whose handle no other live entry holds.
    template <class HandleOf> void Add(std::int32_t handle, Entry entry, const HandleOf& handleOf) {
        if ((used_ + 1) * 4 > table_.size() * 3) {
            Rebuild(handleOf);
        }
        Place(handle, entry);
    }

    std::size_t TableSize() const { return table_.size(); }

    void Clear() {
        std::vector<std::uint32_t>().swap(table_);
        used_ = 0;
    }

  private:
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;

    static std::size_t Hash(std::int32_t handle) {
        // Handles come in runs of near numbers; the multiplication spreads them.
        return (static_cast<std::uint32_t>(handle) * 0x9E3779B1u) >> 8;
    }

    void Place(std::int32_t handle, Entry entry) {
        const std::size_t mask = table_.size() - 1;
        std::size_t at = Hash(handle) & mask;
        while (table_[at] != kEmpty) {
            at = (at + 1) & mask;
        }
        table_[at] = entry;
        ++used_;
    }

    // Sized for the entries that still hold a handle, with room to grow.
    template <class HandleOf> void Rebuild(const HandleOf& handleOf) {
        std::vector<std::pair<std::int32_t, Entry>> live;
        for (const std::uint32_t held : table_) {
            if (held != kEmpty && handleOf(held) != 0) {
                live.emplace_back(handleOf(held), held);
            }
        }
        std::size_t size = 16;
        while (size < (live.size() + 1) * 2) { // at most half full afterwards
            size *= 2;
        }
        table_.assign(size, kEmpty);
        used_ = 0;
        for (const auto& [handle, entry] : live) {
            Place(handle, entry);
        }
    }

    std::vector<std::uint32_t> table_; // entry numbers by hash; kEmpty for none
    std::size_t used_ = 0;             // slots taken, by ended entries too
};

} // namespace vantry
