// Times the processes view's reload with 100 extra processes of 5 GUI threads each against its
// floor: the same process and thread snapshots and the same walk of the windows, with no tree
// view, no images and no details.
#include "core/mapi_win.h"
#include "model/system_processes.h"
#include "model/system_windows.h"
#include "model/window_text.h"
#include "processes/processes_form.h"
#include "test_windows.h"
#include "timing.h"
#include "toolkit/app.h"
#include "tree/main_form.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kProcesses = 100;
constexpr int kThreadsEach = 5;
constexpr int kRuns = 7;

BOOL CALLBACK CountFixtureWindow(HWND window, LPARAM count) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    *reinterpret_cast<int*>(count) += std::string_view(name) == "VantryThreads";
    return TRUE;
}

int FixtureWindows() {
    int count = 0;
    EnumWindows(CountFixtureWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

} // namespace

int main() {
    tk::InitToolkit(GetModuleHandleA(nullptr));
    std::vector<std::unique_ptr<testwin::Process>> fixtures;
    for (int i = 0; i < kProcesses; ++i) {
        fixtures.push_back(
            std::make_unique<testwin::Process>(testwin::BuildFolder() + "\\threads_fixture.exe",
                                               std::to_string(kThreadsEach) + " 600"));
    }
    for (int wait = 0; wait < 600 && FixtureWindows() < kProcesses * kThreadsEach; ++wait) {
        Sleep(50);
    }

    vantry::Main main;
    main.Show();
    vantry::frmProcesses view(main);
    main.SetForms({nullptr, nullptr, nullptr, &view});
    SendMessageA(main.hWnd(), WM_COMMAND, main.mnuProcesses.Id(), 0); // the first load
    view.chkWithWindows.SetValue(0); // every process, as the floor reads them
    const auto reload = [&view] {
        PostMessageA(view.tvProcesses.hWnd(), WM_KEYDOWN, VK_F5, 0);
        tk::DoEvents();
    };

    std::vector<double> loads;
    std::vector<double> floors;
    std::size_t processes = 0;
    for (int run = 0; run < kRuns; ++run) {
        loads.push_back(bench::Seconds(reload));
        floors.push_back(bench::Seconds([&] {
            processes = vantry::ReadProcesses().size();
            vantry::SystemWindows queries({.captionChars = vantry::kMaxTreeCaption,
                                           .picture = {},
                                           .hiddenForRefill = nullptr});
            vantry::WindowList windows;
            windows.Load(queries, mAPI::HandleToInt(GetDesktopWindow()), main.ShowsOnlyVisible());
        }));
    }
    const double load = bench::Median(loads);
    const double floor = bench::Median(floors);
    std::printf("fixture_windows: %d\n", FixtureWindows());
    std::printf("processes: %zu, nodes: %zu\n", processes, view.tvProcesses.Count());
    std::printf("process_tree_load: %.2f ms\n", load * 1000.0);
    std::printf("snapshot_and_walk_floor: %.2f ms\n", floor * 1000.0);
    std::printf("ratio: %.2f x (aim: 1.3 x at most)\n", load / floor);
    return 0;
}
