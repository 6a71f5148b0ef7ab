// The "Window" tab's links: their texts, and the warning when the tree has no node for one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantry {

// HexStr8 of a related window, or "(None)" for 0.
std::string RelationText(std::int32_t handle);

// "The window <text> could not be found." and, on the next line, a hint chosen by whether the
// tree shows only visible windows.
std::string WindowNotFoundText(std::string_view linkText, bool onlyVisible);

} // namespace vantry
