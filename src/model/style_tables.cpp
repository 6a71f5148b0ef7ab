#include "model/style_tables.h"

#include <array>

namespace vantry {

namespace {

constexpr std::array<StyleName, 21> kWindowStyles{{
    {"WS_POPUP", 0x80000000},        {"WS_CHILD", 0x40000000},
    {"WS_MINIMIZE", 0x20000000},     {"WS_VISIBLE", 0x10000000},
    {"WS_DISABLED", 0x08000000},     {"WS_CLIPSIBLINGS", 0x04000000},
    {"WS_CLIPCHILDREN", 0x02000000}, {"WS_MAXIMIZE", 0x01000000},
    {"WS_CAPTION", 0x00C00000},      {"WS_BORDER", 0x00800000},
    {"WS_DLGFRAME", 0x00400000},     {"WS_VSCROLL", 0x00200000},
    {"WS_HSCROLL", 0x00100000},      {"WS_SYSMENU", 0x00080000},
    {"WS_THICKFRAME", 0x00040000},   {"WS_GROUP", 0x00020000},
    {"WS_TABSTOP", 0x00010000},      {"WS_MINIMIZEBOX", 0x00020000},
    {"WS_MAXIMIZEBOX", 0x00010000},  {"WS_OVERLAPPEDWINDOW", 0x00CF0000},
    {"WS_POPUPWINDOW", 0x80880000},
}};

constexpr std::array<StyleName, 18> kExtendedStyles{{
    {"WS_EX_DLGMODALFRAME", 0x00000001},
    {"WS_EX_NOPARENTNOTIFY", 0x00000004},
    {"WS_EX_TOPMOST", 0x00000008},
    {"WS_EX_ACCEPTFILES", 0x00000010},
    {"WS_EX_TRANSPARENT", 0x00000020},
    {"WS_EX_MDICHILD", 0x00000040},
    {"WS_EX_TOOLWINDOW", 0x00000080},
    {"WS_EX_WINDOWEDGE", 0x00000100},
    {"WS_EX_CLIENTEDGE", 0x00000200},
    {"WS_EX_CONTEXTHELP", 0x00000400},
    {"WS_EX_RIGHT", 0x00001000},
    {"WS_EX_RTLREADING", 0x00002000},
    {"WS_EX_LEFTSCROLLBAR", 0x00004000},
    {"WS_EX_CONTROLPARENT", 0x00010000},
    {"WS_EX_STATICEDGE", 0x00020000},
    {"WS_EX_APPWINDOW", 0x00040000},
    {"WS_EX_OVERLAPPEDWINDOW", 0x00000300},
    {"WS_EX_PALETTEWINDOW", 0x00000188},
}};

constexpr std::array<StyleName, 10> kClassStyles{{
    {"CS_BYTEALIGNCLIENT", 0x00001000},
    {"CS_CLASSDC", 0x00000040},
    {"CS_DBLCLKS", 0x00000008},
    {"CS_GLOBALCLASS", 0x00004000},
    {"CS_HREDRAW", 0x00000002},
    {"CS_NOCLOSE", 0x00000200},
    {"CS_OWNDC", 0x00000020},
    {"CS_PARENTDC", 0x00000080},
    {"CS_SAVEBITS", 0x00000800},
    {"CS_VREDRAW", 0x00000001},
}};

} // namespace

std::span<const StyleName> WindowStyleNames() {
    return kWindowStyles;
}

std::span<const StyleName> ExtendedStyleNames() {
    return kExtendedStyles;
}

std::span<const StyleName> ClassStyleNames() {
    return kClassStyles;
}

std::vector<std::string_view> StyleNamesOf(std::span<const StyleName> table, std::uint32_t value) {
    std::vector<std::string_view> names;
    for (const StyleName& entry : table) {
        if ((value & entry.mask) != 0) {
            names.push_back(entry.name);
        }
    }
    return names;
}

} // namespace vantry
