#include "model/system_processes.h"

#include "core/handles.h"
#include "core/mapi_win.h"

#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <unordered_map>

namespace vantry {

namespace {

constexpr DWORD kLimitedProcessQuery = 0x1000; // PROCESS_QUERY_LIMITED_INFORMATION
constexpr DWORD kLimitedThreadQuery = 0x0800;  // THREAD_QUERY_LIMITED_INFORMATION

std::uint64_t Ticks(const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// A count the system leaves at zero is one it did not give.
std::optional<std::uint64_t> Counted(std::uint64_t value) {
    return value ? std::optional<std::uint64_t>(value) : std::nullopt;
}

std::optional<ClockTime> LocalClock(const FILETIME& utc) {
    FILETIME local{};
    SYSTEMTIME clock{};
    if (Ticks(utc) == 0 || !FileTimeToLocalFileTime(&utc, &local) ||
        !FileTimeToSystemTime(&local, &clock)) {
        return std::nullopt;
    }
    return ClockTime{clock.wYear, clock.wMonth,  clock.wDay,
                     clock.wHour, clock.wMinute, clock.wSecond};
}

bool SystemIs64Bit() {
#ifdef _WIN64
    return true;
#else
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

std::optional<int> BitsOf(HANDLE process, bool system64) {
    BOOL wow64 = FALSE;
    if (!IsWow64Process(process, &wow64)) {
        return std::nullopt;
    }
    return wow64 || !system64 ? 32 : 64;
}

void ReadProcessFacts(ProcessRecord& record, bool system64) {
    const mAPI::KernelHandle process(
        OpenProcess(kLimitedProcessQuery | PROCESS_VM_READ, FALSE, record.processId));
    const mAPI::KernelHandle limited(
        process ? nullptr : OpenProcess(kLimitedProcessQuery, FALSE, record.processId));
    HANDLE handle = process ? process.get() : limited.get();
    DWORD exitCode = 0;
    // A process that has ended gives nothing more, even while a handle keeps it listed.
    if (!handle || !GetExitCodeProcess(handle, &exitCode) || exitCode != STILL_ACTIVE) {
        return;
    }
    wchar_t path[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    if (QueryFullProcessImageNameW(handle, 0, path, &size)) {
        record.path = mAPI::Narrow(std::wstring_view(path, size));
    }
    record.bits = BitsOf(handle, system64);
    FILETIME created{}, ended{}, kernel{}, user{};
    if (GetProcessTimes(handle, &created, &ended, &kernel, &user)) {
        record.started = LocalClock(created);
        record.cpuTime = Counted(Ticks(kernel) + Ticks(user));
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(handle, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory)) {
        record.workingSet = Counted(memory.WorkingSetSize);
        record.privateBytes = Counted(memory.PrivateUsage);
    }
}

BOOL CALLBACK AddThreadWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<std::int32_t>*>(windows)->push_back(mAPI::HandleToInt(window));
    return TRUE;
}

void ReadThreadFacts(ThreadRecord& record) {
    const mAPI::KernelHandle thread(OpenThread(kLimitedThreadQuery, FALSE, record.threadId));
    FILETIME created{}, ended{}, kernel{}, user{};
    if (thread && GetThreadTimes(thread.get(), &created, &ended, &kernel, &user) &&
        Ticks(ended) == 0) {
        record.started = LocalClock(created);
        record.cpuTime = Counted(Ticks(kernel) + Ticks(user));
    }
    EnumThreadWindows(record.threadId, AddThreadWindow, reinterpret_cast<LPARAM>(&record.windows));
}

mAPI::KernelHandle Snapshot() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS | TH32CS_SNAPTHREAD, 0);
    return mAPI::KernelHandle(snapshot == INVALID_HANDLE_VALUE ? nullptr : snapshot);
}

} // namespace

std::vector<ProcessRecord> ReadProcesses() {
    std::vector<ProcessRecord> processes;
    const mAPI::KernelHandle snapshot = Snapshot();
    if (!snapshot) {
        return processes;
    }
    std::unordered_map<std::uint32_t, std::size_t> byId;
    PROCESSENTRY32W process{};
    process.dwSize = sizeof process;
    for (BOOL more = Process32FirstW(snapshot.get(), &process); more;
         more = Process32NextW(snapshot.get(), &process)) {
        byId.emplace(process.th32ProcessID, processes.size());
        processes.push_back({.processId = process.th32ProcessID,
                             .parentId = process.th32ParentProcessID,
                             .name = mAPI::Narrow(process.szExeFile)});
    }
    THREADENTRY32 thread{};
    thread.dwSize = sizeof thread;
    for (BOOL more = Thread32First(snapshot.get(), &thread); more;
         more = Thread32Next(snapshot.get(), &thread)) {
        if (const auto owner = byId.find(thread.th32OwnerProcessID); owner != byId.end()) {
            processes[owner->second].threads.push_back({.threadId = thread.th32ThreadID});
        }
    }
    const bool system64 = SystemIs64Bit();
    for (ProcessRecord& record : processes) {
        ReadProcessFacts(record, system64);
        for (ThreadRecord& threadRecord : record.threads) {
            ReadThreadFacts(threadRecord);
        }
    }
    SortProcesses(processes);
    return processes;
}

std::optional<GuiThreadState> ReadGuiThread(std::uint32_t threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId, &info)) {
        return std::nullopt;
    }
    return GuiThreadState{.flags = info.flags,
                          .active = mAPI::HandleToInt(info.hwndActive),
                          .focus = mAPI::HandleToInt(info.hwndFocus),
                          .capture = mAPI::HandleToInt(info.hwndCapture),
                          .menuOwner = mAPI::HandleToInt(info.hwndMenuOwner),
                          .moveSize = mAPI::HandleToInt(info.hwndMoveSize),
                          .caret = mAPI::HandleToInt(info.hwndCaret),
                          .caretRect = mAPI::BoxOf(info.rcCaret)};
}

std::optional<int> ProcessBits(std::uint32_t processId) {
    const mAPI::KernelHandle process(OpenProcess(kLimitedProcessQuery, FALSE, processId));
    return process ? BitsOf(process.get(), SystemIs64Bit()) : std::nullopt;
}

} // namespace vantry
