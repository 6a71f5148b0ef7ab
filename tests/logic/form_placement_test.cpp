#include "model/form_placement.h"

#include <gtest/gtest.h>

using vantry::BesideSelection;
using vantry::Box;
using vantry::CentredOver;

namespace {

const Box kScreen{0, 0, 1024, 768};

} // namespace

TEST(FormPlacement, TheSearchDialogStandsCentredOverMainAndOnTheScreen) {
    const Box main{0, 0, 520, 400};
    EXPECT_EQ(CentredOver(main, 320, 250, kScreen), (Box{100, 75, 420, 325}));
    // Main partly off the screen: the dialog moves back onto it.
    const Box offLeft{-400, 600, 120, 1000};
    EXPECT_EQ(CentredOver(offLeft, 320, 250, kScreen), (Box{0, 518, 320, 768}));
    // Larger than the screen: its top-left corner stays visible.
    EXPECT_EQ(CentredOver(main, 2000, 1000, kScreen), (Box{0, 0, 2000, 1000}));
}

TEST(FormPlacement, InspectionFormsLeaveTheSelectionUncovered) {
    const Box main{0, 0, 520, 400};
    const Box row{20, 100, 300, 116};
    // Room to the right of Main.
    EXPECT_EQ(BesideSelection(main, row, 340, 280, kScreen), (Box{520, 0, 860, 280}));
    // Main at the right edge: to its left.
    const Box right{600, 0, 1024, 400};
    const Box rightRow{620, 100, 900, 116};
    EXPECT_EQ(BesideSelection(right, rightRow, 340, 280, kScreen), (Box{260, 0, 600, 280}));
    // Main as wide as the screen, the row across it: below the row.
    const Box wide{0, 0, 1024, 700};
    const Box wideRow{20, 100, 1000, 116};
    EXPECT_EQ(BesideSelection(wide, wideRow, 340, 280, kScreen), (Box{0, 116, 340, 396}));
    // Pushed back onto the screen beside Main, yet clear of a short row.
    EXPECT_EQ(BesideSelection(wide, row, 340, 280, kScreen), (Box{684, 0, 1024, 280}));
    // Nowhere free: the first place, kept on the screen.
    const Box huge{0, 0, 1024, 768};
    EXPECT_EQ(BesideSelection(huge, {0, 300, 1024, 316}, 1000, 700, kScreen),
              (Box{24, 0, 1024, 700}));
}
