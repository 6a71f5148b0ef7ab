#include "core/handles.h"
#include "core/loaded_forms.h"
#include "tree/main_form.h"

#include <gtest/gtest.h>

using vantry::Main;

TEST(IsFormLoaded, FollowsTheVeryFormObjectThroughItsLife) {
    Main first;
    Main second;
    EXPECT_FALSE(mAPI::IsFormLoaded(first)); // referenced, never shown
    first.Show();
    EXPECT_TRUE(mAPI::IsFormLoaded(first));
    EXPECT_FALSE(mAPI::IsFormLoaded(second)); // same type is not the same form
    second.Show();
    EXPECT_TRUE(first.Unload());
    EXPECT_FALSE(mAPI::IsFormLoaded(first));
    EXPECT_TRUE(mAPI::IsFormLoaded(second));
    // Closing the window the way a user does unloads as well.
    SendMessageA(second.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(mAPI::IsFormLoaded(second));
    EXPECT_EQ(mAPI::LoadedForms::Count(), 0u);
}

TEST(IsFormLoaded, ForgetsAFormWhoseWindowIsDestroyedBehindItsBack) {
    Main main;
    main.Show();
    DestroyWindow(main.hWnd());
    EXPECT_FALSE(mAPI::IsFormLoaded(main));
    // It loads again as new.
    main.Show();
    EXPECT_TRUE(mAPI::IsFormLoaded(main));
    EXPECT_NE(main.tvTree.Count(), 0u);
}
