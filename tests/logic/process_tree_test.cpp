#include "model/process_tree.h"
#include "model/tree_dump.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

using namespace vantry;

namespace {

std::string Grouped(std::uint64_t count) {
    std::string text = std::to_string(count);
    for (auto at = static_cast<std::ptrdiff_t>(text.size()) - 3; at > 0; at -= 3) {
        text.insert(static_cast<std::size_t>(at), ",");
    }
    return text;
}

std::string Field(const std::vector<DetailField>& fields, std::string_view name) {
    for (const DetailField& field : fields) {
        if (field.name == name) {
            return field.value;
        }
    }
    ADD_FAILURE() << "no field " << name;
    return {};
}

WindowRecord Window(std::int32_t handle, std::string caption) {
    WindowRecord window;
    window.handle = handle;
    window.caption = std::move(caption);
    window.className = "Edit";
    return window;
}

} // namespace

TEST(ProcessTree, SortsByFoldedNameThenIdAndThreadsById) {
    std::vector<ProcessRecord> processes(4);
    processes[0].name = "zeta.exe";
    processes[0].processId = 1;
    processes[1].name = "Alpha.exe";
    processes[1].processId = 9;
    processes[2].name = "alpha.exe";
    processes[2].processId = 3;
    processes[2].threads = {{.threadId = 30}, {.threadId = 10}, {.threadId = 20}};
    processes[3].name = "beta.exe";
    processes[3].processId = 2;
    SortProcesses(processes);
    std::vector<std::uint32_t> ids;
    for (const ProcessRecord& process : processes) {
        ids.push_back(process.processId);
    }
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{3, 9, 2, 1}));
    EXPECT_EQ(processes[0].threads[0].threadId, 10u);
    EXPECT_EQ(processes[0].threads[2].threadId, 30u);
}

TEST(ProcessTree, NodeTextsNameTheIdBothWaysAndTheBitness) {
    ProcessRecord process{.processId = 1234, .name = "notepad.exe", .bits = 64};
    EXPECT_EQ(ProcessNodeText(process), "notepad.exe  1234 (000004D2)  64-bit");
    process.bits.reset(); // a process this side cannot open
    EXPECT_EQ(ProcessNodeText(process), "notepad.exe  1234 (000004D2)  n/a");
    const ThreadRecord thread{.threadId = 5678};
    EXPECT_EQ(ThreadNodeText(thread, 0), "Thread 5678 (0000162E)");
    EXPECT_EQ(ThreadNodeText(thread, 1), "Thread 5678 (0000162E), 1 window");
    EXPECT_EQ(ThreadNodeText(thread, 3), "Thread 5678 (0000162E), 3 windows");
}

TEST(ProcessTree, TheFilterNamesAProcessByNameOrIdInEitherBase) {
    const ProcessRecord process{.processId = 1234, .name = "NotePad.exe"};
    for (const char* text : {"notepad", "PAD.E", "1234", "23", "4d2", "000004D2", ""}) {
        EXPECT_TRUE(ProcessMatches(text, process)) << text;
    }
    for (const char* text : {"notepad2", "1235", "thread", "edit"}) {
        EXPECT_FALSE(ProcessMatches(text, process)) << text;
    }
}

// What the system gives is shown as it is; what it does not give (a denied process, a counter
// that reads zero, a thread without windows) reads "n/a", never a made-up number.
TEST(ProcessTree, DetailsShowWhatTheSystemGaveAndNotAvailableForTheRest) {
    ProcessRecord process{.processId = 4,
                          .parentId = 1,
                          .name = "app.exe",
                          .path = "C:\\apps\\app.exe",
                          .bits = 32,
                          .started = ClockTime{2026, 12, 8, 7, 5, 9},
                          .workingSet = 5'000'000};
    process.threads = {{.threadId = 7, .cpuTime = 12'345'678, .windows = {1, 2}},
                       {.threadId = 8, .cpuTime = 36'000'000'000ull + 10'000}};
    const auto fields = ProcessDetails(process, 2, Grouped);
    EXPECT_EQ(Field(fields, "Path"), "C:\\apps\\app.exe");
    EXPECT_EQ(Field(fields, "Parent ID"), "1 (00000001)");
    EXPECT_EQ(Field(fields, "Bitness"), "32-bit");
    EXPECT_EQ(Field(fields, "Started"), "2026-12-08 07:05:09");
    // No total of its own: the threads' times summed, past an hour.
    EXPECT_EQ(Field(fields, "CPU time"), "1:00:01.235");
    EXPECT_EQ(Field(fields, "Working set"), "4,883 K");
    EXPECT_EQ(Field(fields, "Private bytes"), "n/a");
    EXPECT_EQ(Field(fields, "Threads"), "2");
    EXPECT_EQ(Field(fields, "Windows"), "2");

    process.cpuTime = 10'000'000; // the process's own total wins
    EXPECT_EQ(Field(ProcessDetails(process, 2, Grouped), "CPU time"), "0:00:01.000");

    const ProcessRecord denied{.processId = 8, .name = "system.exe"};
    for (const char* name :
         {"Path", "Parent ID", "Bitness", "Started", "CPU time", "Working set"}) {
        EXPECT_EQ(Field(ProcessDetails(denied, 0, Grouped), name), "n/a") << name;
    }

    const auto threadFields = ThreadDetails(process, process.threads[0], std::nullopt);
    EXPECT_EQ(Field(threadFields, "Process"), "app.exe  4 (00000004)");
    EXPECT_EQ(Field(threadFields, "CPU time"), "0:00:01.234");
    EXPECT_EQ(Field(threadFields, "Started"), "n/a");
    EXPECT_EQ(Field(threadFields, "Focus window"), "n/a");
    EXPECT_EQ(Field(threadFields, "GUI flags"), "n/a");

    GuiThreadState gui{.flags = 0x1 | 0x4, .active = 0x10, .focus = 0x20};
    auto withGui = ThreadDetails(process, process.threads[0], gui);
    EXPECT_EQ(Field(withGui, "Active window"), "00000010");
    EXPECT_EQ(Field(withGui, "Focus window"), "00000020");
    EXPECT_EQ(Field(withGui, "Capture window"), "n/a");
    EXPECT_EQ(Field(withGui, "Caret rectangle"), "n/a"); // no caret, no rectangle
    EXPECT_EQ(Field(withGui, "GUI flags"), "GUI_CARETBLINKING GUI_INMENUMODE");
    gui.caret = 0x30;
    gui.caretRect = {1, 2, 3, 20};
    withGui = ThreadDetails(process, process.threads[0], gui);
    EXPECT_EQ(Field(withGui, "Caret rectangle"), "(1, 2) - (3, 20)");
    gui.flags = 0;
    EXPECT_EQ(Field(ThreadDetails(process, process.threads[0], gui), "GUI flags"), "none");
}

// Every process is listed, also one without windows; a thread's windows are the desktop
// record's own objects, in the thread's order; one the desktop record left out is left out.
TEST(ProcessTree, TheFilesHoldEveryProcessAndTheirThreadsListedWindows) {
    WindowRecord desktop = Window(0x10, "");
    desktop.children = {Window(0x20, "first"), Window(0x30, "second")};
    desktop.children[0].children = {Window(0x21, "inner")};
    std::vector<ProcessRecord> processes{
        {.processId = 5,
         .name = "app.exe",
         .path = "C:\\app.exe",
         .bits = 64,
         .threads = {{.threadId = 6, .windows = {0x30, 0x99, 0x20}}, {.threadId = 7}}},
        {.processId = 9, .name = "quiet.exe"},
    };

    const auto json = nlohmann::json::parse(ProcessTreeJson(processes, desktop));
    ASSERT_EQ(json["processes"].size(), 2u);
    const auto& app = json["processes"][0];
    EXPECT_EQ(app["processId"], 5);
    EXPECT_EQ(app["name"], "app.exe");
    EXPECT_EQ(app["path"], "C:\\app.exe");
    EXPECT_EQ(app["bits"], 64);
    ASSERT_EQ(app["threads"].size(), 2u);
    EXPECT_EQ(app["threads"][0]["threadId"], 6);
    const auto& windows = app["threads"][0]["windows"];
    ASSERT_EQ(windows.size(), 2u); // 0x99 is not on the desktop's record
    EXPECT_EQ(windows[0]["handle"], "00000030");
    EXPECT_EQ(windows[1]["handle"], "00000020");
    EXPECT_EQ(windows[1]["children"][0]["caption"], "inner");
    EXPECT_EQ(windows[1], nlohmann::json::parse(TreeJson(desktop))["children"][0]);
    EXPECT_TRUE(app["threads"][1]["windows"].empty());
    const auto& quiet = json["processes"][1];
    EXPECT_TRUE(quiet["path"].is_null());
    EXPECT_TRUE(quiet["bits"].is_null());
    EXPECT_TRUE(quiet["threads"].empty());

    EXPECT_EQ(ProcessTreeText(processes, desktop), "app.exe  5 (00000005)  64-bit\r\n"
                                                   "  Thread 6 (00000006), 2 windows\r\n"
                                                   "    00000030 \"second\" Edit\r\n"
                                                   "    00000020 \"first\" Edit\r\n"
                                                   "      00000021 \"inner\" Edit\r\n"
                                                   "  Thread 7 (00000007)\r\n"
                                                   "quiet.exe  9 (00000009)  n/a\r\n");
}
