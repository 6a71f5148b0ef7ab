#include "core/handles.h"
#include "core/mapi.h"
#include "main_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

using testwin::Children;
using testwin::ReadNode;
using vantry::Main;

namespace {

class TreeTest : public MainTest {
  protected:
    // A pixel of an image as the tree draws it.
    COLORREF ImagePixel(int image, int x, int y) const {
        return testwin::DrawnPixel(
            [this, image](HDC dc) {
                ImageList_Draw(main_->imlWinIcons.Handle(), image - 1, dc, 0, 0, ILD_NORMAL);
            },
            x, y);
    }
};

// The window that, when asked for its caption, takes another window as its own child: the
// tree walk meets that window a second time.
HWND g_moveTarget = nullptr;
LRESULT CALLBACK MoverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETTEXT && g_moveTarget) {
        SetParent(std::exchange(g_moveTarget, nullptr), window);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The window that, when asked for its caption, goes to the back of the Z-order, as an
// activated or a topmost window changes places while a load walks.
HWND g_sinker = nullptr;
LRESULT CALLBACK SinkerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETTEXT && window == g_sinker) {
        g_sinker = nullptr;
        SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

ATOM RegisterTestClass(WNDPROC procedure, const char* name) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass);
}

} // namespace

TEST_F(TreeTest, TheDesktopIsTheSingleExpandedRoot) {
    windows_.TopLevel("somebody", {10, 10, 200, 200});
    LoadMain();
    EXPECT_EQ(main_->Caption(), "Vantry 1.0");
    EXPECT_EQ(StatusText(), "Ready");
    const auto roots = testwin::Roots(Tree());
    ASSERT_EQ(roots.size(), 1u);
    EXPECT_EQ(roots[0], NodeOf(GetDesktopWindow()));
    const testwin::Node root = ReadNode(Tree(), roots[0]);
    EXPECT_TRUE(root.text.ends_with("\"\" #32769 (Desktop)")) << root.text;
    EXPECT_EQ(root.text.substr(0, 8), mAPI::HexStr8(mAPI::HandleToInt(GetDesktopWindow())));
    EXPECT_EQ(root.image, 1);
    EXPECT_TRUE(root.expanded);
    EXPECT_FALSE(Children(Tree(), roots[0]).empty());
}

TEST_F(TreeTest, TheVisibleFilterLeavesOutHiddenAndOffScreenSubtrees) {
    HWND shown = windows_.TopLevel("shown", {100, 100, 300, 300});
    HWND shownChild = windows_.Child(shown, "shown child");
    HWND hidden = windows_.TopLevel("hidden", {100, 100, 300, 300}, false);
    HWND hiddenChild = windows_.Child(hidden, "hidden child");
    HWND away = windows_.TopLevel("away", {-32000, -32000, -31800, -31800});
    HWND awayChild = windows_.Child(away, "away child");
    HWND partly = windows_.TopLevel("partly", {-50, -50, 50, 50});
    LoadMain();
    ASSERT_TRUE(main_->mnuOnlyVisible.Checked());

    EXPECT_EQ(ParentNodeOf(shown), NodeOf(GetDesktopWindow()));
    EXPECT_EQ(ParentNodeOf(shownChild), NodeOf(shown));
    EXPECT_NE(NodeOf(partly), nullptr);
    for (HWND missing : {hidden, hiddenChild, away, awayChild}) {
        EXPECT_EQ(NodeOf(missing), nullptr) << mAPI::ReadWindowCaption(missing, 100);
    }

    Choose(main_->mnuOnlyVisible);
    EXPECT_FALSE(main_->mnuOnlyVisible.Checked());
    EXPECT_EQ(ParentNodeOf(hiddenChild), NodeOf(hidden));
    EXPECT_EQ(ParentNodeOf(awayChild), NodeOf(away));

    Choose(main_->mnuOnlyVisible);
    EXPECT_EQ(NodeOf(hidden), nullptr);
    EXPECT_NE(NodeOf(shownChild), nullptr);
}

TEST_F(TreeTest, WithoutTheFilterTheTreeHasTheShapeOfTheHierarchy) {
    HWND top = windows_.TopLevel("hidden family", {10, 10, 400, 400}, false);
    std::vector<HWND> kids;
    for (int i = 0; i < 4; ++i) {
        kids.push_back(windows_.Child(top, "kid " + std::to_string(i)));
        ShowWindow(kids.back(), i % 2 ? SW_HIDE : SW_SHOW);
    }
    HWND grandchild = windows_.Child(kids[1], "grandchild");
    LoadMain();
    Choose(main_->mnuOnlyVisible);

    std::vector<HTREEITEM> expected;
    for (HWND w = GetWindow(top, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        expected.push_back(NodeOf(w));
    }
    EXPECT_EQ(expected.size(), 4u);
    EXPECT_EQ(Children(Tree(), NodeOf(top)), expected); // same windows, in Z-order
    EXPECT_EQ(ParentNodeOf(grandchild), NodeOf(kids[1]));
    // Only the root starts expanded.
    EXPECT_FALSE(Read(top).expanded);
}

TEST_F(TreeTest, NodeTextsQuoteTheCaptionAndNameSystemClasses) {
    HWND untitled = windows_.TopLevel("", {10, 10, 200, 200});
    HWND wordy =
        windows_.TopLevel(std::string(1000, 'a') + std::string(1000, 'b'), {10, 10, 200, 200});
    HWND dialog = CreateWindowExA(0, "#32770", "A dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE, 20,
                                  20, 200, 100, nullptr, nullptr, nullptr, nullptr);
    LoadMain();

    EXPECT_EQ(Read(untitled).text,
              mAPI::HexStr8(mAPI::HandleToInt(untitled)) + " \"\" " + testwin::kPlainClass);
    const std::string shown = Read(wordy).text;
    EXPECT_EQ(shown, mAPI::HexStr8(mAPI::HandleToInt(wordy)) + " \"" + std::string(1000, 'a') +
                         std::string(24, 'b') + "\" " + testwin::kPlainClass);
    EXPECT_TRUE(Read(dialog).text.ends_with("\"A dialog\" #32770 (Dialog Box)"))
        << Read(dialog).text;
    DestroyWindow(dialog);
}

TEST_F(TreeTest, CaptionsAndClassNamesShowInTheirOwnScript) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8)); // the manifest's code page
    const std::string hanClass = testwin::Utf8(testwin::kHanClass);
    std::vector<HWND> made;
    for (const wchar_t* caption :
         {L"\u4E2D\u6587\u6A19\u984C",                                // Chinese
          L"\u65E5\u672C\u8A9E\u306E\u30BF\u30A4\u30C8\u30EB",        // Japanese
          L"\u0639\u0646\u0648\u0627\u0646 \u0639\u0631\u0628\u064A", // Arabic
          L"VH-\U0001F600\U0001F389"}) {                              // emoji
        HWND window = windows_.TopLevel("", {10, 10, 200, 200}, true, hanClass.c_str());
        ASSERT_NE(window, nullptr);
        SetWindowTextW(window, caption);
        ASSERT_EQ(testwin::CaptionW(window), testwin::Utf8(caption));
        made.push_back(window);
    }
    LoadMain();
    for (HWND window : made) {
        EXPECT_EQ(testwin::ClassNameW(window), hanClass);
        EXPECT_EQ(Read(window).text,
                  vantry::WindowDisplayText(mAPI::HandleToInt(window), testwin::CaptionW(window),
                                            hanClass));
    }
}

TEST_F(TreeTest, ALongCaptionInAnyScriptIsCutAfterWholeCharacters) {
    // 2,000 characters of three bytes each, and an emoji (two UTF-16 units, four bytes) as the
    // 1,024th character: the node shows exactly the first 1,024, the emoji whole.
    std::wstring caption(1023, L'\u4E2D');
    caption += L"\U0001F600";
    caption += std::wstring(976, L'\u6587');
    HWND window = windows_.TopLevel("", {10, 10, 200, 200});
    SetWindowTextW(window, caption.c_str());
    LoadMain();
    const std::string first1024 = testwin::Utf8(std::wstring_view(caption).substr(0, 1025));
    EXPECT_EQ(Read(window).text, vantry::WindowDisplayText(mAPI::HandleToInt(window), first1024,
                                                           testwin::kPlainClass));
}

TEST_F(TreeTest, EveryWindowWithASmallClassIconGetsAnImageOfItsOwn) {
    HWND first = windows_.TopLevel("first icon", {10, 10, 200, 200}, true, testwin::kIconClass);
    HWND second = windows_.TopLevel("second icon", {10, 10, 200, 200}, true, testwin::kIconClass);
    HWND plain = windows_.TopLevel("no icon", {10, 10, 200, 200});
    LoadMain();

    const int firstImage = Read(first).image;
    const int secondImage = Read(second).image;
    EXPECT_GT(firstImage, 1);
    EXPECT_GT(secondImage, 1);
    EXPECT_NE(firstImage, secondImage);
    EXPECT_EQ(Read(plain).image, 1);

    // The image holds the icon as drawn, and image 1 the dotted line.
    EXPECT_EQ(ImagePixel(firstImage, 8, 8), testwin::kIconColor);
    EXPECT_EQ(ImagePixel(secondImage, 15, 15), testwin::kIconColor);
    EXPECT_EQ(ImagePixel(1, 0, 8), GetSysColor(COLOR_GRAYTEXT));
    EXPECT_EQ(ImagePixel(1, 14, 8), GetSysColor(COLOR_GRAYTEXT));
    EXPECT_NE(ImagePixel(1, 1, 8), GetSysColor(COLOR_GRAYTEXT));
    EXPECT_NE(ImagePixel(1, 0, 7), GetSysColor(COLOR_GRAYTEXT));
}

TEST_F(TreeTest, ImagesStayInWindowOrderPastTheFirstStrip) {
    // More icons than one strip of the image list holds: indices must still match images.
    std::vector<HWND> iconic;
    for (int i = 0; i < 150; ++i) {
        iconic.push_back(windows_.TopLevel("icon " + std::to_string(i), {10, 10, 200, 200}, true,
                                           i % 3 ? testwin::kIconClass : testwin::kOtherIconClass));
    }
    LoadMain();
    std::set<int> images;
    for (std::size_t i = 0; i < iconic.size(); ++i) {
        const int image = Read(iconic[i]).image;
        EXPECT_TRUE(images.insert(image).second) << image;
        EXPECT_LE(image, main_->imlWinIcons.Count());
        EXPECT_EQ(ImagePixel(image, 4, 4), i % 3 ? testwin::kIconColor : testwin::kOtherIconColor)
            << "window " << i << ", image " << image;
    }
    EXPECT_GE(main_->imlWinIcons.Count(), 151);
}

TEST_F(TreeTest, AReloadStartsTheImagesAgainAndGivesBackItsHandles) {
    HWND iconic = windows_.TopLevel("icon", {10, 10, 200, 200}, true, testwin::kIconClass);
    LoadMain();
    Choose(main_->mnuUpdate); // now Main itself is shown and in the tree
    const int images = main_->imlWinIcons.Count();
    const int image = Read(iconic).image;
    const std::size_t nodes = main_->tvTree.Count();
    const int handles = mAPI::LiveHandleCount();

    Choose(main_->mnuUpdate);
    EXPECT_EQ(main_->imlWinIcons.Count(), images);
    EXPECT_EQ(Read(iconic).image, image);
    EXPECT_EQ(main_->tvTree.Count(), nodes);
    EXPECT_EQ(mAPI::LiveHandleCount(), handles);
    EXPECT_EQ(StatusText(), "Ready");
}

TEST_F(TreeTest, ATopLevelWindowThatGoesToTheBackDuringALoadLosesNoWindowBehindIt) {
    RegisterTestClass(SinkerProc, "VantryTestSinker");
    HWND behind = windows_.TopLevel("behind", {10, 10, 200, 200});
    HWND sinker = windows_.TopLevel("sinker", {40, 40, 200, 200}, true, "VantryTestSinker");
    SetWindowPos(sinker, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    g_sinker = sinker;

    LoadMain();
    EXPECT_EQ(g_sinker, nullptr);
    EXPECT_EQ(GetWindow(sinker, GW_HWNDNEXT), nullptr); // it really went to the back
    EXPECT_NE(NodeOf(sinker), nullptr);
    EXPECT_NE(NodeOf(behind), nullptr);
}

TEST_F(TreeTest, AWindowMetTwiceInOneLoadKeepsItsFirstPlace) {
    RegisterTestClass(MoverProc, "VantryTestMover");

    HWND parent = windows_.TopLevel("family", {10, 10, 300, 300});
    HWND a = windows_.Child(parent, "a");
    HWND b = windows_.Child(parent, "b", "VantryTestMover");
    // The walk goes down the Z-order: the earlier sibling gives up its child to the later one.
    HWND first = GetWindow(parent, GW_CHILD) == a ? a : b;
    HWND mover = first == a ? b : a;
    ASSERT_EQ(mAPI::ReadClassName(mover), "VantryTestMover") << "the walk visits the mover first";
    HWND moved = windows_.Child(first, "moved");
    g_moveTarget = moved;

    LoadMain();
    EXPECT_EQ(GetParent(moved), mover); // it really moved during the load
    EXPECT_EQ(ParentNodeOf(moved), NodeOf(first));
    EXPECT_TRUE(Children(Tree(), NodeOf(mover)).empty());
    EXPECT_EQ(StatusText(), "Ready");
}

TEST_F(TreeTest, AReloadKeepsTheSelectionTheExpandedNodesAndTheFirstNodeInView) {
    std::vector<HWND> tops;
    for (int i = 0; i < 40; ++i) { // more than the tree shows at once
        tops.push_back(windows_.TopLevel("kept " + std::to_string(i), {10, 10, 200, 200}));
        windows_.Child(tops.back(), "inner");
    }
    HWND gone = windows_.Child(tops[5], "gone soon");
    LoadMain();
    main_->tvTree.SetExpanded(NodeOf(tops[5]), true);
    main_->tvTree.SetExpanded(NodeOf(tops[30]), true);
    main_->SelectWindow(mAPI::HandleToInt(tops[30]));
    TreeView_SelectSetFirstVisible(Tree(), NodeOf(tops[20]));

    DestroyWindow(gone);
    HWND added = windows_.TopLevel("came later", {10, 10, 200, 200});
    Choose(main_->mnuUpdate);
    EXPECT_NE(NodeOf(added), nullptr);
    EXPECT_EQ(NodeOf(gone), nullptr);
    EXPECT_EQ(main_->GetCurhWnd(), mAPI::HandleToInt(tops[30]));
    EXPECT_TRUE(Read(tops[5]).expanded);
    EXPECT_TRUE(Read(tops[30]).expanded);
    EXPECT_FALSE(Read(tops[6]).expanded);
    EXPECT_EQ(TreeView_GetFirstVisible(Tree()), NodeOf(tops[20]));

    // Switching the visible filter keeps the place too.
    Choose(main_->mnuOnlyVisible);
    EXPECT_EQ(main_->GetCurhWnd(), mAPI::HandleToInt(tops[30]));
    EXPECT_TRUE(Read(tops[5]).expanded);
}

namespace {

class KeyedTreeForm : public tk::Form {
  public:
    KeyedTreeForm() : tk::Form({"keyed tree", 4000, 3000}) { AddControl(tree); }
    tk::KeyedTreeView tree{{0, 0, 4000, 3000}};
};

} // namespace

// Removing most nodes renumbers the keys behind the scenes, as a tree's churn does: every
// remaining node must still answer to its own key.
TEST(KeyedTree, NodesKeepTheirKeysThroughRemovalsAndRenumbering) {
    KeyedTreeForm form;
    form.Show();
    tk::KeyedTreeView& tree = form.tree;
    const auto key = [](int i) { return "k" + std::to_string(i); };
    for (int i = 0; i < 300; ++i) { // every third node a top-level parent of the next two
        ASSERT_NE(tree.Add(i % 3 == 0 ? "" : key(i - i % 3), key(i), "node " + key(i), 1), nullptr);
    }
    for (int i = 3; i < 300; i += 3) {
        if (i % 12 != 0) {
            ASSERT_TRUE(tree.Remove(key(i))); // with its two children
        }
    }
    EXPECT_EQ(tree.Count(), 75u);
    for (int i = 0; i < 300; ++i) {
        HTREEITEM node = tree.Find(key(i));
        ASSERT_EQ(node != nullptr, (i - i % 3) % 12 == 0) << key(i);
        if (node) {
            EXPECT_EQ(tree.KeyOf(node), key(i));
            EXPECT_EQ(tree.NodeText(node), "node " + key(i));
        }
    }
    tree.SetExpanded(tree.Find("k12"), true);
    EXPECT_TRUE(tree.SelectByKey("k13"));
    EXPECT_EQ(tree.SelectedKey(), "k13");
    EXPECT_TRUE(tree.Expanded(tree.Find("k12")));
    EXPECT_NE(tree.Add("", "k3", "again", 1), nullptr); // a removed key can come back
    EXPECT_EQ(tree.KeyOf(tree.Find("k3")), "k3");
}
