#include "toolkit/memory_surface.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tk {

MemorySurface::MemorySurface(int width, int height) {
    const mAPI::WindowDC screen(nullptr);
    width = std::max(width, 1);
    height = std::max(height, 1);
    dc_ = mAPI::MemoryDC(CreateCompatibleDC(screen.get()));
    Select(mAPI::Bitmap(CreateCompatibleBitmap(screen.get(), width, height)), width, height);
}

MemorySurface::MemorySurface(const pictures::Image& image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.Width();
    info.bmiHeader.biHeight = -image.Height(); // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    mAPI::Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bits) {
        const int stride = (image.Width() * 3 + 3) & ~3;
        auto* rows = static_cast<unsigned char*>(bits);
        for (int y = 0; y < image.Height(); ++y) {
            unsigned char* pixel = rows + static_cast<std::ptrdiff_t>(y) * stride;
            for (int x = 0; x < image.Width(); ++x) {
                const pictures::Rgb color = image.At(x, y);
                *pixel++ = static_cast<unsigned char>(color);       // blue
                *pixel++ = static_cast<unsigned char>(color >> 8);  // green
                *pixel++ = static_cast<unsigned char>(color >> 16); // red
            }
        }
    }
    dc_ = mAPI::MemoryDC(CreateCompatibleDC(nullptr));
    Select(std::move(bitmap), image.Width(), image.Height());
}

MemorySurface::~MemorySurface() {
    Release();
}

MemorySurface::MemorySurface(MemorySurface&& other) noexcept
    : bitmap_(std::move(other.bitmap_)), dc_(std::move(other.dc_)),
      initial_(std::exchange(other.initial_, nullptr)), width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

MemorySurface& MemorySurface::operator=(MemorySurface&& other) noexcept {
    if (this != &other) {
        Release();
        bitmap_ = std::move(other.bitmap_);
        dc_ = std::move(other.dc_);
        initial_ = std::exchange(other.initial_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
    }
    return *this;
}

void MemorySurface::Select(mAPI::Bitmap bitmap, int width, int height) {
    const HGDIOBJ previous = SelectObject(dc_.get(), bitmap.get());
    if (!initial_) {
        initial_ = previous; // the DC's own 1 x 1 bitmap goes back before the DC is deleted
    }
    bitmap_ = std::move(bitmap);
    width_ = width;
    height_ = height;
}

void MemorySurface::Release() {
    if (dc_ && initial_) {
        SelectObject(dc_.get(), initial_);
    }
    initial_ = nullptr;
    dc_.reset();
    bitmap_.reset();
    width_ = 0;
    height_ = 0;
}

void MemorySurface::Fill(COLORREF color) {
    const RECT all{0, 0, width_, height_};
    const mAPI::Brush brush(CreateSolidBrush(color));
    FillRect(dc_.get(), &all, brush.get());
}

void MemorySurface::Resize(int width, int height, COLORREF fill) {
    MemorySurface resized(width, height);
    resized.Fill(fill);
    BitBlt(resized.hdc(), 0, 0, std::min(width_, resized.width_),
           std::min(height_, resized.height_), hdc(), 0, 0, SRCCOPY);
    if (!dc_) {
        *this = std::move(resized);
        return;
    }
    // The DC stays, with whatever its user selected into it; only the bitmap changes.
    const int newWidth = resized.width_;
    const int newHeight = resized.height_;
    Select(resized.TakeBitmap(), newWidth, newHeight);
}

mAPI::Bitmap MemorySurface::TakeBitmap() {
    if (dc_ && initial_) {
        SelectObject(dc_.get(), initial_);
    }
    initial_ = nullptr;
    mAPI::Bitmap bitmap = std::move(bitmap_);
    Release();
    return bitmap;
}

mAPI::Cursor CreateMonochromeCursor(const pictures::Image& image, int hotX, int hotY,
                                    pictures::Rgb transparent) {
    // Rows of whole 16-bit words; AND set: screen shows through, XOR set: white.
    const int rowBytes = (image.Width() + 15) / 16 * 2;
    std::vector<BYTE> andPlane(static_cast<std::size_t>(rowBytes * image.Height()), 0);
    std::vector<BYTE> xorPlane(andPlane.size(), 0);
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const auto at = static_cast<std::size_t>(y * rowBytes + x / 8);
            const auto bit = static_cast<BYTE>(0x80 >> (x % 8));
            const pictures::Rgb color = image.At(x, y);
            if (color == transparent) {
                andPlane[at] |= bit;
            } else if (color == 0xFFFFFF) {
                xorPlane[at] |= bit;
            }
        }
    }
    return mAPI::Cursor(CreateCursor(GetModuleHandleA(nullptr), hotX, hotY, image.Width(),
                                     image.Height(), andPlane.data(), xorPlane.data()));
}

} // namespace tk
