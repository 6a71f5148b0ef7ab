// The floor of bench/memory: a bare Win32 program with one tree view and the same menu, toolbar
// and status bar as Vantry's main window, listing the same visible windows with the same texts
// and nothing else. It shows its window and waits to be ended.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

namespace {

constexpr char kClass[] = "VantryBareTree";

bool ShownOnScreen(HWND window) {
    for (HWND w = window; w && w != GetDesktopWindow(); w = GetParent(w)) {
        if (!IsWindowVisible(w)) {
            return false;
        }
    }
    return true;
}

void AddTree(HWND tree, HTREEITEM parent, HWND window) {
    char caption[256] = {};
    char className[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    GetClassNameA(window, className, sizeof className);
    char text[600] = {};
    std::snprintf(text, sizeof text, "%08X \"%s\" %s",
                  static_cast<unsigned>(reinterpret_cast<UINT_PTR>(window)), caption, className);
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = text;
    auto* node = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ShownOnScreen(child)) {
            AddTree(tree, node, child);
        }
    }
}

HMENU MakeMenu() {
    HMENU bar = CreateMenu();
    constexpr int kItemsPerMenu[] = {3, 8, 6, 1};
    for (const int items : kItemsPerMenu) {
        HMENU menu = CreatePopupMenu();
        for (int i = 0; i < items; ++i) {
            AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(100 + i), "item");
        }
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), "menu");
    }
    return bar;
}

// Ten buttons over seven 16 x 16 pictures, as Vantry's toolbar has.
void MakeToolbar(HWND frame) {
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                   frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    HIMAGELIST pictures = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 7, 0);
    HDC screen = GetDC(nullptr);
    HBITMAP strip = CreateCompatibleBitmap(screen, 16 * 7, 16);
    ReleaseDC(nullptr, screen);
    ImageList_AddMasked(pictures, strip, RGB(0xFF, 0, 0xFF));
    DeleteObject(strip);
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pictures));
    TBBUTTON buttons[10] = {};
    for (int i = 0; i < 10; ++i) {
        buttons[i] = {i % 7, 1 + i, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
    }
    SendMessageA(toolbar, TB_ADDBUTTONSA, 10, reinterpret_cast<LPARAM>(buttons));
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClass;
    RegisterClassExA(&windowClass);
    HWND frame = CreateWindowExA(0, kClass, "bare", WS_OVERLAPPEDWINDOW, 0, 0, 520, 380, nullptr,
                                 MakeMenu(), instance, nullptr);
    MakeToolbar(frame);
    CreateWindowExA(0, STATUSCLASSNAMEA, "Ready", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame, nullptr,
                    instance, nullptr);
    HWND tree = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                                WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS, 0, 40, 500,
                                280, frame, nullptr, instance, nullptr);
    AddTree(tree, TVI_ROOT, GetDesktopWindow());
    ShowWindow(frame, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
