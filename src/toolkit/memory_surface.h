// A bitmap selected into a memory DC: drawing off the screen, copied from there to windows,
// image lists and other surfaces.
#pragma once

#include "core/handles.h"
#include "core/image.h"

namespace tk {

class MemorySurface {
  public:
    MemorySurface() = default;
    // At least 1 x 1, in the screen's format; its pixels are undefined until drawn.
    MemorySurface(int width, int height);
    // One of our own pictures, pixel for pixel.
    explicit MemorySurface(const pictures::Image& image);
    ~MemorySurface();
    MemorySurface(MemorySurface&& other) noexcept;
    MemorySurface& operator=(MemorySurface&& other) noexcept;

    HDC hdc() const { return dc_.get(); }
    HBITMAP Bitmap() const { return bitmap_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    explicit operator bool() const { return static_cast<bool>(dc_); }

    void Fill(COLORREF color);
    // Takes a new size: what was drawn stays where both sizes overlap, the rest is fill.
    void Resize(int width, int height, COLORREF fill);
    // Ends the surface and hands over its bitmap, no longer selected anywhere, as image lists
    // want it.
    mAPI::Bitmap TakeBitmap();

  private:
    void Select(mAPI::Bitmap bitmap, int width, int height);
    void Release();

    mAPI::Bitmap bitmap_;
    mAPI::MemoryDC dc_;
    HGDIOBJ initial_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// A black-and-white cursor from a picture of black, white and transparent pixels.
mAPI::Cursor CreateMonochromeCursor(const pictures::Image& image, int hotX, int hotY,
                                    pictures::Rgb transparent);

} // namespace tk
