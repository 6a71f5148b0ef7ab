// The "Window" tab's links: their texts, the tree key they lead to, and the warning when the
// tree has no such node.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantry {

// HexStr8 of a related window, or "(None)" for 0.
std::string RelationText(std::int32_t handle);

// The tree key a link's text leads to: WindowKey of TryHexToLong of the text; nullopt for
// "(None)" and other texts that are no handle.
std::optional<std::string> TryLinkKey(std::string_view linkText);

// "The window <text> could not be found." and, on the next line, a hint chosen by whether the
// tree shows only visible windows.
std::string WindowNotFoundText(std::string_view linkText, bool onlyVisible);

} // namespace vantry
