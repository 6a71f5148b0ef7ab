#include "app/program_icon.h"
#include "core/icon_file.h"
#include "core/image.h"
#include "tree/toolbar_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

using namespace pictures;

namespace {

std::uint32_t Read32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes.at(at) | bytes.at(at + 1) << 8 | bytes.at(at + 2) << 16 |
           static_cast<std::uint32_t>(bytes.at(at + 3)) << 24;
}

std::uint16_t Read16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes.at(at) | bytes.at(at + 1) << 8);
}

} // namespace

TEST(FromArt, MapsCharactersThroughThePalette) {
    constexpr std::array<std::pair<char, Rgb>, 2> palette{{{'.', 0xFF00FF}, {'x', 0x123456}}};
    constexpr std::array<std::string_view, 2> art{"x.", ".x"};
    const Image image = FromArt(art, palette);
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.At(0, 0), 0x123456u);
    EXPECT_EQ(image.At(1, 0), 0xFF00FFu);
    constexpr std::array<std::string_view, 2> ragged{"x.", "x"};
    EXPECT_THROW(FromArt(ragged, palette), std::invalid_argument);
    constexpr std::array<std::string_view, 1> unknown{"xq"};
    EXPECT_THROW(FromArt(unknown, palette), std::invalid_argument);
}

TEST(Scaled, RepeatsWholePixelsAndKeepsTheMaskExact) {
    constexpr std::array<std::pair<char, Rgb>, 2> palette{{{'.', kTransparent}, {'x', 0x123456}}};
    constexpr std::array<std::string_view, 2> art{"x.", ".x"};
    const Image image = FromArt(art, palette);

    const Image twice = Scaled(image, 4, 4); // each pixel a 2 x 2 block
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(twice.At(x, y), image.At(x / 2, y / 2)) << x << "," << y;
        }
    }
    // Between whole factors every pixel is still one of the picture's own: no blend with the
    // mask colour, which would leave a fringe around the picture.
    const Image between = Scaled(image, 3, 5);
    std::set<Rgb> colours;
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 3; ++x) {
            colours.insert(between.At(x, y));
        }
    }
    EXPECT_EQ(colours, (std::set<Rgb>{kTransparent, 0x123456}));
    EXPECT_EQ(between.At(2, 4), 0x123456u); // the far corner follows the far corner

    EXPECT_EQ(Scaled(image, 0, 0).Width(), 0);
    EXPECT_EQ(Scaled(Image(0, 0, 0), 3, 3).At(2, 2), kTransparent);
}

TEST(ToolbarPictures, AreSevenDistinctMaskedSixteenPixelSquares) {
    const auto images = vantry::ToolbarPictures();
    ASSERT_EQ(images.size(), 7u);
    std::set<std::vector<Rgb>> distinct;
    for (const Image& image : images) {
        EXPECT_EQ(image.Width(), 16);
        EXPECT_EQ(image.Height(), 16);
        std::vector<Rgb> pixels;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                pixels.push_back(image.At(x, y));
            }
        }
        EXPECT_EQ(image.At(0, 0), pictures::kTransparent); // the corners show the toolbar
        EXPECT_GT(std::count_if(pixels.begin(), pixels.end(),
                                [](Rgb c) { return c != pictures::kTransparent; }),
                  20);
        distinct.insert(pixels);
    }
    EXPECT_EQ(distinct.size(), 7u);
}

TEST(ProgramIcon, SixteenColourDrawingsUseOnlyTheStandardPalette) {
    const auto standard = StandardPalette16();
    for (const int size : {16, 32, 48}) {
        const Image icon = vantry::DrawProgramIcon(size, false);
        ASSERT_EQ(icon.Width(), size);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const Rgb c = icon.At(x, y);
                EXPECT_NE(std::find(standard.begin(), standard.end(), c), standard.end())
                    << size << ": " << x << "," << y << " " << std::hex << c;
            }
        }
    }
}

TEST(WriteIconFile, WritesDirectoryHeadersColoursAndMask) {
    Image small(3, 2, 0xFF00FF);
    small.Set(0, 0, 0xFF0000); // top-left red
    small.Set(2, 1, 0x0000FF); // bottom-right blue
    Image large(20, 20, 0x00FF00);
    const std::array<IconImage, 2> entries{{{&small, 4, 0xFF00FF}, {&large, 8, 0xFF00FF}}};
    const auto bytes = WriteIconFile(entries);

    EXPECT_EQ(Read16(bytes, 0), 0);
    EXPECT_EQ(Read16(bytes, 2), 1);
    EXPECT_EQ(Read16(bytes, 4), 2);
    // Entry 1: 3 x 2, 16 colours, 4 bits.
    EXPECT_EQ(bytes[6], 3);
    EXPECT_EQ(bytes[7], 2);
    EXPECT_EQ(bytes[8], 16);
    EXPECT_EQ(Read16(bytes, 12), 4);
    const std::uint32_t size1 = Read32(bytes, 14);
    const std::uint32_t offset1 = Read32(bytes, 18);
    EXPECT_EQ(offset1, 6u + 2 * 16);
    // 40-byte header, 16 palette entries, 2 rows of 4 colour bytes, 2 rows of 4 mask bytes.
    EXPECT_EQ(size1, 40u + 64 + 8 + 8);
    EXPECT_EQ(Read32(bytes, offset1 + 8), 4u); // height doubled for the mask
    // Entry 2 follows the first image directly.
    EXPECT_EQ(bytes[22], 20);
    EXPECT_EQ(bytes[24], 0);
    EXPECT_EQ(Read32(bytes, 34), offset1 + size1);
    EXPECT_EQ(bytes.size(), Read32(bytes, 34) + Read32(bytes, 30));

    // Rows go bottom-up: the first colour row is the image's last.
    const std::size_t colours = offset1 + 40 + 64;
    const auto red = NearestIndex(StandardPalette16(), 0xFF0000);
    const auto blue = NearestIndex(StandardPalette16(), 0x0000FF);
    EXPECT_EQ(bytes[colours + 1] >> 4, blue); // (2, 1): high nibble of byte 1, row 0
    EXPECT_EQ(bytes[colours + 4] >> 4, red);  // (0, 0): high nibble of byte 0, row 1
    const std::size_t mask = colours + 8;
    EXPECT_EQ(bytes[mask], 0xC0);     // bottom row: (0, 1) and (1, 1) transparent
    EXPECT_EQ(bytes[mask + 4], 0x60); // top row: (1, 0) and (2, 0) transparent
}

TEST(WriteIconFile, RefusesDepthsAndSizesItCannotWrite) {
    Image image(16, 16, 0);
    const std::array<IconImage, 1> deep{{{&image, 32, 0}}};
    EXPECT_THROW(WriteIconFile(deep), std::invalid_argument);
    Image huge(300, 16, 0);
    const std::array<IconImage, 1> wide{{{&huge, 8, 0}}};
    EXPECT_THROW(WriteIconFile(wide), std::invalid_argument);
}

TEST(Palette256, HoldsTheStandardColoursFirstAndMatchesThemExactly) {
    const auto palette = Palette256();
    ASSERT_EQ(palette.size(), 256u);
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(palette[i], StandardPalette16()[i]);
        EXPECT_EQ(NearestIndex(palette, palette[i]), i);
    }
    EXPECT_EQ(palette[NearestIndex(palette, 0xCCFFFF)], 0xCCFFFFu);
}
