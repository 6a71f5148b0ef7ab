// A burst of 1,000 windows made by another process while the tree is live: the longest the
// message loop is held up, and how long until the tree shows them all.
#include "test_windows.h"
#include "timing.h"
#include "toolkit/app.h"
#include "tree/main_form.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr UINT kBurst = WM_APP + 3;
constexpr WPARAM kWindows = 1000;

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace

int main() {
    tk::InitToolkit(GetModuleHandleA(nullptr));
    testwin::Process churn(testwin::BuildFolder() + "\\churn_window.exe", "120");
    HWND control = churn.WaitForWindow("VantryChurn");
    vantry::Main main;
    main.Show();
    SendMessageA(main.hWnd(), WM_COMMAND, main.mnuUpdate.Id(), 0);
    SendMessageA(main.hWnd(), WM_COMMAND, main.mnuLiveUpdate.Id(), 0);
    const std::size_t before = main.tvTree.Count();

    PostMessageA(control, kBurst, kWindows, 0); // the burst runs in its own process
    const double start = Now();
    double last = start;
    double worst = 0;
    double allShown = 0;
    while (Now() - start < 20) {
        tk::DoEvents();
        const double now = Now();
        worst = std::max(worst, now - last);
        last = now;
        if (allShown == 0 && main.tvTree.Count() >= before + kWindows) {
            allShown = now - start;
            break;
        }
        Sleep(1);
    }
    std::printf("windows_made: %u windows\n", static_cast<unsigned>(kWindows));
    std::printf("nodes_added: %zu nodes\n", main.tvTree.Count() - before);
    std::printf("worst_message_loop_stall: %.2f ms\n", worst * 1000);
    std::printf("all_shown_after: %.2f ms\n", allShown * 1000);
    main.Unload();
    return 0;
}
