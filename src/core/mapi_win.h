// The Win32 half of the shared module: handle conversion, raw memory and window queries.
#pragma once

#include "core/box.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace mAPI {

// A system rectangle as a Box.
inline vantry::Box BoxOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// Handles are 32-bit values everywhere in the program; these are the only conversions.
std::int32_t HandleToInt(const void* handle);
template <typename H> H IntToHandle(std::int32_t value) {
    return reinterpret_cast<H>(static_cast<std::intptr_t>(value));
}

// Whether length bytes at data are all committed and readable here.
bool CanRead(const void* data, std::size_t length);

// The ANSI string at address, or the empty text when address is 0 or the string is not
// wholly readable.
std::string PtrToStr(std::uintptr_t address);

// No limit on a caption's length (one less than the largest count, to leave room for the NUL).
constexpr int kWholeCaption = 0x7FFFFFFE;

// Class names have at most this many characters, the terminating NUL included.
constexpr int kMaxClassName = 256;

// A path from an A call: MAX_PATH UTF-16 units take up to three times as many bytes in UTF-8.
constexpr int kMaxPathBytes = MAX_PATH * 3 + 1;

// Caption through GetWindowTextA, at most maxChars characters, never a character cut in half;
// empty for a vanished window.
std::string ReadWindowCaption(HWND window, int maxChars = kWholeCaption);

// Class name through GetClassNameA (at most 255 characters).
std::string ReadClassName(HWND window);

// A whole number with the locale's digit grouping.
std::string FormatCount(std::int64_t count);
// The same for a count of things, which is never negative.
std::string GroupedCount(std::uint64_t count);
// FormatCount of a byte count, then " Bytes".
std::string FormatByteCount(std::int64_t bytes);

// Calls visit for each child of window, in Z order, once each; the desktop's top-level windows
// that changed places during the walk come after the others.
void ForEachChildWindow(HWND window, const std::function<void(HWND)>& visit);

// Visible, and at least partly on the screen (tested against the screen DC, GetDC(nullptr)).
bool IsVisibleOnScreen(HWND window, HDC screen);
// At least partly on the screen, whether visible or not.
bool IsOnScreen(HWND window, HDC screen);

// Text between a code page (CP_UTF8, CP_ACP) and UTF-16.
std::wstring Widen(std::string_view text, UINT codePage = CP_UTF8);
std::string Narrow(std::wstring_view text, UINT codePage = CP_UTF8);
// Text the A calls gave, in UTF-8: unchanged where the process code page is UTF-8.
std::string ProcessTextToUtf8(std::string text);

} // namespace mAPI
