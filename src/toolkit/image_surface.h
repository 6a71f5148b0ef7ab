// One of our own pictures in a memory DC, ready to be copied into image lists and pictures.
#pragma once

#include "core/handles.h"
#include "core/image.h"

#include <optional>

namespace tk {

class ImageSurface {
  public:
    explicit ImageSurface(const pictures::Image& image);
    HDC hdc() const { return dc_.get(); }

  private:
    mAPI::Bitmap bitmap_;
    mAPI::MemoryDC dc_;
    std::optional<mAPI::SelectGuard> select_;
};

// A black-and-white cursor from a picture of black, white and transparent pixels.
mAPI::Cursor CreateMonochromeCursor(const pictures::Image& image, int hotX, int hotY,
                                    pictures::Rgb transparent);

} // namespace tk
