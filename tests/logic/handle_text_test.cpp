#include "core/mapi.h"
#include "search/finder_cursor.h"
#include "search/handle_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace vantry;

namespace {

// What the box holds after the keys, typed at its end, pass the filter.
std::string Type(const std::string& keys, std::string text = "") {
    for (const char key : keys) {
        if (const auto accepted = FilterHandleKey(key, text)) {
            if (*accepted == '\b') {
                if (!text.empty()) {
                    text.pop_back();
                }
            } else if (text.size() < kHandleBoxLength) {
                text += *accepted;
            }
        }
    }
    return text;
}

} // namespace

TEST(HandleKeyFilter, TakesHexDigitsUpperCaseAndOneLowerCaseH) {
    EXPECT_EQ(Type("1a2bh"), "1A2Bh");
    EXPECT_EQ(Type("1hH2h"), "1h2");
    EXPECT_EQ(Type("H"), "h");
    EXPECT_EQ(Type("xyz -+.,g\t\r Z!"), "");
    EXPECT_EQ(Type("0123456789abcdefABCDEF"), "012345678");
    EXPECT_EQ(Type("12\b3"), "13");
    EXPECT_EQ(FilterHandleKey('\b', "abc"), '\b');
    EXPECT_EQ(FilterHandleKey('\x1B', ""), std::nullopt); // other control characters go
}

TEST(HandleNormalisation, ReadsHexWithAnHAndDecimalWithout) {
    EXPECT_EQ(NormalizeHandleText("1A2Bh"), "00001A2Bh");
    EXPECT_EQ(NormalizeHandleText("1234"), "000004D2h");
    EXPECT_EQ(NormalizeHandleText("12AB"), "0000000Ch");
    EXPECT_EQ(NormalizeHandleText("0001234A"), "000004D2h");
    EXPECT_EQ(NormalizeHandleText(""), "00000000h");
    EXPECT_EQ(NormalizeHandleText("FFFFFFFFh"), "FFFFFFFFh");
    EXPECT_EQ(NormalizeHandleText("h"), "00000000h");
    EXPECT_EQ(NormalizeHandleText("12h34"), "00000012h"); // the last character goes, whatever
    EXPECT_EQ(NormalizeHandleText("1E3"), "000003E8h");
    EXPECT_EQ(NormalizeHandleText("2D2"), "000000C8h");
    EXPECT_EQ(NormalizeHandleText("7E"), "00000007h"); // an exponent needs digits
    EXPECT_EQ(NormalizeHandleText("E5"), "00000000h");
    EXPECT_EQ(NormalizeHandleText("2147483647"), "7FFFFFFFh");
}

TEST(HandleNormalisation, GivesZeroForDecimalsOutsideTheHandleRange) {
    for (const char* text : {"9E99", "2147483648", "99999999E9", "1E999999", "4294967295"}) {
        EXPECT_EQ(NormalizeHandleText(text), "00000000h") << text;
    }
}

TEST(TryHandleFromText, ReadsTheTextWithoutItsLastCharacter) {
    EXPECT_EQ(TryHandleFromText(""), 0);
    EXPECT_EQ(TryHandleFromText("0002001Ah"), 131098);
    EXPECT_EQ(TryHandleFromText("1234"), 0x123); // why the dialog normalises first
    EXPECT_EQ(TryHandleFromText("00000000h"), std::nullopt);
    EXPECT_EQ(TryHandleFromText("h"), std::nullopt);
}

TEST(FinderCursor, IsAGunSightCentredOnItsHotSpot) {
    const pictures::Image sight = DrawFinderCursor();
    ASSERT_EQ(sight.Width(), kFinderCursorSize);
    ASSERT_EQ(sight.Height(), kFinderCursorSize);
    EXPECT_EQ(sight.At(kFinderHotSpotX, kFinderHotSpotY), 0x000000u);
    EXPECT_EQ(sight.At(0, 0), pictures::kTransparent);
    // The circle crosses the diagonals 9 pixels out, black inside white.
    int black = 0;
    for (int y = 0; y < kFinderCursorSize; ++y) {
        for (int x = 0; x < kFinderCursorSize; ++x) {
            const auto c = sight.At(x, y);
            EXPECT_TRUE(c == 0 || c == 0xFFFFFF || c == pictures::kTransparent);
            black += c == 0;
        }
    }
    EXPECT_GT(black, 60);
    EXPECT_EQ(sight.At(kFinderHotSpotX + 10, kFinderHotSpotY + 1), 0xFFFFFFu);
}
