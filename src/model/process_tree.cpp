#include "model/process_tree.h"

#include "core/mapi.h"
#include "model/position_text.h"
#include "model/style_tables.h"
#include "model/tree_filter.h"
#include "model/window_json.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <unordered_map>

namespace vantry {

namespace {

bool NameBefore(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return FoldAscii(x) < FoldAscii(y); });
}

std::string IdText(std::uint32_t id) {
    return std::to_string(id) + " (" + mAPI::HexStr8(static_cast<std::int32_t>(id)) + ")";
}

std::string BitsText(const std::optional<int>& bits) {
    return bits ? std::to_string(*bits) + "-bit" : std::string(kNotGiven);
}

std::string HandleText(std::int32_t handle) {
    return handle ? mAPI::HexStr8(handle) : std::string(kNotGiven);
}

template <typename T, typename Format>
std::string Given(const std::optional<T>& value, Format format) {
    return value ? format(*value) : std::string(kNotGiven);
}

constexpr std::array<StyleName, 5> kGuiFlags{{
    {"GUI_CARETBLINKING", 0x1},
    {"GUI_INMOVESIZE", 0x2},
    {"GUI_INMENUMODE", 0x4},
    {"GUI_SYSTEMMENUMODE", 0x8},
    {"GUI_POPUPMENUMODE", 0x10},
}};

std::string FlagsText(std::uint32_t flags) {
    std::string text;
    for (const std::string_view name : StyleNamesOf(kGuiFlags, flags)) {
        text += (text.empty() ? "" : " ") + std::string(name);
    }
    return text.empty() ? "none" : text;
}

// The desktop's top-level windows by handle, for the threads to take their own from.
std::unordered_map<std::int32_t, const WindowRecord*> TopWindows(const WindowRecord& root) {
    std::unordered_map<std::int32_t, const WindowRecord*> windows;
    for (const WindowRecord& window : root.children) {
        windows.emplace(window.handle, &window);
    }
    return windows;
}

template <typename Visit>
void ForEachListed(const ThreadRecord& thread,
                   const std::unordered_map<std::int32_t, const WindowRecord*>& listed,
                   Visit visit) {
    for (const std::int32_t handle : thread.windows) {
        if (const auto found = listed.find(handle); found != listed.end()) {
            visit(*found->second);
        }
    }
}

} // namespace

std::optional<std::uint64_t> ProcessRecord::TotalCpuTime() const {
    if (cpuTime) {
        return cpuTime;
    }
    std::optional<std::uint64_t> sum;
    for (const ThreadRecord& thread : threads) {
        if (thread.cpuTime) {
            sum = sum.value_or(0) + *thread.cpuTime;
        }
    }
    return sum;
}

std::size_t ProcessRecord::WindowCount() const {
    std::size_t count = 0;
    for (const ThreadRecord& thread : threads) {
        count += thread.windows.size();
    }
    return count;
}

void SortProcesses(std::vector<ProcessRecord>& processes) {
    std::sort(processes.begin(), processes.end(),
              [](const ProcessRecord& a, const ProcessRecord& b) {
                  if (NameBefore(a.name, b.name)) {
                      return true;
                  }
                  return !NameBefore(b.name, a.name) && a.processId < b.processId;
              });
    for (ProcessRecord& process : processes) {
        std::sort(
            process.threads.begin(), process.threads.end(),
            [](const ThreadRecord& a, const ThreadRecord& b) { return a.threadId < b.threadId; });
    }
}

std::string ProcessNodeText(const ProcessRecord& process) {
    return process.name + "  " + IdText(process.processId) + "  " + BitsText(process.bits);
}

std::string ThreadNodeText(const ThreadRecord& thread, std::size_t shownWindows) {
    std::string text = "Thread " + IdText(thread.threadId);
    if (shownWindows > 0) {
        text += ", " + std::to_string(shownWindows) + (shownWindows == 1 ? " window" : " windows");
    }
    return text;
}

bool ProcessMatches(std::string_view text, const ProcessRecord& process) {
    return MatchesFilter(
        text, {.nodeText = "", .processId = process.processId, .executable = process.name});
}

std::string CpuTimeText(std::uint64_t units) {
    const std::uint64_t milliseconds = units / 10'000;
    char text[48];
    std::snprintf(text, sizeof text, "%llu:%02u:%02u.%03u",
                  static_cast<unsigned long long>(milliseconds / 3'600'000),
                  static_cast<unsigned>(milliseconds / 60'000 % 60),
                  static_cast<unsigned>(milliseconds / 1000 % 60),
                  static_cast<unsigned>(milliseconds % 1000));
    return text;
}

std::string ClockText(const ClockTime& time) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    return text;
}

std::string KilobytesText(std::uint64_t bytes, GroupCount groupCount) {
    return groupCount((bytes + 1023) / 1024) + " K";
}

std::vector<DetailField> ProcessDetails(const ProcessRecord& process, std::size_t windowCount,
                                        GroupCount groupCount) {
    const auto kilobytes = [groupCount](std::uint64_t bytes) {
        return KilobytesText(bytes, groupCount);
    };
    return {
        {"Image", process.name},
        {"Path", process.path.value_or(std::string(kNotGiven))},
        {"Process ID", IdText(process.processId)},
        {"Parent ID", process.parentId ? IdText(process.parentId) : std::string(kNotGiven)},
        {"Bitness", BitsText(process.bits)},
        {"Started", Given(process.started, ClockText)},
        {"CPU time", Given(process.TotalCpuTime(), CpuTimeText)},
        {"Working set", Given(process.workingSet, kilobytes)},
        {"Private bytes", Given(process.privateBytes, kilobytes)},
        {"Threads", std::to_string(process.threads.size())},
        {"Windows", std::to_string(windowCount)},
    };
}

std::vector<DetailField> WindowDetails(std::int32_t handle, std::string_view caption,
                                       std::string_view className, const ProcessRecord& process,
                                       const ThreadRecord& thread) {
    return {
        {"Handle", mAPI::HexStr8(handle)},
        {"Caption", std::string(caption)},
        {"Class", std::string(className)},
        {"Thread ID", IdText(thread.threadId)},
        {"Process", process.name + "  " + IdText(process.processId)},
    };
}

std::vector<DetailField> ThreadDetails(const ProcessRecord& process, const ThreadRecord& thread,
                                       const std::optional<GuiThreadState>& gui) {
    std::vector<DetailField> fields{
        {"Thread ID", IdText(thread.threadId)},
        {"Process", process.name + "  " + IdText(process.processId)},
        {"Started", Given(thread.started, ClockText)},
        {"CPU time", Given(thread.cpuTime, CpuTimeText)},
    };
    const auto handle = [&gui](std::int32_t GuiThreadState::*member) {
        return gui ? HandleText((*gui).*member) : std::string(kNotGiven);
    };
    fields.insert(fields.end(),
                  {
                      {"Active window", handle(&GuiThreadState::active)},
                      {"Focus window", handle(&GuiThreadState::focus)},
                      {"Capture window", handle(&GuiThreadState::capture)},
                      {"Menu owner", handle(&GuiThreadState::menuOwner)},
                      {"Move/size window", handle(&GuiThreadState::moveSize)},
                      {"Caret window", handle(&GuiThreadState::caret)},
                      {"Caret rectangle",
                       gui && gui->caret ? RectText(gui->caretRect) : std::string(kNotGiven)},
                      {"GUI flags", gui ? FlagsText(gui->flags) : std::string(kNotGiven)},
                  });
    return fields;
}

std::string ProcessTreeText(const std::vector<ProcessRecord>& processes, const WindowRecord& root) {
    const auto listed = TopWindows(root);
    std::string text;
    for (const ProcessRecord& process : processes) {
        text += ProcessNodeText(process) + "\r\n";
        for (const ThreadRecord& thread : process.threads) {
            std::string windows;
            std::size_t shown = 0;
            ForEachListed(thread, listed, [&](const WindowRecord& window) {
                AppendTreeLines(windows, window, 2);
                ++shown;
            });
            text += "  " + ThreadNodeText(thread, shown) + "\r\n" + windows;
        }
    }
    return text;
}

std::string ProcessTreeJson(const std::vector<ProcessRecord>& processes, const WindowRecord& root) {
    const auto listed = TopWindows(root);
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const ProcessRecord& process : processes) {
        nlohmann::ordered_json threads = nlohmann::ordered_json::array();
        for (const ThreadRecord& thread : process.threads) {
            nlohmann::ordered_json windows = nlohmann::ordered_json::array();
            ForEachListed(thread, listed, [&](const WindowRecord& window) {
                windows.push_back(WindowJson(window));
            });
            threads.push_back({{"threadId", thread.threadId}, {"windows", std::move(windows)}});
        }
        list.push_back({{"processId", process.processId},
                        {"name", process.name},
                        {"path", process.path ? nlohmann::ordered_json(*process.path) : nullptr},
                        {"bits", process.bits ? nlohmann::ordered_json(*process.bits) : nullptr},
                        {"threads", std::move(threads)}});
    }
    return DumpJson(nlohmann::ordered_json{{"processes", std::move(list)}});
}

} // namespace vantry
