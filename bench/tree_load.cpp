// Times the window tree's full reload on a desktop of 5,000 windows of another process against
// its floor: a bare walk that makes the same window queries with no tree view and no images.
#include "core/mapi_win.h"
#include "model/window_text.h"
#include "test_windows.h"
#include "timing.h"
#include "toolkit/app.h"
#include "tree/main_form.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kTopLevel = 1000; // 5,000 windows with their children
constexpr int kChildrenEach = 4;
constexpr int kRuns = 7;
constexpr UINT kDesktop = WM_APP + 4; // churn_window: make a desktop

// What the floor knows between windows: one screen DC, and each class's name by its atom.
struct WalkState {
    HDC screen;
    std::unordered_map<ATOM, std::string> classNames;
};

std::string ClassNameOf(HWND window, WalkState& state) {
    const auto atom = static_cast<ATOM>(GetClassWord(window, GCW_ATOM));
    auto found = state.classNames.find(atom);
    if (found == state.classNames.end()) {
        found = state.classNames.emplace(atom, mAPI::ReadClassName(window)).first;
    }
    return found->second;
}

// The floor: what the tree needs of every window, and nothing else: below a parent that shows,
// a window's own visible style and place decide whether it shows.
int BareWalk(HWND window, bool isRoot, WalkState& state) {
    if (!isRoot && (!(GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) ||
                    !mAPI::IsOnScreen(window, state.screen))) {
        return 0;
    }
    volatile std::size_t sink =
        vantry::WindowDisplayText(mAPI::HandleToInt(window),
                                  mAPI::ReadWindowCaption(window, vantry::kMaxTreeCaption),
                                  ClassNameOf(window, state))
            .size();
    (void)sink;
    if (!isRoot) {
        volatile auto icon = GetClassLongPtrA(window, GCLP_HICONSM);
        (void)icon;
    }
    int count = 1;
    mAPI::ForEachChildWindow(
        window, [&count, &state](HWND child) { count += BareWalk(child, false, state); });
    return count;
}

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

// KiB per 1000 nodes between two readings.
double GrowthPerThousand(SIZE_T before, SIZE_T after, std::size_t nodes) {
    return (static_cast<double>(after) - static_cast<double>(before)) / 1024.0 /
           (static_cast<double>(nodes) / 1000.0);
}

} // namespace

int main() {
    tk::InitToolkit(GetModuleHandleA(nullptr));
    // The windows belong to another process, as on a real desktop: there every query about a
    // window is a round trip to the window server. The top-level fifth has a small icon.
    testwin::Process fixture(testwin::BuildFolder() + "\\churn_window.exe", "600");
    HWND control = fixture.WaitForWindow("VantryChurn");
    if (!control) {
        std::printf("error: the fixture did not start\n");
        return 1;
    }
    const auto made = static_cast<int>(SendMessageA(control, kDesktop, kTopLevel, kChildrenEach));
    const PROCESS_MEMORY_COUNTERS before = Memory();

    vantry::Main main;
    main.Show();
    const auto reload = [&main] { SendMessageA(main.hWnd(), WM_COMMAND, main.mnuUpdate.Id(), 0); };
    reload(); // Main itself is now on the screen and in the tree
    const PROCESS_MEMORY_COUNTERS loaded = Memory();
    const std::size_t nodes = main.tvTree.Count();

    std::vector<double> loads;
    std::vector<double> floors;
    int walked = 0;
    for (int run = 0; run < kRuns; ++run) {
        loads.push_back(bench::Seconds(reload));
        floors.push_back(bench::Seconds([&walked] {
            const mAPI::WindowDC screen(nullptr);
            WalkState state{screen.get(), {}};
            walked = BareWalk(GetDesktopWindow(), true, state);
        }));
    }
    const double load = bench::Median(loads);
    const double floor = bench::Median(floors);

    std::printf("windows_made: %d windows\n", made);
    std::printf("tree_nodes: %zu nodes\n", nodes);
    std::printf("floor_nodes: %d nodes\n", walked);
    std::printf("tree_load: %.2f ms\n", load * 1000);
    std::printf("bare_walk_floor: %.2f ms\n", floor * 1000);
    std::printf("ratio: %.2f x\n", load / floor);
    std::printf("tree_load_per_window: %.1f us\n", load * 1e6 / static_cast<double>(nodes));
    std::printf("bare_walk_per_window: %.1f us\n", floor * 1e6 / static_cast<double>(walked));
    const PROCESS_MEMORY_COUNTERS reloaded = Memory();
    // Committed private memory (Wine leaves PrivateUsage at 0; PagefileUsage is that figure).
    std::printf("memory_growth_first_load: %.1f KiB per 1000 windows\n",
                GrowthPerThousand(before.PagefileUsage, loaded.PagefileUsage, nodes));
    std::printf("working_set_growth_first_load: %.1f KiB per 1000 windows\n",
                GrowthPerThousand(before.WorkingSetSize, loaded.WorkingSetSize, nodes));
    std::printf("memory_growth_over_%d_reloads: %.1f KiB per 1000 windows\n", kRuns,
                GrowthPerThousand(loaded.PagefileUsage, reloaded.PagefileUsage, nodes));
    main.Unload();
    return 0;
}
