#include "core/image.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace pictures {

Image::Image(int width, int height, Rgb fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

Rgb Image::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        throw std::out_of_range("pixel outside the image");
    }
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

void Image::Set(int x, int y, Rgb color) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                static_cast<std::size_t>(x)] = color;
    }
}

void Image::FillRect(int left, int top, int right, int bottom, Rgb color) {
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, width_); ++x) {
            Set(x, y, color);
        }
    }
}

void Image::FillRing(double cx, double cy, double outer, double inner, Rgb color) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            // Pixel centres, so that small rings stay round.
            const double distance = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (distance <= outer && distance >= inner) {
                Set(x, y, color);
            }
        }
    }
}

void Image::Line(int x0, int y0, int x1, int y1, Rgb color) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        Set(x0, y0, color);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

Image FromArt(std::span<const std::string_view> rows,
              std::span<const std::pair<char, Rgb>> palette) {
    const int width = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    Image image(width, static_cast<int>(rows.size()), 0);
    for (int y = 0; y < image.Height(); ++y) {
        const std::string_view row = rows[static_cast<std::size_t>(y)];
        if (static_cast<int>(row.size()) != width) {
            throw std::invalid_argument("picture row " + std::to_string(y) + " is ragged");
        }
        for (int x = 0; x < width; ++x) {
            const char key = row[static_cast<std::size_t>(x)];
            const auto found =
                std::find_if(palette.begin(), palette.end(),
                             [key](const auto& entry) { return entry.first == key; });
            if (found == palette.end()) {
                throw std::invalid_argument(std::string("no colour for '") + key + "'");
            }
            image.Set(x, y, found->second);
        }
    }
    return image;
}

Image Scaled(const Image& image, int width, int height) {
    Image scaled(width, height, kTransparent);
    if (image.Width() == 0 || image.Height() == 0) {
        return scaled;
    }
    for (int y = 0; y < scaled.Height(); ++y) {
        const int fromY = static_cast<int>(static_cast<long long>(y) * image.Height() / height);
        for (int x = 0; x < scaled.Width(); ++x) {
            const int fromX = static_cast<int>(static_cast<long long>(x) * image.Width() / width);
            scaled.Set(x, y, image.At(fromX, fromY));
        }
    }
    return scaled;
}

} // namespace pictures
