// Times the dump of 5,000 windows as JSON (what /dump /all /json does) against the window
// tree's full reload of the same desktop, and the whole command with its process start.
#include "model/tree_dump.h"
#include "model/window_walk.h"
#include "test_windows.h"
#include "timing.h"
#include "toolkit/app.h"
#include "tree/main_form.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kTopLevel = 1000;
constexpr int kChildrenEach = 4;
constexpr int kRuns = 5;

} // namespace

int main() {
    tk::InitToolkit(GetModuleHandleA(nullptr));
    testwin::Windows windows;
    testwin::MakeDesktop(windows, kTopLevel, kChildrenEach, "dump window");

    vantry::Main main;
    main.Show();
    SendMessageA(main.hWnd(), WM_COMMAND, main.mnuOnlyVisible.Id(), 0); // every window, as /all
    const auto reload = [&main] { SendMessageA(main.hWnd(), WM_COMMAND, main.mnuUpdate.Id(), 0); };
    std::size_t bytes = 0;
    std::vector<double> loads;
    std::vector<double> dumps;
    for (int run = 0; run < kRuns; ++run) {
        loads.push_back(bench::Seconds(reload));
        dumps.push_back(bench::Seconds(
            [&bytes] { bytes = vantry::TreeJson(vantry::ReadWindowTree(false)).size(); }));
    }
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    const std::string out = std::string(folder) + "vantry-bench-dump.json";
    const std::string program = testwin::VantryPath();
    const double command = bench::Seconds(
        [&] { testwin::RunProgram(program, "/dump /all /json /out \"" + out + "\""); });
    DeleteFileA(out.c_str());

    const double load = bench::Median(loads);
    const double dump = bench::Median(dumps);
    std::printf("tree_nodes: %zu nodes\n", main.tvTree.Count());
    std::printf("json_bytes: %zu bytes\n", bytes);
    std::printf("dump_all_json: %.2f ms\n", dump * 1000);
    std::printf("tree_load: %.2f ms\n", load * 1000);
    std::printf("ratio: %.2f x\n", dump / load);
    std::printf("dump_command_with_process_start: %.2f ms\n", command * 1000);
    main.Unload();
    return 0;
}
