#include "properties/relations.h"

#include "core/mapi.h"
#include "tree/window_text.h"

namespace vantry {

std::string RelationText(std::int32_t handle) {
    return handle != 0 ? mAPI::HexStr8(handle) : "(None)";
}

std::optional<std::string> TryLinkKey(std::string_view linkText) {
    const auto handle = mAPI::TryHexToLong(linkText);
    return handle ? std::optional(WindowKey(*handle)) : std::nullopt;
}

std::string WindowNotFoundText(std::string_view linkText, bool onlyVisible) {
    return "The window " + std::string(linkText) + " could not be found.\r\n" +
           (onlyVisible ? "Possibly has an elective window invisible."
                        : "Update it which window list.");
}

} // namespace vantry
