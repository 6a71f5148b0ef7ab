#include "toolkit/imagelist.h"

#include "toolkit/image_surface.h"

#include <commctrl.h>

namespace tk {

ImageList::ImageList(int width, int height, COLORREF maskColor)
    : width_(width), height_(height), mask_(maskColor),
      list_(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 16, kStripImages)) {}

int ImageList::Count() const {
    return ImageList_GetImageCount(list_.get()) + pending_;
}

int ImageList::Add(HDC source) {
    // Images wait in a strip of our own: the source may be larger than one image (it would
    // split into several) and its bitmap is selected into its own DC.
    if (!stripDC_) {
        stripDC_ = mAPI::MemoryDC(CreateCompatibleDC(source));
        strip_ = mAPI::Bitmap(CreateCompatibleBitmap(source, width_ * kStripImages, height_));
        SelectObject(stripDC_.get(), strip_.get());
    }
    BitBlt(stripDC_.get(), pending_ * width_, 0, width_, height_, source, 0, 0, SRCCOPY);
    ++pending_;
    const int index = Count();
    if (!batching_ || pending_ == kStripImages) {
        Flush();
    }
    return index;
}

int ImageList::AddPicture(const pictures::Image& picture) {
    return Add(ImageSurface(pictures::Scaled(picture, width_, height_)).hdc());
}

void ImageList::Flush() {
    if (pending_ == 0) {
        return;
    }
    // The list takes as many images as the bitmap is wide, so hand it exactly the pending ones.
    mAPI::Bitmap images(CreateCompatibleBitmap(stripDC_.get(), width_ * pending_, height_));
    {
        mAPI::MemoryDC copy(CreateCompatibleDC(stripDC_.get()));
        mAPI::SelectGuard select(copy.get(), images.get());
        BitBlt(copy.get(), 0, 0, width_ * pending_, height_, stripDC_.get(), 0, 0, SRCCOPY);
    }
    pending_ = 0;
    ImageList_AddMasked(list_.get(), images.get(), mask_);
}

void ImageList::SetImageSize(int width, int height) {
    pending_ = 0;
    width_ = width;
    height_ = height;
    stripDC_.reset();
    strip_.reset();
    ImageList_SetIconSize(list_.get(), width, height);
}

void ImageList::Clear() {
    pending_ = 0;
    ImageList_RemoveAll(list_.get());
}

ImageList::Batch::Batch(ImageList& list) : list_(list) {
    list_.batching_ = true;
}

ImageList::Batch::~Batch() {
    list_.batching_ = false;
    list_.Flush();
}

} // namespace tk
