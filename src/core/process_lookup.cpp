#include "core/process_lookup.h"

#include "core/handles.h"
#include "core/mapi_win.h"

#include <psapi.h>
#include <tlhelp32.h>

namespace mAPI {

namespace {

constexpr DWORD kQueryAccess = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ; // 0x410
constexpr DWORD kLimitedQueryAccess = 0x1000; // PROCESS_QUERY_LIMITED_INFORMATION

KernelHandle Snapshot(DWORD what, DWORD processId) {
    HANDLE snapshot = CreateToolhelp32Snapshot(what, processId);
    return KernelHandle(snapshot == INVALID_HANDLE_VALUE ? nullptr : snapshot);
}

// The process entry of processId in a process snapshot; false when it is not listed.
bool FindProcessEntry(std::uint32_t processId, PROCESSENTRY32& entry) {
    const KernelHandle processes = Snapshot(TH32CS_SNAPPROCESS, 0);
    if (!processes) {
        return false;
    }
    entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(processes.get(), &entry); more;
         more = Process32Next(processes.get(), &entry)) {
        if (entry.th32ProcessID == processId) {
            return true;
        }
    }
    return false;
}

// A 32-bit Vantry cannot list the modules of a 64-bit process; the image name still comes
// through the limited query.
std::string FullImageName(std::uint32_t processId) {
    const KernelHandle process(OpenProcess(kLimitedQueryAccess, FALSE, processId));
    DWORD exitCode = 0;
    // A process that has ended has no executable to show, even while a handle keeps it listed.
    if (!process || !GetExitCodeProcess(process.get(), &exitCode) || exitCode != STILL_ACTIVE) {
        return {};
    }
    char path[kMaxPathBytes] = {};
    DWORD size = sizeof path;
    if (!QueryFullProcessImageNameA(process.get(), 0, path, &size)) {
        return {};
    }
    return std::string(path, size);
}

} // namespace

bool IsWinNT() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version; // 148
    GetVersionExA(&version);
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

HANDLE OpenProcessForQuery(std::uint32_t processId) {
    return OpenProcess(kQueryAccess, FALSE, processId);
}

HMODULE GetProcessMainModuleProcessStatus(std::uint32_t processId) {
    const KernelHandle process(OpenProcessForQuery(processId));
    HMODULE module = nullptr; // the first module listed is the executable
    DWORD needed = 0;
    if (process) {
        EnumProcessModules(process.get(), &module, sizeof module, &needed);
    }
    return module;
}

HMODULE GetProcessMainModuleToolHelp(std::uint32_t processId) {
    PROCESSENTRY32 process{};
    if (!FindProcessEntry(processId, process)) {
        return nullptr;
    }
    const KernelHandle modules = Snapshot(TH32CS_SNAPMODULE, processId);
    if (!modules) {
        return nullptr;
    }
    MODULEENTRY32 module{};
    module.dwSize = sizeof module;
    for (BOOL more = Module32First(modules.get(), &module); more;
         more = Module32Next(modules.get(), &module)) {
        if (module.th32ModuleID == process.th32ModuleID) {
            return module.hModule;
        }
    }
    return nullptr;
}

HMODULE GetProcessMainModule(std::uint32_t processId) {
    return IsWinNT() ? GetProcessMainModuleProcessStatus(processId)
                     : GetProcessMainModuleToolHelp(processId);
}

std::string GetExePathProcessStatus(std::uint32_t processId) {
    const KernelHandle process(OpenProcessForQuery(processId));
    HMODULE module = GetProcessMainModuleProcessStatus(processId);
    char path[kMaxPathBytes] = {};
    const DWORD length =
        process ? GetModuleFileNameExA(process.get(), module, path, sizeof path) : 0;
    if (length > 0) {
        return std::string(path, length);
    }
    return FullImageName(processId);
}

std::string GetExePathToolHelp(std::uint32_t processId) {
    PROCESSENTRY32 process{};
    if (!FindProcessEntry(processId, process)) {
        return {};
    }
    return std::string(process.szExeFile, static_cast<std::size_t>(lstrlenA(process.szExeFile)));
}

std::string GetExePath(std::uint32_t processId) {
    return IsWinNT() ? GetExePathProcessStatus(processId) : GetExePathToolHelp(processId);
}

} // namespace mAPI
