// Cursor groups: the cursor at 32 x 32.
#include "resources/previews.h"

#include "model/module_access.h"

namespace vantry {

std::optional<PreviewPane> PreviewCursor(const PreviewTarget& target, const std::string& name) {
    const ResourceRef nameRef(name);
    const mAPI::Cursor cursor(static_cast<HCURSOR>(
        LoadImageA(target.module, nameRef.get(), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)));
    target.picture.SetPixelSize(32, 32);
    target.picture.Cls();
    if (cursor) {
        DrawIconEx(target.picture.hdc(), 0, 0, cursor.get(), 32, 32, 0, nullptr, DI_NORMAL);
    }
    target.picture.Refresh();
    return PreviewPane::Picture;
}

} // namespace vantry
