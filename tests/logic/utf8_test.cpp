#include "core/utf8.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace mAPI;

namespace {

// "中" (3 bytes), "é" (2), "😀" (4), "ع" (2).
const std::string kHan = "\xE4\xB8\xAD";
const std::string kAcute = "\xC3\xA9";
const std::string kEmoji = "\xF0\x9F\x98\x80";
const std::string kArabic = "\xD8\xB9";

} // namespace

TEST(Utf8, CountsCharactersNotBytes) {
    EXPECT_EQ(Utf8CharCount(""), 0u);
    EXPECT_EQ(Utf8CharCount("abc"), 3u);
    EXPECT_EQ(Utf8CharCount(kHan + kAcute + kEmoji + kArabic + "x"), 5u);
    std::string many;
    for (int i = 0; i < 2000; ++i) {
        many += kHan;
    }
    EXPECT_EQ(Utf8CharCount(many), 2000u);
}

TEST(Utf8, CutsOnlyBetweenCharacters) {
    const std::string mixed = "a" + kHan + kEmoji + kAcute + "z";
    EXPECT_EQ(Utf8Prefix(mixed, 0), "");
    EXPECT_EQ(Utf8Prefix(mixed, 1), "a");
    EXPECT_EQ(Utf8Prefix(mixed, 2), "a" + kHan);
    EXPECT_EQ(Utf8Prefix(mixed, 3), "a" + kHan + kEmoji);
    EXPECT_EQ(Utf8Prefix(mixed, 5), mixed);
    EXPECT_EQ(Utf8Prefix(mixed, 99), mixed);
    std::string caption;
    for (int i = 0; i < 2000; ++i) {
        caption += kHan;
    }
    const std::string_view cut = Utf8Prefix(caption, 1024);
    EXPECT_EQ(cut.size(), 3u * 1024);
    EXPECT_EQ(Utf8CharCount(cut), 1024u);
}

TEST(Utf8, MalformedBytesCountOneEachAndNothingIsReadPastTheEnd) {
    // Exact-size copies, so that AddressSanitizer sees any read past the text.
    auto check = [](const std::string& bytes, std::size_t chars) {
        const std::unique_ptr<char[]> copy(new char[bytes.size()]);
        bytes.copy(copy.get(), bytes.size());
        const std::string_view text(copy.get(), bytes.size());
        EXPECT_EQ(Utf8CharCount(text), chars) << bytes.size();
        EXPECT_EQ(Utf8Prefix(text, chars).size(), text.size());
    };
    check("\x80", 1);         // a stray continuation
    check("\xE4\xB8", 2);     // a sequence cut short by the end
    check("\xF0\x9F\x98", 3); // likewise, four bytes wanted
    check("\xE4"
          "a",
          2);                     // a lead byte without its continuation
    check("\xC0\xAF", 2);         // an overlong "/"
    check("\xE0\x80\xAF", 3);     // overlong in three bytes
    check("\xED\xA0\x80", 3);     // a surrogate
    check("\xF4\x90\x80\x80", 4); // past U+10FFFF
    check("\xFF\xFE", 2);         // bytes that never start a sequence
    check("\xE4\xB8\xAD\xB8", 2); // a character and a stray continuation
    // A cut after a malformed byte keeps the characters that follow whole.
    const std::string text = "\x80" + kEmoji;
    EXPECT_EQ(Utf8Prefix(text, 1), "\x80");
    EXPECT_EQ(Utf8Prefix(text, 2), text);
}
