#include "tree/toolbar_pictures.h"

#include <array>
#include <string_view>
#include <utility>

namespace vantry {

namespace {

using Art = std::array<std::string_view, 16>;

constexpr std::array<std::pair<char, pictures::Rgb>, 11> kPalette{{
    {'.', pictures::kTransparent},
    {'k', 0x000000},
    {'w', 0xFFFFFF},
    {'g', 0x808080},
    {'s', 0xC0C0C0},
    {'n', 0x000080},
    {'b', 0x0000FF},
    {'y', 0xFFFF00},
    {'r', 0xFF0000},
    {'G', 0x008000},
    {'C', 0x00FFFF},
}};

constexpr Art kUpdate{
    "................", "......GGGG......", "....GG....GG.G..", "...G........GG..",
    "..G........GGG..", "..G.............", ".G..............", ".G..............",
    "..............G.", "..............G.", ".............G..", "..GGG........G..",
    "..GG........G...", "..G.GG....GG....", "......GGGG......", "................",
};

constexpr Art kVisible{
    "................", "................", "................", "................",
    ".....kkkkkk.....", "...kkwwwwwwkk...", "..kwwwwnnwwwwk..", ".kwwwwnbbnwwwwk.",
    ".kwwwwnbbnwwwwk.", "..kwwwwnnwwwwk..", "...kkwwwwwwkk...", ".....kkkkkk.....",
    "................", "................", "................", "................",
};

constexpr Art kProperties{
    "................", "..kkkkkkkkkkk...", "..kwwwwwwwwwk...", "..kwggggwwwwk...",
    "..kwwwwwwwwwk...", "..kwgggggwwwk...", "..kwwwwwwwwwk...", "..kwggggggwwk...",
    "..kwwwwwwwwwk...", "..kwgggwwwwwk...", "..kwwwwwwwwwk...", "..kwgggggwwwk...",
    "..kwwwwwwwwwk...", "..kkkkkkkkkkk...", "................", "................",
};

constexpr Art kResources{
    "................", ".kkkkkkkkkkkkkk.", ".kCCCCCCCCCCCCk.", ".kCCCCCCCCyyCCk.",
    ".kCCCCCCCCyyCCk.", ".kCCCCCCCCCCCCk.", ".kCCCCGCCCCCCCk.", ".kCCCGGGCCCCCCk.",
    ".kCCGGGGGCCGCCk.", ".kCGGGGGGGGGGCk.", ".kGGGGGGGGGGGGk.", ".kGGGGGGGGGGGGk.",
    ".kkkkkkkkkkkkkk.", "................", "................", "................",
};

constexpr Art kFind{
    "................", ".......k........", ".......k........", ".....kkkkk......",
    "....k..k..k.....", "...k...k...k....", "...k...k...k....", ".kkkkkkrkkkkkk..",
    "...k...k...k....", "...k...k...k....", "....k..k..k.....", ".....kkkkk......",
    ".......k........", ".......k........", "................", "................",
};

constexpr Art kActivate{
    "................", ".kkkkkkkkkk.....", ".kssssssssk.....", ".kkkkkkkkkk.....",
    ".kwwwwwwwwk.....", ".kwwwwwwwwk.....", ".kwwwwkkkkkkkkkk", ".kwwwwknnnnnnnnk",
    ".kwwwwkkkkkkkkkk", ".kkkkkkwwwwwwwwk", "......kwwwwwwwwk", "......kwwwwwwwwk",
    "......kwwwwwwwwk", "......kwwwwwwwwk", "......kkkkkkkkkk", "................",
};

constexpr Art kFlash{
    "................", "........kkkk....", ".......kyyk.....", "......kyyk......",
    ".....kyyk.......", "....kyyykkkk....", "...kyyyyyyyk....", "...kkkkkyyk.....",
    "......kyyk......", ".....kyyk.......", "....kyyk........", "...kyyk.........",
    "...kyk..........", "...kk...........", "................", "................",
};

} // namespace

std::vector<pictures::Image> ToolbarPictures() {
    std::vector<pictures::Image> images;
    for (const Art* art :
         {&kUpdate, &kVisible, &kProperties, &kResources, &kFind, &kActivate, &kFlash}) {
        images.push_back(pictures::FromArt(*art, kPalette));
    }
    return images;
}

} // namespace vantry
