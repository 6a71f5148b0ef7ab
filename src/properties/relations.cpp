#include "properties/relations.h"

#include "core/mapi.h"

namespace vantry {

std::string RelationText(std::int32_t handle) {
    return handle != 0 ? mAPI::HexStr8(handle) : "(None)";
}

std::string WindowNotFoundText(std::string_view linkText, bool onlyVisible) {
    return "The window " + std::string(linkText) + " could not be found.\r\n" +
           (onlyVisible ? "Possibly has an elective window invisible."
                        : "Update it which window list.");
}

} // namespace vantry
