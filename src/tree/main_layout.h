// Where the window tree goes when the main form changes size (all values in twips).
#pragma once

#include <optional>

namespace vantry {

struct TreeExtent {
    int width = 0;
    // None when the form is too low for the tree: the tree keeps its height.
    std::optional<int> height;
};

TreeExtent MainTreeExtent(int scaleWidth, int scaleHeight, int statusBarHeight, int treeTop);

} // namespace vantry
