#include "core/mapi_win.h"

#include "core/handles.h"
#include "core/mapi.h"
#include "core/readable_string.h"

#include <algorithm>
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

std::string PtrToStr(std::uintptr_t address) {
    const auto length = ReadableStringLength(address, QueryRegion);
    if (!length) {
        return {};
    }
    return std::string(reinterpret_cast<const char*>(address), *length);
}

std::string ReadWindowCaption(HWND window, int maxChars) {
    const int length = std::min(GetWindowTextLengthA(window), maxChars);
    if (length <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(window, buffer.data(), length + 1);
    return TrimNull(std::string_view(buffer.data(), buffer.size()));
}

std::string ReadClassName(HWND window) {
    char buffer[256] = {};
    GetClassNameA(window, buffer, sizeof buffer);
    return TrimNull(std::string_view(buffer, sizeof buffer));
}

bool IsVisibleOnScreen(HWND window) {
    if (!IsWindowVisible(window)) {
        return false;
    }
    RECT rect{};
    GetWindowRect(window, &rect);
    const WindowDC screen(nullptr);
    return RectVisible(screen.get(), &rect) != FALSE;
}

} // namespace mAPI
