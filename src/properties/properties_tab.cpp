#include "properties/properties_tab.h"

#include "toolkit/app.h"

namespace vantry {

namespace {

constexpr tk::TwipsRect kPanel{180, 480, 4455, 2955};
constexpr std::uint32_t kFieldBack = tk::SystemColor(COLOR_BTNFACE);
constexpr int kLabelHeight = 195;

} // namespace

PropertiesTab::PropertiesTab(std::string caption)
    : caption_(std::move(caption)), panel_({.place = kPanel, .border = false}) {
    controls_.push_back(&panel_);
}

void PropertiesTab::AddLabel(const char* caption, int left, int top, int width) {
    labels_.push_back(
        std::make_unique<tk::Label>(tk::TwipsRect{left, top, width, kLabelHeight}, caption));
    Place({labels_.back().get()});
}

void PropertiesTab::Place(std::initializer_list<tk::Control*> controls) {
    Place(panel_, controls);
}

void PropertiesTab::Place(tk::Control& container, std::initializer_list<tk::Control*> controls) {
    for (tk::Control* control : controls) {
        control->SetContainer(container);
        controls_.push_back(control);
    }
}

std::vector<PropertiesTab::ReportLine>
PropertiesTab::Labelled(std::initializer_list<std::string> values) const {
    std::vector<ReportLine> lines;
    auto value = values.begin();
    for (std::size_t i = 0; i < labels_.size() && value != values.end(); ++i, ++value) {
        lines.emplace_back(labels_[i]->Caption(), *value);
    }
    return lines;
}

tk::TextBox Field(tk::TwipsRect place) {
    return tk::TextBox({.place = place, .locked = true, .backColor = kFieldBack});
}

tk::PropertyBag SavedLight3D(std::optional<std::uint32_t> backColor) {
    tk::PropertyBag bag;
    bag.Write<tk::FontDesc>("Font", {.face = "MS Sans Serif", .points = 8.25}, tk::FontDesc{});
    if (backColor) {
        bag.Write<std::uint32_t>("BackColor", *backColor, Light3DProperties{}.backColor);
    }
    return bag;
}

} // namespace vantry
