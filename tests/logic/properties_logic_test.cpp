#include "controls/light3d_logic.h"
#include "core/mapi.h"
#include "model/position_text.h"
#include "model/style_tables.h"
#include "properties/jump_pointer.h"
#include "properties/relations.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

using namespace vantry;
using Names = std::vector<std::string_view>;

namespace {

// As a sorted list box shows them.
Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(StyleNames, ListEveryNameThatSharesABit) {
    EXPECT_EQ(Sorted(StyleNamesOf(WindowStyleNames(), 0x14CF0000)),
              (Names{"WS_BORDER", "WS_CAPTION", "WS_CLIPSIBLINGS", "WS_DLGFRAME", "WS_GROUP",
                     "WS_MAXIMIZEBOX", "WS_MINIMIZEBOX", "WS_OVERLAPPEDWINDOW", "WS_POPUPWINDOW",
                     "WS_SYSMENU", "WS_TABSTOP", "WS_THICKFRAME", "WS_VISIBLE"}));
    EXPECT_EQ(Sorted(StyleNamesOf(WindowStyleNames(), 0x00800000)),
              (Names{"WS_BORDER", "WS_CAPTION", "WS_OVERLAPPEDWINDOW", "WS_POPUPWINDOW"}));
    EXPECT_TRUE(StyleNamesOf(WindowStyleNames(), 0).empty());
    EXPECT_EQ(Sorted(StyleNamesOf(ExtendedStyleNames(), 0x100)),
              (Names{"WS_EX_OVERLAPPEDWINDOW", "WS_EX_PALETTEWINDOW", "WS_EX_WINDOWEDGE"}));
}

TEST(StyleNames, KeepTheClassTableOrderAndIgnoreUnknownBits) {
    EXPECT_TRUE(StyleNamesOf(ClassStyleNames(), 0).empty());
    EXPECT_EQ(StyleNamesOf(ClassStyleNames(), 0x0B),
              (Names{"CS_DBLCLKS", "CS_HREDRAW", "CS_VREDRAW"}));
    EXPECT_TRUE(StyleNamesOf(ClassStyleNames(), 0x04).empty());
    EXPECT_TRUE(StyleNamesOf(ClassStyleNames(), 0x2104).empty());
    EXPECT_EQ(WindowStyleNames().size(), 21u);
    EXPECT_EQ(ExtendedStyleNames().size(), 18u);
    EXPECT_EQ(ClassStyleNames().size(), 10u);
}

TEST(Relations, LinksShowHandlesAndReportMissingNodes) {
    EXPECT_EQ(RelationText(0), "(None)");
    EXPECT_EQ(RelationText(0x0001002A), "0001002A");
    EXPECT_EQ(WindowNotFoundText("0001002A", true),
              "The window 0001002A could not be found.\r\nPossibly has an elective window "
              "invisible.");
    EXPECT_EQ(WindowNotFoundText("0001002A", false),
              "The window 0001002A could not be found.\r\nUpdate it which window list.");
}

TEST(Light3DFrame, PlacesTheLinesAroundTheSurface) {
    const auto lines = FrameLines(100, 50, 15);
    EXPECT_EQ(lines[0], (FrameLine{0, 0, 99, 0}));
    EXPECT_EQ(lines[1], (FrameLine{0, 0, 0, 49}));
    EXPECT_EQ(lines[2], (FrameLine{0, 49, 100, 49}));
    EXPECT_EQ(lines[3], (FrameLine{99, 50, 99, -15}));
    EXPECT_EQ(SurfacePoint(0, 0), std::make_pair(1, 1));
}

TEST(Light3DFrame, ColoursFollowTheStyle) {
    using Colors = std::array<std::uint32_t, 4>;
    EXPECT_EQ(FrameColors(kSunken),
              (Colors{kShadowColor, kShadowColor, kHighlightColor, kHighlightColor}));
    EXPECT_EQ(FrameColors(kRaised),
              (Colors{kHighlightColor, kHighlightColor, kShadowColor, kShadowColor}));
    EXPECT_EQ(FrameColors(1), FrameColors(kRaised)); // only -1 is true
}

TEST(Light3DBag, DefaultsAreWrittenAsNoKeysAndReadBack) {
    const tk::FontDesc ambient{"Tahoma", 8.25};
    tk::PropertyBag bag;
    Light3DProperties defaults;
    defaults.font = ambient;
    WriteLight3D(defaults, bag, ambient);
    EXPECT_EQ(bag.Count(), 0u);
    const Light3DProperties read = ReadLight3D(bag, ambient);
    EXPECT_EQ(read.style, kSunken);
    EXPECT_EQ(read.font, ambient);
    EXPECT_EQ(read.backColor, 0x8000000Fu);
    EXPECT_EQ(read.foreColor, 0x80000012u);
    EXPECT_EQ(read.backStyle, 1);
    EXPECT_EQ(read.borderStyle, 0);
    EXPECT_EQ(read.picture, tk::PictureRef{});
    EXPECT_FALSE(read.autoRedraw);
    EXPECT_TRUE(read.enabled);
}

TEST(Light3DBag, ChangedValuesAreWrittenInKeyOrderAndRoundTrip) {
    const tk::FontDesc ambient{"Tahoma", 8.25};
    Light3DProperties changed;
    changed.font = ambient;
    changed.style = kRaised;
    changed.backColor = 0x80000016;
    changed.autoRedraw = true;
    changed.borderStyle = 1;
    tk::PropertyBag bag;
    WriteLight3D(changed, bag, ambient);
    EXPECT_EQ(bag.Keys(),
              (std::vector<std::string>{"BackColor", "BorderStyle", "AutoRedraw", "Style"}));
    const Light3DProperties read = ReadLight3D(bag, ambient);
    EXPECT_EQ(read.style, kRaised);
    EXPECT_EQ(read.backColor, 0x80000016u);
    EXPECT_TRUE(read.autoRedraw);
    EXPECT_EQ(read.borderStyle, 1);
    // A value of another type under a key reads as the default.
    tk::PropertyBag odd;
    odd.Write<bool>("BackColor", true, false);
    EXPECT_EQ(ReadLight3D(odd, ambient).backColor, 0x8000000Fu);
}

TEST(Light3DFrame, LinesCoverUpToTheirSecondEndAndTheCornersBelongToBottomAndRight) {
    const auto lines = FrameLines(100, 50, 15);
    EXPECT_EQ(LineRect(lines[0]), (PixelRect{0, 0, 99, 1}));    // top: x 0..98
    EXPECT_EQ(LineRect(lines[1]), (PixelRect{0, 0, 1, 49}));    // left: y 0..48
    EXPECT_EQ(LineRect(lines[2]), (PixelRect{0, 49, 100, 1}));  // bottom: x 0..99
    EXPECT_EQ(LineRect(lines[3]), (PixelRect{99, -14, 1, 65})); // right: y 50 up to -14
}

TEST(JumpPointer, IsAHandWhoseFingertipIsTheHotSpot) {
    const pictures::Image hand = DrawJumpPointer();
    ASSERT_EQ(hand.Width(), kJumpPointerSize);
    EXPECT_EQ(hand.At(kJumpHotSpotX, kJumpHotSpotY), 0x000000u); // the tip's outline
    EXPECT_EQ(hand.At(kJumpHotSpotX, kJumpHotSpotY - 1), pictures::kTransparent); // nothing above
    EXPECT_EQ(hand.At(kJumpHotSpotX, kJumpHotSpotY + 2), 0xFFFFFFu);              // the finger
    EXPECT_EQ(hand.At(0, 0), pictures::kTransparent);
}

TEST(PositionText, WritesRectanglesStatesAndIds) {
    EXPECT_EQ(RectText({0, 0, 1024, 768}), "(0, 0) - (1024, 768)");
    EXPECT_EQ(RectText({-32000, -5, 10, 20}), "(-32000, -5) - (10, 20)");
    EXPECT_EQ(StateText(true, true), "Minimized");
    EXPECT_EQ(StateText(false, true), "Maximized");
    EXPECT_EQ(StateText(false, false), "Normal");
    EXPECT_EQ(mAPI::HexStr8(1234), "000004D2"); // process and thread ids are hex
}

TEST(PreviewScale, PutsTheScreenInsideTheBoxLessAMargin) {
    const PreviewScale scale(79, 60, 1024, 768);
    EXPECT_EQ(scale.Map({0, 0, 1024, 768}), (Box{1, 1, 77, 58}));
    EXPECT_EQ(scale.Map({512, 384, 512, 384}).left, 40);
    const Box away = scale.Map({-32000, -32000, -31800, -31800});
    EXPECT_LT(away.right, 0); // wholly outside: nothing of it lands in the box
    EXPECT_EQ(PreviewScale(79, 60, 0, 0).Map({10, 10, 20, 20}), (Box{1, 1, 0, 0}));
}
