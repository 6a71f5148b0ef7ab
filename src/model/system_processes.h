// The system's processes and threads as the process tree shows them: Toolhelp snapshots, each
// thread's top-level windows through EnumThreadWindows, and read-only queries. Nothing here
// sends a message to a window, so a hung program cannot hold the view up.
#pragma once

#include "model/process_tree.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vantry {

// Every process the system lists with its threads, sorted as the view shows them.
std::vector<ProcessRecord> ReadProcesses();

// The thread's GUI state now; nullopt for a thread without one, or one that has ended.
std::optional<GuiThreadState> ReadGuiThread(std::uint32_t threadId);

// 32 or 64; nullopt when the process cannot be asked.
std::optional<int> ProcessBits(std::uint32_t processId);

} // namespace vantry
