// The main form's logic that needs no window: the flash run's count and the toolbar's key
// dispatch.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vantry {

// Counts the ticks of one flash run: 18 ticks flash the window, the 19th ends the run.
class FlashRun {
  public:
    static constexpr std::uint16_t kEndTick = 19;

    // True when this tick flashes; false when it ends the run (and the count starts again).
    bool Tick();
    std::uint16_t FlashCount() const { return count_; }

  private:
    std::uint16_t count_ = 0;
};

enum class MainCommand {
    None,
    Update,
    OnlyVisible,
    WindowProps,
    ShowResources,
    Search,
    Activate,
    Flash
};

// The toolbar, button by button: its key, tooltip, picture (counted from 1; 0 for a separator)
// and the command it gives. The only check button, VIS, starts pressed.
struct ToolbarCommand {
    std::string_view key;
    std::string_view tooltip;
    int image = 0;
    MainCommand command = MainCommand::None;
};
inline constexpr std::array<ToolbarCommand, 10> kToolbarCommands{{
    {"Update", "Update", 1, MainCommand::Update},
    {"VIS", "Show only visible windows", 2, MainCommand::OnlyVisible},
    {},
    {"Props", "Properties", 3, MainCommand::WindowProps},
    {"Resource", "Resources", 4, MainCommand::ShowResources},
    {},
    {"Find", "Window search", 5, MainCommand::Search},
    {},
    {"Activate", "Activate window", 6, MainCommand::Activate},
    {"Flash", "Flash window", 7, MainCommand::Flash},
}};

// The command a toolbar button's key stands for; keys compare exactly.
MainCommand CommandForButtonKey(std::string_view key);

} // namespace vantry
