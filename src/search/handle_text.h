// The handle box of the search dialog: which keys it takes, and how a typed text is read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantry {

constexpr int kHandleBoxLength = 9; // 8 hex digits and the "h"

// The character a key leaves in the box, or nullopt when the key is discarded. Hex digits
// come out upper-case; "h" and "H" come out as "h" unless the text holds an "h" already;
// backspace passes.
std::optional<char> FilterHandleKey(char key, std::string_view text);

// What leaving the box makes of a text: with an "h", the hex digits at the start of the text
// without its last character; without one, the decimal number at its start (E or D exponents).
// No number gives 0, and so does a decimal value outside the signed 32-bit range.
std::int32_t HandleTextValue(std::string_view text);

// HexStr8 of that value followed by "h".
std::string NormalizeHandleText(std::string_view text);

// The handle cmdOK looks up: 0 for an empty text, otherwise TryHexToLong of the text without
// its last character (nullopt where that is no handle).
std::optional<std::int32_t> TryHandleFromText(std::string_view text);

} // namespace vantry
