#include "toolkit/app.h"

#include "core/mapi_win.h"
#include "toolkit/form.h"
#include "toolkit/twips.h"

#include <commctrl.h>

#include <cmath>

namespace tk {

namespace {

HINSTANCE g_instance = nullptr;
MousePointer g_appPointer = MousePointer::Default;
HCURSOR g_customCursor = nullptr;

MessageBoxHandler& CurrentMessageBoxHandler() {
    static MessageBoxHandler handler;
    return handler;
}

// Dialog keys, then shortcuts, belong to the form whose window holds the focus or the message's
// target.
bool TranslateFormAccelerators(MSG& message) {
    if (message.hwnd == nullptr) {
        return false;
    }
    Form* form = Form::FromWindow(GetAncestor(message.hwnd, GA_ROOT));
    if (form == nullptr) {
        return false;
    }
    if (form->RunShortcut(message)) {
        return true;
    }
    if (form->UsesDialogKeys() && IsDialogMessageW(form->hWnd(), &message)) {
        return true;
    }
    return form->Accelerators() &&
           TranslateAcceleratorW(form->hWnd(), form->Accelerators(), &message) != 0;
}

// Messages are taken and dispatched as Unicode, so that a typed character of any script reaches
// a Unicode box whole; ANSI windows get theirs converted by the system as before.
void Dispatch(MSG& message) {
    if (!TranslateFormAccelerators(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace

void InitToolkit(HINSTANCE instance) {
    g_instance = instance;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

HINSTANCE Instance() {
    return g_instance ? g_instance : GetModuleHandleA(nullptr);
}

int ScreenDpi() {
    static const int dpi = [] {
        const mAPI::WindowDC screen(nullptr);
        const int value = GetDeviceCaps(screen.get(), LOGPIXELSX);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

int ToPixels(int twips) {
    return TwipsToPixels(twips, ScreenDpi());
}

int ScaledPixels(int pixelsAt96) {
    return MulDiv(pixelsAt96, ScreenDpi(), 96);
}

int ToTwips(int pixels) {
    return PixelsToTwips(pixels, ScreenDpi());
}

COLORREF ResolveColor(std::uint32_t color) {
    if (color & 0x80000000u) {
        return GetSysColor(static_cast<int>(color & 0xFF));
    }
    return static_cast<COLORREF>(color);
}

mAPI::Font CreateFont(const FontDesc& desc) {
    LOGFONTA font{};
    font.lfHeight = -static_cast<LONG>(std::lround(desc.points * ScreenDpi() / 72.0));
    font.lfWeight = desc.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = desc.italic;
    font.lfUnderline = desc.underline;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(font.lfFaceName, desc.face.c_str(), LF_FACESIZE);
    return mAPI::Font(CreateFontIndirectA(&font));
}

HCURSOR CursorFor(MousePointer pointer) {
    switch (pointer) {
    case MousePointer::Hourglass:
        return LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT));
    case MousePointer::NoDrop:
        return LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_NO));
    case MousePointer::Custom:
        return g_customCursor;
    case MousePointer::Default:
        break;
    }
    return nullptr;
}

ATOM EnsureWindowClass(const char* name, WNDPROC procedure, UINT style, HBRUSH background) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (const ATOM atom = static_cast<ATOM>(GetClassInfoExA(Instance(), name, &windowClass))) {
        return atom;
    }
    windowClass.style = style;
    windowClass.cbWndExtra = sizeof(void*);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = Instance();
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass);
}

void SetWindowObject(HWND window, void* object) {
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(object));
}

void* GetWindowObject(HWND window) {
    return reinterpret_cast<void*>(GetWindowLongPtrA(window, 0));
}

MousePointer AppPointer() {
    return g_appPointer;
}

void SetAppPointer(MousePointer pointer, HCURSOR custom) {
    g_appPointer = pointer;
    if (custom) {
        g_customCursor = custom;
    }
    if (pointer != MousePointer::Default) {
        SetCursor(CursorFor(pointer));
        return;
    }
    RefreshCursor();
}

void RefreshCursor() {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (HWND under = WindowFromPoint(cursor);
        under && GetWindowThreadProcessId(under, nullptr) == GetCurrentThreadId()) {
        SendMessageA(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    } else {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    }
}

int ShowMessageBox(HWND owner, const std::string& text, const std::string& title, UINT style) {
    if (const auto& handler = CurrentMessageBoxHandler()) {
        return handler(owner, text, title, style);
    }
    return MessageBoxA(owner, text.c_str(), title.c_str(), style);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(CurrentMessageBoxHandler(), std::move(handler));
}

bool ForwardToForm(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        result = SendMessageA(GetAncestor(container, GA_ROOT), message, wParam, lParam);
        return true;
    default:
        return false;
    }
}

void DoEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

void RunMessageLoop(const std::function<bool()>& done) {
    MSG message;
    while (!done()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam));
            }
            return;
        }
        Dispatch(message);
    }
}

std::string ProgramText(std::string_view utf8) {
    if (GetACP() == CP_UTF8 || utf8.empty()) {
        return std::string(utf8);
    }
    return mAPI::Narrow(mAPI::Widen(utf8), CP_ACP);
}

} // namespace tk
