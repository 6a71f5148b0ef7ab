// The filter box: narrowing the tree by each field, bold matches, F3 order, Escape, counts.
#include "core/mapi.h"
#include "core/mapi_win.h"
#include "main_fixture.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class FilterTest : public MainTest {
  protected:
    void Type(const std::string& text) { main_->txtFilter.SetText(text); } // raises Change
    void Press(char key) { SendMessageA(main_->txtFilter.hWnd(), WM_CHAR, key, 0); }
    // The form's own keys, through the message loop as the user's keys come.
    void PressShortcut(WORD key, bool shift = false) {
        const testwin::HeldKeys held(shift ? std::initializer_list<int>{VK_SHIFT}
                                           : std::initializer_list<int>{});
        PostMessageA(Tree(), WM_KEYDOWN, key, 0);
        tk::DoEvents();
    }
    std::set<HWND> Shown(std::initializer_list<HWND> windows) const {
        std::set<HWND> shown;
        for (HWND window : windows) {
            if (NodeOf(window)) {
                shown.insert(window);
            }
        }
        return shown;
    }
    std::string Count() const { return main_->lblFilterCount.Caption(); }
};

} // namespace

TEST_F(FilterTest, TypingNarrowsTheTreeToMatchesAndTheirAncestors) {
    HWND alpha = windows_.TopLevel("Alpha Report", {10, 10, 200, 200});
    HWND beta = windows_.TopLevel("beta", {10, 10, 200, 200});
    HWND inner = windows_.Child(beta, "deep ALPHA child");
    HWND other = windows_.TopLevel("other", {10, 10, 200, 200});
    LoadMain();
    Choose(main_->mnuUpdate);
    const std::size_t all = main_->tvTree.Count();

    Type("alpha");
    EXPECT_EQ(Shown({alpha, beta, inner, other}), (std::set<HWND>{alpha, beta, inner}));
    EXPECT_TRUE(Read(alpha).bold);
    EXPECT_TRUE(Read(inner).bold);
    EXPECT_FALSE(Read(beta).bold); // kept as the match's parent only
    EXPECT_TRUE(Read(beta).expanded);
    EXPECT_TRUE(IsWindowVisible(main_->lblFilterCount.hWnd()));
    EXPECT_EQ(Count(), "2 of " + std::to_string(all)); // fewer than 1,000 here

    // The handle text, the class, the process id in hex and decimal, the executable's name.
    Type(mAPI::HexStr8(mAPI::HandleToInt(other)));
    EXPECT_EQ(Shown({alpha, beta, inner, other}), (std::set<HWND>{other}));
    Type(testwin::kPlainClass);
    EXPECT_EQ(Shown({alpha, beta, inner, other}), (std::set<HWND>{alpha, beta, inner, other}));
    for (const std::string& text :
         {mAPI::HexStr8(static_cast<std::int32_t>(GetCurrentProcessId())),
          std::to_string(GetCurrentProcessId()), std::string("win_tests")}) {
        Type(text);
        EXPECT_EQ(Shown({alpha, beta, inner, other}), (std::set<HWND>{alpha, beta, inner, other}))
            << text;
    }
    Type("no window is called this");
    EXPECT_EQ(main_->tvTree.Count(), 0u);
    EXPECT_EQ(Count(), "0 of " + std::to_string(all));
}

TEST_F(FilterTest, F3WalksTheMatchesAndEscapeGivesTheWholeTreeBackKeepingTheSelection) {
    HWND first = windows_.TopLevel("match one", {10, 10, 200, 200});
    windows_.TopLevel("nothing", {10, 10, 200, 200});
    HWND second = windows_.TopLevel("match two", {10, 10, 200, 200});
    LoadMain();
    Choose(main_->mnuUpdate);
    // The tree's order: the walk's order of the top-level windows (newest first).
    Type("match");
    Press('\r');
    const std::int32_t a = main_->GetCurhWnd();
    PressShortcut(VK_F3);
    const std::int32_t b = main_->GetCurhWnd();
    EXPECT_EQ((std::set<std::int32_t>{a, b}),
              (std::set<std::int32_t>{mAPI::HandleToInt(first), mAPI::HandleToInt(second)}));
    PressShortcut(VK_F3, true); // Shift+F3: back
    EXPECT_EQ(main_->GetCurhWnd(), a);
    PressShortcut(VK_F3);
    PressShortcut(VK_F3); // past the last match: the first again
    EXPECT_EQ(main_->GetCurhWnd(), a);

    Press(0x1B);
    EXPECT_EQ(main_->txtFilter.Text(), "");
    EXPECT_NE(NodeOf(GetDesktopWindow()), nullptr);
    EXPECT_GT(main_->tvTree.Count(), 3u);
    EXPECT_FALSE(Read(first).bold);
    EXPECT_EQ(main_->GetCurhWnd(), a);
    EXPECT_FALSE(IsWindowVisible(main_->lblFilterCount.hWnd()));
}

TEST_F(FilterTest, TheVisibleFilterAppliesAndCtrlFPutsTheFocusInTheBox) {
    HWND shown = windows_.TopLevel("filtered shown", {10, 10, 200, 200});
    HWND hidden = windows_.TopLevel("filtered hidden", {10, 10, 200, 200}, false);
    LoadMain();
    Choose(main_->mnuUpdate);
    Type("filtered");
    EXPECT_EQ(Shown({shown, hidden}), (std::set<HWND>{shown}));
    Choose(main_->mnuOnlyVisible); // every window, the filter still on
    EXPECT_EQ(Shown({shown, hidden}), (std::set<HWND>{shown, hidden}));

    SetFocus(Tree());
    {
        const testwin::HeldKeys ctrl({VK_CONTROL});
        PostMessageA(Tree(), WM_KEYDOWN, 'F', 0);
        tk::DoEvents();
    }
    EXPECT_EQ(GetFocus(), main_->txtFilter.hWnd());
}

TEST_F(FilterTest, TypedCharactersOfEveryScriptReachTheBoxWhole) {
    LoadMain();
    HWND box = main_->txtFilter.hWnd();
    SetFocus(box);
    // Through the message loop, as the keyboard's characters come: a CJK character, an emoji
    // as its surrogate pair, and an input method's result.
    PostMessageW(box, WM_CHAR, 0x6D4B, 1);
    PostMessageW(box, WM_CHAR, 0xD83D, 1);
    PostMessageW(box, WM_CHAR, 0xDE00, 1);
    PostMessageW(box, WM_IME_CHAR, 0x8BD5, 1);
    tk::DoEvents();
    wchar_t typed[16] = {};
    GetWindowTextW(box, typed, 16);
    EXPECT_EQ(std::wstring(typed), L"\u6D4B\U0001F600\u8BD5");
    EXPECT_EQ(main_->txtFilter.Text(), testwin::Utf8(L"\u6D4B\U0001F600\u8BD5"));
}

TEST_F(FilterTest, EscapeGivesBackTheSelectionTheFilterLeftOut) {
    HWND chosen = windows_.TopLevel("kept choice", {10, 10, 200, 200});
    HWND other = windows_.TopLevel("other match", {10, 10, 200, 200});
    LoadMain();
    Choose(main_->mnuUpdate);
    const std::int32_t handle = mAPI::HandleToInt(chosen);
    main_->SelectWindow(handle);

    Type("no window is called this"); // leaves nothing
    Press(0x1B);
    EXPECT_EQ(main_->GetCurhWnd(), handle);

    Type("other match"); // leaves only another window
    Type("other matc");  // and widening does not lose the choice either
    Press(0x1B);
    EXPECT_EQ(main_->GetCurhWnd(), handle);

    // A node the user picks while filtering is the selection afterwards.
    Type("other match");
    ClickNode(NodeOf(other));
    Press(0x1B);
    EXPECT_EQ(main_->GetCurhWnd(), mAPI::HandleToInt(other));
}

TEST_F(FilterTest, TheProgramsOwnFilterBoxIsNeverAMatch) {
    LoadMain();
    Choose(main_->mnuUpdate);
    Choose(main_->mnuLiveUpdate); // the sweep reads the box's caption: the typed text
    Type("zq own box text");
    for (int tick = 0; tick < 10; ++tick) {
        main_->tmrLive.Tick();
    }
    EXPECT_EQ(main_->tvTree.Count(), 0u);
    EXPECT_EQ(Count().substr(0, 5), "0 of ");
    Choose(main_->mnuLiveUpdate);
}

TEST_F(FilterTest, AWindowWithALongCaptionIsFoundByItsClass) {
    // 1,024 characters of three bytes each: the node's text is longer than 3,000 bytes.
    HWND longCaption = windows_.TopLevel("", {10, 10, 200, 200}, true, testwin::kIconClass);
    SetWindowTextW(longCaption, std::wstring(1024, L'\u6D4B').c_str());
    LoadMain();
    Choose(main_->mnuUpdate);
    Type(testwin::kIconClass);
    EXPECT_NE(NodeOf(longCaption), nullptr);
}

TEST_F(FilterTest, AKeystrokeThatKeepsTheSameWindowsTouchesOnlyTheirBoldness) {
    HWND parent = windows_.TopLevel("kept parent", {10, 10, 200, 200});
    HWND child = windows_.Child(parent, "kept parent child");
    LoadMain();
    Choose(main_->mnuUpdate);
    Type("kept parent c");
    const HTREEITEM parentNode = NodeOf(parent);
    const HTREEITEM childNode = NodeOf(child);
    ASSERT_NE(childNode, nullptr);
    EXPECT_FALSE(Read(parent).bold); // kept as the match's parent only
    EXPECT_TRUE(Read(child).bold);

    main_->tvTree.SetExpanded(parentNode, false); // as the user folds it

    Type("kept parent");                   // the same windows; the parent matches now
    EXPECT_EQ(NodeOf(parent), parentNode); // the very same nodes, still folded: no refill
    EXPECT_EQ(NodeOf(child), childNode);
    EXPECT_FALSE(Read(parent).expanded);
    EXPECT_TRUE(Read(parent).bold);
    EXPECT_TRUE(Read(child).bold);
    EXPECT_EQ(Count().substr(0, 2), "2 ");

    Type("kept parent child"); // fewer windows match: the parent is only kept again
    EXPECT_FALSE(Read(parent).bold);
    EXPECT_TRUE(Read(child).bold);
}

// A keystroke that narrows the tree removes only the nodes that leave, and one that widens it
// inserts only the nodes that come, each in its place among its siblings: the tree then equals
// the one the same text gives afresh, and the nodes that stayed are the very same.
TEST_F(FilterTest, NarrowingAndWideningChangeOnlyTheNodesThatLeaveOrCome) {
    HWND parent = windows_.TopLevel("alpha family", {10, 10, 200, 200});
    std::vector<HWND> children;
    for (const char* caption : {"alpha one", "alpha two", "alpha three", "alpha four"}) {
        children.push_back(windows_.Child(parent, caption));
    }
    LoadMain();
    const auto texts = [this](HWND window) {
        std::vector<std::string> shown;
        for (HTREEITEM child : testwin::Children(Tree(), NodeOf(window))) {
            shown.push_back(main_->tvTree.NodeText(child));
        }
        return shown;
    };
    Type("alpha ");
    const std::vector<std::string> whole = texts(parent);
    ASSERT_EQ(whole.size(), 4u);
    const HTREEITEM parentNode = NodeOf(parent);
    main_->tvTree.SetExpanded(parentNode, false); // as the user folds it: a refill would open it

    Type("alpha t"); // "two" and "three" stay
    EXPECT_EQ(NodeOf(parent), parentNode);
    EXPECT_FALSE(Read(parent).expanded);
    EXPECT_EQ(NodeOf(children[0]), nullptr);
    EXPECT_EQ(NodeOf(children[3]), nullptr);
    EXPECT_EQ(texts(parent).size(), 2u);
    const HTREEITEM twoNode = NodeOf(children[1]);

    Type("alpha "); // they come back between and around the ones that stayed
    EXPECT_EQ(NodeOf(parent), parentNode);
    EXPECT_FALSE(Read(parent).expanded);
    EXPECT_EQ(NodeOf(children[1]), twoNode);
    EXPECT_EQ(texts(parent), whole);
    EXPECT_TRUE(Read(children[0]).bold);
    EXPECT_TRUE(Read(parent).bold);

    Type("alpha f"); // "four" and "family": the parent stays a match
    EXPECT_TRUE(Read(parent).bold);
    EXPECT_EQ(texts(parent), std::vector<std::string>{whole.back()});
}
