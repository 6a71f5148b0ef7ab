#include "core/mapi.h"
#include "core/process_lookup.h"
#include "main_fixture.h"
#include "properties/properties_form.h"

#include <gtest/gtest.h>

#include <cstring>

using vantry::frmProperties;

namespace {

constexpr char kRichClass[] = "VantryTestRich";
constexpr char kBareClass[] = "VantryTestBare";
constexpr char kIdMenuClass[] = "VantryTestIdMenu";
constexpr COLORREF kRichIconColor = RGB(0x20, 0xA0, 0x20);

void RegisterFixtureClasses() {
    static const bool done = [] {
        WNDCLASSEXA rich{};
        rich.cbSize = sizeof rich;
        rich.style = CS_DBLCLKS | CS_HREDRAW;
        rich.lpfnWndProc = DefWindowProcA;
        rich.cbWndExtra = 30;
        rich.hInstance = GetModuleHandleA(nullptr);
        rich.hIcon = testwin::SolidIcon(32, kRichIconColor);
        rich.hIconSm = testwin::SolidIcon(16, kRichIconColor);
        rich.hbrBackground = CreateSolidBrush(RGB(1, 2, 3));
        rich.lpszMenuName = "RICHMENU";
        rich.lpszClassName = kRichClass;
        RegisterClassExA(&rich);

        WNDCLASSEXA bare{};
        bare.cbSize = sizeof bare;
        bare.lpfnWndProc = DefWindowProcA;
        bare.hInstance = GetModuleHandleA(nullptr);
        bare.lpszClassName = kBareClass;
        RegisterClassExA(&bare);

        WNDCLASSEXA idMenu = bare;
        idMenu.lpszMenuName = MAKEINTRESOURCEA(5);
        idMenu.lpszClassName = kIdMenuClass;
        RegisterClassExA(&idMenu);
        return true;
    }();
    (void)done;
}

class TabsTest : public MainTest {
  protected:
    void SetUp() override { RegisterFixtureClasses(); }
    void Inspect(HWND window, int tab) {
        if (!form_) {
            LoadMain();
            Choose(main_->mnuOnlyVisible); // hidden windows need nodes too
            form_ = std::make_unique<frmProperties>(*main_);
            main_->SetForms({form_.get(), nullptr, nullptr});
        }
        Choose(main_->mnuUpdate);
        ASSERT_TRUE(main_->SelectWindow(mAPI::HandleToInt(window)));
        Choose(main_->mnuWindowProps);
        form_->tabProperties.SetSelectedIndex(tab);
        SendMessageA(form_->cmdRefresh.hWnd(), BM_CLICK, 0, 0);
    }
    void ChooseGdi(int item) { form_->general.cboGDI.SetListIndex(item); }
    COLORREF Drawn(int x, int y) const { return form_->general.picDraw.Point(x, y); }
    COLORREF PicDrawBack() const { return GetSysColor(COLOR_3DLIGHT); }

    // The fixture run from a copy in folder: its path shows shortened in the middle, whole
    // characters only, with the file name intact.
    void ExpectPathShortened(const std::string& folder) {
        std::vector<std::string> levels; // the folders made below the build folder
        for (std::size_t end = testwin::BuildFolder().size() + 1; end != std::string::npos;) {
            end = folder.find('\\', end + 1);
            levels.push_back(folder.substr(0, end));
            CreateDirectoryA(levels.back().c_str(), nullptr);
        }
        const std::string exe = folder + "\\sample_window.exe";
        CopyFileA((testwin::BuildFolder() + "\\sample_window.exe").c_str(), exe.c_str(), FALSE);
        {
            testwin::Process fixture(exe);
            HWND window = fixture.WaitForWindow();
            ASSERT_NE(window, nullptr);
            Inspect(window, 5);
            EXPECT_EQ(form_->processes.picExePath.ToolTipText(), mAPI::GetExePath(fixture.Id()));
            EXPECT_EQ(form_->processes.picExePath.ToolTipText(), exe);
            // What DrawText made of it in the box: an ellipsis, and the file name whole.
            std::string shown = form_->processes.picExePath.ToolTipText() + std::string(8, '\0');
            RECT area{};
            GetClientRect(form_->processes.picExePath.hWnd(), &area);
            HDC dc = form_->processes.picExePath.hdc();
            HGDIOBJ old = SelectObject(dc, form_->processes.picExePath.BaseFont());
            DrawTextA(dc, shown.data(), -1, &area,
                      DT_PATH_ELLIPSIS | DT_MODIFYSTRING | DT_CALCRECT);
            SelectObject(dc, old);
            shown.resize(std::strlen(shown.c_str()));
            EXPECT_NE(shown.find("..."), std::string::npos) << shown;
            EXPECT_TRUE(shown.ends_with("\\sample_window.exe")) << shown;
            EXPECT_GT(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, shown.data(),
                                          static_cast<int>(shown.size()), nullptr, 0),
                      0)
                << shown;
            int inked = 0;
            for (int x = 0; x < form_->processes.picExePath.PixelWidth(); ++x) {
                for (int y = 0; y < form_->processes.picExePath.PixelHeight(); ++y) {
                    inked += form_->processes.picExePath.Point(x, y) != GetSysColor(COLOR_BTNFACE);
                }
            }
            EXPECT_GT(inked, 50); // the text was drawn
        }
        DeleteFileA(exe.c_str());
        for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
            RemoveDirectoryA(level->c_str());
        }
    }

    std::unique_ptr<frmProperties> form_;
};

} // namespace

TEST_F(TabsTest, GeneralShowsTheWindowsIdentityInHex) {
    HWND parent = windows_.TopLevel("holder", {10, 10, 300, 300});
    HWND rich =
        CreateWindowExA(0, kRichClass, "rich caption", WS_CHILD | WS_VISIBLE, 5, 5, 100, 50, parent,
                        reinterpret_cast<HMENU>(1001), GetModuleHandleA(nullptr), nullptr);
#ifdef _WIN64
    // Pointer-sized values keep their high half.
    SetWindowLongPtrA(rich, GWLP_USERDATA, 0x123456789ABCDEF0);
    constexpr char kUserData[] = "123456789ABCDEF0";
#else
    SetWindowLongPtrA(rich, GWLP_USERDATA, 0x12345678);
    constexpr char kUserData[] = "12345678";
#endif
    Inspect(rich, 0);
    EXPECT_EQ(form_->general.txtWinText.Text(), "rich caption");
    EXPECT_EQ(form_->general.txthWin.Text(), mAPI::HexStr8(mAPI::HandleToInt(rich)));
    EXPECT_EQ(form_->general.txtWndID.Text(), "000003E9");
    EXPECT_EQ(form_->general.txtUserData.Text(), kUserData);
    const auto instance = reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr));
    EXPECT_EQ(form_->general.txthInstance.Text(), mAPI::HexPtr(instance));
    EXPECT_EQ(form_->general.txtWindowProc.Text(),
              mAPI::HexPtr(static_cast<ULONG_PTR>(GetWindowLongPtrA(rich, GWLP_WNDPROC))));
    for (const auto* field : {&form_->general.txtWindowProc, &form_->general.txthInstance,
                              &form_->general.txtUserData}) {
        EXPECT_EQ(field->Text().size(), 2 * sizeof(void*));
        EXPECT_TRUE(testwin::TextFits(field->hWnd())) << field->Text();
    }
}

TEST_F(TabsTest, CaptionAndClassNameShowInTheirOwnScript) {
    const std::string hanClass = testwin::Utf8(testwin::kHanClass);
    HWND window = windows_.TopLevel("", {10, 10, 200, 200}, true, hanClass.c_str());
    SetWindowTextW(window, L"\u0639\u0646\u0648\u0627\u0646 \u4E2D\u6587 \U0001F600");
    Inspect(window, 0);
    EXPECT_EQ(form_->general.txtWinText.Text(), testwin::CaptionW(window));
    Inspect(window, 4);
    EXPECT_EQ(form_->classes.txtClassName.Text(), testwin::ClassNameW(window));
    EXPECT_EQ(form_->classes.txtClassName.Text(), hanClass);
}

TEST_F(TabsTest, GdiObjectsAreShownByTheirHandlesAndPictures) {
    HWND rich = CreateWindowExA(0, kRichClass, "rich", WS_POPUP | WS_VISIBLE, 20, 20, 100, 50,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND bare = CreateWindowExA(0, kBareClass, "bare", WS_POPUP | WS_VISIBLE, 20, 20, 100, 50,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Inspect(rich, 0);
    EXPECT_EQ(form_->general.txtGDIHandle.Text(),
              "Handle: " +
                  mAPI::HexStr8(static_cast<std::int32_t>(GetClassLongPtrA(rich, GCLP_HICON))));
    EXPECT_EQ(Drawn(2 + 16, 2 + 16), kRichIconColor);
    EXPECT_EQ(Drawn(3, 3), kRichIconColor);

    ChooseGdi(1); // "Small Icon": the 32 x 32 picture goes first
    EXPECT_EQ(Drawn(3, 3), PicDrawBack());
    EXPECT_EQ(Drawn(10 + 8, 10 + 8), kRichIconColor);

    ChooseGdi(3); // "Background Brush": its handle, no picture
    EXPECT_EQ(form_->general.txtGDIHandle.Text(),
              "Handle: " + mAPI::HexStr8(static_cast<std::int32_t>(
                               GetClassLongPtrA(rich, GCLP_HBRBACKGROUND))));
    EXPECT_EQ(Drawn(18, 18), PicDrawBack());

    ChooseGdi(1);
    Inspect(bare, 0); // a class without a small icon
    EXPECT_EQ(form_->general.txtGDIHandle.Text(), "(None)");
    for (int y = 0; y < form_->general.picDraw.PixelHeight(); y += 5) {
        for (int x = 0; x < form_->general.picDraw.PixelWidth(); x += 5) {
            EXPECT_EQ(Drawn(x, y), PicDrawBack()) << x << "," << y;
        }
    }
    DestroyWindow(rich);
    DestroyWindow(bare);
}

TEST_F(TabsTest, ClassesShowTheRegistration) {
    HWND rich = CreateWindowExA(0, kRichClass, "rich", WS_POPUP | WS_VISIBLE, 20, 20, 100, 50,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND bare = CreateWindowExA(0, kBareClass, "bare", WS_POPUP | WS_VISIBLE, 20, 20, 100, 50,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND idMenu = CreateWindowExA(0, kIdMenuClass, "id menu", WS_POPUP | WS_VISIBLE, 20, 20, 100,
                                  50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Inspect(rich, 4);
    EXPECT_EQ(form_->classes.txtClassName.Text(), kRichClass);
    EXPECT_EQ(form_->classes.txtClassStyles.Text(), "0000000A");
    ASSERT_EQ(form_->classes.cboClassStyles.Count(), 2);
    EXPECT_EQ(form_->classes.cboClassStyles.Item(0), "CS_DBLCLKS");
    EXPECT_EQ(form_->classes.cboClassStyles.Item(1), "CS_HREDRAW");
    EXPECT_EQ(form_->classes.cboClassStyles.ListIndex(), 0);
    EXPECT_EQ(form_->classes.txtMenuName.Text(), "RICHMENU");
    EXPECT_EQ(form_->classes.txtWinEx.Text(), "30 Bytes");
    EXPECT_EQ(form_->classes.txtExMem.Text(), "0 Bytes");
    EXPECT_EQ(form_->classes.txtAtom.Text(),
              mAPI::HexStr8(static_cast<std::int32_t>(GetClassLongA(rich, GCW_ATOM))));
    EXPECT_EQ(form_->classes.txtClasshModule.Text(),
              mAPI::HexPtr(reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr))));
    EXPECT_EQ(form_->classes.txtClassWinProc.Text(),
              mAPI::HexPtr(GetClassLongPtrA(rich, GCLP_WNDPROC)));
    EXPECT_TRUE(testwin::TextFits(form_->classes.txtClassWinProc.hWnd()));
    Inspect(bare, 4);
    EXPECT_EQ(form_->classes.txtMenuName.Text(), "(None)");
    Inspect(idMenu, 4);
    EXPECT_EQ(form_->classes.txtMenuName.Text(), ""); // an integer id is no readable text
    DestroyWindow(rich);
    DestroyWindow(bare);
    DestroyWindow(idMenu);
}

TEST_F(TabsTest, PositionShowsRectanglesStateAndSnapsTheBoxesBack) {
    HWND left = windows_.TopLevel("left of the screen", {-50, -40, 150, 160});
    Inspect(left, 1);
    EXPECT_EQ(form_->position.txtWinRect.Text(), "(-50, -40) - (150, 160)");
    EXPECT_EQ(form_->position.txtCurState.Text(), "Normal");
    EXPECT_EQ(form_->position.chkVisible.Value(), 1);

    SendMessageA(form_->position.chkEnabled.hWnd(), BM_CLICK, 0, 0); // the user's click
    EXPECT_EQ(form_->position.chkEnabled.Value(), 1);
    EXPECT_TRUE(IsWindowEnabled(left));

    ShowWindow(left, SW_MINIMIZE);
    SendMessageA(form_->cmdRefresh.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(form_->position.txtCurState.Text(), "Minimized");
}

TEST_F(TabsTest, ThePreviewDrawsHiddenClientsInTheWindowColourAndNothingOffScreen) {
    HWND hidden = windows_.TopLevel("hidden", {200, 200, 700, 600}, false);
    Inspect(hidden, 1);
    EXPECT_EQ(form_->position.chkVisible.Value(), 0);
    const auto& preview = form_->position.picDesktop;
    // The middle of the window's client area, scaled into the miniature.
    const int x = (450 * (preview.PixelWidth() - 2)) / GetSystemMetrics(SM_CXSCREEN) + 1;
    const int y = (420 * (preview.PixelHeight() - 2)) / GetSystemMetrics(SM_CYSCREEN) + 1;
    EXPECT_EQ(preview.Point(x, y), GetSysColor(COLOR_WINDOW));

    HWND away = windows_.TopLevel("away", {-32000, -32000, -31800, -31800});
    Inspect(away, 1);
    for (int py = 0; py < preview.PixelHeight(); py += 3) {
        for (int px = 0; px < preview.PixelWidth(); px += 3) {
            ASSERT_EQ(preview.Point(px, py), GetSysColor(COLOR_BACKGROUND)) << px << "," << py;
        }
    }
}

TEST_F(TabsTest, ProcessesShowIdsInHexAndTheExecutablePath) {
    const std::string exe = testwin::BuildFolder() + "\\sample_window.exe";
    testwin::Process fixture(exe);
    HWND window = fixture.WaitForWindow();
    ASSERT_NE(window, nullptr);
    Inspect(window, 5);
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(window, &processId);
    EXPECT_EQ(form_->processes.txtProcessID.Text(),
              mAPI::HexStr8(static_cast<std::int32_t>(processId)));
    EXPECT_EQ(form_->processes.txtThreadID.Text(),
              mAPI::HexStr8(static_cast<std::int32_t>(threadId)));
    const std::string path = form_->processes.picExePath.ToolTipText();
    EXPECT_TRUE(path.ends_with("sample_window.exe")) << path;
    EXPECT_EQ(mAPI::GetExePath(processId), path);
}

TEST_F(TabsTest, ALongPathIsShortenedInItsMiddle) {
    ExpectPathShortened(testwin::BuildFolder() +
                        "\\a rather long folder name for the executable path test of vantry");
}

TEST_F(TabsTest, APathInAnyScriptShowsAndIsShortenedByCharacters) {
    // Two folders of 60 characters, mostly of three bytes: the path is longer than MAX_PATH
    // bytes in UTF-8 while it stays well within MAX_PATH characters.
    const std::wstring japanese = L"\u65E5\u672C\u8A9E\u306E\u30D5\u30A9\u30EB\u30C0 ";
    const std::wstring mixed =
        L"\u0645\u062C\u0644\u062F \u4E2D\u6587 \u00FCn\u00EFc\u00F6d\u00E9 ";
    std::wstring first, second;
    for (int i = 0; i < 6; ++i) {
        first += japanese + L'\u4E00';
        second += mixed;
    }
    const std::string folder = testwin::BuildFolder() + "\\" + testwin::Utf8(first.substr(0, 60)) +
                               "\\" + testwin::Utf8(second.substr(0, 59) + L"\U0001F600");
    ASSERT_GT(folder.size(), static_cast<std::size_t>(MAX_PATH));
    ExpectPathShortened(folder);
}

TEST(ProcessLookup, EndedAndUnknownProcessesGiveNothingOnBothBranches) {
    testwin::Process fixture(testwin::BuildFolder() + "\\sample_window.exe");
    ASSERT_NE(fixture.WaitForWindow(), nullptr);
    const DWORD id = fixture.Id();
    EXPECT_TRUE(mAPI::GetExePathToolHelp(id).ends_with("sample_window.exe"));
    fixture.End();
    EXPECT_EQ(mAPI::GetExePath(id), "");
    EXPECT_EQ(mAPI::GetExePathToolHelp(id), "");
    EXPECT_EQ(mAPI::GetProcessMainModuleToolHelp(id), nullptr);
    EXPECT_EQ(mAPI::GetProcessMainModule(id), nullptr);

    const DWORD self = GetCurrentProcessId();
    EXPECT_TRUE(mAPI::IsWinNT());
    // On the NT family tool help leaves th32ModuleID unused, so that branch finds no module:
    // it is meant for the other family.
    EXPECT_EQ(mAPI::GetProcessMainModule(self), GetModuleHandleA(nullptr));
    EXPECT_TRUE(mAPI::GetExePath(self).ends_with("win_tests.exe"));
}

TEST_F(TabsTest, AProcessOfTheOtherProcessorShowsItsValues) {
    const testwin::OtherProcessorFixture other;
    if (!other.WhyNot().empty()) {
        GTEST_SKIP() << other.WhyNot();
    }
    HWND window = other.Window();
    ASSERT_NE(window, nullptr);
    const std::string exeName = other.Path().substr(other.Path().find_last_of('\\'));

    // The path comes from the module list (64 over 32) or the image name (32 over 64).
    EXPECT_TRUE(mAPI::GetExePath(other.Id()).ends_with(exeName)) << mAPI::GetExePath(other.Id());
    Inspect(window, 5);
    EXPECT_TRUE(form_->processes.picExePath.ToolTipText().ends_with(exeName));

    // Pointer-sized values as this build's calls give them, at this build's width.
    const auto instance = static_cast<ULONG_PTR>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    Inspect(window, 0);
    EXPECT_EQ(form_->general.txtWinText.Text(), "Vantry sample window");
    EXPECT_EQ(form_->general.txthWin.Text(), mAPI::HexStr8(mAPI::HandleToInt(window)));
    EXPECT_EQ(form_->general.txthInstance.Text(), mAPI::HexPtr(instance));
    EXPECT_EQ(form_->general.txthInstance.Text().size(), 2 * sizeof(void*));
#ifdef _WIN64
    EXPECT_NE(instance, 0u); // a 32-bit module's base, seen whole
    EXPECT_EQ(instance >> 32, 0u);
#endif
    Inspect(window, 4);
    EXPECT_EQ(form_->classes.txtClassName.Text(), "VantrySample");
    EXPECT_EQ(form_->classes.txtClasshModule.Text(),
              mAPI::HexPtr(GetClassLongPtrA(window, GCLP_HMODULE)));
    EXPECT_EQ(form_->classes.txtClassStyles.Text(), "00000000");
    Inspect(window, 1);
    EXPECT_EQ(form_->position.txtWinRect.Text(), "(600, 80) - (1000, 340)");
}
