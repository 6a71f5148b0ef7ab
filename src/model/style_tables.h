// The names of window, extended window and class style bits, and which of them a value holds.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vantry {

struct StyleName {
    std::string_view name;
    std::uint32_t mask;
};

std::span<const StyleName> WindowStyleNames();
std::span<const StyleName> ExtendedStyleNames();
std::span<const StyleName> ClassStyleNames();

// The names whose mask shares any bit with value, in the table's order.
std::vector<std::string_view> StyleNamesOf(std::span<const StyleName> table, std::uint32_t value);

} // namespace vantry
