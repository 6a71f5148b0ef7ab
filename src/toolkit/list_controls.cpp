#include "toolkit/list_controls.h"

#include "toolkit/app.h"

#include <commctrl.h>

namespace tk {

namespace {

std::string ItemText(HWND window, UINT lengthMessage, UINT textMessage, int index) {
    const LRESULT length = SendMessageA(window, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length < 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(window, textMessage, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

} // namespace

void TabStrip::Create(Form& parent) {
    HWND window = CreateChild(parent, WC_TABCONTROLA, WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS);
    // Narrow padding, so that a row of short captions fits the strip without scrolling.
    SendMessageA(window, TCM_SETPADDING, 0, MAKELPARAM(4, 3));
    for (std::size_t i = 0; i < captions_.size(); ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(captions_[i].c_str());
        SendMessageA(window, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
}

bool TabStrip::OnNotify(NMHDR& header, LRESULT& result) {
    result = 0;
    if (header.code == static_cast<UINT>(TCN_SELCHANGE)) {
        if (Click) {
            Click();
        }
        return true;
    }
    return false;
}

int TabStrip::SelectedIndex() const {
    return static_cast<int>(SendMessageA(hWnd(), TCM_GETCURSEL, 0, 0));
}

void TabStrip::SetSelectedIndex(int index) {
    SendMessageA(hWnd(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ComboBox::Create(Form& parent) {
    HWND window =
        CreateChild(parent, "COMBOBOX", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
    // The design height is the closed box; the window's height is the opened list's.
    RECT rect{};
    GetWindowRect(window, &rect);
    SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left, ToPixels(Design().height) * 8,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBox::OnCommand(WORD, WORD code) {
    if (code == CBN_SELCHANGE && Click) {
        Click();
    }
}

void ComboBox::AddItem(const std::string& text, std::int32_t data) {
    const LRESULT index =
        SendMessageA(hWnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(hWnd(), CB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

void ComboBox::Clear() {
    SendMessageA(hWnd(), CB_RESETCONTENT, 0, 0);
}

int ComboBox::Count() const {
    return static_cast<int>(SendMessageA(hWnd(), CB_GETCOUNT, 0, 0));
}

std::string ComboBox::Item(int index) const {
    return ItemText(hWnd(), CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

std::int32_t ComboBox::ItemData(int index) const {
    return static_cast<std::int32_t>(
        SendMessageA(hWnd(), CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

int ComboBox::ListIndex() const {
    return static_cast<int>(SendMessageA(hWnd(), CB_GETCURSEL, 0, 0));
}

void ComboBox::SetListIndex(int index) {
    SendMessageA(hWnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (Click) {
        Click();
    }
}

void ListBox::Create(Form& parent) {
    CreateChild(parent, "LISTBOX",
                WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT |
                    (sorted_ ? LBS_SORT : 0),
                WS_EX_CLIENTEDGE);
}

void ListBox::AddItem(const std::string& text) {
    SendMessageA(hWnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ListBox::Clear() {
    SendMessageA(hWnd(), LB_RESETCONTENT, 0, 0);
}

int ListBox::Count() const {
    return static_cast<int>(SendMessageA(hWnd(), LB_GETCOUNT, 0, 0));
}

std::string ListBox::Item(int index) const {
    return ItemText(hWnd(), LB_GETTEXTLEN, LB_GETTEXT, index);
}

} // namespace tk
