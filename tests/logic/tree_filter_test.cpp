#include "model/tree_filter.h"

#include <gtest/gtest.h>

using namespace vantry;

TEST(MatchesFilter, FindsTheTextInEveryFieldIgnoringCase) {
    const FilterSubject edit{"0001002A \"Say Hello\" Edit (Edit)", 0x1F4,
                             "C:\\Program Files\\Tools\\NotePad.EXE"};
    for (const char* text :
         {"", "hello", "SAY HE", "0001002a", "edit", "000001f4", "1F4", "500", "notepad", ".exe"}) {
        EXPECT_TRUE(MatchesFilter(text, edit)) << text;
    }
    for (const char* text : {"goodbye", "tools", "program", "501", "hello!"}) {
        EXPECT_FALSE(MatchesFilter(text, edit)) << text;
    }
    // Letters beyond ASCII match as they are.
    const FilterSubject han{"00000003 \"\u6D4B\u8BD5\" X", 7, ""};
    EXPECT_TRUE(MatchesFilter("\u6D4B", han));
    EXPECT_FALSE(MatchesFilter("\u00c9", FilterSubject{"\u00e9", 7, ""}));
}

TEST(KeptWithAncestors, KeepsEveryAncestorOfAMatchAndNothingElse) {
    // 0 has the children 1 and 4; 1 has 2 and 3; 4 has 5.
    const std::vector<int> parents{-1, 0, 1, 1, 0, 4};
    EXPECT_EQ(KeptWithAncestors(parents, {false, false, false, true, false, false}),
              (std::vector<bool>{true, true, false, true, false, false}));
    EXPECT_EQ(KeptWithAncestors(parents, {false, false, false, false, false, true}),
              (std::vector<bool>{true, false, false, false, true, true}));
    EXPECT_EQ(KeptWithAncestors(parents, std::vector<bool>(6, false)), std::vector<bool>(6, false));
    // A parent index that does not come first is ignored rather than followed.
    EXPECT_EQ(KeptWithAncestors({-1, 2, 0}, {false, true, false}),
              (std::vector<bool>{false, true, false}));
}

TEST(FilterCueText, TheNounFollowsTheCount) {
    EXPECT_EQ(FilterCueText(1, "1"), "Filter 1 window");
    EXPECT_EQ(FilterCueText(0, "0"), "Filter 0 windows");
    EXPECT_EQ(FilterCueText(2, "2"), "Filter 2 windows");
    EXPECT_EQ(FilterCueText(12345, "12,345"), "Filter 12,345 windows");
}
