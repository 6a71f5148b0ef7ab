#include "core/file_output.h"

#include "core/handles.h"
#include "core/mapi_win.h"

#include <windows.h>

namespace vantry {

namespace {

std::string SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = text ? mAPI::Narrow(text) : "error " + std::to_string(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
        message.pop_back();
    }
    return message;
}

bool WriteAll(HANDLE file, std::string_view data) {
    while (!data.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size(), 1u << 24));
        DWORD written = 0;
        if (!WriteFile(file, data.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        data.remove_prefix(written);
    }
    return FlushFileBuffers(file) != 0;
}

} // namespace

std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view data) {
    const std::wstring target = mAPI::Widen(path);
    const std::wstring temporary = target + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    bool written = false;
    DWORD error = 0;
    {
        HANDLE opened = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (opened == INVALID_HANDLE_VALUE) {
            return "Cannot write " + path + ": " + SystemMessage(GetLastError());
        }
        const mAPI::KernelHandle file(opened);
        written = WriteAll(file.get(), data);
        error = GetLastError(); // before closing the file can change it
    }
    if (!written || !MoveFileExW(temporary.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD reported = written ? GetLastError() : error;
        DeleteFileW(temporary.c_str());
        return "Cannot write " + path + ": " + SystemMessage(reported);
    }
    return std::nullopt;
}

} // namespace vantry
