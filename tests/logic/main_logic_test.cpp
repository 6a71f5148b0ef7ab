#include "core/mapi.h"
#include "model/window_text.h"
#include "tree/main_logic.h"

#include <gtest/gtest.h>

#include <climits>

using namespace vantry;

TEST(TryKeyToHandle, ReadsTheNumberAfterTheFirstCharacter) {
    EXPECT_EQ(TryKeyToHandle("h65578"), 65578);
    EXPECT_EQ(TryKeyToHandle("h-2147483632"), static_cast<std::int32_t>(0x80000010u));
    for (const std::int32_t handle : {0, 1, 0x0001002A, INT32_MAX, INT32_MIN, -1}) {
        EXPECT_EQ(TryKeyToHandle(WindowKey(handle)), handle);
    }
}

TEST(TryKeyToHandle, RejectsKeysThatHoldNoHandle) {
    for (const char* key : {"", "h", "h12x", "hx", "h 1", "h1.5"}) {
        EXPECT_EQ(TryKeyToHandle(key), std::nullopt) << key;
    }
    EXPECT_EQ(TryKeyToHandle("h2147483648"), std::nullopt);
}

TEST(FlashRun, FlashesEighteenTimesThenEndsAndStartsAgain) {
    FlashRun run;
    for (int run_number = 0; run_number < 2; ++run_number) {
        int flashes = 0;
        while (run.Tick()) {
            ++flashes;
            ASSERT_LT(flashes, 100);
        }
        EXPECT_EQ(flashes, 18);
        EXPECT_EQ(run.FlashCount(), 0);
    }
}

TEST(CommandForButtonKey, MatchesKeysExactly) {
    EXPECT_EQ(CommandForButtonKey("Update"), MainCommand::Update);
    EXPECT_EQ(CommandForButtonKey("VIS"), MainCommand::OnlyVisible);
    EXPECT_EQ(CommandForButtonKey("Props"), MainCommand::WindowProps);
    EXPECT_EQ(CommandForButtonKey("Resource"), MainCommand::ShowResources);
    EXPECT_EQ(CommandForButtonKey("Find"), MainCommand::Search);
    EXPECT_EQ(CommandForButtonKey("Activate"), MainCommand::Activate);
    EXPECT_EQ(CommandForButtonKey("Flash"), MainCommand::Flash);
    for (const char* key : {"", "update", "Vis", "Props ", "Resources", "Flas"}) {
        EXPECT_EQ(CommandForButtonKey(key), MainCommand::None) << key;
    }
}
