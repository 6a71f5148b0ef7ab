#include "core/mapi.h"
#include "main_fixture.h"
#include "model/style_tables.h"
#include "properties/properties_form.h"
#include "toolkit/loaded_forms.h"

#include <gtest/gtest.h>

#include <algorithm>

using vantry::frmProperties;

namespace {

class PropertiesTest : public MainTest {
  protected:
    void Open() {
        LoadMain();
        form_ = std::make_unique<frmProperties>(*main_);
        main_->SetForms({form_.get(), nullptr, nullptr});
    }
    void TearDown() override { tk::SetMessageBoxHandler({}); }

    void Select(HWND window) { main_->SelectWindow(mAPI::HandleToInt(window)); }
    void Refresh() { SendMessageA(form_->cmdRefresh.hWnd(), BM_CLICK, 0, 0); }
    void ClickLink(tk::TextBox& link) {
        PostMessageA(link.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        SendMessageA(link.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        testwin::Pump();
    }
    std::string CaptionFor(HWND window) const {
        return "Window properties - " + mAPI::HexStr8(mAPI::HandleToInt(window));
    }
    static std::vector<std::string> Items(const tk::ListBox& list) {
        std::vector<std::string> items;
        for (int i = 0; i < list.Count(); ++i) {
            items.push_back(list.Item(i));
        }
        return items;
    }
    bool PanelShown(int index) const {
        return IsWindowVisible(form_->tabs[static_cast<std::size_t>(index)]->Panel().hWnd());
    }
    // Answers the next message boxes and keeps their texts.
    std::vector<std::string>& AnswerMessages() {
        tk::SetMessageBoxHandler(
            [this](HWND, const std::string& text, const std::string& title, UINT style) {
                EXPECT_EQ(title, "Vantry");
                EXPECT_EQ(style, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
                messages_.push_back(text);
                return IDOK;
            });
        return messages_;
    }

    std::unique_ptr<frmProperties> form_;
    std::vector<std::string> messages_;
};

} // namespace

TEST_F(PropertiesTest, TheCaptionFollowsTheSelectionAndInvalidWindowsShowTheirFrame) {
    HWND live = windows_.TopLevel("live one", {10, 10, 200, 200});
    HWND doomed = windows_.TopLevel("doomed", {10, 10, 200, 200});
    Open();
    TreeView_SelectItem(Tree(), nullptr);
    Choose(main_->mnuWindowProps);
    ASSERT_TRUE(tk::IsFormLoaded(*form_));
    EXPECT_EQ(GetWindow(form_->hWnd(), GW_OWNER), main_->hWnd());
    EXPECT_EQ(form_->Caption(), "Window properties - 00000000");
    EXPECT_EQ(form_->lblInvalidWin.Caption(), "Invalid window (00000000)");
    EXPECT_FALSE(IsWindowEnabled(form_->tabProperties.hWnd()));
    EXPECT_TRUE(IsWindowVisible(form_->fraIsNotWin.hWnd()));

    ClickNode(NodeOf(live));
    EXPECT_EQ(form_->Caption(), CaptionFor(live));
    EXPECT_TRUE(IsWindowEnabled(form_->tabProperties.hWnd()));
    EXPECT_FALSE(IsWindowVisible(form_->fraIsNotWin.hWnd()));
    form_->tabProperties.SetSelectedIndex(3);
    Refresh();
    EXPECT_TRUE(PanelShown(3));

    Select(doomed);
    DestroyWindow(doomed);
    Refresh();
    EXPECT_EQ(form_->lblInvalidWin.Caption(),
              "Invalid window (" + mAPI::HexStr8(mAPI::HandleToInt(doomed)) + ")");
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(PanelShown(i)) << i;
    }
    ClickNode(NodeOf(live));
    EXPECT_TRUE(PanelShown(3)); // the tab that was selected comes back
    EXPECT_FALSE(IsWindowVisible(form_->fraIsNotWin.hWnd()));
}

TEST_F(PropertiesTest, OpeningAgainDoesNotRefreshButANodeClickDoes) {
    HWND first = windows_.TopLevel("first", {10, 10, 200, 200});
    HWND second = windows_.TopLevel("second", {10, 10, 200, 200});
    Open();
    Select(first);
    Choose(main_->mnuWindowProps);
    EXPECT_EQ(form_->Caption(), CaptionFor(first));
    Select(second); // from code: no refresh
    Choose(main_->mnuWindowProps);
    EXPECT_EQ(form_->Caption(), CaptionFor(first));
    ClickNode(NodeOf(second));
    EXPECT_EQ(form_->Caption(), CaptionFor(second));
}

TEST_F(PropertiesTest, TheFormOpensBesideTheSelectedNode) {
    HWND window = windows_.TopLevel("placed", {10, 10, 200, 200});
    Open();
    Select(window);
    Choose(main_->mnuWindowProps);
    RECT row{};
    ASSERT_TRUE(TreeView_GetItemRect(Tree(), NodeOf(window), &row, TRUE));
    MapWindowPoints(Tree(), nullptr, reinterpret_cast<POINT*>(&row), 2);
    RECT place{};
    GetWindowRect(form_->hWnd(), &place);
    RECT overlap{};
    EXPECT_FALSE(IntersectRect(&overlap, &place, &row));
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_TRUE(IntersectRect(&overlap, &place, &screen) && EqualRect(&overlap, &place));
}

TEST_F(PropertiesTest, LinksShowRelationsAndOnlyHandlesCanBeClicked) {
    HWND parent = windows_.TopLevel("parent", {10, 10, 300, 300});
    HWND only = windows_.Child(parent, "only child");
    Open();
    Select(only);
    Choose(main_->mnuWindowProps);
    for (tk::TextBox* none : {&form_->relations.txtNextWin, &form_->relations.txtPrevWin,
                              &form_->relations.txtFirstChild, &form_->relations.txtOwnerWin}) {
        EXPECT_EQ(none->Text(), "(None)");
        EXPECT_FALSE(IsWindowEnabled(none->hWnd()));
        EXPECT_FALSE(none->Underline());
    }
    EXPECT_EQ(form_->relations.txtParentWin.Text(), mAPI::HexStr8(mAPI::HandleToInt(parent)));
    EXPECT_TRUE(IsWindowEnabled(form_->relations.txtParentWin.hWnd()));
    EXPECT_TRUE(form_->relations.txtParentWin.Underline());
    EXPECT_NE(form_->relations.txtParentWin.MouseIcon(), nullptr);

    ClickLink(form_->relations.txtParentWin);
    EXPECT_EQ(main_->GetCurhWnd(), mAPI::HandleToInt(parent));
    EXPECT_EQ(form_->Caption(), CaptionFor(parent));
    EXPECT_EQ(form_->relations.txtFirstChild.Text(), mAPI::HexStr8(mAPI::HandleToInt(only)));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(PropertiesTest, LinksToWindowsWithoutANodeGiveTheWarning) {
    HWND parent = windows_.TopLevel("family", {10, 10, 300, 300});
    HWND shown = windows_.Child(parent, "shown");
    HWND hidden = windows_.Child(parent, "hidden");
    ShowWindow(hidden, SW_HIDE);
    Open();
    auto& messages = AnswerMessages();
    Select(shown);
    Choose(main_->mnuWindowProps);
    ASSERT_EQ(form_->relations.txtNextWin.Text(), mAPI::HexStr8(mAPI::HandleToInt(hidden)));
    ClickLink(form_->relations.txtNextWin);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "The window " + mAPI::HexStr8(mAPI::HandleToInt(hidden)) +
                  " could not be found.\r\nPossibly has an elective window invisible.");
    EXPECT_EQ(main_->GetCurhWnd(), mAPI::HandleToInt(shown)); // nothing moved

    Choose(main_->mnuOnlyVisible); // filter off: the hidden one has a node now
    HWND late = windows_.Child(parent, "came later");
    Select(hidden);
    Refresh();
    ASSERT_EQ(form_->relations.txtNextWin.Text(), mAPI::HexStr8(mAPI::HandleToInt(late)));
    ClickLink(form_->relations.txtNextWin);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1], "The window " + mAPI::HexStr8(mAPI::HandleToInt(late)) +
                               " could not be found.\r\nUpdate it which window list.");
}

TEST_F(PropertiesTest, TheStyleBitsTabListsTheNamesOfTheWindowsStyles) {
    HWND styled = CreateWindowExA(WS_EX_TOOLWINDOW, testwin::kPlainClass, "styled",
                                  WS_POPUP | WS_VISIBLE | WS_BORDER | WS_VSCROLL, 20, 20, 200, 100,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Open();
    Select(styled);
    Choose(main_->mnuWindowProps);
    const auto style = static_cast<std::uint32_t>(GetWindowLongA(styled, GWL_STYLE));
    const auto exStyle = static_cast<std::uint32_t>(GetWindowLongA(styled, GWL_EXSTYLE));
    EXPECT_EQ(form_->styles.txtWindowStyles.Text(),
              mAPI::HexStr8(static_cast<std::int32_t>(style)));
    EXPECT_EQ(form_->styles.txtExStyles.Text(), mAPI::HexStr8(static_cast<std::int32_t>(exStyle)));
    const auto names = Items(form_->styles.lstWinStyles);
    for (const char* name : {"WS_POPUP", "WS_VISIBLE", "WS_BORDER", "WS_CAPTION", "WS_VSCROLL",
                             "WS_POPUPWINDOW", "WS_OVERLAPPEDWINDOW"}) {
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    }
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(names.size(), vantry::StyleNamesOf(vantry::WindowStyleNames(), style).size());
    const auto exNames = Items(form_->styles.lstExStyles);
    EXPECT_NE(std::find(exNames.begin(), exNames.end(), "WS_EX_TOOLWINDOW"), exNames.end());
    EXPECT_NE(std::find(exNames.begin(), exNames.end(), "WS_EX_PALETTEWINDOW"), exNames.end());
    EXPECT_EQ(exNames.size(), vantry::StyleNamesOf(vantry::ExtendedStyleNames(), exStyle).size());
    // The class styles of the plain test class: none, so the combo is empty and disabled.
    EXPECT_EQ(form_->classes.cboClassStyles.Count(), 0);
    EXPECT_FALSE(IsWindowEnabled(form_->classes.cboClassStyles.hWnd()));
    DestroyWindow(styled);
}
