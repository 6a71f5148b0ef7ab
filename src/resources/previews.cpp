#include "resources/previews.h"

#include <array>
#include <utility>

namespace vantry {

PreviewKind PreviewFor(std::uint32_t type) {
    static constexpr std::array<std::pair<std::uint32_t, PreviewKind>, 4> kinds{{
        {2, &PreviewBitmap},     // RT_BITMAP
        {6, &PreviewStrings},    // RT_STRING
        {12, &PreviewCursor},    // RT_GROUP_CURSOR
        {14, &PreviewIconGroup}, // RT_GROUP_ICON
    }};
    for (const auto& [number, kind] : kinds) {
        if (number == type) {
            return kind;
        }
    }
    return nullptr;
}

} // namespace vantry
