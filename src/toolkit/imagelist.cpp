#include "toolkit/imagelist.h"

#include <commctrl.h>

namespace tk {

ImageList::ImageList(int width, int height, COLORREF maskColor)
    : width_(width), height_(height), mask_(maskColor),
      list_(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 16, 16)) {}

int ImageList::Count() const {
    return ImageList_GetImageCount(list_.get());
}

int ImageList::Add(HDC source) {
    // A copy of exactly one image: the source may be larger (it would split into several
    // images) and its bitmap is selected into its own DC.
    mAPI::Bitmap image(CreateCompatibleBitmap(source, width_, height_));
    {
        mAPI::MemoryDC copy(CreateCompatibleDC(source));
        mAPI::SelectGuard select(copy.get(), image.get());
        BitBlt(copy.get(), 0, 0, width_, height_, source, 0, 0, SRCCOPY);
    }
    const int index = ImageList_AddMasked(list_.get(), image.get(), mask_);
    return index < 0 ? 0 : index + 1;
}

void ImageList::Clear() {
    ImageList_RemoveAll(list_.get());
}

} // namespace tk
