#include "core/handles.h"
#include "test_windows.h"
#include "toolkit/file_dialog.h"
#include "toolkit/loaded_forms.h"
#include "toolkit/picturebox.h"
#include "toolkit/text_controls.h"
#include "tree/main_form.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

using vantry::Main;

TEST(IsFormLoaded, FollowsTheVeryFormObjectThroughItsLife) {
    Main first;
    Main second;
    EXPECT_FALSE(tk::IsFormLoaded(first)); // referenced, never shown
    first.Show();
    EXPECT_TRUE(tk::IsFormLoaded(first));
    EXPECT_FALSE(tk::IsFormLoaded(second)); // same type is not the same form
    second.Show();
    EXPECT_TRUE(first.Unload());
    EXPECT_FALSE(tk::IsFormLoaded(first));
    EXPECT_TRUE(tk::IsFormLoaded(second));
    // Closing the window the way a user does unloads as well.
    SendMessageA(second.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(tk::IsFormLoaded(second));
    EXPECT_EQ(tk::LoadedForms::Count(), 0u);
}

TEST(IsFormLoaded, ForgetsAFormWhoseWindowIsDestroyedBehindItsBack) {
    Main main;
    main.Show();
    DestroyWindow(main.hWnd());
    EXPECT_FALSE(tk::IsFormLoaded(main));
    // It loads again as new.
    main.Show();
    EXPECT_TRUE(tk::IsFormLoaded(main));
    EXPECT_NE(main.tvTree.Count(), 0u);
}

namespace {

// A form whose own handlers and whose controls' handlers all throw.
class ThrowingForm : public tk::Form {
  public:
    ThrowingForm() : tk::Form({"throwing", 3000, 2000}) {
        AddControl(picture);
        AddControl(text);
        picture.MouseDown = [](int, int, int, int) { throw std::runtime_error("picture"); };
        picture.Resize = [] { throw std::runtime_error("resize"); };
        text.KeyPress = [](char) -> std::optional<char> { throw std::runtime_error("key"); };
    }
    tk::PictureBox picture{
        {.place = {0, 0, 1500, 1500}, .backColor = tk::SystemColor(COLOR_WINDOW)}};
    tk::TextBox text{{.place = {1600, 0, 1200, 300}}};
    bool armed = false; // Show itself lays the form out: that call is ours, not the system's

  protected:
    void Form_Resize() override {
        if (armed) {
            throw std::runtime_error("form");
        }
    }
};

} // namespace

// An exception in a handler never unwinds through the system's code: every window class of
// ours gives the message its default answer, and the program goes on.
TEST(WindowProcedures, AHandlerThatThrowsLeavesTheProgramRunning) {
    ThrowingForm form;
    form.Show();
    form.armed = true;
    SendMessageA(form.picture.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(form.picture.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    SetWindowPos(form.picture.hWnd(), nullptr, 0, 0, 50, 60, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageA(form.text.hWnd(), WM_CHAR, 'a', 0);
    SetWindowPos(form.hWnd(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
    testwin::Pump();
    EXPECT_TRUE(IsWindow(form.hWnd()));
    // The picture took its new size before its handler threw.
    EXPECT_EQ(form.picture.PixelWidth(), 50);
    EXPECT_TRUE(form.Unload());
}

// The save dialog's library is loaded on first use: the real dialog must still open, and
// cancelling it answers nothing.
TEST(SaveDialog, TheSystemDialogOpensAndCancellingItAnswersNothing) {
    tk::SetSaveFileHandler(nullptr);
    std::atomic<bool> seen = false;
    std::thread closer([&seen] {
        for (int attempt = 0; attempt < 200 && !seen; ++attempt) {
            Sleep(50);
            for (HWND window = FindWindowA("#32770", nullptr); window;
                 window = FindWindowExA(nullptr, window, "#32770", nullptr)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner == GetCurrentProcessId() && IsWindowVisible(window)) {
                    seen = true;
                    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
                    break;
                }
            }
        }
    });
    const auto choice = tk::AskSaveFile(nullptr, {"tree.txt", {{"Text (*.txt)", "*.txt"}}, "txt"});
    closer.join();
    EXPECT_TRUE(seen);
    EXPECT_EQ(choice, std::nullopt);
}
