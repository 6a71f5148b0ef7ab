#include "model/window_text.h"
#include "tree/main_layout.h"

#include <gtest/gtest.h>

#include <climits>

using namespace vantry;

TEST(WindowDisplayText, QuotesTheCaptionAndNamesTheSystemClasses) {
    EXPECT_EQ(WindowDisplayText(0x00010014, "", "#32769"), "00010014 \"\" #32769 (Desktop)");
    EXPECT_EQ(WindowDisplayText(0x2A, "Open", "#32770"), "0000002A \"Open\" #32770 (Dialog Box)");
    EXPECT_EQ(WindowDisplayText(-1, "a \"b\"", "Edit"), "FFFFFFFF \"a \"b\"\" Edit");
    EXPECT_EQ(SystemClassSuffix("#32768"), " (Menu)");
    EXPECT_EQ(SystemClassSuffix("#32771"), " (Task Switch Window)");
    EXPECT_EQ(SystemClassSuffix("#32772"), " (Icon Title)");
    // The comparison is exact: near names get nothing.
    for (const char* name : {"#3277", "#32773", "#32770 ", "#32769x", "", "Button"}) {
        EXPECT_EQ(SystemClassSuffix(name), "") << name;
    }
}

TEST(MainTreeExtent, FillsTheSpaceBetweenTopAndStatusBar) {
    const TreeExtent normal = MainTreeExtent(7740, 5265, 315, 480);
    EXPECT_EQ(normal.width, 7740);
    EXPECT_EQ(normal.height, 4470);
    EXPECT_EQ(MainTreeExtent(100, 795, 315, 480).height, 0);
    // Too low for the tree: the width still follows, the height is left alone.
    const TreeExtent tiny = MainTreeExtent(1200, 600, 315, 480);
    EXPECT_EQ(tiny.width, 1200);
    EXPECT_EQ(tiny.height, std::nullopt);
}
