#include "controls/light3d.h"
#include "toolkit/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using vantry::Light3D;

namespace {

// A host form with one Light3D, as a form design places it.
class Host : public tk::Form {
  public:
    explicit Host(std::optional<tk::PropertyBag> saved)
        : tk::Form({"Light3D host", 4000, 3000, tk::BorderStyle::FixedDialog}),
          frame({150, 150, tk::ToTwips(100), tk::ToTwips(50)}, std::move(saved)) {
        AddControl(frame);
    }
    Light3D frame;
};

RECT RectInFrame(const Light3D& frame, const tk::Line& line) {
    RECT rect{};
    GetWindowRect(line.hWnd(), &rect);
    MapWindowPoints(nullptr, frame.hWnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace

TEST(Light3D, ANewInstanceIsSunkenWithItsFrameOnTheEdges) {
    Host host(std::nullopt);
    host.Show();
    Light3D& frame = host.frame;
    RECT client{};
    GetClientRect(frame.hWnd(), &client);
    ASSERT_EQ(client.right, 100);
    ASSERT_EQ(client.bottom, 50);
    EXPECT_EQ(frame.Style(), vantry::kSunken);
    EXPECT_EQ(frame.FrameLine(0).Color(), vantry::kShadowColor);
    EXPECT_EQ(frame.FrameLine(3).Color(), vantry::kHighlightColor);
    const RECT top = RectInFrame(frame, frame.FrameLine(0));
    EXPECT_EQ(top.left, 0);
    EXPECT_EQ(top.right, 99);
    EXPECT_EQ(top.bottom - top.top, 1);
    const RECT bottom = RectInFrame(frame, frame.FrameLine(2));
    EXPECT_EQ(bottom.top, 49);
    EXPECT_EQ(bottom.right, 100);
    const RECT right = RectInFrame(frame, frame.FrameLine(3));
    EXPECT_EQ(right.left, 99);
    EXPECT_LT(right.top, 0); // past the top edge
    EXPECT_EQ(right.bottom, 51);
}

TEST(Light3D, StyleWritesRecolourAtOnceAndNotifyTheHost) {
    Host host(std::nullopt);
    host.Show();
    std::vector<std::string> changed;
    host.frame.PropertyChanged = [&changed](std::string_view key) { changed.emplace_back(key); };
    host.frame.SetStyle(vantry::kRaised);
    EXPECT_EQ(host.frame.FrameLine(0).Color(), vantry::kHighlightColor);
    EXPECT_EQ(host.frame.FrameLine(2).Color(), vantry::kShadowColor);
    host.frame.SetStyle(5); // anything but true is raised, and is kept as given
    EXPECT_EQ(host.frame.Style(), 5);
    EXPECT_EQ(host.frame.FrameLine(1).Color(), vantry::kHighlightColor);
    host.frame.SetStyle(vantry::kSunken);
    EXPECT_EQ(host.frame.FrameLine(0).Color(), vantry::kShadowColor);
    EXPECT_EQ(changed, (std::vector<std::string>{"Style", "Style", "Style"}));
}

TEST(Light3D, ResizeReachesTheHostBeforeTheLinesMove) {
    Host host(std::nullopt);
    host.Show();
    int topWidthAtResize = -1;
    host.frame.Resize = [&] {
        const RECT top = RectInFrame(host.frame, host.frame.FrameLine(0));
        topWidthAtResize = top.right - top.left;
    };
    SetWindowPos(host.frame.hWnd(), nullptr, 0, 0, 200, 80, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(topWidthAtResize, 99); // still the old size
    const RECT top = RectInFrame(host.frame, host.frame.FrameLine(0));
    EXPECT_EQ(top.right - top.left, 199);
}

TEST(Light3D, PSetDrawsInsideTheFrameAndClsKeepsTheFrame) {
    tk::PropertyBag saved;
    saved.Write<bool>("AutoRedraw", true, false);
    Host host(saved);
    host.Show();
    host.frame.PSet_(0, 0, 0x0000FF);
    EXPECT_EQ(GetPixel(host.frame.hdc(), 1, 1), RGB(0xFF, 0, 0));
    EXPECT_EQ(GetPixel(host.frame.hdc(), 0, 0), GetSysColor(COLOR_BTNFACE));
    host.frame.Cls();
    EXPECT_EQ(GetPixel(host.frame.hdc(), 1, 1), GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(IsWindowVisible(host.frame.FrameLine(0).hWnd()));
    EXPECT_NE(host.frame.Image(), nullptr);
}

TEST(Light3D, SavedPropertiesComeBackAndDefaultsAreNotStored) {
    tk::PropertyBag saved;
    saved.Write<std::int16_t>("Style", vantry::kRaised, vantry::kSunken);
    saved.Write<std::uint32_t>("BackColor", 0x80000016, 0x8000000F);
    Host host(saved);
    host.Show();
    EXPECT_EQ(host.frame.Style(), vantry::kRaised);
    EXPECT_EQ(host.frame.FrameLine(0).Color(), vantry::kHighlightColor);
    EXPECT_EQ(host.frame.BackColor(), 0x80000016u);

    tk::PropertyBag written;
    host.frame.WriteProperties(written, tk::FontDesc{});
    EXPECT_EQ(written.Keys(), (std::vector<std::string>{"BackColor", "Style"}));

    Host fresh(std::nullopt);
    fresh.Show();
    tk::PropertyBag empty;
    fresh.frame.WriteProperties(empty, tk::FontDesc{});
    EXPECT_EQ(empty.Count(), 0u);
}

TEST(Light3D, EventArgumentsGoByReference) {
    Host host(std::nullopt);
    host.Show();
    std::int16_t seenButton = 0;
    float seenX = -1;
    host.frame.MouseDown = [&](std::int16_t& button, std::int16_t&, float& x, float&) {
        seenButton = button;
        seenX = x;
        button = 0; // the host may change what the surface passed
    };
    SendMessageA(host.frame.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
    SendMessageA(host.frame.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(7, 9));
    EXPECT_EQ(seenButton, 1);
    EXPECT_EQ(seenX, 7.0f);
    std::int16_t typed = 0;
    host.frame.KeyPress = [&typed](std::int16_t& key) { typed = key; };
    SendMessageA(host.frame.hWnd(), WM_CHAR, 'x', 0);
    EXPECT_EQ(typed, 'x');
}
