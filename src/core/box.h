// A rectangle of pixels by its edges; right and bottom lie just outside it. Window, client and
// screen rectangles are Boxes; a design place in twips is a tk::TwipsRect, and a line's window
// by place and size a PixelRect.
#pragma once

namespace vantry {

struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Box&) const = default;
};

} // namespace vantry
