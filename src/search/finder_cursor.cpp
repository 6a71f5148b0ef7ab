#include "search/finder_cursor.h"

namespace vantry {

pictures::Image DrawFinderCursor() {
    constexpr pictures::Rgb kBlack = 0x000000;
    constexpr pictures::Rgb kWhite = 0xFFFFFF;
    pictures::Image sight(kFinderCursorSize, kFinderCursorSize, pictures::kTransparent);
    const double cx = kFinderHotSpotX + 0.5;
    const double cy = kFinderHotSpotY + 0.5;
    // A black circle 19 pixels across in a white outline 21 pixels across.
    sight.FillRing(cx, cy, 10.5, 8.5, kWhite);
    sight.FillRing(cx, cy, 9.5, 8.6, kBlack);
    // Lines through the centre that reach out past the circle as tick marks, edged in white.
    for (const int offset : {-1, 1}) {
        sight.Line(kFinderHotSpotX - 13, kFinderHotSpotY + offset, kFinderHotSpotX + 13,
                   kFinderHotSpotY + offset, kWhite);
        sight.Line(kFinderHotSpotX + offset, kFinderHotSpotY - 13, kFinderHotSpotX + offset,
                   kFinderHotSpotY + 13, kWhite);
    }
    sight.Line(kFinderHotSpotX - 13, kFinderHotSpotY, kFinderHotSpotX + 13, kFinderHotSpotY,
               kBlack);
    sight.Line(kFinderHotSpotX, kFinderHotSpotY - 13, kFinderHotSpotX, kFinderHotSpotY + 13,
               kBlack);
    return sight;
}

} // namespace vantry
