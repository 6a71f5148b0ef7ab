// Memory of the whole program against its floor, bare_tree.exe: a bare Win32 program with one
// tree view and the same menu, toolbar and status bar, holding the same node texts and nothing
// else. Each program is started on its own, listing a desktop this benchmark makes, and read
// once its window shows and its memory holds still. The figure is the process's anonymous
// memory (PagefileUsage; Wine counts the process's anonymous resident pages there).
#include "test_windows.h"
#include "timing.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kChildrenEach = 4;
constexpr int kRuns = 5;

double AnonymousKiB(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    return static_cast<double>(counters.PagefileUsage) / 1024.0;
}

// Keeps this process's windows answering while the program under test reads them.
void PumpFor(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        testwin::Pump();
    }
}

// The program's memory once its window is up and the figure has not moved for half a second.
double SettledKiB(const std::string& path, const char* windowClass) {
    testwin::Process program(path, "");
    program.WaitForWindow(windowClass);
    double last = -1;
    double now = AnonymousKiB(program.Handle());
    for (int step = 0; step < 60 && now != last; ++step) {
        PumpFor(500);
        last = now;
        now = AnonymousKiB(program.Handle());
    }
    return now;
}

struct Program {
    std::string path;
    const char* windowClass;
};

double MedianKiB(const Program& program) {
    std::vector<double> runs;
    for (int run = 0; run < kRuns; ++run) {
        runs.push_back(SettledKiB(program.path, program.windowClass));
    }
    return bench::Median(runs);
}

} // namespace

int main() {
    const Program vantry{testwin::VantryPath(), "Vantry.Form"};
    const Program bare{testwin::BuildFolder() + "\\bench\\bare_tree.exe", "VantryBareTree"};
    const double vantryStart = MedianKiB(vantry);
    const double bareStart = MedianKiB(bare);
    constexpr int kMany = 5000;
    testwin::Windows made;
    testwin::MakeDesktop(made, kMany / (1 + kChildrenEach), kChildrenEach, "memory window");
    const double vantryGrowth = (MedianKiB(vantry) - vantryStart) / (kMany / 1000.0);
    const double bareGrowth = (MedianKiB(bare) - bareStart) / (kMany / 1000.0);
    std::printf("start_vantry: %.0f KiB\n", vantryStart);
    std::printf("start_bare_tree_program: %.0f KiB\n", bareStart);
    std::printf("start_over_bare: %.0f KiB (goal: 1024 KiB at most)\n", vantryStart - bareStart);
    std::printf("growth_vantry: %.0f KiB per 1000 windows\n", vantryGrowth);
    std::printf("growth_bare_tree: %.0f KiB per 1000 windows\n", bareGrowth);
    std::printf("growth_ratio: %.2f x (goal: 1.2 x at most)\n", vantryGrowth / bareGrowth);
    return 0;
}
