#include "resources/previews.h"

#include "model/resource_logic.h"

namespace vantry {

PreviewKind PreviewFor(std::uint32_t type) {
    switch (KindOfType(type).preview) {
    case ResourcePreview::Bitmap:
        return &PreviewBitmap;
    case ResourcePreview::Strings:
        return &PreviewStrings;
    case ResourcePreview::CursorGroup:
        return &PreviewCursor;
    case ResourcePreview::IconGroup:
        return &PreviewIconGroup;
    case ResourcePreview::None:
        return nullptr;
    }
    return nullptr;
}

} // namespace vantry
