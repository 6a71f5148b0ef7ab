#include "toolkit/imagelist.h"

#include "toolkit/memory_surface.h"

#include <commctrl.h>

namespace tk {

ImageList::ImageList(int width, int height, COLORREF maskColor)
    : width_(width), height_(height), mask_(maskColor) {}

HIMAGELIST ImageList::Handle() const {
    if (!list_) {
        list_ = mAPI::ImageListHandle(
            ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 16, kStripImages));
    }
    return list_.get();
}

int ImageList::Count() const {
    return (list_ ? ImageList_GetImageCount(list_.get()) : 0) + pending_;
}

int ImageList::Add(HDC source) {
    // Images wait in a strip of our own: the source may be larger than one image (it would
    // split into several) and its bitmap is selected into its own DC.
    if (!strip_) {
        strip_ = MemorySurface(width_ * kStripImages, height_);
    }
    BitBlt(strip_.hdc(), pending_ * width_, 0, width_, height_, source, 0, 0, SRCCOPY);
    ++pending_;
    const int index = Count();
    if (!batching_ || pending_ == kStripImages) {
        Flush();
    }
    return index;
}

int ImageList::AddPicture(const pictures::Image& picture) {
    return Add(MemorySurface(pictures::Scaled(picture, width_, height_)).hdc());
}

void ImageList::Flush() {
    if (pending_ == 0) {
        return;
    }
    // The list takes as many images as the bitmap is wide, so hand it exactly the pending ones.
    MemorySurface images(width_ * pending_, height_);
    BitBlt(images.hdc(), 0, 0, width_ * pending_, height_, strip_.hdc(), 0, 0, SRCCOPY);
    pending_ = 0;
    ImageList_AddMasked(Handle(), images.TakeBitmap().get(), mask_);
}

void ImageList::SetImageSize(int width, int height) {
    pending_ = 0;
    width_ = width;
    height_ = height;
    strip_ = MemorySurface();
    if (list_) {
        ImageList_SetIconSize(list_.get(), width, height);
    }
}

void ImageList::Clear() {
    pending_ = 0;
    if (list_) {
        ImageList_RemoveAll(list_.get());
    }
}

ImageList::Batch::Batch(ImageList& list) : list_(list) {
    list_.batching_ = true;
}

ImageList::Batch::~Batch() {
    list_.batching_ = false;
    list_.Flush();
}

} // namespace tk
