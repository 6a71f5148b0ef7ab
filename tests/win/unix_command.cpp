#include "unix_command.h"

#include "test_windows.h"

#include <windows.h>

namespace testwin {

std::optional<std::string> UnixCommandOutput(const std::string& command, int seconds) {
    if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")) {
        return std::nullopt;
    }
    // Wine starts a Unix program without waiting for it: the output is written beside its
    // final name and renamed once the command has succeeded.
    static int run = 0;
    const std::string name =
        "/tmp/vantry-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++run);
    const std::string windowsName = "Z:" + name + ".out";
    DeleteFileA(windowsName.c_str());
    // Wine splits a Unix program's command line as Windows does: by double quotes.
    std::string commandLine = "/bin/sh -c \"(" + command + ") > " + name + ".part && mv " + name +
                              ".part " + name + ".out; rm -f " + name + ".part\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return std::nullopt;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
    while (GetFileAttributesA(windowsName.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount64() > end) {
            return std::nullopt;
        }
        Pump();
        Sleep(20);
    }
    std::string output = ReadWholeFile(windowsName);
    DeleteFileA(windowsName.c_str());
    return output;
}

std::optional<std::string> UnixPath(const std::string& windowsPath) {
    using ToUnix = char*(CDECL*)(LPCWSTR);
    const FARPROC found =
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void (*)()>(found));
    if (!toUnix) {
        return std::nullopt;
    }
    const int length = MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide.data(), length);
    char* unix = toUnix(wide.c_str());
    if (!unix) {
        return std::nullopt;
    }
    std::string path = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

} // namespace testwin
