// Where the forms that Main opens stand on the screen (all values in pixels, screen
// coordinates): the search dialog centred over Main, the inspection forms beside the tree's
// selection rather than over it.
#pragma once

namespace vantry {

struct ScreenBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const ScreenBox&) const = default;
};

// A form of width x height centred over owner, moved as little as needed to stay in area.
ScreenBox CentredOver(const ScreenBox& owner, int width, int height, const ScreenBox& area);

// A form of width x height that leaves keep uncovered: right of owner, else left of it, else
// below keep, each moved into area. Where none can, the first is taken.
ScreenBox BesideSelection(const ScreenBox& owner, const ScreenBox& keep, int width, int height,
                          const ScreenBox& area);

} // namespace vantry
