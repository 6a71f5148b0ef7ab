#include "model/form_placement.h"

#include <algorithm>
#include <array>

namespace vantry {

namespace {

// The box moved into area; a box larger than area keeps its left or top edge on area's.
Box Within(Box box, const Box& area) {
    const int dx = std::max(area.left - box.left, std::min(0, area.right - box.right));
    const int dy = std::max(area.top - box.top, std::min(0, area.bottom - box.bottom));
    return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

Box At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

} // namespace

Box CentredOver(const Box& owner, int width, int height, const Box& area) {
    return Within(At(owner.left + (owner.Width() - width) / 2,
                     owner.top + (owner.Height() - height) / 2, width, height),
                  area);
}

Box BesideSelection(const Box& owner, const Box& keep, int width, int height, const Box& area) {
    const std::array<Box, 3> candidates{
        Within(At(owner.right, owner.top, width, height), area),
        Within(At(owner.left - width, owner.top, width, height), area),
        Within(At(owner.left, keep.bottom, width, height), area),
    };
    for (const Box& candidate : candidates) {
        if (!Overlap(candidate, keep)) {
            return candidate;
        }
    }
    return candidates[0];
}

} // namespace vantry
