#include "main_fixture.h"

namespace {

void Click(HWND window, POINT at, bool twice) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    // The release waits in the queue: a control may watch for it in a loop of its own while
    // it handles the press (the tree view does, to tell a click from a drag).
    PostMessageA(window, WM_LBUTTONUP, 0, where);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    testwin::Pump();
    if (twice) {
        PostMessageA(window, WM_LBUTTONUP, 0, where);
        SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
        testwin::Pump();
    }
}

} // namespace

std::string MainTest::StatusText() const {
    char text[256] = {};
    SendMessageA(main_->sbrState.hWnd(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

void ClickTreeNode(HWND tree, HTREEITEM node, bool twice) {
    TreeView_EnsureVisible(tree, node);
    RECT rect{};
    TreeView_GetItemRect(tree, node, &rect, TRUE);
    Click(tree, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, twice);
}

void MainTest::ClickNode(HTREEITEM node, bool twice) {
    ClickTreeNode(Tree(), node, twice);
}

void MainTest::ClickButton(const std::string& key) {
    HWND toolbar = main_->tbrCommands.hWnd();
    const int id = main_->tbrCommands.CommandId(key);
    RECT rect{};
    SendMessageA(toolbar, TB_GETRECT, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&rect));
    Click(toolbar, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, false);
}
