// An image list of fixed-size masked images, counted from 1 as the forms count them.
#pragma once

#include "core/handles.h"

#include <windows.h>

namespace tk {

class ImageList {
  public:
    ImageList(int width, int height, COLORREF maskColor);

    HIMAGELIST Handle() const { return list_.get(); }
    int ImageWidth() const { return width_; }
    int ImageHeight() const { return height_; }
    int Count() const;

    // Copies the image-sized area at the top left of source; returns the new image's index.
    int Add(HDC source);
    void Clear();

  private:
    int width_;
    int height_;
    COLORREF mask_;
    mAPI::ImageListHandle list_;
};

} // namespace tk
