// Times the filter box on a 5,000-window tree, one keystroke at a time, against its floor: the
// same text match over the same data with no tree view.
#include "model/tree_filter.h"
#include "core/mapi_win.h"
#include "core/process_lookup.h"
#include "test_windows.h"
#include "timing.h"
#include "toolkit/app.h"
#include "tree/main_form.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kTopLevel = 1000;
constexpr int kChildrenEach = 4;
constexpr int kRuns = 5;

struct Subject {
    std::string text;
    DWORD processId = 0;
};

} // namespace

int main() {
    tk::InitToolkit(GetModuleHandleA(nullptr));
    testwin::Windows windows;
    testwin::MakeDesktop(windows, kTopLevel, kChildrenEach, "filter window");
    vantry::Main main;
    main.Show();
    SendMessageA(main.hWnd(), WM_COMMAND, main.mnuUpdate.Id(), 0);
    const std::size_t nodes = main.tvTree.Count();

    // The floor's data: every node's text, process and executable, gathered beforehand.
    std::vector<Subject> subjects;
    std::unordered_map<DWORD, std::string> executables;
    for (HTREEITEM node : main.tvTree.Nodes()) {
        Subject subject{main.tvTree.NodeText(node), 0};
        GetWindowThreadProcessId(mAPI::IntToHandle<HWND>(*main.WindowOf(node)), &subject.processId);
        executables.emplace(subject.processId, mAPI::GetExePath(subject.processId));
        subjects.push_back(std::move(subject));
    }

    const std::vector<std::string> keystrokes{"f", "fi", "fil", "filter window 4",
                                              "filter window 42"};
    const double first = bench::Seconds([&] { main.txtFilter.SetText(keystrokes[0]); });
    std::vector<double> typed;
    std::vector<double> sameWindows; // "fi" and "fil" after "f": every window matches still
    std::vector<double> floors;
    std::size_t matched = 0;
    for (int run = 0; run < kRuns; ++run) {
        for (const std::string& text : keystrokes) {
            typed.push_back(bench::Seconds([&] { main.txtFilter.SetText(text); }));
            if (text == "fi" || text == "fil") {
                sameWindows.push_back(typed.back());
            }
            floors.push_back(bench::Seconds([&] {
                matched = 0;
                for (const Subject& subject : subjects) {
                    matched += vantry::MatchesFilter(
                        text, {subject.text, subject.processId, executables[subject.processId]});
                }
            }));
        }
    }
    main.txtFilter.SetText("");
    const double keystroke = bench::Median(typed);
    const double floor = bench::Median(floors);
    std::printf("tree_nodes: %zu nodes\n", nodes);
    std::printf("first_keystroke_after_load: %.2f ms\n", first * 1000);
    std::printf("filter_keystroke: %.2f ms\n", keystroke * 1000);
    std::printf("keystroke_keeping_the_same_windows: %.2f ms\n", bench::Median(sameWindows) * 1000);
    std::printf("match_floor: %.2f ms\n", floor * 1000);
    std::printf("ratio: %.2f x\n", keystroke / floor);
    main.Unload();
    return 0;
}
