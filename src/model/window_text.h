// How a window is named in the tree: its node key and its display text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantry {

// Longest caption the tree shows, in characters.
constexpr int kMaxTreeCaption = 1024;

// The suffix the five system classes get after their class name, or "".
std::string_view SystemClassSuffix(std::string_view className);

// HexStr8 of the handle, the quoted caption and the class name with its suffix.
std::string WindowDisplayText(std::int32_t handle, std::string_view caption,
                              std::string_view className);

} // namespace vantry
