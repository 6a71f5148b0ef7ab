#include "core/handles.h"
#include "core/mapi.h"
#include "main_fixture.h"
#include "search/find_window_form.h"
#include "toolkit/loaded_forms.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using vantry::frmFindWindow;

namespace {

class SearchTest : public MainTest {
  protected:
    void SetUp() override {
        target_ = windows_.TopLevel("finder target", {600, 380, 860, 560});
        other_ = windows_.TopLevel("other target", {600, 100, 860, 300});
        LoadMain();
        dialog_ = std::make_unique<frmFindWindow>(*main_);
        main_->SetForms({nullptr, nullptr, dialog_.get()});
        dialog_->Show();
        SetWindowPos(dialog_->hWnd(), HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
        SetWindowPos(target_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        testwin::Pump();
    }
    void TearDown() override {
        tk::SetAppPointer(tk::MousePointer::Default);
        tk::SetMessageBoxHandler({});
    }

    HWND Finder() const { return dialog_->picFind.hWnd(); }
    void Press(WPARAM buttons = MK_LBUTTON) {
        SendMessageA(Finder(), buttons & MK_LBUTTON ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, buttons, 0);
    }
    void MoveTo(POINT screen, WPARAM buttons = MK_LBUTTON) {
        // Wine's X11 driver does not warp the X pointer while one of our windows holds the
        // capture (it keeps the new place for 100 ms only), so the capture is set aside for
        // the warp and handed back to the finder.
        HWND captured = GetCapture();
        ReleaseCapture();
        POINT now{};
        for (int attempt = 0; attempt < 50; ++attempt) {
            SetCursorPos(screen.x, screen.y);
            Sleep(120); // past the driver's 100 ms: the position now comes from X itself
            GetCursorPos(&now);
            if (now.x == screen.x && now.y == screen.y) {
                break;
            }
        }
        if (captured) {
            SetCapture(captured);
        }
        ASSERT_EQ(now.x, screen.x);
        ASSERT_EQ(now.y, screen.y);
        POINT client = screen;
        ScreenToClient(Finder(), &client);
        SendMessageA(Finder(), WM_MOUSEMOVE, buttons, MAKELPARAM(client.x, client.y));
    }
    void Release() { SendMessageA(Finder(), WM_LBUTTONUP, 0, 0); }
    static POINT CentreOf(HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    // The screen's pixels along the first 8 pixels of a window's top edge.
    static std::array<COLORREF, 8> EdgePixels(HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        std::array<COLORREF, 8> pixels{};
        HDC screen = GetDC(nullptr);
        for (int i = 0; i < 8; ++i) {
            pixels[static_cast<std::size_t>(i)] = GetPixel(screen, rect.left + 4 + i, rect.top);
        }
        ReleaseDC(nullptr, screen);
        return pixels;
    }
    void Type(const std::string& keys) {
        for (const char key : keys) {
            SendMessageA(dialog_->txtHandle.hWnd(), WM_CHAR, static_cast<unsigned char>(key), 0);
        }
    }

    HWND target_ = nullptr;
    HWND other_ = nullptr;
    std::unique_ptr<frmFindWindow> dialog_;
};

} // namespace

TEST_F(SearchTest, APressWithoutAMoveChangesNothing) {
    dialog_->txtHandle.SetText("0000ABCDh");
    Press();
    EXPECT_FALSE(IsWindowVisible(Finder()));
    EXPECT_EQ(GetCapture(), Finder()); // the capture survives hiding the box
    Release();
    EXPECT_TRUE(IsWindowVisible(Finder()));
    EXPECT_EQ(dialog_->txtHandle.Text(), "0000ABCDh");
    EXPECT_EQ(dialog_->txtWinText.Text(), "");
    EXPECT_EQ(tk::AppPointer(), tk::MousePointer::Default);
    EXPECT_EQ(dialog_->HighlightedWnd(), nullptr);
}

TEST_F(SearchTest, DraggingOverAWindowShowsItAndOverTheDialogShowsNoDrop) {
    Press();
    MoveTo(CentreOf(target_));
    EXPECT_EQ(dialog_->txtHandle.Text(), mAPI::HexStr8(mAPI::HandleToInt(target_)) + "h");
    EXPECT_EQ(dialog_->txtWinText.Text(), "finder target");
    EXPECT_EQ(dialog_->txtClassName.Text(), testwin::kPlainClass);
    EXPECT_EQ(tk::AppPointer(), tk::MousePointer::Custom);
    EXPECT_EQ(dialog_->HighlightedWnd(), target_);

    RECT caption{};
    GetWindowRect(dialog_->hWnd(), &caption);
    MoveTo({caption.left + 40, caption.top + 5}); // the dialog's own caption bar
    EXPECT_EQ(tk::AppPointer(), tk::MousePointer::NoDrop);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_NO)));
    EXPECT_EQ(dialog_->HighlightedWnd(), nullptr);
    EXPECT_EQ(dialog_->txtWinText.Text(), "finder target"); // the boxes keep the last window

    Release();
    EXPECT_EQ(tk::AppPointer(), tk::MousePointer::Default);
    EXPECT_TRUE(IsWindowVisible(Finder()));
}

TEST_F(SearchTest, TheBoxesShowCaptionAndClassNameInTheirOwnScript) {
    const std::string hanClass = testwin::Utf8(testwin::kHanClass);
    HWND han = windows_.TopLevel("", {600, 380, 860, 560}, true, hanClass.c_str());
    SetWindowTextW(han, L"\u65E5\u672C\u8A9E \u0639\u0631\u0628\u064A \U0001F389");
    SetWindowPos(han, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    testwin::Pump();
    Press();
    MoveTo(CentreOf(han));
    Release();
    EXPECT_EQ(dialog_->txtHandle.Text(), mAPI::HexStr8(mAPI::HandleToInt(han)) + "h");
    EXPECT_EQ(dialog_->txtWinText.Text(), testwin::CaptionW(han));
    EXPECT_EQ(dialog_->txtClassName.Text(), hanClass);
}

TEST_F(SearchTest, MovingOnErasesTheOldFrameBeforeDrawingTheNew) {
    const int handles = mAPI::LiveHandleCount();
    const auto targetBefore = EdgePixels(target_);
    const auto otherBefore = EdgePixels(other_);
    Press();
    MoveTo(CentreOf(target_));
    EXPECT_NE(EdgePixels(target_), targetBefore);
    const auto framed = EdgePixels(target_);
    MoveTo({CentreOf(target_).x + 5, CentreOf(target_).y + 5}); // same window: left alone
    EXPECT_EQ(EdgePixels(target_), framed);

    MoveTo(CentreOf(other_));
    EXPECT_EQ(EdgePixels(target_), targetBefore);
    EXPECT_NE(EdgePixels(other_), otherBefore);
    Release();
    EXPECT_EQ(EdgePixels(other_), otherBefore);
    EXPECT_EQ(mAPI::LiveHandleCount(), handles); // every screen DC went back
}

TEST_F(SearchTest, OnlyTheLeftButtonAloneDrivesTheFinder) {
    Press(MK_RBUTTON);
    EXPECT_TRUE(IsWindowVisible(Finder()));
    MoveTo(CentreOf(target_), MK_RBUTTON);
    EXPECT_EQ(dialog_->txtHandle.Text(), "");
    SendMessageA(Finder(), WM_RBUTTONUP, 0, 0);

    Press();
    MoveTo(CentreOf(target_), MK_LBUTTON | MK_RBUTTON); // both held: tracking pauses
    EXPECT_EQ(dialog_->txtHandle.Text(), "");
    MoveTo(CentreOf(target_));
    EXPECT_NE(dialog_->txtHandle.Text(), "");
    Release();
}

TEST_F(SearchTest, TheHandleBoxFiltersKeysAndNormalisesOnLeaving) {
    SetFocus(dialog_->txtHandle.hWnd());
    Type("1a2bhH!");
    EXPECT_EQ(dialog_->txtHandle.Text(), "1A2Bh");
    SetFocus(dialog_->txtWinText.hWnd());
    EXPECT_EQ(dialog_->txtHandle.Text(), "00001A2Bh");
    SetFocus(dialog_->txtHandle.hWnd()); // gets the focus: all selected
    DWORD start = 0, end = 0;
    SendMessageA(dialog_->txtHandle.hWnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 9u);
}

TEST_F(SearchTest, TheLabelsAccessKeysMoveTheFocusToTheirBoxes) {
    SetFocus(dialog_->cmdOK.hWnd());
    for (const auto& [key, box] :
         {std::pair{'h', &dialog_->txtHandle}, std::pair{'t', &dialog_->txtWinText},
          std::pair{'c', &dialog_->txtClassName}}) {
        // Alt and the letter, as the message loop hands it to the dialog manager.
        MSG press{GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(key), 1 << 29, 0, {}};
        EXPECT_TRUE(IsDialogMessageA(dialog_->hWnd(), &press));
        EXPECT_EQ(GetFocus(), box->hWnd()) << key;
    }
}

TEST_F(SearchTest, ATypedHandleSelectsItsNodeQuietly) {
    std::vector<std::string> log;
    int clicks = 0;
    main_->tvTree.NodeClick = [&clicks] { ++clicks; };
    SetFocus(dialog_->txtHandle.hWnd());
    Type(mAPI::HexStr8(mAPI::HandleToInt(target_)) + "h");
    SendMessageA(dialog_->cmdOK.hWnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(tk::IsFormLoaded(*dialog_));
    EXPECT_EQ(main_->GetCurhWnd(), mAPI::HandleToInt(target_));
    EXPECT_EQ(clicks, 0);
}

TEST_F(SearchTest, EnterInTheBoxLooksUpWhatLeavingTheBoxWouldRead) {
    // Typed as a decimal number; without the normalisation the text would be read as hex.
    SetFocus(dialog_->txtHandle.hWnd());
    Type(std::to_string(mAPI::HandleToInt(target_)));
    PostMessageA(dialog_->txtHandle.hWnd(), WM_KEYDOWN, VK_RETURN, 0);
    tk::DoEvents();
    EXPECT_FALSE(tk::IsFormLoaded(*dialog_));
    EXPECT_EQ(main_->GetCurhWnd(), mAPI::HandleToInt(target_));
}

TEST_F(SearchTest, AHandleNotInTheTreeIsReportedAndTheDialogCloses) {
    HWND hidden = windows_.TopLevel("not in the tree", {10, 10, 50, 50}, false);
    std::string text, title;
    UINT style = 0;
    tk::SetMessageBoxHandler([&](HWND, const std::string& t, const std::string& c, UINT s) {
        text = t;
        title = c;
        style = s;
        return IDOK;
    });
    dialog_->txtHandle.SetText(mAPI::HexStr8(mAPI::HandleToInt(hidden)) + "h");
    SendMessageA(dialog_->cmdOK.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(text,
              "The window " + mAPI::HexStr8(mAPI::HandleToInt(hidden)) + " could not be found.");
    EXPECT_EQ(title, "Vantry");
    EXPECT_EQ(style, 16u);
    EXPECT_FALSE(tk::IsFormLoaded(*dialog_));
}

TEST_F(SearchTest, TextsThatAreNoHandleKeepTheDialogOpen) {
    int boxes = 0;
    tk::SetMessageBoxHandler([&boxes](HWND, const std::string&, const std::string&, UINT) {
        ++boxes;
        return IDOK;
    });
    for (const char* text : {"h", "00000000h", "0h"}) {
        dialog_->txtHandle.SetText(text);
        SendMessageA(dialog_->cmdOK.hWnd(), BM_CLICK, 0, 0);
        EXPECT_TRUE(tk::IsFormLoaded(*dialog_)) << text;
        EXPECT_EQ(dialog_->txtHandle.Text(), "00000000h");
    }
    EXPECT_EQ(boxes, 0);
    // An empty box closes without a word.
    dialog_->txtHandle.SetText("");
    SendMessageA(dialog_->cmdOK.hWnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(tk::IsFormLoaded(*dialog_));
    EXPECT_EQ(boxes, 0);
}

TEST_F(SearchTest, HideVantryHidesMainUntilTheDialogClosesAnyWay) {
    for (int way = 0; way < 3; ++way) {
        if (!dialog_->IsLoaded()) {
            dialog_->Show();
        }
        SendMessageA(dialog_->chkHideApp.hWnd(), BM_CLICK, 0, 0);
        EXPECT_FALSE(IsWindowVisible(main_->hWnd())) << way;
        EXPECT_TRUE(IsWindowVisible(dialog_->hWnd()));
        if (way == 0) {
            SendMessageA(dialog_->cmdCancel.hWnd(), BM_CLICK, 0, 0);
        } else if (way == 1) {
            SendMessageA(dialog_->hWnd(), WM_CLOSE, 0, 0);
        } else {
            dialog_->txtHandle.SetText("");
            SendMessageA(dialog_->cmdOK.hWnd(), BM_CLICK, 0, 0);
        }
        EXPECT_FALSE(tk::IsFormLoaded(*dialog_));
        EXPECT_TRUE(IsWindowVisible(main_->hWnd())) << way;
    }
}

namespace {

bool g_mainDisabled = false;
RECT g_dialogPlace{};
std::string g_focusAtOpening;

void CALLBACK CancelSearch(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowA("Vantry.Form", "Window search");
    if (!dialog) {
        return;
    }
    KillTimer(nullptr, timer);
    HWND main = FindWindowA("Vantry.Form", "Vantry 1.0");
    g_mainDisabled = main && !IsWindowEnabled(main);
    GetWindowRect(dialog, &g_dialogPlace);
    char focused[32] = {};
    GetWindowTextA(GetFocus(), focused, sizeof focused);
    g_focusAtOpening = focused;
    PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0); // Escape acts as OK: empty box, closes
}

} // namespace

TEST_F(SearchTest, WindowSearchOpensModalAndEscapeCloses) {
    dialog_->Unload();
    SetTimer(nullptr, 0, 20, CancelSearch);
    Choose(main_->mnuSearch);
    EXPECT_TRUE(g_mainDisabled);
    // Centred over Main, with the focus on OK, the first control in the tab order.
    RECT main{};
    GetWindowRect(main_->hWnd(), &main);
    EXPECT_NEAR(g_dialogPlace.left + g_dialogPlace.right, main.left + main.right, 2);
    EXPECT_NEAR(g_dialogPlace.top + g_dialogPlace.bottom, main.top + main.bottom, 2);
    EXPECT_EQ(g_focusAtOpening, "&OK");
    EXPECT_FALSE(tk::IsFormLoaded(*dialog_));
    EXPECT_TRUE(IsWindowEnabled(main_->hWnd()));
}
