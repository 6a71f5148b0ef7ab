// A loaded Main form with helpers that drive it the way a user does and read its controls.
#pragma once

#include "core/mapi_win.h"
#include "model/window_text.h"
#include "test_windows.h"
#include "tree/main_form.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A left click in the middle of a tree node's text, as the mouse would make it.
void ClickTreeNode(HWND tree, HTREEITEM node, bool twice = false);

class MainTest : public testing::Test {
  protected:
    void LoadMain() {
        main_ = std::make_unique<vantry::Main>();
        main_->Show();
    }
    HWND Tree() const { return main_->tvTree.hWnd(); }
    HTREEITEM NodeOf(HWND window) const { return main_->NodeOf(mAPI::HandleToInt(window)); }
    testwin::Node Read(HWND window) const { return testwin::ReadNode(Tree(), NodeOf(window)); }
    HTREEITEM ParentNodeOf(HWND window) const { return TreeView_GetParent(Tree(), NodeOf(window)); }
    void Choose(const tk::MenuItem& item) { SendMessageA(main_->hWnd(), WM_COMMAND, item.Id(), 0); }
    std::string StatusText() const;
    // A left click in the middle of a node's text, as the mouse would make it.
    void ClickNode(HTREEITEM node, bool twice = false);
    // A left click on a toolbar button.
    void ClickButton(const std::string& key);

    testwin::Windows windows_;
    std::unique_ptr<vantry::Main> main_;
};
