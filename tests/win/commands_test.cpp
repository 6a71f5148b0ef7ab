#include "core/version.h"
#include "main_fixture.h"
#include "toolkit/loaded_forms.h"
#include "tree/program_icon_resource.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using testwin::Children;

namespace {

std::string MenuText(HMENU menu, UINT position) {
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

std::set<std::string> NodeKeys(const vantry::Main& main) {
    std::set<std::string> keys;
    for (HTREEITEM node : main.tvTree.Nodes()) {
        keys.insert(testwin::ReadNode(main.tvTree.hWnd(), node).text);
    }
    return keys;
}

// Stands in for the properties and resource forms: records its refreshes.
class RecordingForm : public vantry::CurrentWindowForm {
  public:
    RecordingForm(std::string name, std::vector<std::string>& log)
        : CurrentWindowForm({name, 3000, 2000, tk::BorderStyle::FixedDialog}),
          name_(std::move(name)), log_(log) {}
    void DoRefresh() override { log_.push_back(name_); }

  private:
    std::string name_;
    std::vector<std::string>& log_;
};

// Counts the flashes a window gets: FlashWindow toggles its caption with WM_NCACTIVATE.
int g_flashes = 0;
LRESULT CALLBACK FlashCounter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCACTIVATE) {
        ++g_flashes;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

TEST_F(MainTest, TheMenusCarryTheirItemsMarksAndShortcuts) {
    LoadMain();
    HMENU bar = GetMenu(main_->hWnd());
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    const std::vector<std::vector<std::string>> expected{
        {"&File", "Save Tree &As...\tCtrl+S", "", "E&xit\tCtrl+Q"},
        {"&View", "Only visible windows", "", "Window Properties", "Show Resources", "",
         "Every extension", "Update\tF5", "", "&Processes and threads\tCtrl+P",
         "&Messages\tCtrl+M"},
        {"&Options", "Window Search", "", "Activate Window", "&Flash window", "", "&Live update"},
        {"&Help", "&About Vantry..."},
    };
    for (UINT i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(MenuText(bar, i), expected[i][0]);
        HMENU menu = GetSubMenu(bar, static_cast<int>(i));
        ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(expected[i].size() - 1));
        for (UINT item = 0; item + 1 < expected[i].size(); ++item) {
            EXPECT_EQ(MenuText(menu, item), expected[i][item + 1]);
            const bool separator = (GetMenuState(menu, item, MF_BYPOSITION) & MF_SEPARATOR) != 0;
            EXPECT_EQ(separator, expected[i][item + 1].empty());
        }
    }
    EXPECT_TRUE(GetMenuState(GetSubMenu(bar, 1), 0, MF_BYPOSITION) & MF_CHECKED);
}

// A context menu is about the node under the pointer: a right click selects it first, as the
// user's choice (the open forms follow); from the keyboard it is about the selected node.
TEST_F(MainTest, ARightClickSelectsTheNodeUnderThePointerBeforeItsMenu) {
    HWND first = windows_.TopLevel("selected first", {20, 20, 200, 200});
    HWND target = windows_.TopLevel("right click target", {20, 20, 200, 200});
    LoadMain();
    ASSERT_TRUE(main_->SelectWindow(mAPI::HandleToInt(first)));
    int clicks = 0;
    main_->tvTree.NodeClick = [&clicks] { ++clicks; };
    std::vector<std::int32_t> selectedAtMenu;
    main_->tvTree.ContextMenu = [&](POINT) { selectedAtMenu.push_back(main_->GetCurhWnd()); };

    SendMessageA(Tree(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Tree()), -1);
    HTREEITEM node = NodeOf(target);
    TreeView_EnsureVisible(Tree(), node);
    RECT row{};
    TreeView_GetItemRect(Tree(), node, &row, TRUE);
    POINT at{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    ClientToScreen(Tree(), &at);
    SendMessageA(Tree(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Tree()), MAKELPARAM(at.x, at.y));
    EXPECT_EQ(selectedAtMenu,
              (std::vector<std::int32_t>{mAPI::HandleToInt(first), mAPI::HandleToInt(target)}));
    EXPECT_EQ(clicks, 1);
}

TEST_F(MainTest, ShortcutsWorkWithTheFocusInTheTree) {
    LoadMain();
    HWND late = windows_.TopLevel("came later", {20, 20, 200, 200});
    ASSERT_EQ(NodeOf(late), nullptr);
    SetFocus(Tree());
    PostMessageA(Tree(), WM_KEYDOWN, VK_F5, 0);
    tk::DoEvents();
    EXPECT_NE(NodeOf(late), nullptr); // F5 reloaded the tree

    {
        const testwin::HeldKeys ctrl({VK_CONTROL});
        PostMessageA(Tree(), WM_KEYDOWN, 'Q', 0);
        tk::DoEvents();
    }
    EXPECT_FALSE(tk::IsFormLoaded(*main_)); // Ctrl+Q ran Exit
}

TEST_F(MainTest, TheToolbarHasItsButtonsTipsAndPictures) {
    LoadMain();
    HWND toolbar = main_->tbrCommands.hWnd();
    ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 10);
    EXPECT_EQ(main_->imlToolbar.Count(), 7);
    struct Expected {
        const char* key;
        const char* tip;
        int image;
        BYTE style;
    };
    const Expected buttons[] = {
        {"Update", "Update", 1, BTNS_BUTTON},
        {"VIS", "Show only visible windows", 2, BTNS_CHECK},
        {"", "", 0, BTNS_SEP},
        {"Props", "Properties", 3, BTNS_BUTTON},
        {"Resource", "Resources", 4, BTNS_BUTTON},
        {"", "", 0, BTNS_SEP},
        {"Find", "Window search", 5, BTNS_BUTTON},
        {"", "", 0, BTNS_SEP},
        {"Activate", "Activate window", 6, BTNS_BUTTON},
        {"Flash", "Flash window", 7, BTNS_BUTTON},
    };
    HWND tips = reinterpret_cast<HWND>(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0));
    for (int i = 0; i < 10; ++i) {
        TBBUTTON button{};
        SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(button.fsStyle & (BTNS_SEP | BTNS_CHECK), buttons[i].style) << i;
        if (buttons[i].style == BTNS_SEP) {
            continue;
        }
        EXPECT_EQ(button.idCommand, main_->tbrCommands.CommandId(buttons[i].key));
        EXPECT_EQ(button.iBitmap, buttons[i].image - 1);
        char tip[128] = {};
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = toolbar;
        tool.uId = static_cast<UINT_PTR>(button.idCommand);
        tool.lpszText = tip;
        SendMessageA(tips, TTM_GETTEXTA, sizeof tip, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(tip, buttons[i].tip);
    }
    EXPECT_TRUE(SendMessageA(toolbar, TB_ISBUTTONCHECKED, main_->tbrCommands.CommandId("VIS"), 0));
}

TEST_F(MainTest, TheVisButtonAndTheMenuMarkMoveTogether) {
    HWND hidden = windows_.TopLevel("hidden one", {10, 10, 100, 100}, false);
    LoadMain();
    Choose(main_->mnuUpdate); // Main itself is in the tree from now on
    const std::set<std::string> first = NodeKeys(*main_);
    auto visPressed = [this] { return main_->tbrCommands.Pressed("VIS"); };

    Choose(main_->mnuOnlyVisible);
    EXPECT_FALSE(main_->mnuOnlyVisible.Checked());
    EXPECT_FALSE(visPressed());
    EXPECT_NE(NodeOf(hidden), nullptr);
    Choose(main_->mnuOnlyVisible);
    EXPECT_TRUE(visPressed());
    EXPECT_EQ(NodeKeys(*main_), first);

    ClickButton("VIS");
    EXPECT_FALSE(main_->mnuOnlyVisible.Checked());
    EXPECT_FALSE(visPressed());
    EXPECT_NE(NodeOf(hidden), nullptr);
    ClickButton("VIS");
    EXPECT_TRUE(main_->mnuOnlyVisible.Checked());
    EXPECT_TRUE(visPressed());
    EXPECT_EQ(NodeOf(hidden), nullptr);
    EXPECT_EQ(NodeKeys(*main_), first);
}

TEST_F(MainTest, EveryExtensionExpandsEveryNode) {
    HWND top = windows_.TopLevel("deep", {10, 10, 300, 300});
    HWND child = windows_.Child(top, "child");
    windows_.Child(child, "grandchild");
    LoadMain();
    Choose(main_->mnuAllExtend);
    for (HTREEITEM node : main_->tvTree.Nodes()) {
        EXPECT_TRUE(main_->tvTree.Expanded(node)) << testwin::ReadNode(Tree(), node).text;
    }
    EXPECT_TRUE(Read(child).expanded);
}

TEST_F(MainTest, GetCurhWndFollowsTheSelection) {
    HWND target = windows_.TopLevel("current", {10, 10, 200, 200});
    LoadMain();
    TreeView_SelectItem(Tree(), nullptr);
    EXPECT_EQ(main_->GetCurhWnd(), 0);
    ASSERT_TRUE(main_->SelectWindow(mAPI::HandleToInt(target)));
    EXPECT_EQ(main_->GetCurhWnd(), mAPI::HandleToInt(target));
}

TEST_F(MainTest, AFlashRunFlashesEighteenTimesAndStops) {
    WNDCLASSEXA counterClass{};
    counterClass.cbSize = sizeof counterClass;
    counterClass.lpfnWndProc = FlashCounter;
    counterClass.hInstance = GetModuleHandleA(nullptr);
    counterClass.lpszClassName = "VantryTestFlash";
    RegisterClassExA(&counterClass);
    HWND target = windows_.TopLevel("flash me", {10, 10, 200, 200}, true, "VantryTestFlash");
    LoadMain();
    main_->SelectWindow(mAPI::HandleToInt(target));
    auto tick = [this] { SendMessageA(main_->hWnd(), WM_TIMER, main_->tmrFlash.Id(), 0); };

    for (int run = 0; run < 2; ++run) {
        g_flashes = 0;
        Choose(main_->mnuFlash);
        EXPECT_TRUE(main_->tmrFlash.Enabled());
        for (int i = 0; i < 5; ++i) {
            tick();
        }
        Choose(main_->mnuFlash); // again during the run: the count goes on
        for (int i = 0; i < 13; ++i) {
            tick();
        }
        EXPECT_TRUE(main_->tmrFlash.Enabled());
        tick(); // the 19th
        EXPECT_FALSE(main_->tmrFlash.Enabled());
        EXPECT_EQ(g_flashes, 18) << "run " << run;
    }

    // Without a selection a run flashes nothing and still ends.
    TreeView_SelectItem(Tree(), nullptr);
    g_flashes = 0;
    ClickButton("Flash");
    for (int i = 0; i < 19; ++i) {
        tick();
    }
    EXPECT_FALSE(main_->tmrFlash.Enabled());
    EXPECT_EQ(g_flashes, 0);
    EXPECT_TRUE(tk::IsFormLoaded(*main_));
}

TEST_F(MainTest, ActivateBringsTheSelectedWindowUpAndShowsIt) {
    HWND hidden = windows_.TopLevel("activate me", {10, 10, 200, 200}, false);
    LoadMain();
    Choose(main_->mnuOnlyVisible); // the hidden window has a node now
    main_->SelectWindow(mAPI::HandleToInt(hidden));
    ClickButton("Activate");
    EXPECT_TRUE(IsWindowVisible(hidden));
    EXPECT_EQ(GetForegroundWindow(), hidden);

    TreeView_SelectItem(Tree(), nullptr);
    Choose(main_->mnuActivate); // nothing selected: nothing happens
    EXPECT_TRUE(tk::IsFormLoaded(*main_));
}

TEST_F(MainTest, TheTreeFillsTheSpaceBetweenToolbarAndStatusBar) {
    LoadMain();
    SetWindowPos(main_->hWnd(), nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
    RECT client{}, tree{}, status{};
    GetClientRect(main_->hWnd(), &client);
    GetWindowRect(Tree(), &tree);
    GetWindowRect(main_->sbrState.hWnd(), &status);
    MapWindowPoints(nullptr, main_->hWnd(), reinterpret_cast<POINT*>(&tree), 2);
    MapWindowPoints(nullptr, main_->hWnd(), reinterpret_cast<POINT*>(&status), 2);
    EXPECT_EQ(tree.left, 0);
    EXPECT_EQ(tree.top, tk::ToPixels(480));
    EXPECT_EQ(tree.right, client.right);
    EXPECT_NEAR(tree.bottom, status.top, 1); // twips round to pixels
    EXPECT_EQ(status.bottom, client.bottom);

    // Too small for the tree, or minimised: the tree keeps what it had.
    const RECT before = tree;
    ShowWindow(main_->hWnd(), SW_MINIMIZE);
    GetWindowRect(Tree(), &tree);
    MapWindowPoints(nullptr, main_->hWnd(), reinterpret_cast<POINT*>(&tree), 2);
    EXPECT_EQ(tree.bottom - tree.top, before.bottom - before.top);
    EXPECT_EQ(tree.right - tree.left, before.right - before.left);
    ShowWindow(main_->hWnd(), SW_RESTORE);
    SetWindowPos(main_->hWnd(), nullptr, 0, 0, 160, 90, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(Tree(), &tree);
    EXPECT_EQ(tree.bottom - tree.top, before.bottom - before.top);
    EXPECT_TRUE(tk::IsFormLoaded(*main_));
}

TEST_F(MainTest, NodeClicksRefreshTheLoadedFormsInOrder) {
    HWND first = windows_.TopLevel("first", {10, 10, 200, 200});
    HWND second = windows_.TopLevel("second", {10, 10, 200, 200});
    std::vector<std::string> log;
    RecordingForm properties("properties", log);
    RecordingForm resources("resources", log);
    LoadMain();
    main_->SetForms({&properties, &resources, nullptr});

    ClickNode(NodeOf(first)); // neither form is loaded: nothing refreshes, nothing loads
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(tk::IsFormLoaded(properties));

    Choose(main_->mnuWindowProps);
    ClickButton("Resource");
    ASSERT_TRUE(tk::IsFormLoaded(properties));
    ASSERT_TRUE(tk::IsFormLoaded(resources));
    EXPECT_EQ(GetWindow(properties.hWnd(), GW_OWNER), main_->hWnd());
    ClickNode(NodeOf(second));
    EXPECT_EQ(log, (std::vector<std::string>{"properties", "resources"}));

    log.clear();
    Choose(main_->mnuWindowProps);                 // already loaded: no refresh
    main_->SelectWindow(mAPI::HandleToInt(first)); // from code
    EXPECT_TRUE(log.empty());

    main_->SelectWindow(mAPI::HandleToInt(GetDesktopWindow()));
    EXPECT_TRUE(log.empty());
    SetFocus(Tree());
    SendMessageA(Tree(), WM_KEYDOWN, VK_DOWN, 0); // the keyboard is the user too
    EXPECT_EQ(log, (std::vector<std::string>{"properties", "resources"}));
}

TEST_F(MainTest, ADoubleClickOpensThePropertiesForm) {
    HWND target = windows_.TopLevel("double", {10, 10, 200, 200});
    std::vector<std::string> log;
    RecordingForm properties("properties", log);
    LoadMain();
    main_->SetForms({&properties, nullptr, nullptr});
    ClickNode(NodeOf(target), true);
    EXPECT_TRUE(tk::IsFormLoaded(properties));
    EXPECT_EQ(main_->GetCurhWnd(), mAPI::HandleToInt(target));
}

namespace {

// Runs inside the About box's modal loop: checks it and presses OK.
struct AboutCheck {
    bool seen = false;
    RECT place{};
    std::vector<std::string> texts;
} g_about;

void CALLBACK InspectAbout(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND about = FindWindowA("Vantry.Form", "About " VANTRY_TITLE);
    if (!about) {
        return;
    }
    KillTimer(nullptr, timer);
    g_about.seen = true;
    GetWindowRect(about, &g_about.place);
    HWND ok = nullptr;
    for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char text[128] = {};
        GetWindowTextA(child, text, sizeof text);
        g_about.texts.push_back(text);
        if (std::string(text) == "OK") {
            ok = child;
        }
    }
    SendMessageA(ok, BM_CLICK, 0, 0);
}

} // namespace

TEST_F(MainTest, TheAboutBoxIsCentredShowsItsTextsAndClosesWithOk) {
    LoadMain();
    SetTimer(nullptr, 0, 20, InspectAbout);
    Choose(main_->mnuAbout); // returns when the box is gone
    ASSERT_TRUE(g_about.seen);
    EXPECT_EQ(FindWindowA("Vantry.Form", "About " VANTRY_TITLE), nullptr);
    EXPECT_TRUE(IsWindowEnabled(main_->hWnd()));

    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(g_about.place.left, screenWidth - g_about.place.right, 2);
    EXPECT_NEAR(g_about.place.top, screenHeight - g_about.place.bottom, 2);
    for (const char* text : {"Vantry", "Version 1.0", "\xC2\xA9 2026 The Vantry project",
                             "Vantry contributors", "OK"}) {
        EXPECT_NE(std::find(g_about.texts.begin(), g_about.texts.end(), text), g_about.texts.end())
            << text;
    }
}

TEST(ProgramIcon, ComesFromTheResourcesAtEverySize) {
    for (const int size : {16, 32, 48}) {
        const mAPI::Icon icon = vantry::LoadProgramIcon(size);
        ASSERT_TRUE(icon) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info));
        BITMAP bitmap{};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    // The middle of the lens, in the 256-colour drawing.
    const mAPI::Icon icon = vantry::LoadProgramIcon(32);
    const COLORREF lens = testwin::DrawnPixel(
        [&icon](HDC dc) { DrawIconEx(dc, 0, 0, icon.get(), 32, 32, 0, nullptr, DI_NORMAL); }, 22,
        22);
    EXPECT_EQ(lens, RGB(0xCC, 0xFF, 0xFF));
}
