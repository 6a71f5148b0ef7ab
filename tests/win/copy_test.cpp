// Copying what Vantry shows: the clipboard gets UTF-16 text converted from the program's own.
#include "core/mapi.h"
#include "core/mapi_win.h"
#include "main_fixture.h"
#include "properties/properties_form.h"
#include "resources_fixture.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace {

using testwin::ClipboardText;

void ClearClipboard() {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

// A caption in three scripts, so that a byte copy would show.
constexpr wchar_t kCaption[] = L"copy \u00e9t\u00e9 \u6D4B\u8BD5";

} // namespace

namespace {

class TreeCopyTest : public MainTest {
  protected:
    // A window of that caption, selected in a loaded tree.
    HWND SelectNew(const std::wstring& caption) {
        HWND target = windows_.TopLevel("", {10, 10, 200, 200});
        SetWindowTextW(target, caption.c_str());
        LoadMain();
        Choose(main_->mnuUpdate);
        main_->SelectWindow(mAPI::HandleToInt(target));
        ClearClipboard();
        return target;
    }
    void PressCtrlC() {
        const testwin::HeldKeys ctrl({VK_CONTROL});
        SendMessageA(Tree(), WM_KEYDOWN, 'C', 0);
    }
};

} // namespace

TEST_F(TreeCopyTest, CtrlCInTheTreeCopiesTheSelectedNodesText) {
    HWND target = SelectNew(kCaption);
    PressCtrlC();
    EXPECT_EQ(ClipboardText(), Read(target).text);
    EXPECT_NE(ClipboardText().find(testwin::Utf8(kCaption)), std::string::npos);
}

TEST_F(TreeCopyTest, CtrlCCopiesANodeTextOfAnyLength) {
    // 1,024 characters of three bytes each, then the class: longer than any fixed buffer.
    const std::wstring caption(1024, L'\u6D4B');
    HWND target = SelectNew(caption);
    PressCtrlC();
    EXPECT_EQ(ClipboardText(),
              vantry::WindowDisplayText(mAPI::HandleToInt(target), testwin::Utf8(caption),
                                        testwin::kPlainClass));
}

namespace {

// Another thread holds the clipboard for a while, as another program does while it copies.
class ClipboardHeldElsewhere {
  public:
    explicit ClipboardHeldElsewhere(DWORD milliseconds)
        : thread_([this, milliseconds] {
              const bool opened = OpenClipboard(nullptr);
              if (opened) {
                  EmptyClipboard();
              }
              held_.set_value();
              Sleep(milliseconds);
              if (opened) {
                  CloseClipboard();
              }
          }) {
        held_.get_future().wait();
    }
    ~ClipboardHeldElsewhere() { thread_.join(); }

  private:
    std::promise<void> held_;
    std::thread thread_;
};

} // namespace

TEST_F(TreeCopyTest, CopyWaitsBrieflyForAClipboardHeldElsewhereAndOtherwiseLeavesTheStatus) {
    HWND target = SelectNew(L"copied while held");
    {
        const ClipboardHeldElsewhere held(60); // a moment: the copy still lands
        PressCtrlC();
    }
    EXPECT_EQ(ClipboardText(), Read(target).text);

    const std::string status = StatusText();
    {
        const ClipboardHeldElsewhere held(2000); // too long: the copy gives up
        PressCtrlC();
    }
    EXPECT_EQ(ClipboardText(), ""); // what the other holder left
    EXPECT_EQ(StatusText(), status);
}

namespace {

class CopyPropertiesTest : public MainTest {
  protected:
    void Open(HWND window) {
        LoadMain();
        form_ = std::make_unique<vantry::frmProperties>(*main_);
        main_->SetForms({form_.get(), nullptr, nullptr});
        Choose(main_->mnuUpdate);
        main_->SelectWindow(mAPI::HandleToInt(window));
        Choose(main_->mnuWindowProps);
    }
    std::unique_ptr<vantry::frmProperties> form_;
};

} // namespace

TEST_F(CopyPropertiesTest, CtrlCInAFieldCopiesTheFieldOrItsSelection) {
    HWND target = windows_.TopLevel("", {10, 10, 200, 200});
    SetWindowTextW(target, kCaption);
    Open(target);
    HWND field = form_->general.txtWinText.hWnd();
    ClearClipboard();
    SendMessageA(field, EM_SETSEL, 0, 0);
    SendMessageA(field, WM_CHAR, 0x03, 0); // what TranslateMessage makes of Ctrl+C
    EXPECT_EQ(ClipboardText(), testwin::Utf8(kCaption));
    SendMessageA(field, EM_SETSEL, 0, 4);
    SendMessageA(field, WM_CHAR, 0x03, 0);
    EXPECT_EQ(ClipboardText(), "copy"); // the selection, as the edit control copies it
}

TEST_F(CopyPropertiesTest, CtrlShiftCCopiesEveryTabInTabOrder) {
    HWND target = windows_.TopLevel("", {10, 10, 200, 200});
    SetWindowTextW(target, kCaption);
    Open(target);
    ClearClipboard();
    SetFocus(form_->general.txthWin.hWnd());
    {
        const testwin::HeldKeys ctrlShift({VK_CONTROL, VK_SHIFT});
        PostMessageA(form_->general.txthWin.hWnd(), WM_KEYDOWN, 'C', 0);
        tk::DoEvents(); // through the message loop, where the form's keys are read
    }
    const std::string report = ClipboardText();
    EXPECT_EQ(report, form_->ReportText());
    const std::string handle = mAPI::HexStr8(mAPI::HandleToInt(target));
    EXPECT_EQ(report.rfind("Window properties - " + handle + "\r\n\r\nGeneral\r\n", 0), 0u);
    EXPECT_NE(report.find("Window Caption: " + testwin::Utf8(kCaption) + "\r\n"),
              std::string::npos);
    EXPECT_NE(report.find("Window Handle: " + handle + "\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\nVisible: yes\r\n"), std::string::npos);
    // A style value with its names under it.
    EXPECT_NE(report.find("\r\nWindow Styles: " + form_->styles.txtWindowStyles.Text() +
                          "\r\n    " + form_->styles.lstWinStyles.Item(0) + "\r\n"),
              std::string::npos);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    EXPECT_NE(report.find("\r\nExecutable Path: " + std::string(path) + "\r\n"), std::string::npos);
    std::size_t last = 0;
    for (const char* tab :
         {"General", "Position", "Style-bits", "Window", "Classes", "Processes"}) {
        const std::size_t at = report.find("\r\n\r\n" + std::string(tab) + "\r\n");
        ASSERT_NE(at, std::string::npos) << tab;
        EXPECT_GT(at, last) << tab;
        last = at;
    }
}

TEST_F(ResourcesTest, CtrlCInTheResourceTreeCopiesTheFieldsAndTheStrings) {
    HMODULE dll = LoadLibraryA(Fixture("resource_fixture.dll").c_str());
    ASSERT_NE(dll, nullptr);
    HWND own = ShowOwnModule(dll);
    Click("n6|2");
    ClearClipboard();
    {
        const testwin::HeldKeys ctrl({VK_CONTROL});
        SendMessageA(form_->tvRes.hWnd(), WM_KEYDOWN, 'C', 0);
    }
    EXPECT_EQ(ClipboardText(), "Resource name: 2\r\nResource type: Strings\r\nSize: " +
                                   form_->txtSize.Text() + "\r\n\r\n" + form_->txtStrings.Text());
    DestroyWindow(own);
    FreeLibrary(dll);
}
