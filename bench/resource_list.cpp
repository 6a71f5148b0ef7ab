// Times the resource view's full refresh of its tree against its floor, the bare enumeration
// of the same module's types and names, on a generated module of thousands of resources and
// on a large module that ships with Wine.
#include "core/mapi_win.h"
#include "model/window_text.h"
#include "resources/resources_form.h"
#include "test_windows.h"
#include "timing.h"
#include "toolkit/app.h"
#include "tree/main_form.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 7;

int g_count = 0;
// With a tree view: the bare walk also inserts one plain node per type and name.
HWND g_tree = nullptr;
HTREEITEM g_typeNode = nullptr;

HTREEITEM Insert(HTREEITEM parent) {
    if (!g_tree) {
        return nullptr;
    }
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>("node");
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(g_tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

BOOL CALLBACK CountName(HMODULE, LPCSTR, LPSTR, LONG_PTR) {
    ++g_count;
    Insert(g_typeNode);
    return TRUE;
}

BOOL CALLBACK WalkType(HMODULE module, LPSTR type, LONG_PTR) {
    ++g_count;
    g_typeNode = Insert(TVI_ROOT);
    EnumResourceNamesA(module, type, CountName, 0);
    return TRUE;
}

void Measure(const char* label, const std::string& path) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, 0);
    if (!module) {
        std::printf("%s: cannot load %s\n", label, path.c_str());
        return;
    }
    testwin::Windows windows;
    HWND owner = windows.TopLevel("resource bench", {10, 10, 200, 200});
    SetWindowLongPtrA(owner, GWLP_HINSTANCE, reinterpret_cast<LONG_PTR>(module));

    vantry::Main main;
    vantry::frmResources resources(main);
    main.SetForms({nullptr, &resources, nullptr});
    main.Show();
    SendMessageA(main.hWnd(), WM_COMMAND, main.mnuUpdate.Id(), 0);
    main.SelectWindow(mAPI::HandleToInt(owner));
    resources.Show(&main);
    resources.cboResMode.SetListIndex(0); // the instance: the module we loaded
    tk::DoEvents();

    HWND plain = CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100,
                                 main.hWnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(plain, WM_SETREDRAW, FALSE, 0);
    std::vector<double> refreshes;
    std::vector<double> floors;
    std::vector<double> insertFloors;
    for (int run = 0; run < kRuns; ++run) {
        refreshes.push_back(bench::Seconds([&resources] { resources.DoRefresh(); }));
        floors.push_back(bench::Seconds([module] {
            g_count = 0;
            EnumResourceTypesA(module, WalkType, 0);
        }));
        const int counted = g_count;
        insertFloors.push_back(bench::Seconds([module, plain] {
            g_tree = plain;
            TreeView_DeleteAllItems(plain);
            EnumResourceTypesA(module, WalkType, 0);
            g_tree = nullptr;
        }));
        g_count = counted;
    }
    DestroyWindow(plain);
    const double refresh = bench::Median(refreshes);
    const double floor = bench::Median(floors);
    std::printf("%s_nodes: %zu nodes (%d types and names)\n", label, resources.tvRes.Count(),
                g_count);
    std::printf("%s_refresh: %.2f ms\n", label, refresh * 1000);
    std::printf("%s_enumeration_floor: %.2f ms\n", label, floor * 1000);
    std::printf("%s_ratio: %.2f x\n", label, refresh / floor);
    const double insertFloor = bench::Median(insertFloors);
    std::printf("%s_enumeration_and_plain_tree_floor: %.2f ms\n", label, insertFloor * 1000);
    std::printf("%s_ratio_to_tree_floor: %.2f x\n", label, refresh / insertFloor);
    resources.Unload();
    main.Unload();
    FreeLibrary(module);
}

} // namespace

int main() {
    tk::InitToolkit(GetModuleHandleA(nullptr));
    Measure("generated", testwin::BuildFolder() + "\\many_resources.dll");
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof system); // the 32-bit side for a 32-bit program
    Measure("shell32", std::string(system) + "\\shell32.dll");
    return 0;
}
