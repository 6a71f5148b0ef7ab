// An image list of fixed-size masked images, counted from 1 as the forms count them.
#pragma once

#include "core/handles.h"
#include "core/image.h"
#include "toolkit/memory_surface.h"

#include <windows.h>

namespace tk {

constexpr COLORREF ToColorRef(pictures::Rgb color) {
    return RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

class ImageList {
  public:
    ImageList(int width, int height, COLORREF maskColor = ToColorRef(pictures::kTransparent));

    // The list is made when first used: a form's lists cost nothing until the form shows.
    HIMAGELIST Handle() const;
    int ImageWidth() const { return width_; }
    int ImageHeight() const { return height_; }
    int Count() const;

    // Copies the image-sized area at the top left of source; returns the new image's index.
    int Add(HDC source);
    // One of our own pictures, drawn at the list's image size.
    int AddPicture(const pictures::Image& picture);
    void Clear();
    // Empties the list and takes images of the new size from then on.
    void SetImageSize(int width, int height);

    // While a batch is open, added images are gathered into strips and handed to the list a
    // strip at a time: one call per strip instead of one per image. Indices stay as they are.
    class Batch {
      public:
        explicit Batch(ImageList& list);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        ImageList& list_;
    };

  private:
    static constexpr int kStripImages = 64;

    void Flush();

    int width_;
    int height_;
    COLORREF mask_;
    mutable mAPI::ImageListHandle list_;
    bool batching_ = false;
    int pending_ = 0;
    MemorySurface strip_;
};

} // namespace tk
