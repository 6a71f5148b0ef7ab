// Where the resource view's controls go when the form or its preview pane changes size.
#pragma once

#include <optional>

namespace vantry {

struct ResourceFormMetrics { // all in twips
    int scaleWidth, scaleHeight;
    int margin; // the tree's left offset
    int buttonHeight;
    int paneLeft, paneTop, paneWidth;
    int refreshWidth, closeWidth;
    int fieldLeft;
    int buttonGap; // seven pixels
};

// A width or height that would be negative is refused: that value stays as it was.
struct ResourceFormLayout {
    int buttonTop;
    std::optional<int> paneWidth;
    std::optional<int> paneHeight; // also the tree's height
    int refreshLeft;
    int closeLeft;
    std::optional<int> fieldWidth;
};

ResourceFormLayout ResourceFormRule(const ResourceFormMetrics& m);

struct PaneLayout { // in the pane's pixels
    std::optional<int> stringsWidth, stringsHeight;
    int pictureLeft, pictureTop;
    int listWidth, listHeight;
};

// The text box keeps its margin on all sides, the picture is centred (cut at the edges when
// larger than the pane), the icon list fills the pane.
PaneLayout PaneRule(int paneWidth, int paneHeight, int stringsMargin, int pictureWidth,
                    int pictureHeight);

} // namespace vantry
