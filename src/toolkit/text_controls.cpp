#include "toolkit/text_controls.h"

#include "toolkit/app.h"

#include <commctrl.h>

#include <vector>

namespace tk {

TextBox::TextBox(TwipsRect design, int maxLength, bool locked,
                 std::optional<std::uint32_t> backColor)
    : Control(design), maxLength_(maxLength), locked_(locked), backColor_(backColor) {}

void TextBox::Create(Form& parent) {
    HWND window = CreateChild(
        parent, "EDIT", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | (locked_ ? ES_READONLY : 0),
        WS_EX_CLIENTEDGE);
    if (maxLength_ > 0) {
        SendMessageA(window, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    }
    if (backColor_ && !brush_) {
        brush_ = mAPI::Brush(CreateSolidBrush(ResolveColor(*backColor_)));
    }
    SetWindowSubclass(window, &TextBox::Subclass, 1, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK TextBox::Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR self) {
    auto* box = reinterpret_cast<TextBox*>(self);
    if (message == WM_CHAR && box->KeyPress) {
        const auto key = box->KeyPress(static_cast<char>(wParam));
        if (!key) {
            return 0;
        }
        wParam = static_cast<unsigned char>(*key);
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &TextBox::Subclass, 1);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void TextBox::OnCommand(WORD, WORD code) {
    if (code == EN_SETFOCUS && GotFocus) {
        GotFocus();
    } else if (code == EN_KILLFOCUS && LostFocus) {
        LostFocus();
    }
}

HBRUSH TextBox::OnColor(HDC dc) {
    if (!brush_) {
        return nullptr;
    }
    SetBkColor(dc, ResolveColor(*backColor_));
    return brush_.get();
}

std::string TextBox::Text() const {
    const int length = GetWindowTextLengthA(hWnd());
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(hWnd(), buffer.data(), length + 1);
    return buffer.data();
}

void TextBox::SetText(const std::string& text) {
    SetWindowTextA(hWnd(), text.c_str());
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

void Frame::Create(Form& parent) {
    // At the bottom of its siblings and clipped by them, so that filling its face never covers
    // the controls standing in it (a group box paints no face of its own).
    HWND window = CreateChild(parent, "BUTTON", WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX);
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowSubclass(window, &Frame::Subclass, 1, 0);
}

LRESULT CALLBACK Frame::Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
    if (message == WM_ERASEBKGND) {
        RECT client{};
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &Frame::Subclass, 1);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace tk
