// Which process owns a window, and where its executable lies: through the process-status
// functions on the NT family, through tool-help snapshots elsewhere.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace mAPI {

bool IsWinNT();
// PROCESS_QUERY_INFORMATION | PROCESS_VM_READ; 0 when denied or gone. The caller closes it.
HANDLE OpenProcessForQuery(std::uint32_t processId);
// The module handle of the process's executable; 0 when not found.
HMODULE GetProcessMainModule(std::uint32_t processId);
// The executable's full path; empty when not found.
std::string GetExePath(std::uint32_t processId);

// The two branches, callable directly (tool help works on the NT family too).
HMODULE GetProcessMainModuleProcessStatus(std::uint32_t processId);
HMODULE GetProcessMainModuleToolHelp(std::uint32_t processId);
std::string GetExePathProcessStatus(std::uint32_t processId);
std::string GetExePathToolHelp(std::uint32_t processId);

} // namespace mAPI
