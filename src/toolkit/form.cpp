#include "toolkit/form.h"

#include "core/mapi_win.h"
#include "toolkit/button.h"
#include "toolkit/control.h"
#include "toolkit/loaded_forms.h"
#include "toolkit/menu.h"
#include "toolkit/timer.h"

#include <algorithm>

namespace tk {

namespace {

constexpr char kFormClass[] = "Vantry.Form";
ATOM g_formClass = 0;
constexpr int kFirstControlId = 100;

RECT WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

} // namespace

Form::Form(FormDesign design) : design_(std::move(design)) {}

Form::~Form() {
    // The derived form's controls are gone by now; the window must not reach them.
    controls_.clear();
    timers_.clear();
    menu_ = nullptr;
    if (hwnd_) {
        DestroyWindow(hwnd_);
    }
}

Form* Form::FromWindow(HWND window) {
    // Only our forms' windows carry a form in their extra bytes.
    if (!window || !g_formClass || GetClassLongPtrA(window, GCW_ATOM) != g_formClass) {
        return nullptr;
    }
    return static_cast<Form*>(GetWindowObject(window));
}

void Form::AddControl(Control& control) {
    controls_.push_back(&control);
}

void Form::AddTimer(Timer& timer) {
    timers_.push_back(&timer);
}

void Form::SetDialogButtons(CommandButton& defaultButton, CommandButton& cancelButton) {
    defaultButton_ = &defaultButton;
    cancelButton_ = &cancelButton;
}

void Form::AddShortcut(Shortcut key, std::function<void()> action) {
    shortcuts_.emplace_back(key, std::move(action));
}

bool Form::RunShortcut(const MSG& message) {
    if (message.message != WM_KEYDOWN || shortcuts_.empty()) {
        return false;
    }
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    for (const auto& [key, action] : shortcuts_) {
        if (key.key == message.wParam && key.ctrl == ctrl && key.shift == shift) {
            action();
            return true;
        }
    }
    return false;
}

void Form::SetMenu(MenuBar& menu) {
    menu_ = &menu;
}

HACCEL Form::Accelerators() const {
    return menu_ ? menu_->Accelerators() : nullptr;
}

void Form::Load() {
    if (!IsLoaded()) {
        Create(nullptr);
    }
}

void Form::Create(HWND owner) {
    g_formClass = EnsureWindowClass(kFormClass, &GuardedWindowProc<&Form::WindowProc>, CS_DBLCLKS,
                                    reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const bool sizable = design_.border == BorderStyle::Sizable;
    const DWORD style =
        WS_CLIPCHILDREN | (sizable ? WS_OVERLAPPEDWINDOW : WS_POPUP | WS_CAPTION | WS_SYSMENU);
    const DWORD exStyle = sizable ? 0 : WS_EX_DLGMODALFRAME;
    HMENU menu = menu_ ? menu_->Build() : nullptr;
    RECT frame{0, 0, ToPixels(design_.clientWidth), ToPixels(design_.clientHeight)};
    AdjustWindowRectEx(&frame, style, menu != nullptr, exStyle);

    font_ = CreateFont(FontDesc{});
    CreateWindowExA(exStyle, kFormClass, design_.caption.c_str(), style, CW_USEDEFAULT,
                    CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, owner, menu,
                    Instance(), this);
    if (!hwnd_) {
        if (menu) {
            DestroyMenu(menu);
        }
        return;
    }
    LoadedForms::Add(*this);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        controls_[i]->Create(*this);
        // Ids let dialog keys name the default button.
        SetWindowLongPtrA(controls_[i]->hWnd(), GWLP_ID,
                          static_cast<LONG_PTR>(kFirstControlId + i));
    }
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        timers_[i]->Attach(hwnd_, static_cast<UINT>(i + 1));
    }
    Form_Load();
    if (IsLoaded()) {
        Form_Resize();
    }
}

void Form::Show(const Form* owner) {
    HWND ownerWindow = owner ? owner->hWnd() : nullptr;
    if (!IsLoaded()) {
        Create(ownerWindow);
    } else if (ownerWindow) {
        SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(ownerWindow));
    }
    if (IsLoaded()) {
        ShowWindow(hwnd_, SW_SHOW);
    }
}

void Form::ShowModal(const Form* owner) {
    Show(owner);
    if (!IsLoaded()) {
        return;
    }
    // A dialog opens with the focus on its first control in the tab order.
    if (!IsChild(hwnd_, GetFocus())) {
        if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) {
            SetFocus(first);
        }
    }
    disabledWhileModal_.clear();
    if (owner) {
        disabledWhileModal_.push_back(owner->hWnd());
    } else {
        for (std::size_t i = 0; i < LoadedForms::Count(); ++i) {
            const Form* other = LoadedForms::At(i);
            if (other != this && IsWindowEnabled(other->hWnd())) {
                disabledWhileModal_.push_back(other->hWnd());
            }
        }
    }
    for (HWND window : disabledWhileModal_) {
        EnableWindow(window, FALSE);
    }
    RunMessageLoop([this] { return !IsLoaded(); });
    EnableDisabledForms();
    if (owner && owner->IsLoaded()) {
        SetActiveWindow(owner->hWnd());
    }
}

void Form::EnableDisabledForms() {
    for (HWND window : disabledWhileModal_) {
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
    disabledWhileModal_.clear();
}

bool Form::Unload() {
    if (!IsLoaded() || unloading_) {
        return true;
    }
    if (Form_QueryUnload()) {
        return false;
    }
    unloading_ = true;
    Form_Unload();
    // Forms disabled by a modal loop must be usable again before we go, or the system
    // activates some other program's window.
    EnableDisabledForms();
    DestroyWindow(hwnd_);
    unloading_ = false;
    return true;
}

void Form::Destroyed() {
    LoadedForms::Remove(*this);
    for (Control* control : controls_) {
        control->Detach();
    }
    for (Timer* timer : timers_) {
        timer->Detach();
    }
    if (menu_) {
        menu_->Detach();
    }
    SetWindowObject(hwnd_, nullptr);
    hwnd_ = nullptr;
}

std::string Form::Caption() const {
    if (!hwnd_) {
        return design_.caption;
    }
    return mAPI::ReadWindowCaption(hwnd_);
}

void Form::SetCaption(const std::string& caption) {
    design_.caption = caption;
    // Setting a top-level window's text goes out to the display server (about 1 ms under
    // Wine): a refresh that keeps the caption does not pay it.
    if (hwnd_ && mAPI::ReadWindowCaption(hwnd_) != caption) {
        SetWindowTextA(hwnd_, caption.c_str());
    }
}

void Form::SetIcon(HICON big, HICON small) {
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

int Form::ScaleWidth() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    return ToTwips(client.right);
}

int Form::ScaleHeight() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    return ToTwips(client.bottom);
}

int Form::Left() const {
    return ToTwips(WindowRectOf(hwnd_).left);
}

int Form::Top() const {
    return ToTwips(WindowRectOf(hwnd_).top);
}

int Form::Width() const {
    const RECT rect = WindowRectOf(hwnd_);
    return ToTwips(rect.right - rect.left);
}

int Form::Height() const {
    const RECT rect = WindowRectOf(hwnd_);
    return ToTwips(rect.bottom - rect.top);
}

void Form::Move(int left, int top) {
    SetWindowPos(hwnd_, nullptr, ToPixels(left), ToPixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetPointer(MousePointer pointer) {
    pointer_ = pointer;
    if (hwnd_) {
        RefreshCursor(); // a long operation may follow at once
    }
}

bool Form::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

Control* Form::ControlFromWindow(HWND window) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [window](Control* c) { return c->hWnd() == window; });
    return found == controls_.end() ? nullptr : *found;
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->hwnd_ = window;
        SetWindowObject(window, form);
    }
    Form* form = FromWindow(window);
    if (!form) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return form->HandleMessage(message, wParam, lParam);
}

void Form::MoveDialogFocus(WPARAM wParam, LPARAM lParam) {
    // The dialog manager moves the focus through WM_NEXTDLGCTL, for a label's access key among
    // others; a form is no dialog, so it answers as the dialog procedure would.
    HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                 : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
    if (target) {
        SetFocus(target);
        if (SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
            SendMessageA(target, EM_SETSEL, 0, -1);
        }
    }
}

bool Form::Command(WPARAM wParam, LPARAM lParam) {
    // Escape in a form with dialog keys arrives as IDCANCEL without a control.
    if (LOWORD(wParam) == IDCANCEL && lParam == 0 && cancelButton_) {
        cancelButton_->OnCommand(0, BN_CLICKED);
        return true;
    }
    if (lParam == 0) {
        return menu_ && menu_->Dispatch(LOWORD(wParam));
    }
    Control* control = ControlFromWindow(reinterpret_cast<HWND>(lParam));
    if (control) {
        control->OnCommand(LOWORD(wParam), HIWORD(wParam));
    }
    return control != nullptr;
}

HBRUSH Form::ControlBrush(UINT message, HDC dc, HWND window) const {
    if (Control* control = ControlFromWindow(window)) {
        if (HBRUSH brush = control->OnColor(dc)) {
            return brush;
        }
    }
    if (message == WM_CTLCOLOREDIT) {
        return nullptr;
    }
    // Labels, check boxes and frames stand on the form's own face colour.
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = hwnd_;
    LRESULT result = 0;
    if (OnMessage(message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
    case WM_SIZE:
        for (Control* control : controls_) {
            if (control->hWnd()) {
                control->OnParentResized();
            }
        }
        if (IsFormLoaded(*this)) {
            Form_Resize();
        }
        return 0;
    case WM_COMMAND:
        if (Command(wParam, lParam)) {
            return 0;
        }
        break;
    case WM_NOTIFY: {
        auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (Control* control = ControlFromWindow(header.hwndFrom)) {
            if (control->OnNotify(header, result)) {
                return result;
            }
        }
        break;
    }
    case WM_TIMER:
        if (wParam >= 1 && wParam <= timers_.size()) {
            Timer& timer = *timers_[wParam - 1];
            if (timer.Enabled() && timer.Tick) {
                timer.Tick();
            }
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (AppPointer() != MousePointer::Default || pointer_ != MousePointer::Default) {
            SetCursor(AppPointer() != MousePointer::Default ? CursorFor(AppPointer())
                                                            : CursorFor(pointer_));
            return TRUE;
        }
        break;
    case WM_NEXTDLGCTL:
        MoveDialogFocus(wParam, lParam);
        return 0;
    case DM_GETDEFID:
        if (defaultButton_ && defaultButton_->hWnd()) {
            return MAKELRESULT(GetDlgCtrlID(defaultButton_->hWnd()), DC_HASDEFID);
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (HBRUSH brush = ControlBrush(message, reinterpret_cast<HDC>(wParam),
                                        reinterpret_cast<HWND>(lParam))) {
            return reinterpret_cast<LRESULT>(brush);
        }
        break;
    case WM_CLOSE:
        Unload();
        return 0;
    case WM_DESTROY:
        Destroyed();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace tk
