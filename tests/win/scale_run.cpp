#include "scale_run.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace testwin {

namespace {

constexpr char kAskVariable[] = "VANTRY_TEST_DPI";
constexpr char kAskedVariable[] = "VANTRY_ASKED_DPI";
constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kDpiValue[] = "LogPixels";

int NumberFrom(const char* variable) {
    const char* text = std::getenv(variable);
    return text ? std::atoi(text) : 0;
}

std::optional<DWORD> ReadDpiSetting() {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kDesktopKey, kDpiValue, RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

void WriteDpiSetting(std::optional<DWORD> value) {
    if (!value) {
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kDpiValue);
        return;
    }
    RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kDpiValue, REG_DWORD, &*value, sizeof *value);
}

int RunAgain() {
    std::string commandLine = GetCommandLineA();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

} // namespace

std::optional<int> RunAtAskedScale() {
    const int dpi = NumberFrom(kAskVariable);
    if (dpi <= 0) {
        return std::nullopt;
    }
    // The second run inherits the environment: it is told what to expect, not to run again.
    SetEnvironmentVariableA(kAskVariable, nullptr);
    SetEnvironmentVariableA(kAskedVariable, std::to_string(dpi).c_str());
    const std::optional<DWORD> old = ReadDpiSetting();
    WriteDpiSetting(static_cast<DWORD>(dpi));
    const int code = RunAgain();
    WriteDpiSetting(old);
    return code;
}

int AskedDpi() {
    return NumberFrom(kAskedVariable);
}

} // namespace testwin
