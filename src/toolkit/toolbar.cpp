#include "toolkit/toolbar.h"

#include "toolkit/app.h"
#include "toolkit/imagelist.h"

#include <commctrl.h>

namespace tk {

Toolbar::Toolbar(int designHeight, std::vector<ToolbarButton> buttons, const ImageList& images)
    : Control({0, 0, 0, designHeight}), buttons_(std::move(buttons)), images_(images) {}

int Toolbar::CommandId(std::string_view key) const {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (!key.empty() && buttons_[i].key == key) {
            return static_cast<int>(i + 1);
        }
    }
    return 0;
}

void Toolbar::Create(Form& parent) {
    HWND window = CreateChild(parent, TOOLBARCLASSNAMEA,
                              WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP);
    SendMessageA(window, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(window, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.Handle()));
    // The room around a picture grows with the screen's scale as the picture does.
    SendMessageA(window, TB_SETBUTTONSIZE, 0,
                 MAKELPARAM(images_.ImageWidth() + ScaledPixels(7),
                            images_.ImageHeight() + ScaledPixels(6)));
    std::vector<TBBUTTON> added;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const ToolbarButton& button = buttons_[i];
        TBBUTTON tb{};
        tb.idCommand = static_cast<int>(i + 1);
        if (button.style == ButtonStyle::Separator) {
            tb.fsStyle = BTNS_SEP;
        } else {
            tb.iBitmap = button.image - 1;
            tb.fsStyle = button.style == ButtonStyle::Check ? BTNS_CHECK : BTNS_BUTTON;
            tb.fsState = TBSTATE_ENABLED | (button.pressed ? TBSTATE_CHECKED : 0);
        }
        added.push_back(tb);
    }
    SendMessageA(window, TB_ADDBUTTONSA, added.size(), reinterpret_cast<LPARAM>(added.data()));
    SendMessageA(window, TB_AUTOSIZE, 0, 0);

    // The toolbar made a tool for each button; give each its text now rather than on request.
    HWND tips = reinterpret_cast<HWND>(SendMessageA(window, TB_GETTOOLTIPS, 0, 0));
    for (std::size_t i = 0; i < buttons_.size() && tips; ++i) {
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = window;
        tool.uId = i + 1;
        tool.lpszText = const_cast<char*>(buttons_[i].tooltip.c_str());
        SendMessageA(tips, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Toolbar::OnCommand(WORD id, WORD) {
    if (id < 1 || id > buttons_.size()) {
        return;
    }
    ToolbarButton& button = buttons_[id - 1u];
    if (button.style == ButtonStyle::Check) {
        button.pressed = Pressed(button.key);
    }
    if (ButtonClick) {
        ButtonClick(button.key);
    }
}

void Toolbar::OnParentResized() {
    SendMessageA(hWnd(), TB_AUTOSIZE, 0, 0);
}

bool Toolbar::Pressed(std::string_view key) const {
    const int id = CommandId(key);
    if (id == 0) {
        return false;
    }
    if (!hWnd()) {
        return buttons_[static_cast<std::size_t>(id - 1)].pressed;
    }
    return SendMessageA(hWnd(), TB_ISBUTTONCHECKED, static_cast<WPARAM>(id), 0) != 0;
}

void Toolbar::SetPressed(std::string_view key, bool pressed) {
    const int id = CommandId(key);
    if (id == 0) {
        return;
    }
    buttons_[static_cast<std::size_t>(id - 1)].pressed = pressed;
    SendMessageA(hWnd(), TB_CHECKBUTTON, static_cast<WPARAM>(id), MAKELPARAM(pressed, 0));
}

} // namespace tk
