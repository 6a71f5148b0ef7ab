// A window record as a JSON object, for the files that hold windows.
#pragma once

#include "model/tree_dump.h"

#include <nlohmann/json.hpp>

#include <string>

namespace vantry {

// Every value of the window and its children, nested.
nlohmann::ordered_json WindowJson(const WindowRecord& window);

// Two spaces of indent, UTF-8; a byte sequence that is no UTF-8 becomes U+FFFD; a line end
// after the last brace.
std::string DumpJson(const nlohmann::ordered_json& value);

} // namespace vantry
