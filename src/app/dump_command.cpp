#include "app/dump_command.h"

#include "core/file_output.h"
#include "core/mapi_win.h"
#include "core/version.h"
#include "model/system_processes.h"
#include "model/window_walk.h"

#include <windows.h>

namespace vantry {

namespace {

// The output handle this program was started with: a redirection, or the console of the
// program that started it; nullptr for none.
HANDLE ParentOutput() {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out && out != INVALID_HANDLE_VALUE) {
        return out;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
        return nullptr;
    }
    out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, 0, nullptr);
    return out == INVALID_HANDLE_VALUE ? nullptr : out;
}

// A console shows UTF-16 whatever its code page; a file or pipe gets the UTF-8 bytes.
bool WriteToParent(std::string_view utf8) {
    HANDLE out = ParentOutput();
    if (!out) {
        return false;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(out, &mode)) {
        const std::wstring wide = mAPI::Widen(utf8);
        return WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    }
    return WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr) &&
           written == utf8.size();
}

// Where no console listens, a message says it.
void Tell(const std::string& text, UINT icon) {
    if (!WriteToParent(text)) {
        MessageBoxW(nullptr, mAPI::Widen(text).c_str(), mAPI::Widen(VANTRY_TITLE).c_str(),
                    MB_OK | icon);
    }
}

int Dump(const CommandLine& line) {
    const WindowRecord desktop = ReadWindowTree(!line.all);
    const std::string text = line.processes ? line.format->writeProcesses(ReadProcesses(), desktop)
                                            : line.format->write(desktop);
    if (!line.out && WriteToParent(text)) {
        return 0;
    }
    const std::string path = line.out.value_or(
        line.processes ? line.format->DefaultProcessesFileName() : line.format->DefaultFileName());
    if (const auto problem = WriteWholeFile(path, text)) {
        Tell(*problem + "\r\n", MB_ICONERROR);
        return 1;
    }
    return 0;
}

} // namespace

int RunCommandLine(const CommandLine& line) {
    switch (line.mode) {
    case RunMode::Dump:
        return Dump(line);
    case RunMode::Usage:
        Tell(UsageText(), MB_ICONINFORMATION);
        return 0;
    case RunMode::BadSwitch:
        Tell(line.problem + "\r\n\r\n" + UsageText(), MB_ICONERROR);
        return 2;
    case RunMode::Gui:
        break;
    }
    return 0;
}

} // namespace vantry
