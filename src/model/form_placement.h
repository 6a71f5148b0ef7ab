// Where the forms that Main opens stand on the screen (all values in pixels, screen
// coordinates): the search dialog centred over Main, the inspection forms beside the tree's
// selection rather than over it.
#pragma once

#include "core/box.h"

namespace vantry {

// A form of width x height centred over owner, moved as little as needed to stay in area.
Box CentredOver(const Box& owner, int width, int height, const Box& area);

// A form of width x height that leaves keep uncovered: right of owner, else left of it, else
// below keep, each moved into area. Where none can, the first is taken.
Box BesideSelection(const Box& owner, const Box& keep, int width, int height, const Box& area);

} // namespace vantry
