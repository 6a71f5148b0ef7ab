#include "tree/main_logic.h"

#include "core/mapi.h"

#include <array>
#include <utility>

namespace vantry {

bool FlashRun::Tick() {
    ++count_;
    if (count_ == kEndTick) {
        count_ = 0;
        return false;
    }
    return true;
}

MainCommand CommandForButtonKey(std::string_view key) {
    for (const ToolbarCommand& button : kToolbarCommands) {
        if (!key.empty() && button.key == key) {
            return button.command;
        }
    }
    return MainCommand::None;
}

} // namespace vantry
