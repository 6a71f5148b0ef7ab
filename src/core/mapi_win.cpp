#include "core/mapi_win.h"

#include "core/handles.h"
#include "core/mapi.h"
#include "core/readable_string.h"
#include "core/utf8.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

namespace mAPI {

std::int32_t HandleToInt(const void* handle) {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(handle));
}

namespace {

constexpr DWORD kReadableProtections = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY |
                                       PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE |
                                       PAGE_EXECUTE_WRITECOPY;

std::optional<MemoryRegion> QueryRegion(std::uintptr_t address) {
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQuery(reinterpret_cast<LPCVOID>(address), &info, sizeof info) == 0) {
        return std::nullopt;
    }
    const bool readable = info.State == MEM_COMMIT && (info.Protect & PAGE_GUARD) == 0 &&
                          (info.Protect & kReadableProtections) != 0;
    return MemoryRegion{reinterpret_cast<std::uintptr_t>(info.BaseAddress), info.RegionSize,
                        readable};
}

} // namespace

bool CanRead(const void* data, std::size_t length) {
    return IsReadableRange(reinterpret_cast<std::uintptr_t>(data), length, QueryRegion);
}

std::string PtrToStr(std::uintptr_t address) {
    const auto length = ReadableStringLength(address, QueryRegion);
    if (!length) {
        return {};
    }
    return std::string(reinterpret_cast<const char*>(address), *length);
}

namespace {

// Under a UTF-8 code page a character takes up to 4 bytes, so caps count characters; under an
// ANSI code page (Windows before 10 1903) they count bytes, as the system's buffers do.
bool TextIsUtf8() {
    return GetACP() == CP_UTF8;
}

std::string CapCharacters(std::string text, std::size_t maxChars, bool utf8) {
    text.resize(utf8 ? Utf8Prefix(text, maxChars).size() : std::min(text.size(), maxChars));
    return text;
}

} // namespace

std::string ReadWindowCaption(HWND window, int maxChars) {
    const bool utf8 = TextIsUtf8();
    const bool capped = maxChars <= kWholeCaption / 4;
    const int maxBytes = utf8 && capped ? maxChars * 4 : maxChars;
    // A capped caption is read in one call into a buffer of the cap: asking another process's
    // window for its length first costs a round trip to the window server.
    const int length = capped ? maxBytes : std::min(GetWindowTextLengthA(window), maxBytes);
    if (length <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(window, buffer.data(), length + 1);
    return CapCharacters(TrimNull(std::string_view(buffer.data(), buffer.size())),
                         static_cast<std::size_t>(maxChars), utf8);
}

std::string ReadClassName(HWND window) {
    // 256 UTF-16 units at most, each at most 3 bytes in UTF-8.
    char buffer[kMaxClassName * 3 + 1] = {};
    GetClassNameA(window, buffer, sizeof buffer);
    return CapCharacters(TrimNull(std::string_view(buffer, sizeof buffer)), kMaxClassName - 1,
                         TextIsUtf8());
}

std::string FormatCount(std::int64_t count) {
    const std::string number = std::to_string(count);
    // The locale's separators, grouping and negative form; no decimals.
    char decimal[8] = ".";
    char thousand[8] = ",";
    char grouping[16] = "3;0";
    char leadingZero[4] = "1";
    char negative[4] = "1";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof decimal);
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousand, sizeof thousand);
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SGROUPING, grouping, sizeof grouping);
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_ILZERO, leadingZero, sizeof leadingZero);
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_INEGNUMBER, negative, sizeof negative);
    NUMBERFMTA format{};
    format.NumDigits = 0;
    format.LeadingZero = static_cast<UINT>(leadingZero[0] - '0');
    format.Grouping =
        static_cast<UINT>(grouping[0] >= '0' && grouping[0] <= '9' ? grouping[0] - '0' : 3);
    format.lpDecimalSep = decimal;
    format.lpThousandSep = thousand;
    format.NegativeOrder = static_cast<UINT>(negative[0] - '0');
    char text[64] = {};
    if (GetNumberFormatA(LOCALE_USER_DEFAULT, 0, number.c_str(), &format, text, sizeof text) <= 0) {
        return number;
    }
    return text;
}

std::string GroupedCount(std::uint64_t count) {
    return FormatCount(static_cast<std::int64_t>(count));
}

std::string FormatByteCount(std::int64_t bytes) {
    return FormatCount(bytes) + " Bytes";
}

namespace {

BOOL CALLBACK AddToList(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

} // namespace

void ForEachChildWindow(HWND window, const std::function<void(HWND)>& visit) {
    // A sibling list that leads back to a window already met (the Z-order changed during the
    // walk) ends there, so a walk always completes.
    std::unordered_set<HWND> met;
    for (HWND child = GetWindow(window, GW_CHILD); child && met.insert(child).second;
         child = GetWindow(child, GW_HWNDNEXT)) {
        visit(child);
    }
    if (window != GetDesktopWindow()) {
        return;
    }
    // Top-level windows change places all the time (an activated one comes to the front), and
    // a walk from sibling to sibling loses the ones behind a window that moved away meanwhile.
    // The system's own list of them, taken at once, brings those in after the others. (That
    // list alone lacks some windows of newer systems' store apps.)
    std::vector<HWND> topLevel;
    EnumWindows(AddToList, reinterpret_cast<LPARAM>(&topLevel));
    for (HWND child : topLevel) {
        if (met.insert(child).second) {
            visit(child);
        }
    }
}

bool IsVisibleOnScreen(HWND window, HDC screen) {
    return IsWindowVisible(window) && IsOnScreen(window, screen);
}

bool IsOnScreen(HWND window, HDC screen) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return RectVisible(screen, &rect) != FALSE;
}

std::wstring Widen(std::string_view text, UINT codePage) {
    const int units =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(units, 0)), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        units);
    return wide;
}

std::string Narrow(std::wstring_view text, UINT codePage) {
    const int bytes = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                          nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(std::max(bytes, 0)), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                        bytes, nullptr, nullptr);
    return narrow;
}

std::string ProcessTextToUtf8(std::string text) {
    return GetACP() == CP_UTF8 ? text : Narrow(Widen(text, CP_ACP));
}

} // namespace mAPI
