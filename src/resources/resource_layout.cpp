#include "resources/resource_layout.h"

namespace vantry {

namespace {

std::optional<int> Size(int value) {
    return value >= 0 ? std::optional<int>(value) : std::nullopt;
}

} // namespace

ResourceFormLayout ResourceFormRule(const ResourceFormMetrics& m) {
    ResourceFormLayout layout{};
    layout.buttonTop = m.scaleHeight - m.buttonHeight - m.margin;
    layout.paneWidth = Size(m.scaleWidth - m.paneLeft - m.margin);
    layout.paneHeight = Size(layout.buttonTop - m.paneTop - m.margin);
    layout.refreshLeft = m.paneLeft + layout.paneWidth.value_or(m.paneWidth) - m.refreshWidth;
    layout.closeLeft = layout.refreshLeft - m.closeWidth - m.buttonGap;
    layout.fieldWidth = Size(m.scaleWidth - m.fieldLeft - m.margin);
    return layout;
}

PaneLayout PaneRule(int paneWidth, int paneHeight, int stringsMargin, int pictureWidth,
                    int pictureHeight) {
    PaneLayout layout{};
    layout.stringsWidth = Size(paneWidth - 2 * stringsMargin);
    layout.stringsHeight = Size(paneHeight - 2 * stringsMargin);
    layout.pictureLeft = (paneWidth - pictureWidth) / 2;
    layout.pictureTop = (paneHeight - pictureHeight) / 2;
    layout.listWidth = paneWidth;
    layout.listHeight = paneHeight;
    return layout;
}

} // namespace vantry
