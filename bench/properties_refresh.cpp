// Times one full refresh of the properties form on a window of another process against its
// floor: the same window-system queries made without the form.
#include "core/mapi_win.h"
#include "core/process_lookup.h"
#include "model/window_text.h"
#include "properties/properties_form.h"
#include "test_windows.h"
#include "timing.h"
#include "toolkit/app.h"
#include "tree/main_form.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRefreshesPerRun = 50;
constexpr int kRuns = 9;

volatile std::uintptr_t g_sink = 0;

void Keep(std::uintptr_t value) {
    g_sink = g_sink + value;
}

// Every query a refresh makes, in the same order, and nothing else.
void Queries(HWND window) {
    Keep(IsWindow(window));
    Keep(mAPI::ReadWindowCaption(window).size());
    for (const int index : {GWLP_WNDPROC, GWLP_HINSTANCE, GWLP_ID, GWLP_USERDATA}) {
        Keep(static_cast<std::uintptr_t>(GetWindowLongPtrA(window, index)));
    }
    Keep(GetClassLongPtrA(window, GCLP_HICON));
    RECT windowRect{}, clientRect{};
    GetWindowRect(window, &windowRect);
    GetClientRect(window, &clientRect);
    Keep(IsIconic(window) || IsZoomed(window));
    Keep(IsWindowVisible(window) + IsWindowEnabled(window) + IsWindowUnicode(window));
    POINT corners[2] = {{clientRect.left, clientRect.top}, {clientRect.right, clientRect.bottom}};
    ClientToScreen(window, &corners[0]);
    ClientToScreen(window, &corners[1]);
    Keep(static_cast<std::uintptr_t>(GetSystemMetrics(SM_CXSCREEN) + IsWindowVisible(window)));
    Keep(static_cast<std::uintptr_t>(GetWindowLongA(window, GWL_STYLE)) ^
         static_cast<std::uintptr_t>(GetWindowLongA(window, GWL_EXSTYLE)));
    Keep(reinterpret_cast<std::uintptr_t>(GetWindow(window, GW_HWNDNEXT)) ^
         reinterpret_cast<std::uintptr_t>(GetWindow(window, GW_HWNDPREV)) ^
         reinterpret_cast<std::uintptr_t>(GetParent(window)) ^
         reinterpret_cast<std::uintptr_t>(GetWindow(window, GW_CHILD)) ^
         reinterpret_cast<std::uintptr_t>(GetWindow(window, GW_OWNER)));
    Keep(mAPI::ReadClassName(window).size());
    for (const int index : {GCL_STYLE, GCL_STYLE, GCLP_HMODULE, GCLP_WNDPROC, GCW_ATOM,
                            GCLP_MENUNAME, GCL_CBCLSEXTRA, GCL_CBWNDEXTRA}) {
        Keep(GetClassLongPtrA(window, index));
    }
    DWORD processId = 0;
    Keep(GetWindowThreadProcessId(window, &processId));
    Keep(mAPI::GetExePath(processId).size());
}

} // namespace

int main() {
    tk::InitToolkit(GetModuleHandleA(nullptr));
    testwin::Process sample(testwin::BuildFolder() + "\\sample_window.exe");
    HWND window = sample.WaitForWindow();
    if (!window) {
        std::printf("error: the sample window did not show\n");
        return 1;
    }
    vantry::Main main;
    vantry::frmProperties properties(main);
    main.SetForms({&properties, nullptr, nullptr});
    main.Show();
    SendMessageA(main.hWnd(), WM_COMMAND, main.mnuUpdate.Id(), 0);
    main.SelectWindow(mAPI::HandleToInt(window));
    properties.Show(&main);
    tk::DoEvents();

    std::vector<double> refreshes;
    std::vector<double> floors;
    for (int run = 0; run < kRuns; ++run) {
        refreshes.push_back(bench::Seconds([&properties] {
            for (int i = 0; i < kRefreshesPerRun; ++i) {
                properties.DoRefresh();
            }
        }));
        floors.push_back(bench::Seconds([window] {
            for (int i = 0; i < kRefreshesPerRun; ++i) {
                Queries(window);
            }
        }));
        tk::DoEvents();
    }
    const double refresh = bench::Median(refreshes) / kRefreshesPerRun;
    const double floor = bench::Median(floors) / kRefreshesPerRun;
    std::printf("properties_refresh: %.3f ms\n", refresh * 1000);
    std::printf("queries_floor: %.3f ms\n", floor * 1000);
    std::printf("ratio: %.2f x\n", refresh / floor);
    properties.Unload();
    main.Unload();
    return 0;
}
