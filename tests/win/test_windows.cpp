#include "test_windows.h"

namespace testwin {

namespace {

HICON SolidIcon(COLORREF color) {
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateCompatibleBitmap(screen, 16, 16);
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, colour);
    HBRUSH brush = CreateSolidBrush(color);
    const RECT all{0, 0, 16, 16};
    FillRect(dc, &all, brush);
    SelectObject(dc, mask);
    PatBlt(dc, 0, 0, 16, 16, BLACKNESS); // fully opaque
    SelectObject(dc, old);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(brush);
    DeleteDC(dc);
    DeleteObject(mask);
    DeleteObject(colour);
    ReleaseDC(nullptr, screen);
    return icon;
}

void Register(const char* name, HICON small) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIconSm = small;
    windowClass.hIcon = small;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
}

} // namespace

void RegisterClasses() {
    static const bool done = [] {
        Register(kIconClass, SolidIcon(kIconColor));
        Register(kOtherIconClass, SolidIcon(kOtherIconColor));
        Register(kPlainClass, nullptr);
        return true;
    }();
    (void)done;
}

Windows::Windows() {
    RegisterClasses();
}

Windows::~Windows() {
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
        if (IsWindow(*it)) {
            DestroyWindow(*it);
        }
    }
}

HWND Windows::TopLevel(const std::string& caption, RECT place, bool visible,
                       const char* className) {
    HWND window = CreateWindowExA(0, className, caption.c_str(),
                                  WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), place.left,
                                  place.top, place.right - place.left, place.bottom - place.top,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    made_.push_back(window);
    return window;
}

HWND Windows::Child(HWND parent, const std::string& caption, const char* className) {
    HWND window = CreateWindowExA(0, className, caption.c_str(), WS_CHILD | WS_VISIBLE, 0, 0, 50,
                                  20, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    made_.push_back(window);
    return window;
}

Node ReadNode(HWND tree, HTREEITEM item) {
    char text[4096] = {};
    TVITEMA data{};
    data.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_STATE;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    data.stateMask = TVIS_EXPANDED;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return {text, data.iImage + 1, (data.state & TVIS_EXPANDED) != 0};
}

std::vector<HTREEITEM> Children(HWND tree, HTREEITEM item) {
    std::vector<HTREEITEM> children;
    for (HTREEITEM child = TreeView_GetChild(tree, item); child;
         child = TreeView_GetNextSibling(tree, child)) {
        children.push_back(child);
    }
    return children;
}

std::vector<HTREEITEM> Roots(HWND tree) {
    std::vector<HTREEITEM> roots;
    for (HTREEITEM root = TreeView_GetRoot(tree); root;
         root = TreeView_GetNextSibling(tree, root)) {
        roots.push_back(root);
    }
    return roots;
}

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

} // namespace testwin
