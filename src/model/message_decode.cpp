#include "model/message_decode.h"

#include "core/mapi.h"
#include "core/utf8.h"
#include "model/style_tables.h"

#include <cstring>
#include <span>
#include <string_view>

namespace vantry {

namespace {

// Upper-case hex digits, as few as the value needs.
std::string Hex(std::uint64_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return text;
}

struct CodeName {
    std::int32_t code;
    std::string_view name;
};

std::string NameOf(std::span<const CodeName> table, std::int32_t code) {
    for (const CodeName& entry : table) {
        if (entry.code == code) {
            return std::string(entry.name);
        }
    }
    return std::to_string(code);
}

struct BitName {
    std::uint32_t mask;
    std::string_view name;
};

// The names of the bits value holds, joined by "|"; bits without a name as hex.
std::string BitsOf(std::span<const BitName> table, std::uint32_t value) {
    std::string text;
    for (const BitName& entry : table) {
        if ((value & entry.mask) == entry.mask) {
            text += (text.empty() ? "" : "|") + std::string(entry.name);
            value &= ~entry.mask;
        }
    }
    if (value != 0) {
        text += (text.empty() ? "0x" : "|0x") + Hex(value);
    }
    return text.empty() ? "0" : text;
}

constexpr BitName kMouseKeys[] = {
    {0x0001, "MK_LBUTTON"},  {0x0002, "MK_RBUTTON"}, {0x0004, "MK_SHIFT"},
    {0x0008, "MK_CONTROL"},  {0x0010, "MK_MBUTTON"}, {0x0020, "MK_XBUTTON1"},
    {0x0040, "MK_XBUTTON2"},
};

constexpr BitName kPositionFlags[] = {
    {0x0001, "SWP_NOSIZE"},         {0x0002, "SWP_NOMOVE"},         {0x0004, "SWP_NOZORDER"},
    {0x0008, "SWP_NOREDRAW"},       {0x0010, "SWP_NOACTIVATE"},     {0x0020, "SWP_FRAMECHANGED"},
    {0x0040, "SWP_SHOWWINDOW"},     {0x0080, "SWP_HIDEWINDOW"},     {0x0100, "SWP_NOCOPYBITS"},
    {0x0200, "SWP_NOOWNERZORDER"},  {0x0400, "SWP_NOSENDCHANGING"}, {0x2000, "SWP_DEFERERASE"},
    {0x4000, "SWP_ASYNCWINDOWPOS"},
};

constexpr CodeName kHitTests[] = {
    {-2, "HTERROR"},    {-1, "HTTRANSPARENT"}, {0, "HTNOWHERE"},     {1, "HTCLIENT"},
    {2, "HTCAPTION"},   {3, "HTSYSMENU"},      {4, "HTGROWBOX"},     {5, "HTMENU"},
    {6, "HTHSCROLL"},   {7, "HTVSCROLL"},      {8, "HTMINBUTTON"},   {9, "HTMAXBUTTON"},
    {10, "HTLEFT"},     {11, "HTRIGHT"},       {12, "HTTOP"},        {13, "HTTOPLEFT"},
    {14, "HTTOPRIGHT"}, {15, "HTBOTTOM"},      {16, "HTBOTTOMLEFT"}, {17, "HTBOTTOMRIGHT"},
    {18, "HTBORDER"},   {19, "HTOBJECT"},      {20, "HTCLOSE"},      {21, "HTHELP"},
};

constexpr CodeName kVirtualKeys[] = {
    {0x01, "VK_LBUTTON"},
    {0x02, "VK_RBUTTON"},
    {0x03, "VK_CANCEL"},
    {0x04, "VK_MBUTTON"},
    {0x08, "VK_BACK"},
    {0x09, "VK_TAB"},
    {0x0C, "VK_CLEAR"},
    {0x0D, "VK_RETURN"},
    {0x10, "VK_SHIFT"},
    {0x11, "VK_CONTROL"},
    {0x12, "VK_MENU"},
    {0x13, "VK_PAUSE"},
    {0x14, "VK_CAPITAL"},
    {0x15, "VK_KANA"},
    {0x19, "VK_KANJI"},
    {0x1B, "VK_ESCAPE"},
    {0x1C, "VK_CONVERT"},
    {0x1D, "VK_NONCONVERT"},
    {0x20, "VK_SPACE"},
    {0x21, "VK_PRIOR"},
    {0x22, "VK_NEXT"},
    {0x23, "VK_END"},
    {0x24, "VK_HOME"},
    {0x25, "VK_LEFT"},
    {0x26, "VK_UP"},
    {0x27, "VK_RIGHT"},
    {0x28, "VK_DOWN"},
    {0x29, "VK_SELECT"},
    {0x2A, "VK_PRINT"},
    {0x2B, "VK_EXECUTE"},
    {0x2C, "VK_SNAPSHOT"},
    {0x2D, "VK_INSERT"},
    {0x2E, "VK_DELETE"},
    {0x2F, "VK_HELP"},
    {0x5B, "VK_LWIN"},
    {0x5C, "VK_RWIN"},
    {0x5D, "VK_APPS"},
    {0x5F, "VK_SLEEP"},
    {0x6A, "VK_MULTIPLY"},
    {0x6B, "VK_ADD"},
    {0x6C, "VK_SEPARATOR"},
    {0x6D, "VK_SUBTRACT"},
    {0x6E, "VK_DECIMAL"},
    {0x6F, "VK_DIVIDE"},
    {0x90, "VK_NUMLOCK"},
    {0x91, "VK_SCROLL"},
    {0xA0, "VK_LSHIFT"},
    {0xA1, "VK_RSHIFT"},
    {0xA2, "VK_LCONTROL"},
    {0xA3, "VK_RCONTROL"},
    {0xA4, "VK_LMENU"},
    {0xA5, "VK_RMENU"},
    {0xAD, "VK_VOLUME_MUTE"},
    {0xAE, "VK_VOLUME_DOWN"},
    {0xAF, "VK_VOLUME_UP"},
    {0xB0, "VK_MEDIA_NEXT_TRACK"},
    {0xB1, "VK_MEDIA_PREV_TRACK"},
    {0xB2, "VK_MEDIA_STOP"},
    {0xB3, "VK_MEDIA_PLAY_PAUSE"},
    {0xBA, "VK_OEM_1"},
    {0xBB, "VK_OEM_PLUS"},
    {0xBC, "VK_OEM_COMMA"},
    {0xBD, "VK_OEM_MINUS"},
    {0xBE, "VK_OEM_PERIOD"},
    {0xBF, "VK_OEM_2"},
    {0xC0, "VK_OEM_3"},
    {0xDB, "VK_OEM_4"},
    {0xDC, "VK_OEM_5"},
    {0xDD, "VK_OEM_6"},
    {0xDE, "VK_OEM_7"},
    {0xDF, "VK_OEM_8"},
    {0xE2, "VK_OEM_102"},
    {0xE5, "VK_PROCESSKEY"},
    {0xE7, "VK_PACKET"},
};

constexpr CodeName kSizeTypes[] = {
    {0, "SIZE_RESTORED"}, {1, "SIZE_MINIMIZED"}, {2, "SIZE_MAXIMIZED"},
    {3, "SIZE_MAXSHOW"},  {4, "SIZE_MAXHIDE"},
};

constexpr CodeName kActivations[] = {{0, "WA_INACTIVE"}, {1, "WA_ACTIVE"}, {2, "WA_CLICKACTIVE"}};

constexpr CodeName kShowReasons[] = {
    {1, "SW_PARENTCLOSING"}, {2, "SW_OTHERZOOM"}, {3, "SW_PARENTOPENING"}, {4, "SW_OTHERUNZOOM"}};

constexpr CodeName kSizingEdges[] = {
    {1, "WMSZ_LEFT"},     {2, "WMSZ_RIGHT"},  {3, "WMSZ_TOP"},        {4, "WMSZ_TOPLEFT"},
    {5, "WMSZ_TOPRIGHT"}, {6, "WMSZ_BOTTOM"}, {7, "WMSZ_BOTTOMLEFT"}, {8, "WMSZ_BOTTOMRIGHT"},
};

constexpr CodeName kSystemCommands[] = {
    {0xF000, "SC_SIZE"},      {0xF010, "SC_MOVE"},         {0xF020, "SC_MINIMIZE"},
    {0xF030, "SC_MAXIMIZE"},  {0xF040, "SC_NEXTWINDOW"},   {0xF050, "SC_PREVWINDOW"},
    {0xF060, "SC_CLOSE"},     {0xF070, "SC_VSCROLL"},      {0xF080, "SC_HSCROLL"},
    {0xF090, "SC_MOUSEMENU"}, {0xF100, "SC_KEYMENU"},      {0xF120, "SC_RESTORE"},
    {0xF130, "SC_TASKLIST"},  {0xF140, "SC_SCREENSAVE"},   {0xF150, "SC_HOTKEY"},
    {0xF160, "SC_DEFAULT"},   {0xF170, "SC_MONITORPOWER"}, {0xF180, "SC_CONTEXTHELP"},
};

constexpr CodeName kScrollCodes[] = {
    {0, "SB_LINEUP"},   {1, "SB_LINEDOWN"},      {2, "SB_PAGEUP"},
    {3, "SB_PAGEDOWN"}, {4, "SB_THUMBPOSITION"}, {5, "SB_THUMBTRACK"},
    {6, "SB_TOP"},      {7, "SB_BOTTOM"},        {8, "SB_ENDSCROLL"},
};

constexpr CodeName kMouseActivations[] = {
    {1, "MA_ACTIVATE"}, {2, "MA_ACTIVATEANDEAT"}, {3, "MA_NOACTIVATE"}, {4, "MA_NOACTIVATEANDEAT"}};

constexpr CodeName kIconKinds[] = {{0, "ICON_SMALL"}, {1, "ICON_BIG"}, {2, "ICON_SMALL2"}};

constexpr CodeName kButtonNotifications[] = {
    {0, "BN_CLICKED"}, {1, "BN_PAINT"},         {2, "BN_HILITE"},   {3, "BN_UNHILITE"},
    {4, "BN_DISABLE"}, {5, "BN_DOUBLECLICKED"}, {6, "BN_SETFOCUS"}, {7, "BN_KILLFOCUS"},
};

constexpr CodeName kEditNotifications[] = {
    {0x0100, "EN_SETFOCUS"}, {0x0200, "EN_KILLFOCUS"}, {0x0300, "EN_CHANGE"},
    {0x0400, "EN_UPDATE"},   {0x0500, "EN_ERRSPACE"},  {0x0501, "EN_MAXTEXT"},
    {0x0601, "EN_HSCROLL"},  {0x0602, "EN_VSCROLL"},
};

constexpr CodeName kListBoxNotifications[] = {
    {0xFFFE, "LBN_ERRSPACE"}, {1, "LBN_SELCHANGE"}, {2, "LBN_DBLCLK"},
    {3, "LBN_SELCANCEL"},     {4, "LBN_SETFOCUS"},  {5, "LBN_KILLFOCUS"},
};

constexpr CodeName kComboBoxNotifications[] = {
    {0xFFFF, "CBN_ERRSPACE"}, {1, "CBN_SELCHANGE"},  {2, "CBN_DBLCLK"},        {3, "CBN_SETFOCUS"},
    {4, "CBN_KILLFOCUS"},     {5, "CBN_EDITCHANGE"}, {6, "CBN_EDITUPDATE"},    {7, "CBN_DROPDOWN"},
    {8, "CBN_CLOSEUP"},       {9, "CBN_SELENDOK"},   {10, "CBN_SELENDCANCEL"},
};

constexpr CodeName kStaticNotifications[] = {
    {0, "STN_CLICKED"}, {1, "STN_DBLCLK"}, {2, "STN_ENABLE"}, {3, "STN_DISABLE"}};

// Notify codes are unique across the controls, so they need no class.
constexpr CodeName kNotifyCodes[] = {
    {-1, "NM_OUTOFMEMORY"},
    {-2, "NM_CLICK"},
    {-3, "NM_DBLCLK"},
    {-4, "NM_RETURN"},
    {-5, "NM_RCLICK"},
    {-6, "NM_RDBLCLK"},
    {-7, "NM_SETFOCUS"},
    {-8, "NM_KILLFOCUS"},
    {-12, "NM_CUSTOMDRAW"},
    {-13, "NM_HOVER"},
    {-14, "NM_NCHITTEST"},
    {-15, "NM_KEYDOWN"},
    {-16, "NM_RELEASEDCAPTURE"},
    {-17, "NM_SETCURSOR"},
    {-18, "NM_CHAR"},
    {-19, "NM_TOOLTIPSCREATED"},
    {-20, "NM_LDOWN"},
    {-21, "NM_RDOWN"},
    {-22, "NM_THEMECHANGED"},
    {-100, "LVN_ITEMCHANGING"},
    {-101, "LVN_ITEMCHANGED"},
    {-102, "LVN_INSERTITEM"},
    {-103, "LVN_DELETEITEM"},
    {-104, "LVN_DELETEALLITEMS"},
    {-105, "LVN_BEGINLABELEDITA"},
    {-106, "LVN_ENDLABELEDITA"},
    {-108, "LVN_COLUMNCLICK"},
    {-109, "LVN_BEGINDRAG"},
    {-111, "LVN_BEGINRDRAG"},
    {-113, "LVN_ODCACHEHINT"},
    {-114, "LVN_ITEMACTIVATE"},
    {-115, "LVN_ODSTATECHANGED"},
    {-121, "LVN_HOTTRACK"},
    {-150, "LVN_GETDISPINFOA"},
    {-151, "LVN_SETDISPINFOA"},
    {-152, "LVN_ODFINDITEMA"},
    {-155, "LVN_KEYDOWN"},
    {-156, "LVN_MARQUEEBEGIN"},
    {-157, "LVN_GETINFOTIPA"},
    {-158, "LVN_GETINFOTIPW"},
    {-175, "LVN_BEGINLABELEDITW"},
    {-176, "LVN_ENDLABELEDITW"},
    {-177, "LVN_GETDISPINFOW"},
    {-178, "LVN_SETDISPINFOW"},
    {-179, "LVN_ODFINDITEMW"},
    {-300, "HDN_ITEMCHANGINGA"},
    {-301, "HDN_ITEMCHANGEDA"},
    {-302, "HDN_ITEMCLICKA"},
    {-303, "HDN_ITEMDBLCLICKA"},
    {-305, "HDN_DIVIDERDBLCLICKA"},
    {-306, "HDN_BEGINTRACKA"},
    {-307, "HDN_ENDTRACKA"},
    {-308, "HDN_TRACKA"},
    {-320, "HDN_ITEMCHANGINGW"},
    {-321, "HDN_ITEMCHANGEDW"},
    {-322, "HDN_ITEMCLICKW"},
    {-323, "HDN_ITEMDBLCLICKW"},
    {-325, "HDN_DIVIDERDBLCLICKW"},
    {-326, "HDN_BEGINTRACKW"},
    {-327, "HDN_ENDTRACKW"},
    {-328, "HDN_TRACKW"},
    {-401, "TVN_SELCHANGINGA"},
    {-402, "TVN_SELCHANGEDA"},
    {-403, "TVN_GETDISPINFOA"},
    {-404, "TVN_SETDISPINFOA"},
    {-405, "TVN_ITEMEXPANDINGA"},
    {-406, "TVN_ITEMEXPANDEDA"},
    {-407, "TVN_BEGINDRAGA"},
    {-408, "TVN_BEGINRDRAGA"},
    {-409, "TVN_DELETEITEMA"},
    {-410, "TVN_BEGINLABELEDITA"},
    {-411, "TVN_ENDLABELEDITA"},
    {-412, "TVN_KEYDOWN"},
    {-413, "TVN_GETINFOTIPA"},
    {-414, "TVN_GETINFOTIPW"},
    {-415, "TVN_SINGLEEXPAND"},
    {-416, "TVN_ITEMCHANGINGA"},
    {-417, "TVN_ITEMCHANGINGW"},
    {-418, "TVN_ITEMCHANGEDA"},
    {-419, "TVN_ITEMCHANGEDW"},
    {-420, "TVN_ASYNCDRAW"},
    {-450, "TVN_SELCHANGINGW"},
    {-451, "TVN_SELCHANGEDW"},
    {-452, "TVN_GETDISPINFOW"},
    {-453, "TVN_SETDISPINFOW"},
    {-454, "TVN_ITEMEXPANDINGW"},
    {-455, "TVN_ITEMEXPANDEDW"},
    {-456, "TVN_BEGINDRAGW"},
    {-457, "TVN_BEGINRDRAGW"},
    {-458, "TVN_DELETEITEMW"},
    {-459, "TVN_BEGINLABELEDITW"},
    {-460, "TVN_ENDLABELEDITW"},
    {-520, "TTN_GETDISPINFOA"},
    {-521, "TTN_SHOW"},
    {-522, "TTN_POP"},
    {-523, "TTN_LINKCLICK"},
    {-530, "TTN_GETDISPINFOW"},
    {-550, "TCN_KEYDOWN"},
    {-551, "TCN_SELCHANGE"},
    {-552, "TCN_SELCHANGING"},
    {-700, "TBN_GETBUTTONINFOA"},
    {-701, "TBN_BEGINDRAG"},
    {-702, "TBN_ENDDRAG"},
    {-710, "TBN_DROPDOWN"},
    {-713, "TBN_HOTITEMCHANGE"},
    {-722, "UDN_DELTAPOS"},
};

std::int32_t Low(std::uint64_t value) {
    return static_cast<std::int16_t>(value & 0xFFFF);
}

std::int32_t High(std::uint64_t value) {
    return static_cast<std::int16_t>((value >> 16) & 0xFFFF);
}

std::uint32_t LowWord(std::uint64_t value) {
    return static_cast<std::uint32_t>(value & 0xFFFF);
}

std::uint32_t HighWord(std::uint64_t value) {
    return static_cast<std::uint32_t>((value >> 16) & 0xFFFF);
}

std::string Handle(std::uint64_t value) {
    return mAPI::HexStr8(static_cast<std::int32_t>(value & 0xFFFFFFFF));
}

std::string Point(std::uint64_t lParam) {
    return "x=" + std::to_string(Low(lParam)) + " y=" + std::to_string(High(lParam));
}

template <typename T> bool DataAs(const ring::RawRecord& record, ring::Data kind, T& out) {
    if (record.data != kind || record.bytes.size() < sizeof(T)) {
        return false;
    }
    std::memcpy(&out, record.bytes.data(), sizeof(T));
    return true;
}

std::string Units16(std::span<const std::uint8_t> bytes) {
    return mAPI::Utf16ToUtf8(mAPI::Utf16Units(bytes));
}

std::string Quoted(const std::string& text, bool truncated) {
    return "\"" + text + (truncated ? "\"..." : "\"");
}

std::string Unreadable() {
    return "(unreadable)";
}

// The text a pointer parameter pointed at, quoted, or why there is none.
std::string PointedText(const ring::RawRecord& record) {
    if (record.data == ring::Data::Unreadable) {
        return Unreadable();
    }
    if (record.data != ring::Data::Text) {
        return {};
    }
    return Quoted(RecordText(record), record.truncated);
}

std::string MouseText(const ring::RawRecord& record) {
    std::string text = Point(record.lParam) + " " + BitsOf(kMouseKeys, LowWord(record.wParam));
    if (record.message >= 0x020B && record.message <= 0x020D) {
        text += HighWord(record.wParam) == 1 ? " XBUTTON1" : " XBUTTON2";
    }
    return text;
}

std::string KeyName(std::uint64_t key) {
    const auto code = static_cast<std::int32_t>(key & 0xFF);
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
        return std::string("'") + static_cast<char>(code) + "'";
    }
    if (code >= 0x60 && code <= 0x69) {
        return "VK_NUMPAD" + std::to_string(code - 0x60);
    }
    if (code >= 0x70 && code <= 0x87) {
        return "VK_F" + std::to_string(code - 0x6F);
    }
    const std::string name = NameOf(kVirtualKeys, code);
    return name == std::to_string(code) ? "0x" + Hex(static_cast<std::uint32_t>(code)) : name;
}

// Repeat count, scan code and the flags of a key message's lParam.
std::string KeyFlags(std::uint64_t lParam) {
    std::string text =
        "repeat=" + std::to_string(LowWord(lParam)) + " scan=0x" + Hex((lParam >> 16) & 0xFF);
    if (lParam & (1u << 24)) {
        text += " extended";
    }
    if (lParam & (1u << 29)) {
        text += " alt";
    }
    if (lParam & (1u << 30)) {
        text += " was-down";
    }
    if (lParam & (1u << 31)) {
        text += " up";
    }
    return text;
}

std::string CharText(const ring::RawRecord& record) {
    const auto code = static_cast<std::uint32_t>(record.wParam & 0xFFFFFFFF);
    std::string shown;
    if (code >= 0x20 && code < 0xD800) {
        shown = "'" + mAPI::Utf16ToUtf8(std::u16string(1, static_cast<char16_t>(code))) + "' ";
    }
    return shown + "(0x" + Hex(code) + ") " + KeyFlags(record.lParam);
}

std::string RectText(const ring::RectData& rect) {
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom) + ")";
}

std::string WindowPosText(const ring::RawRecord& record) {
    ring::WindowPosData pos{};
    if (!DataAs(record, ring::Data::WindowPos, pos)) {
        return record.data == ring::Data::Unreadable ? Unreadable() : std::string();
    }
    return "x=" + std::to_string(pos.x) + " y=" + std::to_string(pos.y) +
           " cx=" + std::to_string(pos.cx) + " cy=" + std::to_string(pos.cy) +
           " after=" + Handle(pos.insertAfter) + " " + BitsOf(kPositionFlags, pos.flags);
}

std::string SizingText(const ring::RawRecord& record) {
    ring::RectData rect{};
    const std::string edge =
        record.message == 0x0214
            ? NameOf(kSizingEdges, static_cast<std::int32_t>(record.wParam)) + " "
            : std::string();
    if (!DataAs(record, ring::Data::Rect, rect)) {
        return edge + (record.data == ring::Data::Unreadable ? Unreadable() : std::string());
    }
    return edge + RectText(rect);
}

std::string CreateText(const ring::RawRecord& record) {
    ring::CreateData create{};
    if (!DataAs(record, ring::Data::Create, create)) {
        return record.data == ring::Data::Unreadable ? Unreadable() : std::string();
    }
    const std::span<const std::uint8_t> rest =
        std::span(record.bytes).subspan(sizeof(ring::CreateData));
    const std::size_t nameBytes = std::min<std::size_t>(create.nameUnits * 2u, rest.size());
    const std::size_t classBytes =
        std::min<std::size_t>(create.classUnits * 2u, rest.size() - nameBytes);
    const std::string className = create.classAtom != 0
                                      ? "#" + std::to_string(create.classAtom)
                                      : "\"" + Units16(rest.subspan(nameBytes, classBytes)) + "\"";
    std::string styles;
    for (std::string_view name : StyleNamesOf(WindowStyleNames(), create.style)) {
        styles += (styles.empty() ? "" : "|") + std::string(name);
    }
    return "class " + className + " name " +
           Quoted(Units16(rest.subspan(0, nameBytes)), record.truncated) + " " +
           (styles.empty() ? "0" : styles) + " x=" + std::to_string(create.x) +
           " y=" + std::to_string(create.y) + " cx=" + std::to_string(create.cx) +
           " cy=" + std::to_string(create.cy) + " parent=" + Handle(create.parent);
}

std::string StyleChangeText(const ring::RawRecord& record) {
    const auto which = static_cast<std::int32_t>(static_cast<std::int64_t>(record.wParam));
    const bool extended = which == -20;
    std::string text = extended       ? "GWL_EXSTYLE"
                       : which == -16 ? "GWL_STYLE"
                                      : std::to_string(which);
    ring::StylesData styles{};
    if (!DataAs(record, ring::Data::Styles, styles)) {
        return text + (record.data == ring::Data::Unreadable ? " " + Unreadable() : std::string());
    }
    const auto table = extended ? ExtendedStyleNames() : WindowStyleNames();
    // Only the bits that changed: the names that come and those that go.
    for (std::string_view name : StyleNamesOf(table, styles.newStyle & ~styles.oldStyle)) {
        text += " +" + std::string(name);
    }
    for (std::string_view name : StyleNamesOf(table, styles.oldStyle & ~styles.newStyle)) {
        text += " -" + std::string(name);
    }
    return text;
}

std::string CommandText(const ring::RawRecord& record, ControlClass sender) {
    const std::uint32_t code = HighWord(record.wParam);
    const std::string id = "id=" + std::to_string(LowWord(record.wParam));
    if ((record.lParam & 0xFFFFFFFF) == 0) {
        return (code == 1 ? "accelerator " : "menu ") + id;
    }
    std::span<const CodeName> codes;
    switch (sender) {
    case ControlClass::Button:
        codes = kButtonNotifications;
        break;
    case ControlClass::Edit:
        codes = kEditNotifications;
        break;
    case ControlClass::ListBox:
        codes = kListBoxNotifications;
        break;
    case ControlClass::ComboBox:
        codes = kComboBoxNotifications;
        break;
    case ControlClass::Static:
        codes = kStaticNotifications;
        break;
    default:
        break;
    }
    return id + " " + NameOf(codes, static_cast<std::int32_t>(code)) +
           " control=" + Handle(record.lParam);
}

std::string NotifyText(const ring::RawRecord& record) {
    ring::NotifyData notify{};
    if (!DataAs(record, ring::Data::Notify, notify)) {
        return "id=" + std::to_string(record.wParam) + " " +
               (record.data == ring::Data::Unreadable ? Unreadable() : std::string());
    }
    return "id=" + std::to_string(notify.id) + " " +
           NameOf(kNotifyCodes, static_cast<std::int32_t>(notify.code)) +
           " from=" + Handle(notify.from);
}

std::string Returned(const ring::RawRecord& record) {
    switch (record.message) {
    case 0x000D: // WM_GETTEXT
        return PointedText(record);
    case 0x0084: // WM_NCHITTEST
        return NameOf(kHitTests,
                      static_cast<std::int32_t>(static_cast<std::int64_t>(record.result)));
    case 0x0021: // WM_MOUSEACTIVATE
        return NameOf(kMouseActivations, static_cast<std::int32_t>(record.result));
    default:
        return {};
    }
}

std::string Sent(const ring::RawRecord& record, const DecodeContext& context) {
    const std::uint32_t message = record.message;
    if ((message >= 0x0200 && message <= 0x020D && message != 0x020A) || message == 0x02A1) {
        return MouseText(record);
    }
    if ((message >= 0x00A0 && message <= 0x00AD) || message == 0x02A0) {
        return NameOf(kHitTests, static_cast<std::int32_t>(record.wParam)) + " " +
               Point(record.lParam) + " (screen)";
    }
    switch (message) {
    case 0x0001: // WM_CREATE
    case 0x0081: // WM_NCCREATE
        return CreateText(record);
    case 0x0003: // WM_MOVE
        return Point(record.lParam);
    case 0x0005: // WM_SIZE
        return NameOf(kSizeTypes, static_cast<std::int32_t>(record.wParam)) + " " +
               std::to_string(LowWord(record.lParam)) + "x" +
               std::to_string(HighWord(record.lParam));
    case 0x0006: // WM_ACTIVATE
        return NameOf(kActivations, Low(record.wParam)) +
               (HighWord(record.wParam) ? " minimized" : "") + " other=" + Handle(record.lParam);
    case 0x0007: // WM_SETFOCUS
    case 0x0008: // WM_KILLFOCUS
        return "other=" + Handle(record.wParam);
    case 0x000A: // WM_ENABLE
        return record.wParam ? "enabled" : "disabled";
    case 0x000B: // WM_SETREDRAW
        return record.wParam ? "redraw on" : "redraw off";
    case 0x000C: // WM_SETTEXT
        return PointedText(record);
    case 0x000D: // WM_GETTEXT
        return "max=" + std::to_string(record.wParam);
    case 0x0018: // WM_SHOWWINDOW
        return std::string(record.wParam ? "shown" : "hidden") +
               (record.lParam ? " " + NameOf(kShowReasons, static_cast<std::int32_t>(record.lParam))
                              : std::string());
    case 0x001C: // WM_ACTIVATEAPP
        return std::string(record.wParam ? "active" : "inactive") +
               " thread=" + std::to_string(record.lParam & 0xFFFFFFFF);
    case 0x0020: // WM_SETCURSOR
        return "window=" + Handle(record.wParam) + " " + NameOf(kHitTests, Low(record.lParam)) +
               " " + IdentifyMessage(HighWord(record.lParam), ControlClass::None).name;
    case 0x0021: // WM_MOUSEACTIVATE
        return "top=" + Handle(record.wParam) + " " + NameOf(kHitTests, Low(record.lParam)) + " " +
               IdentifyMessage(HighWord(record.lParam), ControlClass::None).name;
    case 0x0046: // WM_WINDOWPOSCHANGING
    case 0x0047: // WM_WINDOWPOSCHANGED
        return WindowPosText(record);
    case 0x004E: // WM_NOTIFY
        return NotifyText(record);
    case 0x007C: // WM_STYLECHANGING
    case 0x007D: // WM_STYLECHANGED
        return StyleChangeText(record);
    case 0x007F: // WM_GETICON
    case 0x0080: // WM_SETICON
        return NameOf(kIconKinds, static_cast<std::int32_t>(record.wParam));
    case 0x0084: // WM_NCHITTEST
        return Point(record.lParam) + " (screen)";
    case 0x0086: // WM_NCACTIVATE
        return record.wParam ? "active" : "inactive";
    case 0x0100: // WM_KEYDOWN
    case 0x0101: // WM_KEYUP
    case 0x0104: // WM_SYSKEYDOWN
    case 0x0105: // WM_SYSKEYUP
        return KeyName(record.wParam) + " " + KeyFlags(record.lParam);
    case 0x0102: // WM_CHAR
    case 0x0103: // WM_DEADCHAR
    case 0x0106: // WM_SYSCHAR
    case 0x0107: // WM_SYSDEADCHAR
    case 0x0109: // WM_UNICHAR
        return CharText(record);
    case 0x0111: // WM_COMMAND
        return CommandText(record, context.sender);
    case 0x0112: // WM_SYSCOMMAND
        return NameOf(kSystemCommands, static_cast<std::int32_t>(record.wParam & 0xFFF0)) + " " +
               Point(record.lParam);
    case 0x0113: // WM_TIMER
        return "id=" + std::to_string(record.wParam);
    case 0x0114: // WM_HSCROLL
    case 0x0115: // WM_VSCROLL
        return NameOf(kScrollCodes, Low(record.wParam)) +
               " pos=" + std::to_string(High(record.wParam)) +
               (record.lParam ? " bar=" + Handle(record.lParam) : std::string());
    case 0x020A: // WM_MOUSEWHEEL
    case 0x020E: // WM_MOUSEHWHEEL
        return "delta=" + std::to_string(High(record.wParam)) + " " +
               BitsOf(kMouseKeys, LowWord(record.wParam)) + " " + Point(record.lParam) +
               " (screen)";
    case 0x0214: // WM_SIZING
    case 0x0216: // WM_MOVING
        return SizingText(record);
    case 0x007B: // WM_CONTEXTMENU
        return "window=" + Handle(record.wParam) + " " + Point(record.lParam) + " (screen)";
    case 0x02E0: // WM_DPICHANGED
        return "dpi=" + std::to_string(LowWord(record.wParam)) + "x" +
               std::to_string(HighWord(record.wParam)) + " " + SizingText(record);
    default:
        return PointedText(record);
    }
}

} // namespace

std::string RecordText(const ring::RawRecord& record) {
    return record.data == ring::Data::Text ? Units16(record.bytes) : std::string();
}

std::string DecodeMessage(const ring::RawRecord& record, const DecodeContext& context) {
    return record.kind == ring::Kind::Returned ? Returned(record) : Sent(record, context);
}

} // namespace vantry
