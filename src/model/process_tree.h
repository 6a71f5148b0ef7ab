// The desktop by process and thread: what a snapshot says of each process and thread, how the
// view orders, names, narrows and describes them, and the files /dump /processes writes.
#pragma once

#include "core/box.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantry {

struct WindowRecord;

// A moment as the user's clock shows it.
struct ClockTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// What the system says of a thread's windows at one moment (GetGUIThreadInfo).
struct GuiThreadState {
    std::uint32_t flags = 0; // GUI_CARETBLINKING and the others
    std::int32_t active = 0;
    std::int32_t focus = 0;
    std::int32_t capture = 0;
    std::int32_t menuOwner = 0;
    std::int32_t moveSize = 0;
    std::int32_t caret = 0;
    Box caretRect{};
};

// A value the system did not give (denied, ended, or not counted) is nullopt throughout.
struct ThreadRecord {
    std::uint32_t threadId = 0;
    std::optional<ClockTime> started{};
    std::optional<std::uint64_t> cpuTime{}; // 100 ns units, kernel and user
    std::vector<std::int32_t> windows{};    // its top-level windows, front to back
};

struct ProcessRecord {
    std::uint32_t processId = 0;
    std::uint32_t parentId = 0;
    std::string name{};                // the image's file name
    std::optional<std::string> path{}; // the image's full path
    std::optional<int> bits{};         // 32 or 64
    std::optional<ClockTime> started{};
    std::optional<std::uint64_t> cpuTime{}; // the process's own total, when it gives one
    std::optional<std::uint64_t> workingSet{};
    std::optional<std::uint64_t> privateBytes{};
    std::vector<ThreadRecord> threads{};

    // The process's total, or the sum of its threads' times where it gives none.
    std::optional<std::uint64_t> TotalCpuTime() const;
    std::size_t WindowCount() const;
};

// By name (ASCII letters folded), then by id; each process's threads by id.
void SortProcesses(std::vector<ProcessRecord>& processes);

// "notepad.exe  1234 (000004D2)  64-bit": name, id in decimal and hex, bitness.
std::string ProcessNodeText(const ProcessRecord& process);
// "Thread 5678 (0000162E)", and ", 2 windows" for one that shows windows.
std::string ThreadNodeText(const ThreadRecord& thread, std::size_t shownWindows);

// Whether a filter text names the process: its name, or its id in decimal or hex.
bool ProcessMatches(std::string_view text, const ProcessRecord& process);

// One line of the details pane.
struct DetailField {
    std::string name;
    std::string value;
};
// A value the system did not give reads "n/a".
inline constexpr std::string_view kNotGiven = "n/a";
// groupCount writes a count as the user's locale groups it.
using GroupCount = std::string (*)(std::uint64_t count);
std::vector<DetailField> ProcessDetails(const ProcessRecord& process, std::size_t windowCount,
                                        GroupCount groupCount);
std::vector<DetailField> WindowDetails(std::int32_t handle, std::string_view caption,
                                       std::string_view className, const ProcessRecord& process,
                                       const ThreadRecord& thread);
std::vector<DetailField> ThreadDetails(const ProcessRecord& process, const ThreadRecord& thread,
                                       const std::optional<GuiThreadState>& gui);

// "0:01:02.345": hours, minutes, seconds and milliseconds of 100 ns units.
std::string CpuTimeText(std::uint64_t units);
// "2026-12-08 07:39:13".
std::string ClockText(const ClockTime& time);
// Bytes as KiB: "12,345 K".
std::string KilobytesText(std::uint64_t bytes, GroupCount groupCount);

// The process tree as a file. Each thread's top-level windows are taken from the desktop's
// record (root's children), so that they are the same objects as the window tree's file; a
// window the desktop's record leaves out (hidden, with only visible ones) is left out here.
std::string ProcessTreeText(const std::vector<ProcessRecord>& processes, const WindowRecord& root);
std::string ProcessTreeJson(const std::vector<ProcessRecord>& processes, const WindowRecord& root);

} // namespace vantry
