// Writing a whole file so that nothing half-written is ever left: the data goes to a
// temporary file beside it, which then takes the file's place.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantry {

// The problem in words, or nullopt when the file was written. path is UTF-8.
std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view data);

} // namespace vantry
