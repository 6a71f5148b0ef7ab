#include "properties/window_tab.h"

#include "core/mapi.h"
#include "core/mapi_win.h"
#include "core/version.h"
#include "properties/jump_pointer.h"
#include "properties/relations.h"
#include "toolkit/app.h"
#include "toolkit/memory_surface.h"

namespace vantry {

namespace {

constexpr std::uint32_t kLinkColor = 0x00008000; // dark green
constexpr int kLinkLeft = 1680;
constexpr int kLinkWidth = 2655;
constexpr std::array<int, 5> kLinkTops{180, 480, 840, 1140, 1500};
constexpr std::array<const char*, 5> kLinkLabels{
    "Next Window:", "Previous Window:", "Parent Window:", "First Child:", "Owner Window:"};

tk::TextBox Link(std::size_t index) {
    return Field({kLinkLeft, kLinkTops[index], kLinkWidth, 285});
}

} // namespace

WindowTab::WindowTab(TabHost& host)
    : PropertiesTab("Window"), txtNextWin(Link(0)), txtPrevWin(Link(1)), txtParentWin(Link(2)),
      txtFirstChild(Link(3)), txtOwnerWin(Link(4)), host_(host) {
    for (std::size_t i = 0; i < kLinkLabels.size(); ++i) {
        AddLabel(kLinkLabels[i], 120, kLinkTops[i] + 45, 1500);
    }
    Place({&txtNextWin, &txtPrevWin, &txtParentWin, &txtFirstChild, &txtOwnerWin});
    for (tk::TextBox* link : Links()) {
        link->Click = [this, link] { Link_Click(*link); };
    }
}

std::array<tk::TextBox*, 5> WindowTab::Links() {
    return {&txtNextWin, &txtPrevWin, &txtParentWin, &txtFirstChild, &txtOwnerWin};
}

void WindowTab::Load() {
    if (!jumpPointer_) {
        jumpPointer_ = tk::CreateMonochromeCursor(DrawJumpPointer(), kJumpHotSpotX, kJumpHotSpotY,
                                                  pictures::kTransparent);
    }
    for (tk::TextBox* link : Links()) {
        link->SetForeColor(kLinkColor);
        link->SetMouseIcon(jumpPointer_.get());
    }
}

std::vector<PropertiesTab::ReportLine> WindowTab::Report() const {
    return Labelled({txtNextWin.Text(), txtPrevWin.Text(), txtParentWin.Text(),
                     txtFirstChild.Text(), txtOwnerWin.Text()});
}

void WindowTab::Fill(HWND window) {
    const std::array<HWND, 5> related{GetWindow(window, GW_HWNDNEXT),
                                      GetWindow(window, GW_HWNDPREV), GetParent(window),
                                      GetWindow(window, GW_CHILD), GetWindow(window, GW_OWNER)};
    const auto links = Links();
    for (std::size_t i = 0; i < links.size(); ++i) {
        const std::int32_t handle = mAPI::HandleToInt(related[i]);
        links[i]->SetEnabled(handle != 0);
        links[i]->SetUnderline(handle != 0);
        links[i]->SetText(RelationText(handle));
    }
}

void WindowTab::Link_Click(tk::TextBox& link) {
    const std::string text = link.Text();
    const auto handle = mAPI::TryHexToLong(text);
    if (!handle || !host_.SelectWindow(*handle)) {
        ReportWindowNotFound(text);
        return;
    }
    host_.RefreshTabs();
}

void WindowTab::ReportWindowNotFound(const std::string& linkText) {
    tk::ShowMessageBox(host_.FormWindow(), WindowNotFoundText(linkText, host_.ShowsOnlyVisible()),
                       VANTRY_TITLE, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace vantry
