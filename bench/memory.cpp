// Memory of the program against its floor: a bare Win32 program with one tree view and the same
// menu, toolbar and status bar, holding the same node texts and nothing else. Each figure comes
// from a run of its own (this program starts itself again with one of four jobs), so that
// neither side inherits the other's heap:
//   memory.exe vantry|bare 0|5000   prints the committed memory the job added, in KiB
#include "core/mapi_win.h"
#include "test_windows.h"
#include "toolkit/app.h"
#include "tree/main_form.h"
#include "tree/window_text.h"

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kChildrenEach = 4;

SIZE_T Committed() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    // Wine leaves PrivateUsage at 0; PagefileUsage is the committed private memory there.
    return counters.PagefileUsage;
}

void AddTree(HWND tree, HTREEITEM parent, HWND window) {
    const std::string text = vantry::WindowDisplayText(
        mAPI::HandleToInt(window), mAPI::ReadWindowCaption(window, vantry::kMaxTreeCaption),
        mAPI::ReadClassName(window));
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text.c_str());
    auto* node = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (mAPI::IsVisibleOnScreen(child)) {
            AddTree(tree, node, child);
        }
    }
}

// The floor: a frame with the same menu, a toolbar of ten buttons and seven 16 x 16 pictures,
// a status bar and a tree view of the same texts.
void RunBare() {
    HMENU bar = CreateMenu();
    for (const int items : {3, 8, 6, 1}) {
        HMENU menu = CreatePopupMenu();
        for (int i = 0; i < items; ++i) {
            AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(100 + i), "item");
        }
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), "menu");
    }
    HWND frame = CreateWindowExA(0, WC_STATICA, "bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 520,
                                 380, nullptr, bar, GetModuleHandleA(nullptr), nullptr);
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                   frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    HIMAGELIST pictures = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 7, 0);
    HDC screen = GetDC(nullptr);
    HBITMAP strip = CreateCompatibleBitmap(screen, 16 * 7, 16);
    ReleaseDC(nullptr, screen);
    ImageList_AddMasked(pictures, strip, RGB(0xFF, 0, 0xFF));
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pictures));
    TBBUTTON buttons[10] = {};
    for (int i = 0; i < 10; ++i) {
        buttons[i] = {i % 7, 1 + i, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
    }
    SendMessageA(toolbar, TB_ADDBUTTONSA, 10, reinterpret_cast<LPARAM>(buttons));
    CreateWindowExA(0, STATUSCLASSNAMEA, "Ready", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame, nullptr,
                    GetModuleHandleA(nullptr), nullptr);
    HWND tree = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                                WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS, 0, 40, 500,
                                280, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    AddTree(tree, TVI_ROOT, GetDesktopWindow());
    tk::DoEvents();
}

void RunVantry() {
    static vantry::Main main; // stays, as the program's does
    main.Show();
    tk::DoEvents();
}

int RunJob(const std::string& job, int windows) {
    tk::InitToolkit(GetModuleHandleA(nullptr));
    static testwin::Windows made; // the desktop's windows, before the first reading
    testwin::MakeDesktop(made, windows / (1 + kChildrenEach), kChildrenEach, "memory window");
    const SIZE_T before = Committed();
    job == "bare" ? RunBare() : RunVantry();
    std::printf("%zu\n", static_cast<std::size_t>((Committed() - before) / 1024));
    return 0;
}

double Measure(const std::string& job, int windows) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    const testwin::ProgramRun run = testwin::RunProgram(self, job + " " + std::to_string(windows));
    return std::atof(run.output.c_str());
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3) {
        return RunJob(argv[1], std::atoi(argv[2]));
    }
    constexpr int kMany = 5000;
    const double vantryStart = Measure("vantry", 0);
    const double bareStart = Measure("bare", 0);
    const double vantryGrowth = (Measure("vantry", kMany) - vantryStart) / (kMany / 1000.0);
    const double bareGrowth = (Measure("bare", kMany) - bareStart) / (kMany / 1000.0);
    std::printf("start_vantry: %.0f KiB\n", vantryStart);
    std::printf("start_bare_tree_program: %.0f KiB\n", bareStart);
    std::printf("start_over_bare: %.0f KiB (goal: 1024 KiB at most)\n", vantryStart - bareStart);
    std::printf("growth_vantry: %.0f KiB per 1000 windows\n", vantryGrowth);
    std::printf("growth_bare_tree: %.0f KiB per 1000 windows\n", bareGrowth);
    std::printf("growth_ratio: %.2f x (goal: 1.2 x at most)\n", vantryGrowth / bareGrowth);
    return 0;
}
