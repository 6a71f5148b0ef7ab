// Bitmaps: the picture at its own size.
#include "resources/previews.h"

#include "model/module_access.h"

namespace vantry {

std::optional<PreviewPane> PreviewBitmap(const PreviewTarget& target, const std::string& name) {
    const ResourceRef nameRef(name);
    const mAPI::Bitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(target.module, nameRef.get(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (bitmap) {
        GetObjectA(bitmap.get(), sizeof info, &info);
    }
    tk::PictureBox& picture = target.picture;
    picture.SetPixelSize(info.bmWidth, info.bmHeight);
    picture.Cls();
    if (bitmap) {
        const mAPI::MemoryDC source(CreateCompatibleDC(picture.hdc()));
        const mAPI::SelectGuard select(source.get(), bitmap.get());
        BitBlt(picture.hdc(), 0, 0, picture.PixelWidth(), picture.PixelHeight(), source.get(), 0, 0,
               SRCCOPY);
    }
    picture.Refresh();
    return PreviewPane::Picture;
}

} // namespace vantry
