#include "core/mapi.h"
#include "tree/main_logic.h"

#include <gtest/gtest.h>

using namespace vantry;

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
