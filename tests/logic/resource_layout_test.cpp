#include "resources/resource_layout.h"

#include <gtest/gtest.h>

using namespace vantry;

namespace {

// The design: client 5715 x 3765, margin 60, pane at (2280, 810) 3375 wide, buttons 1155 x 345,
// fields at 3720, seven pixels of 15 twips.
ResourceFormMetrics Design(int widthChange, int heightChange) {
    return {
        5715 + widthChange, 3765 + heightChange, 60, 345, 2280, 810, 3375, 1155, 1155, 3720, 105};
}

} // namespace

TEST(ResourceFormRule, KeepsTheDesignAndFollowsTheRightAndBottomEdges) {
    const ResourceFormLayout design = ResourceFormRule(Design(0, 0));
    EXPECT_EQ(design.buttonTop, 3360);
    EXPECT_EQ(design.paneWidth, 3375);
    // The rule's margin above the buttons is M (60), so the pane grows by 45 over its design
    // height of 2445, which left 105.
    EXPECT_EQ(design.paneHeight, 2490);
    EXPECT_EQ(design.refreshLeft, 4500);
    EXPECT_EQ(design.closeLeft, 4500 - 1155 - 105);
    EXPECT_EQ(design.fieldWidth, 1935);

    const ResourceFormLayout wider = ResourceFormRule(Design(1500, 600));
    EXPECT_EQ(wider.paneWidth, 3375 + 1500);
    EXPECT_EQ(wider.refreshLeft, 4500 + 1500);
    EXPECT_EQ(wider.fieldWidth, 1935 + 1500);
    EXPECT_EQ(wider.buttonTop, 3360 + 600);
    EXPECT_EQ(wider.paneHeight, 2490 + 600);
}

TEST(ResourceFormRule, RefusesNegativeSizesStepByStep) {
    const ResourceFormLayout narrow = ResourceFormRule(Design(-3500, 0));
    EXPECT_EQ(narrow.paneWidth, std::nullopt);
    EXPECT_EQ(narrow.fieldWidth, std::nullopt);
    EXPECT_EQ(narrow.refreshLeft, 2280 + 3375 - 1155); // from the width the pane kept
    EXPECT_EQ(narrow.buttonTop, 3360);                 // the steps that can run, run
    const ResourceFormLayout low = ResourceFormRule(Design(0, -3000));
    EXPECT_EQ(low.paneHeight, std::nullopt);
    EXPECT_EQ(low.buttonTop, 3360 - 3000);
}

TEST(PaneRule, CentresThePictureAndCutsItWhenLarger) {
    const PaneLayout layout = PaneRule(200, 150, 4, 300, 200);
    EXPECT_EQ(layout.pictureLeft, -50);
    EXPECT_EQ(layout.pictureTop, -25);
    EXPECT_EQ(layout.stringsWidth, 192);
    EXPECT_EQ(layout.stringsHeight, 142);
    EXPECT_EQ(layout.listWidth, 200);
    EXPECT_EQ(PaneRule(6, 6, 4, 0, 0).stringsWidth, std::nullopt);
    EXPECT_EQ(PaneRule(225, 163, 4, 100, 50).pictureLeft, 62);
}
