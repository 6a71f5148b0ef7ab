#include "app/program_icon.h"

namespace vantry {

namespace {

constexpr pictures::Rgb kBlack = 0x000000;
constexpr pictures::Rgb kWhite = 0xFFFFFF;
constexpr pictures::Rgb kNavy = 0x000080;
constexpr pictures::Rgb kGrey = 0x808080;
constexpr pictures::Rgb kTeal = 0x008080;
constexpr pictures::Rgb kOlive = 0x808000;
constexpr pictures::Rgb kCyan = 0x00FFFF;

pictures::Rgb Blend(pictures::Rgb from, pictures::Rgb to, double t) {
    pictures::Rgb out = 0;
    for (const int shift : {0, 8, 16}) {
        const double a = (from >> shift) & 0xFF;
        const double b = (to >> shift) & 0xFF;
        out |= static_cast<pictures::Rgb>(a + (b - a) * t + 0.5) << shift;
    }
    return out;
}

} // namespace

pictures::Image DrawProgramIcon(int size, bool fullColour) {
    pictures::Image icon(size, size, pictures::kTransparent);
    const int u = size / 16; // one design unit; the drawing is laid out on a 16 x 16 grid
    auto at = [u](double units) { return static_cast<int>(units * u); };

    // The inspected window: black frame, title bar, white client with two tree rows.
    icon.FillRect(0, at(1), at(14), at(13), kBlack);
    icon.FillRect(1, at(1) + 1, at(14) - 1, at(4), kNavy);
    if (fullColour) {
        const int left = 1;
        const int right = at(14) - 1;
        for (int x = left; x < right; ++x) {
            const pictures::Rgb shade = Blend(kNavy, 0x3399FF, double(x - left) / (right - left));
            icon.FillRect(x, at(1) + 1, x + 1, at(4), shade);
        }
    }
    icon.FillRect(1, at(4), at(14) - 1, at(13) - 1, kWhite);
    icon.FillRect(at(2), at(5.5), at(7), at(6.5), kTeal);
    icon.FillRect(at(4), at(7.5), at(8), at(8.5), kGrey);

    // The magnifying glass over the lower right corner.
    const double cx = 10.5 * u;
    const double cy = 10.5 * u;
    icon.FillRing(cx, cy, 2.6 * u, 0, fullColour ? 0xCCFFFF : kCyan);
    if (fullColour) {
        icon.FillRing(cx - 0.8 * u, cy - 0.8 * u, 0.9 * u, 0, kWhite);
    }
    icon.FillRing(cx, cy, 3.6 * u, 2.6 * u, kBlack);
    for (int thick = 0; thick < u + 1; ++thick) {
        icon.Line(at(13) + thick, at(13), size - 1, size - 1 - thick,
                  fullColour ? 0x996600 : kOlive);
        icon.Line(at(13), at(13) + thick, size - 1 - thick, size - 1,
                  fullColour ? 0x663300 : kOlive);
    }
    return icon;
}

} // namespace vantry
