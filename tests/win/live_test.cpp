// The live tree: windows of another process that are made, renamed, moved and ended while it
// is on, and a churn after which the tree is what a fresh load gives.
#include "core/mapi.h"
#include "core/mapi_win.h"
#include "main_fixture.h"
#include "tree/main_logic.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <utility>

namespace {

constexpr UINT kMake = WM_APP + 1;
constexpr UINT kEnd = WM_APP + 2;

struct FoundWindows {
    DWORD process;
    std::set<std::int32_t> windows;
};

BOOL CALLBACK AddShownWindow(HWND window, LPARAM data) {
    auto& found = *reinterpret_cast<FoundWindows*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == found.process && IsWindowVisible(window)) {
        found.windows.insert(mAPI::HandleToInt(window));
    }
    return TRUE;
}

// The process's windows that show (they and every window above them), as EnumChildWindows
// finds them below the desktop.
std::set<std::int32_t> EnumeratedShownWindows(DWORD process) {
    FoundWindows found{process, {}};
    EnumChildWindows(GetDesktopWindow(), AddShownWindow, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

class LiveTest : public MainTest {
  protected:
    void SetUp() override {
        churn_ = std::make_unique<testwin::Process>(testwin::BuildFolder() + "\\churn_window.exe");
        control_ = churn_->WaitForWindow("VantryChurn");
        ASSERT_NE(control_, nullptr);
        LoadMain();
        Choose(main_->mnuUpdate); // Main's own window is on the screen now, and in the tree
        Choose(main_->mnuLiveUpdate);
        ASSERT_TRUE(main_->mnuLiveUpdate.Checked());
    }
    HWND Make(HWND parent = nullptr) {
        return reinterpret_cast<HWND>(
            SendMessageA(control_, kMake, reinterpret_cast<WPARAM>(parent), 1));
    }
    void End(HWND window) { SendMessageA(control_, kEnd, reinterpret_cast<WPARAM>(window), 0); }
    // Lets the events arrive and the timer apply them.
    void Settle() {
        for (int i = 0; i < 15; ++i) {
            Sleep(40);
            tk::DoEvents();
        }
    }
    // Every node as window, parent window and text.
    std::set<std::tuple<std::int32_t, std::int32_t, std::string>> TreeShape() const {
        std::set<std::tuple<std::int32_t, std::int32_t, std::string>> shape;
        for (HTREEITEM node : main_->tvTree.Nodes()) {
            HTREEITEM parent = TreeView_GetParent(Tree(), node);
            shape.emplace(*main_->WindowOf(node), parent ? *main_->WindowOf(parent) : 0,
                          main_->tvTree.NodeText(node));
        }
        return shape;
    }

    std::unique_ptr<testwin::Process> churn_;
    HWND control_ = nullptr;
};

} // namespace

TEST_F(LiveTest, MadeRenamedMovedAndEndedWindowsShowAtOnceAndTheSelectionStays) {
    HWND keep = Make();
    Settle();
    ASSERT_NE(NodeOf(keep), nullptr);
    main_->SelectWindow(mAPI::HandleToInt(keep));

    HWND made = Make();
    HWND child = Make(made);
    Settle();
    ASSERT_NE(NodeOf(made), nullptr);
    ASSERT_NE(NodeOf(child), nullptr);
    EXPECT_EQ(ParentNodeOf(child), NodeOf(made));

    SetWindowTextA(made, "renamed live");
    Settle();
    EXPECT_NE(Read(made).text.find("\"renamed live\""), std::string::npos) << Read(made).text;

    SetParent(child, keep);
    Settle();
    EXPECT_EQ(ParentNodeOf(child), NodeOf(keep));

    End(made);
    Settle();
    EXPECT_EQ(NodeOf(made), nullptr);
    EXPECT_EQ(main_->GetCurhWnd(), mAPI::HandleToInt(keep));

    ShowWindow(keep, SW_HIDE); // hidden: out of the visible tree, and back when it shows
    Settle();
    EXPECT_EQ(NodeOf(keep), nullptr);
    ShowWindow(keep, SW_SHOWNOACTIVATE);
    Settle();
    EXPECT_NE(NodeOf(keep), nullptr);

    Choose(main_->mnuLiveUpdate); // off: nothing more arrives
    HWND late = Make();
    Settle();
    EXPECT_EQ(NodeOf(late), nullptr);
}

TEST_F(LiveTest, AfterAChurnTheTreeIsWhatAFreshLoadGives) {
    std::vector<HWND> made;
    for (int round = 0; round < 5; ++round) {
        for (int i = 0; i < 8; ++i) {
            made.push_back(Make(i % 3 == 0 && !made.empty() ? made.back() : nullptr));
        }
        SetWindowTextA(made[made.size() - 2], ("round " + std::to_string(round)).c_str());
        End(made[made.size() - 5]);
        tk::DoEvents();
    }
    Settle();
    const auto live = TreeShape();
    // The same windows as the enumeration functions find them, independently of any walk.
    std::set<std::int32_t> liveChurn;
    for (const auto& [window, parent, text] : live) {
        DWORD process = 0;
        GetWindowThreadProcessId(mAPI::IntToHandle<HWND>(window), &process);
        if (process == churn_->Id()) {
            liveChurn.insert(window);
        }
    }
    EXPECT_EQ(liveChurn, EnumeratedShownWindows(churn_->Id()));
    Choose(main_->mnuUpdate);
    EXPECT_EQ(live, TreeShape());
}

TEST_F(LiveTest, WindowsMadeWhileTheFilterNarrowsTheTreeShowWhenTheyMatch) {
    HWND parent = Make();
    Settle();
    main_->txtFilter.SetText("renamed later");
    HWND child = Make(parent);
    Settle();
    EXPECT_EQ(NodeOf(child), nullptr); // "churn N" does not match
    SetWindowTextA(child, "renamed later");
    Settle();
    ASSERT_NE(NodeOf(child), nullptr);
    EXPECT_TRUE(Read(child).bold);
    EXPECT_EQ(ParentNodeOf(child), NodeOf(parent));
    main_->txtFilter.SetText(""); // the whole tree, the live window in it
    EXPECT_NE(NodeOf(child), nullptr);
    EXPECT_NE(NodeOf(parent), nullptr);
}

TEST_F(LiveTest, WindowsWhoseMakingWasNotReportedAppearAndTheTreeEqualsAFreshLoad) {
    // Made while the hook is off: no event ever tells of them.
    Choose(main_->mnuLiveUpdate);
    HWND parent = Make();
    HWND child = Make(parent);
    Settle();
    ASSERT_EQ(NodeOf(parent), nullptr);
    ASSERT_NE(NodeOf(control_), nullptr);
    HWND inner = Make(control_); // under a window the tree has
    Choose(main_->mnuLiveUpdate);
    for (int round = 0; round < 10 && !(NodeOf(parent) && NodeOf(child) && NodeOf(inner));
         ++round) {
        Settle();
    }
    ASSERT_NE(NodeOf(parent), nullptr);
    ASSERT_NE(NodeOf(child), nullptr);
    EXPECT_EQ(ParentNodeOf(child), NodeOf(parent));
    EXPECT_EQ(ParentNodeOf(inner), NodeOf(control_));
    const auto live = TreeShape();
    Choose(main_->mnuUpdate);
    EXPECT_EQ(live, TreeShape());
}

namespace {

// Sees each message a tree view handled, from in front of every other procedure, while it
// lives (one at a time).
class TreeSpy {
  public:
    using Observer = void (*)(HWND tree, UINT message);
    TreeSpy(HWND tree, Observer observer) : tree_(tree) {
        g_observer = observer;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(tree, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
        g_previous = previous_;
    }
    ~TreeSpy() { SetWindowLongPtrA(tree_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_)); }
    TreeSpy(const TreeSpy&) = delete;
    TreeSpy& operator=(const TreeSpy&) = delete;

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const LRESULT result = CallWindowProcA(g_previous, window, message, wParam, lParam);
        g_observer(window, message);
        return result;
    }
    static inline Observer g_observer = nullptr;
    static inline WNDPROC g_previous = nullptr;
    HWND tree_;
    WNDPROC previous_;
};

int g_textWrites = 0;

} // namespace

TEST_F(LiveTest, TheSweepLeavesANodeWithALongTextAlone) {
    // 1,024 characters of three bytes each: a text longer than any fixed buffer.
    HWND window = Make();
    SetWindowTextW(window, std::wstring(1024, L'\u6D4B').c_str());
    Settle();
    ASSERT_NE(NodeOf(window), nullptr);
    ASSERT_NE(Read(window).text.find(testwin::Utf8(std::wstring(1024, L'\u6D4B'))),
              std::string::npos);
    g_textWrites = 0;
    const TreeSpy writes(Tree(), [](HWND, UINT message) {
        g_textWrites += message == TVM_SETITEMA || message == TVM_SETITEMW;
    });
    ValidateRect(Tree(), nullptr);
    // Twenty sweeps over every window.
    const std::size_t ticksPerSweep = main_->tvTree.Count() / 200 + 1;
    for (std::size_t tick = 0; tick < 20 * ticksPerSweep; ++tick) {
        main_->tmrLive.Tick();
    }
    EXPECT_EQ(g_textWrites, 0);
    EXPECT_FALSE(GetUpdateRect(Tree(), nullptr, FALSE)); // quiet ticks draw nothing
}

// A tick that changes a few rows repaints from the highest changed row in view down and
// leaves the rows above it alone; a change below the view repaints no row at all.
TEST_F(LiveTest, ATickRepaintsFromTheRowsItChangedDown) {
    std::vector<HWND> made;
    for (int i = 0; i < 40; ++i) {
        made.push_back(Make());
    }
    Settle();
    HTREEITEM early = NodeOf(made[0]);
    ASSERT_NE(early, nullptr);
    TreeView_EnsureVisible(Tree(), early);
    RECT client{};
    GetClientRect(Tree(), &client);
    RECT earlyRow{};
    ASSERT_TRUE(TreeView_GetItemRect(Tree(), early, &earlyRow, FALSE));
    ASSERT_GT(earlyRow.top, 0) << "the test wants rows above the changed one";
    HWND below = nullptr;
    for (HWND window : made) {
        RECT row{};
        if (TreeView_GetItemRect(Tree(), NodeOf(window), &row, FALSE) && row.top >= client.bottom) {
            below = window;
        }
    }
    ASSERT_NE(below, nullptr) << "the test wants a row below the view";
    const auto tickUntilShown = [this](HWND window, const char* caption) {
        SetWindowTextA(window, caption);
        ValidateRect(Tree(), nullptr);
        for (int tick = 0; tick < 200 && Read(window).text.find(caption) == std::string::npos;
             ++tick) {
            main_->tmrLive.Tick();
        }
        ASSERT_NE(Read(window).text.find(caption), std::string::npos);
    };

    tickUntilShown(below, "renamed below the view");
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(Tree(), &update, FALSE));

    tickUntilShown(made[0], "renamed in view");
    ASSERT_TRUE(GetUpdateRect(Tree(), &update, FALSE));
    EXPECT_EQ(update.top, earlyRow.top);
    EXPECT_EQ(update.bottom, client.bottom);
}

namespace {

// Where the tree's vertical scroll bar's thumb is, as the system has it.
std::pair<int, int> ThumbOf(HWND tree) {
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    GetScrollBarInfo(tree, OBJID_VSCROLL, &bar);
    return {bar.xyThumbTop, bar.xyThumbBottom};
}

std::pair<int, int> g_thumbDrawn;

} // namespace

// A burst's ticks may leave the scroll bars to wait, drawn as they were; the first quiet tick
// draws them as they are, and so does turning the live tree off.
TEST_F(LiveTest, ScrollBarsLeftToWaitByABurstAreDrawnOnceItEnds) {
    g_thumbDrawn = ThumbOf(Tree());
    const TreeSpy frames(Tree(), [](HWND tree, UINT message) {
        if (message == WM_NCPAINT) {
            g_thumbDrawn = ThumbOf(tree);
        }
    });
    // Ticks over twenty new windows at a time, a burst's, until one leaves the scroll bars as
    // they were drawn (they are drawn at most once a second). Ticks come from here alone.
    const auto burstUntilTheBarsWait = [this] {
        main_->tmrLive.SetEnabled(false);
        for (int burst = 0; burst < 10 && g_thumbDrawn == ThumbOf(Tree()); ++burst) {
            HWND last = nullptr;
            for (int i = 0; i < 20; ++i) {
                last = Make();
            }
            for (int i = 0; i < 5; ++i) {
                Sleep(20);
                tk::DoEvents(); // their reports come in
            }
            for (int tick = 0; tick < 100 && !NodeOf(last); ++tick) {
                main_->tmrLive.Tick();
            }
            ASSERT_NE(NodeOf(last), nullptr);
            tk::DoEvents(); // a tree redrawn whole is painted
        }
        ASSERT_NE(g_thumbDrawn, ThumbOf(Tree())) << "no tick left the scroll bars to wait";
    };
    burstUntilTheBarsWait();
    main_->tmrLive.Tick(); // reports that came late
    main_->tmrLive.Tick(); // none: a quiet tick
    tk::DoEvents();
    EXPECT_EQ(g_thumbDrawn, ThumbOf(Tree()));

    burstUntilTheBarsWait();
    Choose(main_->mnuLiveUpdate);
    EXPECT_EQ(g_thumbDrawn, ThumbOf(Tree()));
}
