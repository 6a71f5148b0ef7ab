// Pictures that Vantry draws itself (toolbar buttons, the program icon), kept as source and
// rendered into plain RGB pixels that any platform layer can turn into bitmaps or files.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace pictures {

// 0xRRGGBB.
using Rgb = std::uint32_t;

// The colour that stands for "no pixel" in every picture we draw and in the image lists' masks.
constexpr Rgb kTransparent = 0xFF00FF;

class Image {
  public:
    Image(int width, int height, Rgb fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const;
    // Drawing outside the image is clipped.
    void Set(int x, int y, Rgb color);
    void FillRect(int left, int top, int right, int bottom, Rgb color); // right, bottom exclusive
    // A ring (or disc with inner 0) centred on (cx, cy), radii in pixels.
    void FillRing(double cx, double cy, double outer, double inner, Rgb color);
    void Line(int x0, int y0, int x1, int y1, Rgb color);

  private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// One character a pixel, looked up in the palette; rows must be equally long.
// Throws std::invalid_argument for ragged rows or a character the palette lacks.
Image FromArt(std::span<const std::string_view> rows,
              std::span<const std::pair<char, Rgb>> palette);

// The picture at another size, pixel for pixel (nearest neighbour): edges stay sharp and a
// transparent pixel stays exactly transparent, which a blend would break.
Image Scaled(const Image& image, int width, int height);

} // namespace pictures
