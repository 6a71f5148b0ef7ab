#include "app/dump_command.h"

#include "core/file_output.h"
#include "core/mapi.h"
#include "core/mapi_win.h"
#include "core/version.h"
#include "model/message_hooks.h"
#include "model/message_records.h"
#include "model/message_session.h"
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

// To the file of /out; else to the console, or defaultPath where there is none.
int Write(const CommandLine& line, const std::string& text, const std::string& defaultPath) {
    if (!line.out && WriteToParent(text)) {
        return 0;
    }
    if (const auto problem = WriteWholeFile(line.out.value_or(defaultPath), text)) {
        Tell(*problem + "\r\n", MB_ICONERROR);
        return 1;
    }
    return 0;
}

int Dump(const CommandLine& line) {
    const WindowRecord desktop = ReadWindowTree(!line.all);
    const std::string text = line.processes ? line.format->writeProcesses(ReadProcesses(), desktop)
                                            : line.format->write(desktop);
    return Write(line, text,
                 line.processes ? line.format->DefaultProcessesFileName()
                                : line.format->DefaultFileName());
}

// Logs the window for the seconds asked, or until it is destroyed, then writes the log.
int Log(const CommandLine& line) {
    HWND window = mAPI::IntToHandle<HWND>(line.logWindow);
    if (!IsWindow(window)) {
        Tell("No window has the handle " + mAPI::HexStr8(line.logWindow) + ".\r\n", MB_ICONERROR);
        return 3;
    }
    std::string problem;
    auto session = MessageSession::Start(
        window, line.children ? ring::Scope::WithChildren : ring::Scope::Window, problem);
    if (!session) {
        Tell(problem + "\r\n", MB_ICONERROR);
        return 1;
    }
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(line.seconds) * 1000;
    while (GetTickCount64() < end && !session->WindowGone()) {
        Sleep(20);
    }
    session->Stop();
    MessageLog log;
    SystemMessageNamer namer;
    MessageRecords records(namer);
    for (const ring::RawRecord& raw : session->Take()) {
        log.Add(records.Read(raw, session->MicrosOf(raw.time), log));
    }
    const LogFormat& format = line.format->switchName == "json" ? kLogFormats[2] : kLogFormats[0];
    const std::string text =
        format.write(log.ShownMessages(), LogSummary{session->Dropped(), session->WindowGone()});
    return Write(line, text, "vantry-log." + std::string(format.extension));
}

} // namespace

int RunCommandLine(const CommandLine& line) {
    switch (line.mode) {
    case RunMode::Dump:
        return Dump(line);
    case RunMode::Log:
        return Log(line);
    case RunMode::LogHelper:
        return hooks::RunHookHelper(line.helperThreads);
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
