#include "toolkit/image_surface.h"

#include <vector>

namespace tk {

ImageSurface::ImageSurface(const pictures::Image& image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.Width();
    info.bmiHeader.biHeight = -image.Height(); // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = mAPI::Bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
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
    select_.emplace(dc_.get(), bitmap_.get());
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
