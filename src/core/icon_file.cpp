#include "core/icon_file.h"
#include "core/little_endian.h"

#include <array>
#include <limits>
#include <stdexcept>

namespace pictures {

namespace {

constexpr std::array<Rgb, 16> kStandard16{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

std::array<Rgb, 256> Build256() {
    std::array<Rgb, 256> palette{};
    std::size_t next = 0;
    for (const Rgb color : kStandard16) {
        palette[next++] = color;
    }
    constexpr std::array<Rgb, 6> levels{0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF};
    for (const Rgb r : levels) {
        for (const Rgb g : levels) {
            for (const Rgb b : levels) {
                palette[next++] = (r << 16) | (g << 8) | b;
            }
        }
    }
    for (Rgb grey = 0; next < palette.size(); ++grey) {
        const Rgb level = 0x08 + grey * 10;
        palette[next++] = (level << 16) | (level << 8) | level;
    }
    return palette;
}

std::size_t RowBytes(int width, int bitsPerPixel) {
    return static_cast<std::size_t>((width * bitsPerPixel + 31) / 32) * 4;
}

} // namespace

// BITMAPINFOHEADER, palette, colour bits and mask bits, rows bottom-up.
std::vector<std::uint8_t> EncodeIconImage(const IconImage& entry) {
    const Image& image = *entry.image;
    const int bits = entry.bitsPerPixel;
    const auto palette = bits == 4 ? StandardPalette16() : Palette256();
    const std::size_t colourRow = RowBytes(image.Width(), bits);
    const std::size_t maskRow = RowBytes(image.Width(), 1);
    const auto height = static_cast<std::size_t>(image.Height());

    std::vector<std::uint8_t> out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(image.Width()));
    Put32(out, static_cast<std::uint32_t>(image.Height() * 2)); // colour and mask
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bits));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>((colourRow + maskRow) * height));
    for (int i = 0; i < 4; ++i) {
        Put32(out, 0);
    }
    for (std::size_t i = 0; i < (std::size_t{1} << bits); ++i) {
        const Rgb color = palette[i];
        out.push_back(static_cast<std::uint8_t>(color));
        out.push_back(static_cast<std::uint8_t>(color >> 8));
        out.push_back(static_cast<std::uint8_t>(color >> 16));
        out.push_back(0);
    }
    std::vector<std::uint8_t> colours(colourRow * height, 0);
    std::vector<std::uint8_t> mask(maskRow * height, 0);
    for (int y = 0; y < image.Height(); ++y) {
        const std::size_t row = height - 1 - static_cast<std::size_t>(y);
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb color = image.At(x, y);
            const auto ux = static_cast<std::size_t>(x);
            if (color == entry.transparent) {
                mask[row * maskRow + ux / 8] |= static_cast<std::uint8_t>(0x80 >> (ux % 8));
                continue; // colour index 0 (black) under a set mask bit
            }
            const std::uint8_t index = NearestIndex(palette, color);
            if (bits == 8) {
                colours[row * colourRow + ux] = index;
            } else {
                colours[row * colourRow + ux / 2] |=
                    static_cast<std::uint8_t>(ux % 2 ? index : index << 4);
            }
        }
    }
    out.insert(out.end(), colours.begin(), colours.end());
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

std::span<const Rgb> StandardPalette16() {
    return kStandard16;
}

std::span<const Rgb> Palette256() {
    static const std::array<Rgb, 256> palette = Build256();
    return palette;
}

std::uint8_t NearestIndex(std::span<const Rgb> palette, Rgb color) {
    auto channel = [](Rgb c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
    std::size_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        int distance = 0;
        for (const int shift : {0, 8, 16}) {
            const int d = channel(palette[i], shift) - channel(color, shift);
            distance += d * d;
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

std::vector<std::uint8_t> WriteIconFile(std::span<const IconImage> images) {
    std::vector<std::vector<std::uint8_t>> encoded;
    for (const IconImage& entry : images) {
        if (entry.bitsPerPixel != 4 && entry.bitsPerPixel != 8) {
            throw std::invalid_argument("icons are written in 4 or 8 bits per pixel");
        }
        if (!entry.image || entry.image->Width() < 1 || entry.image->Width() > 256 ||
            entry.image->Height() < 1 || entry.image->Height() > 256) {
            throw std::invalid_argument("icon images are 1 to 256 pixels a side");
        }
        encoded.push_back(EncodeIconImage(entry));
    }
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1); // icon
    Put16(out, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const Image& image = *images[i].image;
        out.push_back(static_cast<std::uint8_t>(image.Width() == 256 ? 0 : image.Width()));
        out.push_back(static_cast<std::uint8_t>(image.Height() == 256 ? 0 : image.Height()));
        out.push_back(images[i].bitsPerPixel == 4 ? 16 : 0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, static_cast<std::uint32_t>(images[i].bitsPerPixel));
        Put32(out, static_cast<std::uint32_t>(encoded[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(encoded[i].size());
    }
    for (const auto& bytes : encoded) {
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

} // namespace pictures
