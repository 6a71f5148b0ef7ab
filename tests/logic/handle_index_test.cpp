#include "model/handle_index.h"

#include <gtest/gtest.h>

#include <random>
#include <unordered_map>

using vantry::HandleIndex;

namespace {

// Entries as a window list keeps them: a handle each, 0 once the window ended.
struct Entries {
    std::vector<std::int32_t> handles;
    HandleIndex index;

    std::int32_t operator()(HandleIndex::Entry entry) const { return handles[entry]; }
    void Add(std::int32_t handle) {
        handles.push_back(handle);
        index.Add(handle, static_cast<HandleIndex::Entry>(handles.size() - 1), *this);
    }
    std::optional<HandleIndex::Entry> Find(std::int32_t handle) const {
        return index.Find(handle, *this);
    }
};

} // namespace

TEST(HandleIndex, FindsEveryLiveEntryAndNothingElse) {
    Entries entries;
    EXPECT_EQ(entries.Find(0x10020), std::nullopt);
    // Runs of near handles, as a desktop gives them, and handles with the top bit set.
    for (std::int32_t i = 0; i < 5000; ++i) {
        entries.Add(0x10020 + 2 * i);
    }
    entries.Add(static_cast<std::int32_t>(0x80000010u));
    for (std::int32_t i = 0; i < 5000; ++i) {
        ASSERT_EQ(entries.Find(0x10020 + 2 * i), static_cast<HandleIndex::Entry>(i));
        ASSERT_EQ(entries.Find(0x10021 + 2 * i), std::nullopt);
    }
    EXPECT_EQ(entries.Find(static_cast<std::int32_t>(0x80000010u)), 5000u);
    EXPECT_EQ(entries.Find(0), std::nullopt);
    entries.index.Clear();
    EXPECT_EQ(entries.Find(0x10020), std::nullopt);
}

TEST(HandleIndex, EndedEntriesStopAnsweringAndTheirHandlesCanComeBack) {
    Entries entries;
    entries.Add(0x100);
    entries.Add(0x200);
    entries.handles[0] = 0; // the window ended
    EXPECT_EQ(entries.Find(0x100), std::nullopt);
    EXPECT_EQ(entries.Find(0x200), 1u);
    entries.Add(0x100); // shown again: a new entry
    EXPECT_EQ(entries.Find(0x100), 2u);
}

TEST(HandleIndex, ALongChurnKeepsAnswersRightAndTheTableSmall) {
    // Windows made and ended at random, as a live tree sees them: the index always answers as
    // a plain map of the live handles does, and ended entries do not pile up in its table.
    Entries entries;
    std::unordered_map<std::int32_t, HandleIndex::Entry> live;
    std::mt19937 random(7);
    for (int step = 0; step < 40000; ++step) {
        const std::int32_t handle = static_cast<std::int32_t>(random() % 3000) + 1;
        const auto found = live.find(handle);
        if (found == live.end()) {
            entries.Add(handle);
            live[handle] = static_cast<HandleIndex::Entry>(entries.handles.size() - 1);
        } else {
            entries.handles[found->second] = 0;
            live.erase(found);
        }
        if (step % 997 == 0) {
            for (std::int32_t probe = 1; probe <= 3000; ++probe) {
                const auto expected = live.find(probe);
                ASSERT_EQ(entries.Find(probe),
                          expected == live.end() ? std::nullopt : std::optional(expected->second));
            }
        }
    }
    EXPECT_LE(entries.index.TableSize(), 8192u); // at most 3,000 live handles
}
