// The resource view, opened on a window the way a user opens it, with helpers that read it.
#pragma once

#include "main_fixture.h"
#include "resources/resources_form.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class ResourcesTest : public MainTest {
  protected:
    void Show(HWND window, int mode = 1) {
        if (!form_) {
            LoadMain();
            Choose(main_->mnuOnlyVisible); // every window gets a node
            form_ = std::make_unique<vantry::frmResources>(*main_);
            main_->SetForms({nullptr, form_.get(), nullptr});
        }
        Choose(main_->mnuUpdate);
        if (window) {
            ASSERT_TRUE(main_->SelectWindow(mAPI::HandleToInt(window)));
        } else {
            TreeView_SelectItem(Tree(), nullptr);
        }
        Choose(main_->mnuShowResources);
        if (form_->cboResMode.ListIndex() != mode) {
            form_->cboResMode.SetListIndex(mode); // its click refreshes
        } else {
            SendMessageA(form_->cmdRefresh.hWnd(), BM_CLICK, 0, 0);
        }
    }
    // A window of ours whose instance is module, shown in "Application Instance" mode.
    HWND ShowOwnModule(HMODULE module) {
        HWND own = windows_.TopLevel("own module", {10, 10, 100, 100});
        SetWindowLongPtrA(own, GWLP_HINSTANCE, reinterpret_cast<LONG_PTR>(module));
        Show(own, 0);
        return own;
    }
    testwin::Node Node(const std::string& key) const {
        HTREEITEM item = form_->tvRes.Find(key);
        EXPECT_NE(item, nullptr) << key;
        return item ? testwin::ReadNode(form_->tvRes.hWnd(), item) : testwin::Node{};
    }
    void Click(const std::string& key) {
        ClickTreeNode(form_->tvRes.hWnd(), form_->tvRes.Find(key));
    }
    std::vector<std::string> GroupLines() const {
        std::vector<std::string> lines;
        for (HTREEITEM item : testwin::Roots(form_->tvGroup.hWnd())) {
            lines.push_back(testwin::ReadNode(form_->tvGroup.hWnd(), item).text);
        }
        return lines;
    }
    COLORREF GroupPixel(int image, int x, int y) const {
        return testwin::DrawnPixel(
            [this, image](HDC dc) {
                ImageList_Draw(form_->imlGroup.Handle(), image - 1, dc, 0, 0, ILD_NORMAL);
            },
            x, y);
    }
    static std::string Fixture(const char* name) { return testwin::BuildFolder() + "\\" + name; }

    std::unique_ptr<vantry::frmResources> form_;
};
