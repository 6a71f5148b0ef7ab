#include "toolkit/key_index.h"

#include <gtest/gtest.h>

#include <string>

using tk::KeyIndex;

TEST(KeyIndex, FindsEveryKeyItWasGivenAndRefusesDuplicates) {
    KeyIndex keys;
    for (int i = 0; i < 5000; ++i) {
        ASSERT_EQ(keys.Add("h" + std::to_string(i)), static_cast<KeyIndex::Slot>(i));
    }
    EXPECT_EQ(keys.Add("h42"), std::nullopt);
    EXPECT_EQ(keys.Add(""), 5000u); // the empty key is a key like any other
    for (int i = 0; i < 5000; ++i) {
        const std::string key = "h" + std::to_string(i);
        ASSERT_EQ(keys.Find(key), static_cast<KeyIndex::Slot>(i));
        ASSERT_EQ(keys.KeyAt(static_cast<KeyIndex::Slot>(i)), key);
    }
    EXPECT_EQ(keys.Find("h5000"), std::nullopt);
    EXPECT_EQ(keys.Find("h"), std::nullopt); // a prefix of held keys
    EXPECT_EQ(keys.Count(), 5001u);
}

TEST(KeyIndex, ARemovedKeyIsGoneAndCanComeBackInANewSlot) {
    KeyIndex keys;
    keys.Add("a");
    keys.Add("bb");
    keys.Add("ccc");
    keys.Remove(1);
    keys.Remove(1); // twice is once
    EXPECT_EQ(keys.Find("bb"), std::nullopt);
    EXPECT_FALSE(keys.Holds(1));
    EXPECT_EQ(keys.KeyAt(2), "ccc"); // its neighbour's text is whole
    EXPECT_EQ(keys.Count(), 2u);
    EXPECT_EQ(keys.Add("bb"), 3u);
    EXPECT_EQ(keys.Find("bb"), 3u);
    keys.Remove(99); // no such slot
    EXPECT_EQ(keys.Count(), 3u);
}

TEST(KeyIndex, CompactRenumbersHeldKeysInOrderAndReportsTheMoves) {
    KeyIndex keys;
    for (const char* key : {"w1", "w2", "w3", "w4", "w5"}) {
        keys.Add(key);
    }
    keys.Remove(0);
    keys.Remove(2);
    keys.Remove(3);
    EXPECT_TRUE(keys.Sparse());
    const auto moved = keys.Compact();
    ASSERT_EQ(moved.size(), 5u);
    EXPECT_EQ(moved[0], std::nullopt);
    EXPECT_EQ(moved[1], 0u);
    EXPECT_EQ(moved[4], 1u);
    EXPECT_EQ(keys.SlotCount(), 2u);
    EXPECT_EQ(keys.Find("w2"), 0u);
    EXPECT_EQ(keys.Find("w5"), 1u);
    EXPECT_EQ(keys.Find("w3"), std::nullopt);
    EXPECT_FALSE(keys.Sparse());
    EXPECT_EQ(keys.Add("w6"), 2u);
}

// A live tree adds and removes without end; lookups must stay right through the table's
// regrowth while removed slots pile up between compactions.
TEST(KeyIndex, ChurnKeepsEveryLookupRight) {
    KeyIndex keys;
    std::vector<std::optional<KeyIndex::Slot>> slotOf(3000);
    for (int round = 0; round < 20; ++round) {
        for (int i = 0; i < 3000; ++i) {
            const std::string key = "k" + std::to_string(i);
            if ((i + round) % 3 == 0 && slotOf[i]) {
                keys.Remove(*slotOf[i]);
                slotOf[i].reset();
            } else if (!slotOf[i]) {
                slotOf[i] = keys.Add(key);
                ASSERT_TRUE(slotOf[i]);
            }
        }
        if (keys.Sparse()) {
            const auto moved = keys.Compact();
            for (auto& slot : slotOf) {
                slot = slot ? moved[*slot] : std::nullopt;
            }
        }
        for (int i = 0; i < 3000; ++i) {
            ASSERT_EQ(keys.Find("k" + std::to_string(i)), slotOf[i]) << "round " << round;
        }
    }
    keys.Clear();
    EXPECT_EQ(keys.Count(), 0u);
    EXPECT_EQ(keys.Find("k1"), std::nullopt);
}

// Keys lie side by side, each ended only by the next one's start: empty keys between them and
// very long ones must read back whole.
TEST(KeyIndex, EmptyAndLongKeysReadBackWhole) {
    KeyIndex keys;
    std::vector<std::string> added;
    for (int i = 0; i < 3000; ++i) {
        std::string key = std::string(static_cast<std::size_t>(i % 37), 'x') + std::to_string(i);
        if (i % 500 == 7) {
            key = std::string(10000 + i, 'L') + std::to_string(i);
        }
        if (i % 250 == 3) {
            key = "";
        }
        if (keys.Add(key)) {
            added.push_back(key);
        } else {
            ASSERT_TRUE(key.empty()); // only the empty key comes twice
        }
    }
    for (std::size_t slot = 0; slot < added.size(); ++slot) {
        ASSERT_EQ(keys.KeyAt(static_cast<KeyIndex::Slot>(slot)), added[slot]) << slot;
        ASSERT_EQ(keys.Find(added[slot]), slot);
    }
}
