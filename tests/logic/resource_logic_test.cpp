#include "model/resource_logic.h"

#include <gtest/gtest.h>

#include <array>

#include <vector>

using namespace vantry;

namespace {

std::vector<std::uint8_t> Directory(std::uint16_t type, std::uint16_t count,
                                    const std::vector<std::array<int, 4>>& entries) {
    std::vector<std::uint8_t> bytes{0,
                                    0,
                                    static_cast<std::uint8_t>(type),
                                    static_cast<std::uint8_t>(type >> 8),
                                    static_cast<std::uint8_t>(count),
                                    static_cast<std::uint8_t>(count >> 8)};
    for (const auto& [w, h, bpp, id] : entries) {
        const std::vector<std::uint8_t> entry{static_cast<std::uint8_t>(w),
                                              static_cast<std::uint8_t>(h),
                                              0,
                                              0,
                                              1,
                                              0,
                                              static_cast<std::uint8_t>(bpp),
                                              0,
                                              0x10,
                                              0,
                                              0,
                                              0,
                                              static_cast<std::uint8_t>(id),
                                              static_cast<std::uint8_t>(id >> 8)};
        bytes.insert(bytes.end(), entry.begin(), entry.end());
    }
    return bytes;
}

} // namespace

TEST(ResourceTypes, NameTheNumericTypesAndPickTheirPictures) {
    EXPECT_EQ(NumericTypeDisplay(2).text, "Bitmaps");
    EXPECT_EQ(NumericTypeDisplay(2).picture, TreePicture::Bitmap);
    EXPECT_EQ(NumericTypeDisplay(14).text, "Icons");
    EXPECT_EQ(NumericTypeDisplay(14).picture, TreePicture::IconGroup);
    EXPECT_EQ(NumericTypeDisplay(1).text, "Cursor");
    EXPECT_EQ(NumericTypeDisplay(1).picture, TreePicture::Other);
    EXPECT_EQ(NumericTypeDisplay(12).text, "Cursor");
    EXPECT_EQ(NumericTypeDisplay(12).picture, TreePicture::CursorGroup);
    EXPECT_EQ(NumericTypeDisplay(6).picture, TreePicture::Strings);
    EXPECT_EQ(NumericTypeDisplay(19).text, "Plug & Play-Information");
    for (const std::uint32_t unnamed : {0u, 13u, 15u, 18u, 24u, 240u}) {
        EXPECT_EQ(NumericTypeDisplay(unnamed).text, "#" + std::to_string(unnamed));
        EXPECT_EQ(NumericTypeDisplay(unnamed).picture, TreePicture::Other);
    }
}

TEST(ResourceKeys, SplitAtTheFirstBar) {
    EXPECT_EQ(TypeKey("2"), "t2");
    EXPECT_EQ(NameKey("2", "101"), "n2|101");
    const auto bitmap = SplitNameKey("n2|101");
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->typeText, "2");
    EXPECT_EQ(bitmap->nameText, "101");
    const auto named = SplitNameKey("nMYDATA|7|x");
    ASSERT_TRUE(named);
    EXPECT_EQ(named->typeText, "MYDATA");
    EXPECT_EQ(named->nameText, "7|x");
    EXPECT_FALSE(SplitNameKey("t2"));
    EXPECT_FALSE(SplitNameKey("n2"));
    EXPECT_FALSE(SplitNameKey(""));
    EXPECT_EQ(ResourceNumber("40000"), 40000);
    EXPECT_EQ(ResourceNumber("65536"), std::nullopt);
    EXPECT_EQ(ResourceNumber("DATA"), std::nullopt);
    EXPECT_EQ(ResourceNumber("12a"), std::nullopt);
    EXPECT_EQ(ResourceNumber(""), std::nullopt);
}

TEST(BytesToText, KeepsPrintableBytesAndTheFourControls) {
    // A string block: each string is a length word and UTF-16 characters.
    const std::vector<std::uint8_t> block{5,   0, 'H', 0, 'e', 0, 'l', 0, 'l', 0, 'o', 0, 5, 0,
                                          'W', 0, 'o', 0, 'r', 0, 'l', 0, 'd', 0, 0,   0};
    EXPECT_EQ(BytesToText(block), "HelloWorld");
    // A length word is a unit like any other: 65 shows as "A", 10, 9 and 13 as their controls.
    EXPECT_EQ(BytesToText(std::vector<std::uint8_t>{65, 0, 'x', 0}), "Ax");
    EXPECT_EQ(
        BytesToText(std::vector<std::uint8_t>{10, 0, 9, 0, 13, 0, 8, 0, 7, 0, 31, 0, 0xE9, 0}),
        "\n\t\r\b\xC3\xA9");
    // A trailing odd byte is no unit.
    EXPECT_EQ(BytesToText(std::vector<std::uint8_t>{'o', 0, 'k', 0, 'x'}), "ok");
    EXPECT_EQ(BytesToText(std::vector<std::uint8_t>{'x'}), "");
    EXPECT_EQ(BytesToText({}), "");
}

TEST(BytesToText, ShowsEveryScriptAsItsCharacters) {
    const auto block = [](std::u16string_view text) {
        std::vector<std::uint8_t> bytes{static_cast<std::uint8_t>(text.size()), 0};
        for (const char16_t unit : text) {
            bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
            bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
        }
        return bytes;
    };
    // The length word 5 (below 32) drops out.
    EXPECT_EQ(BytesToText(block(u"Gr\u00FC\u00DFe")), "Gr\xC3\xBC\xC3\x9F"
                                                      "e");
    EXPECT_EQ(BytesToText(block(u"\u041F\u0440\u0438\u0432\u0435\u0442")),
              "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82");
    EXPECT_EQ(BytesToText(block(u"\u6587\u5B57")), "\xE6\x96\x87\xE5\xAD\x97");
    // An emoji is a surrogate pair; a pair cut by the block's end is a replacement character.
    EXPECT_EQ(BytesToText(block(u"\U0001F600")), "\xF0\x9F\x98\x80");
    EXPECT_EQ(BytesToText(std::vector<std::uint8_t>{1, 0, 0x3D, 0xD8}), "\xEF\xBF\xBD");
}

TEST(IconGroupDirectory, ReadsEntriesAndTheirCells) {
    const auto bytes = Directory(1, 3, {{16, 16, 4, 1}, {32, 32, 4, 2}, {48, 48, 8, 40000}});
    const auto entries = ParseIconGroup(bytes);
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 3u);
    EXPECT_EQ((*entries)[2].imageId, 40000);
    EXPECT_EQ((*entries)[2].bitsPerPixel, 8);
    const CellSize cell = IconCellSize(*entries);
    EXPECT_EQ(cell.width, 50);
    EXPECT_EQ(cell.height, 50);
    EXPECT_EQ(CentredOffset(50, 16), 17);
    EXPECT_EQ(CentredOffset(50, 32), 9);
    EXPECT_EQ(CentredOffset(50, 48), 1);
    EXPECT_EQ(CentredOffset(5, 2), 2);  // 1.5 to the even 2
    EXPECT_EQ(CentredOffset(7, 2), 2);  // 2.5 to the even 2
    EXPECT_EQ(CentredOffset(2, 5), -2); // -1.5 to the even -2
}

TEST(IconGroupDirectory, StaysInsideItsDataAndRefusesOtherTypes) {
    EXPECT_FALSE(ParseIconGroup(Directory(2, 1, {{16, 16, 4, 1}}))); // a cursor directory
    EXPECT_FALSE(ParseIconGroup(std::vector<std::uint8_t>{0, 0, 1, 0}));
    // It claims 200 entries but holds one and a half.
    auto bytes = Directory(1, 200, {{16, 16, 4, 1}, {32, 32, 4, 2}});
    bytes.resize(bytes.size() - 7);
    const auto entries = ParseIconGroup(bytes);
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->size(), 1u);
    // A width or height of 0 stands for 256, as in icon files.
    const auto big = ParseIconGroup(Directory(1, 1, {{0, 0, 32, 7}}));
    ASSERT_TRUE(big);
    EXPECT_EQ((*big)[0].width, 256);
    EXPECT_EQ(IconCellSize(*big).height, 258);
}

TEST(KindOfType, GivesEachTypeItsPreviewAndSaveAndTheRestRawBytes) {
    EXPECT_EQ(KindOfType(2).preview, ResourcePreview::Bitmap);
    EXPECT_EQ(KindOfType(2).save, ResourceSave::Bitmap);
    EXPECT_EQ(KindOfType(6).save, ResourceSave::StringBlock);
    EXPECT_EQ(KindOfType(12).preview, ResourcePreview::CursorGroup);
    EXPECT_EQ(KindOfType(14).save, ResourceSave::IconGroup);
    EXPECT_EQ(KindOfType(1).save, ResourceSave::Cursor);
    EXPECT_EQ(KindOfType(3).preview, ResourcePreview::None); // a lone icon shows no preview
    for (const std::uint32_t type : {0u, 13u, 24u, 0xFFFFu}) {
        const ResourceKind kind = KindOfType(type);
        EXPECT_EQ(kind.type, type);
        EXPECT_TRUE(kind.name.empty());
        EXPECT_EQ(kind.preview, ResourcePreview::None);
        EXPECT_EQ(kind.save, ResourceSave::Raw);
    }
}
