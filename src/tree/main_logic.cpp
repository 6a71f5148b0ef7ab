#include "tree/main_logic.h"

#include "core/mapi.h"

#include <array>
#include <charconv>
#include <utility>

namespace vantry {

std::optional<std::int32_t> TryKeyToHandle(std::string_view key) {
    const std::string_view number = key.empty() ? key : key.substr(1);
    std::int32_t handle = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), handle);
    if (number.empty() || error != std::errc() || end != number.data() + number.size()) {
        return std::nullopt;
    }
    return handle;
}

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
