#include "test_windows.h"

#include <gtest/gtest.h>

// The shipped program itself, as a user starts it: its main window shows, and closing it ends
// the program with exit code 0.
TEST(Program, StartsShowsItsMainWindowAndEndsWhenClosed) {
    testwin::Process program(testwin::VantryPath(), "");
    HWND main = program.WaitForWindow("Vantry.Form");
    ASSERT_NE(main, nullptr);
    char caption[64] = {};
    GetWindowTextA(main, caption, sizeof caption);
    EXPECT_STREQ(caption, "Vantry 1.0");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}
