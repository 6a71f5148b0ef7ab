#include "toolkit/text_controls.h"

#include "core/mapi_win.h"
#include "toolkit/app.h"
#include "toolkit/clipboard.h"

#include <commctrl.h>

#include <vector>

namespace tk {

TextBox::TextBox(TextBoxDesign design)
    : Control(design.place), maxLength_(design.maxLength), locked_(design.locked),
      multiLine_(design.multiLine), backColor_(design.backColor) {}

void TextBox::Create(Form& parent) {
    // A multi-line box wraps its lines and scrolls them vertically; a one-line box scrolls
    // sideways as it is typed into.
    const DWORD lines = multiLine_ ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL;
    HWND window =
        CreateChild(parent, "EDIT", WS_VISIBLE | WS_TABSTOP | lines | (locked_ ? ES_READONLY : 0),
                    WS_EX_CLIENTEDGE, "", Chars::Unicode);
    underline_ = false; // a new window starts with the plain font
    if (maxLength_ > 0) {
        SendMessageA(window, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    }
    if (backColor_ && !brush_) {
        brush_ = mAPI::Brush(CreateSolidBrush(ResolveColor(*backColor_)));
    }
    SubclassWindow();
}

bool TextBox::SubclassMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_CHAR:
        if (wParam == 0x03 && !HasSelection()) { // Ctrl+C without a selection: the whole field
            CopyText(hWnd(), Text());
            return true;
        }
        if (KeyPress) {
            const auto key = KeyPress(static_cast<wchar_t>(wParam));
            result = key ? CallOriginal(message, static_cast<WPARAM>(*key), lParam) : 0;
            return true;
        }
        return false;
    case WM_SETCURSOR:
        if (mouseIcon_ && LOWORD(lParam) == HTCLIENT && AppPointer() == MousePointer::Default) {
            SetCursor(mouseIcon_);
            result = TRUE;
            return true;
        }
        return false;
    case WM_LBUTTONUP:
        if (Click) {
            result = CallOriginal(message, wParam, lParam);
            Click();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void TextBox::SetCueText(const std::string& text) {
    // The cue is taken in UTF-16 only.
    const std::wstring wide = mAPI::Widen(text, CP_ACP);
    SendMessageW(hWnd(), EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

bool TextBox::HasSelection() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(hWnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return start != end;
}

void TextBox::OnCommand(WORD, WORD code) {
    if (code == EN_SETFOCUS && GotFocus) {
        GotFocus();
    } else if (code == EN_KILLFOCUS && LostFocus) {
        LostFocus();
    } else if (code == EN_CHANGE && Change) {
        Change();
    }
}

HBRUSH TextBox::OnColor(HDC dc) {
    if (foreColor_ && IsWindowEnabled(hWnd())) {
        SetTextColor(dc, ResolveColor(*foreColor_));
    }
    if (!brush_) {
        return nullptr;
    }
    SetBkColor(dc, ResolveColor(*backColor_));
    return brush_.get();
}

void TextBox::SetForeColor(std::uint32_t color) {
    foreColor_ = color;
    InvalidateRect(hWnd(), nullptr, TRUE);
}

void TextBox::SetUnderline(bool underline) {
    if (underline == underline_) {
        return;
    }
    underline_ = underline;
    if (underline && !underlined_) {
        LOGFONTA font{};
        GetObjectA(BaseFont(), sizeof font, &font);
        font.lfUnderline = TRUE;
        underlined_ = mAPI::Font(CreateFontIndirectA(&font));
    }
    SendMessageA(hWnd(), WM_SETFONT,
                 reinterpret_cast<WPARAM>(underline ? underlined_.get() : BaseFont()), TRUE);
}

std::string TextBox::Text() const {
    return mAPI::ReadWindowCaption(hWnd());
}

void TextBox::SetText(const std::string& text) {
    // Rewriting the same text costs the edit control a relayout and a repaint.
    if (Text() != text) {
        SetWindowTextA(hWnd(), text.c_str());
    }
}

void TextBox::SetSelection(int start, int length) {
    SendMessageA(hWnd(), EM_SETSEL, static_cast<WPARAM>(start), start + length);
}

void CheckBox::Create(Form& parent) {
    CreateChild(parent, "BUTTON", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, caption_.c_str());
}

void CheckBox::OnCommand(WORD, WORD code) {
    if (code == BN_CLICKED && Click) {
        Click();
    }
}

int CheckBox::Value() const {
    return SendMessageA(hWnd(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void CheckBox::SetValue(int value) {
    if (value == Value()) {
        return;
    }
    SendMessageA(hWnd(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    if (Click) {
        Click();
    }
}

namespace {

constexpr char kFrameClass[] = "Vantry.Frame";

} // namespace

void Frame::Create(Form& parent) {
    EnsureWindowClass(kFrameClass, &GuardedWindowProc<&Frame::WindowProc>, 0,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    HWND window =
        CreateChild(parent, kFrameClass, WS_VISIBLE | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT);
    SetWindowObject(window, this);
}

LRESULT CALLBACK Frame::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT forwarded = 0;
    if (ForwardToForm(window, message, wParam, lParam, forwarded)) {
        return forwarded;
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        const auto* frame = static_cast<Frame*>(GetWindowObject(window));
        if (frame && frame->border_) {
            RECT client{};
            GetClientRect(window, &client);
            DrawEdge(dc, &client, EDGE_ETCHED, BF_RECT);
        }
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace tk
