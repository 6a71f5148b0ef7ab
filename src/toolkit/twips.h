// Form designs are in twips (1/1440 inch); the screen is in pixels at its real DPI.
#pragma once

namespace tk {

constexpr int kTwipsPerInch = 1440;

// Rounded to the nearest pixel so that a design lands on the same pixels at every DPI.
constexpr int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch
                                        : -((-scaled + half) / kTwipsPerInch));
}

constexpr int PixelsToTwips(int pixels, int dpi) {
    return dpi > 0 ? static_cast<int>(static_cast<long long>(pixels) * kTwipsPerInch / dpi) : 0;
}

// A design place of a control, in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

} // namespace tk
