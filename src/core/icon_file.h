// Writes icon files (.ico) from our own pictures, in 16 or 256 colours with a transparency mask.
#pragma once

#include "core/image.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pictures {

// The 16 colours of the standard Windows palette.
std::span<const Rgb> StandardPalette16();
// The 16 standard colours, a 6x6x6 colour cube and 24 greys.
std::span<const Rgb> Palette256();

// Index of the palette colour nearest to color.
std::uint8_t NearestIndex(std::span<const Rgb> palette, Rgb color);

struct IconImage {
    const Image* image = nullptr;
    int bitsPerPixel = 8;       // 4 or 8
    Rgb transparent = 0xFF00FF; // pixels of this colour go to the mask
};

// One image as an icon or cursor resource holds it: header, palette, colour and mask bits.
std::vector<std::uint8_t> EncodeIconImage(const IconImage& image);

// Throws std::invalid_argument for a depth other than 4 or 8 or a size over 256.
std::vector<std::uint8_t> WriteIconFile(std::span<const IconImage> images);

} // namespace pictures
