#include "core/mapi.h"
#include "core/mapi_win.h"
#include "main_fixture.h"
#include "model/module_access.h"
#include "resources/resources_form.h"
#include "resources_fixture.h"
#include "toolkit/loaded_forms.h"

#include <gtest/gtest.h>

#include <cstdlib>

using vantry::frmResources;

namespace {

constexpr COLORREF kRed = RGB(0xFF, 0, 0);

BOOL CALLBACK CountType(HMODULE, LPSTR, LONG_PTR count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

} // namespace

TEST_F(ResourcesTest, TheFixtureExecutableListsEveryTypeAndName) {
    testwin::Process fixture(Fixture("resource_fixture.exe"));
    HWND window = fixture.WaitForWindow();
    ASSERT_NE(window, nullptr);
    Show(window);
    EXPECT_EQ(form_->Caption(), "Resource view - " + mAPI::HexStr8(mAPI::HandleToInt(window)));
    EXPECT_TRUE(form_->LibraryLoaded());
    struct Expected {
        const char* key;
        const char* text;
        int image;
    };
    for (const Expected& node : std::initializer_list<Expected>{{"t2", "Bitmaps", 1},
                                                                {"n2|101", "101", 1},
                                                                {"n2|102", "102", 1},
                                                                {"t14", "Icons", 2},
                                                                {"n14|1", "1", 2},
                                                                {"n14|2", "2", 2},
                                                                {"n14|3", "3", 2},
                                                                {"t1", "Cursor", 5},
                                                                {"t12", "Cursor", 3},
                                                                {"n12|1", "1", 3},
                                                                {"t3", "Icon", 5},
                                                                {"n3|40000", "40000", 5},
                                                                {"t6", "Strings", 4},
                                                                {"n6|2", "2", 4},
                                                                {"n6|3", "3", 4},
                                                                {"tMYTYPE", "MYTYPE", 5},
                                                                {"nMYTYPE|DATA", "DATA", 5},
                                                                {"t24", "#24", 5},
                                                                {"n24|7", "7", 5}}) {
        const testwin::Node shown = Node(node.key);
        EXPECT_EQ(shown.text, node.text) << node.key;
        EXPECT_EQ(shown.image, node.image) << node.key;
    }
    EXPECT_EQ(TreeView_GetParent(form_->tvRes.hWnd(), form_->tvRes.Find("n2|101")),
              form_->tvRes.Find("t2"));
}

TEST_F(ResourcesTest, PreviewsShowBitmapsCursorsIconGroupsAndStrings) {
    testwin::Process fixture(Fixture("resource_fixture.exe"));
    HWND window = fixture.WaitForWindow();
    ASSERT_NE(window, nullptr);
    Show(window);

    Click("n2|101");
    EXPECT_EQ(form_->txtResName.Text(), "101");
    EXPECT_EQ(form_->txtResType.Text(), "Bitmaps");
    EXPECT_TRUE(form_->txtSize.Text().ends_with(" Bytes")) << form_->txtSize.Text();
    ASSERT_TRUE(form_->picPreview.Visible());
    EXPECT_EQ(form_->picPreview.PixelWidth(), 100);
    EXPECT_EQ(form_->picPreview.PixelHeight(), 50);
    EXPECT_EQ(form_->picPreview.Point(10, 10), kRed);
    EXPECT_EQ(form_->picPreview.Point(60, 10), RGB(0, 0xFF, 0));
    EXPECT_EQ(form_->picPreview.Point(10, 40), RGB(0, 0, 0xFF));
    EXPECT_EQ(form_->picPreview.Point(99, 49), RGB(0xFF, 0xFF, 0));

    Click("n12|1");
    EXPECT_EQ(form_->picPreview.PixelWidth(), 32); // a 48 x 48 cursor shown at 32 x 32
    EXPECT_EQ(form_->picPreview.Point(4, 4), kRed);

    Click("n14|1");
    ASSERT_TRUE(form_->tvGroup.Visible());
    const auto lines = GroupLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find(": 16 x 16 Pixel, 4 bpp, "), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find(": 32 x 32 Pixel, 4 bpp, "), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find(": 48 x 48 Pixel, 8 bpp, "), std::string::npos) << lines[2];
    EXPECT_TRUE(lines[2].ends_with(" Bytes"));
    const COLORREF cell = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(GroupPixel(1, 17, 17), kRed);
    EXPECT_EQ(GroupPixel(1, 16, 16), cell);
    EXPECT_EQ(GroupPixel(2, 9, 9), kRed);
    EXPECT_EQ(GroupPixel(2, 8, 8), cell);
    EXPECT_EQ(GroupPixel(3, 1, 1), kRed);
    EXPECT_EQ(GroupPixel(3, 0, 0), cell);

    Click("n14|3"); // a directory of type 2: nothing changes
    EXPECT_TRUE(form_->tvGroup.Visible());
    EXPECT_EQ(GroupLines(), lines);
    EXPECT_EQ(form_->txtResName.Text(), "3");

    Click("n14|2");
    ASSERT_EQ(GroupLines().size(), 1u);
    EXPECT_TRUE(GroupLines()[0].starts_with("#40000: 16 x 16 Pixel, 4 bpp, ")) << GroupLines()[0];

    Click("n6|2");
    ASSERT_TRUE(form_->txtStrings.Visible());
    EXPECT_EQ(form_->txtStrings.Text(), "HelloWorld");
    const auto stringsStyle = GetWindowLongPtrA(form_->txtStrings.hWnd(), GWL_STYLE);
    EXPECT_TRUE(stringsStyle & ES_MULTILINE);
    EXPECT_TRUE(stringsStyle & WS_VSCROLL);
    Click("n6|3");
    EXPECT_EQ(form_->txtStrings.Text(),
              std::string(66, 'A') + "\nten chars!\tnine char\rthirteen char");

    Click("t2"); // a type node: fields of the type, no preview
    EXPECT_EQ(form_->txtResName.Text(), "");
    EXPECT_EQ(form_->txtResType.Text(), "Bitmaps");
    EXPECT_EQ(form_->txtSize.Text(), "");
    EXPECT_FALSE(form_->txtStrings.Visible());
}

TEST_F(ResourcesTest, NoWindowGivesAnEmptyViewAndOnlyOwnModulesAreRead) {
    Show(nullptr);
    EXPECT_EQ(form_->Caption(), "Resource view - 00000000");
    EXPECT_EQ(form_->tvRes.Count(), 0u);

    // A window whose instance is a module of ours: the module's resources.
    HMODULE dll = LoadLibraryA(Fixture("resource_fixture.dll").c_str());
    ASSERT_NE(dll, nullptr);
    HWND own = ShowOwnModule(dll);
    EXPECT_FALSE(form_->LibraryLoaded());
    EXPECT_EQ(form_->ResourceModule(), dll);
    EXPECT_EQ(Node("t12").text, "Cursor");
    EXPECT_EQ(Node("nMYTYPE|DATA").text, "DATA");

    // An instance value that is no module of this process is never read.
    SetWindowLongPtrA(own, GWLP_HINSTANCE, 0x12340000);
    Show(own, 0);
    EXPECT_EQ(form_->tvRes.Count(), 0u);
    EXPECT_EQ(form_->ResourceModule(), nullptr);
    DestroyWindow(own);
    FreeLibrary(dll);
}

TEST_F(ResourcesTest, TypesAndNamesInAnyScriptShowAndPreview) {
    HMODULE dll = LoadLibraryA(Fixture("unicode_resources.dll").c_str());
    ASSERT_NE(dll, nullptr);
    HWND own = ShowOwnModule(dll);
    const std::string type = testwin::Utf8(L"\u0422\u0418\u041F\u6570\u636E");
    const std::string name = testwin::Utf8(L"\u540D\u524D");
    const std::string emoji = testwin::Utf8(L"\U0001F600");
    EXPECT_EQ(Node("t" + type).text, type);
    EXPECT_EQ(Node("n" + type + "|" + name).text, name);
    EXPECT_EQ(Node("n" + type + "|" + emoji).text, emoji);
    Click("n" + type + "|" + name); // found again by its name, through FindResourceA
    EXPECT_EQ(form_->txtResName.Text(), name);
    EXPECT_EQ(form_->txtResType.Text(), type);
    EXPECT_EQ(form_->txtSize.Text(), "10 Bytes");
    DestroyWindow(own);
    FreeLibrary(dll);
}

TEST_F(ResourcesTest, ABrokenEntryShowsItsFieldsAndNoPreview) {
    HMODULE dll = LoadLibraryA(Fixture("resource_fixture.dll").c_str());
    ASSERT_NE(dll, nullptr);
    // Data entries that claim far more than the module holds, as a damaged file may.
    auto breakEntry = [dll](LPCSTR type, WORD name) {
        auto* entry = reinterpret_cast<IMAGE_RESOURCE_DATA_ENTRY*>(
            FindResourceA(dll, MAKEINTRESOURCEA(name), type));
        ASSERT_NE(entry, nullptr) << name;
        DWORD protection = 0;
        VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &protection);
        entry->Size = 0x7FFFFFF0;
    };
    for (WORD image : {1, 2, 3}) {
        breakEntry(RT_ICON, image);
    }
    breakEntry(RT_STRING, 2);
    HWND own = ShowOwnModule(dll);

    Click("n14|1"); // a sound group of broken images: its lines, no pictures read
    ASSERT_TRUE(form_->tvGroup.Visible());
    EXPECT_EQ(GroupLines().size(), 3u);
    EXPECT_EQ(GroupLines()[0], "#1: 16 x 16 Pixel, 4 bpp, 0 Bytes");

    Click("n2|101");
    breakEntry(RT_GROUP_ICON, 1);
    Click("n14|1"); // the group itself broken: its fields, and no preview
    EXPECT_EQ(form_->txtResName.Text(), "1");
    EXPECT_EQ(form_->txtResType.Text(), "Icons");
    EXPECT_EQ(form_->txtSize.Text(), mAPI::FormatByteCount(0x7FFFFFF0));
    EXPECT_FALSE(form_->tvGroup.Visible());
    EXPECT_FALSE(form_->picPreview.Visible());

    Click("n6|2"); // a broken string block likewise
    EXPECT_EQ(form_->txtResName.Text(), "2");
    EXPECT_EQ(form_->txtResType.Text(), "Strings");
    EXPECT_FALSE(form_->txtStrings.Visible());
    DestroyWindow(own);
    FreeLibrary(dll);
}

TEST_F(ResourcesTest, TheMappedFileIsReleasedOnSwitchingAndOnClosing) {
    testwin::Process fixture(Fixture("resource_fixture.exe"));
    HWND window = fixture.WaitForWindow();
    ASSERT_NE(window, nullptr);
    Show(window);
    HMODULE mapped = form_->ResourceModule();
    ASSERT_NE(mapped, nullptr);
    auto mappedStill = [](HMODULE module) {
        MEMORY_BASIC_INFORMATION info{};
        VirtualQuery(reinterpret_cast<void*>(reinterpret_cast<std::uintptr_t>(module) & ~0xFFFFu),
                     &info, sizeof info);
        return info.State != MEM_FREE;
    };
    EXPECT_TRUE(mappedStill(mapped));
    form_->cboResMode.SetListIndex(0);
    EXPECT_FALSE(mappedStill(mapped)); // released before the instance was taken
    EXPECT_FALSE(form_->LibraryLoaded());

    form_->cboResMode.SetListIndex(1);
    mapped = form_->ResourceModule();
    EXPECT_TRUE(mappedStill(mapped));
    SendMessageA(form_->cmdClose.hWnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(tk::IsFormLoaded(*form_));
    EXPECT_FALSE(mappedStill(mapped));
    EXPECT_EQ(form_->ResourceModule(), nullptr);
    Choose(main_->mnuShowResources); // opens again and maps anew
    EXPECT_TRUE(form_->LibraryLoaded());
    EXPECT_NE(form_->ResourceModule(), nullptr);
}

TEST(ModuleAccess, MapsTheSystemFolderFileTheBitnessItNames) {
    // Under WoW64, a 32-bit program asking for the system folder would get the 32-bit folder's
    // file; the mapping must be of the 64-bit file the path names.
    char system[MAX_PATH] = {};
    GetWindowsDirectoryA(system, sizeof system);
    const std::string notepad = std::string(system) + "\\system32\\notepad.exe";
    HMODULE module = vantry::MapAsData(notepad);
    ASSERT_NE(module, nullptr);
    const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<std::uintptr_t>(module) &
                                                     ~static_cast<std::uintptr_t>(3));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
    BOOL wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow64);
    if (wow64) {
        EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
    }
    FreeLibrary(module);
    EXPECT_EQ(vantry::MapAsData(""), nullptr);
}

TEST_F(ResourcesTest, TheOtherProcessorsExecutableIsListedInBothModes) {
    const testwin::OtherProcessorFixture other;
    if (!other.WhyNot().empty()) {
        GTEST_SKIP() << other.WhyNot();
    }
    HWND window = other.Window();
    ASSERT_NE(window, nullptr);
    Show(window, 1); // "Executable File": the other processor's image mapped as data
    EXPECT_TRUE(form_->LibraryLoaded());
    EXPECT_EQ(Node("n2|102").text, "102");
    EXPECT_EQ(Node("n6|2").text, "2");
    EXPECT_EQ(Node("nMYTYPE|DATA").text, "DATA");
    Click("n2|101");
    EXPECT_EQ(form_->picPreview.PixelWidth(), 100);
    EXPECT_EQ(form_->picPreview.Point(10, 10), kRed);

    Show(window, 0); // "Application Instance": another process's module is never read
    EXPECT_FALSE(form_->LibraryLoaded());
    EXPECT_EQ(form_->ResourceModule(), nullptr);
    EXPECT_EQ(TreeView_GetCount(form_->tvRes.hWnd()), 0u);
}

TEST_F(ResourcesTest, RealModulesAreListedWithoutFault) {
    // Wine's own notepad from the system folder, of this build's processor.
    char system[MAX_PATH] = {};
    GetWindowsDirectoryA(system, sizeof system);
    HMODULE notepad = vantry::MapAsData(std::string(system) + "\\system32\\notepad.exe");
    ASSERT_NE(notepad, nullptr);
    int types = 0;
    EnumResourceTypesA(notepad, CountType, reinterpret_cast<LONG_PTR>(&types));
    EXPECT_GT(types, 2);
    FreeLibrary(notepad);
}

TEST_F(ResourcesTest, TheLayoutFollowsTheFormAndCentresPreviewsInThePane) {
    testwin::Process fixture(Fixture("resource_fixture.exe"));
    HWND window = fixture.WaitForWindow();
    ASSERT_NE(window, nullptr);
    Show(window);
    auto resizeClient = [this](int widthTwips, int heightTwips) {
        RECT frame{0, 0, tk::ToPixels(widthTwips), tk::ToPixels(heightTwips)};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(form_->hWnd(), GWL_STYLE)),
                           FALSE, static_cast<DWORD>(GetWindowLongA(form_->hWnd(), GWL_EXSTYLE)));
        SetWindowPos(form_->hWnd(), nullptr, 0, 0, frame.right - frame.left,
                     frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
    };
    const int pixel = tk::ToTwips(1);
    auto within = [pixel](int actual, int expected) {
        return std::abs(actual - expected) <= pixel;
    };

    resizeClient(5715, 3765);
    const int paneWidth = form_->picPreviewBack.Width();
    const int buttonTop = form_->cmdClose.Top();
    EXPECT_TRUE(within(paneWidth, 3375)) << paneWidth;
    EXPECT_TRUE(within(form_->cmdRefresh.Left(), 4500)) << form_->cmdRefresh.Left();
    EXPECT_TRUE(within(buttonTop, 3360)) << buttonTop;

    resizeClient(5715 + 1500, 3765 + 600);
    EXPECT_TRUE(within(form_->picPreviewBack.Width(), paneWidth + 1500));
    // The pane's surface grew with it: no stale pixels in the new area.
    RECT paneClient{};
    GetClientRect(form_->picPreviewBack.hWnd(), &paneClient);
    EXPECT_EQ(form_->picPreviewBack.PixelWidth(), paneClient.right);
    EXPECT_EQ(form_->picPreviewBack.PixelHeight(), paneClient.bottom);
    EXPECT_EQ(form_->picPreviewBack.Point(paneClient.right - 2, paneClient.bottom - 2),
              GetSysColor(COLOR_APPWORKSPACE));
    EXPECT_TRUE(within(form_->txtResName.Width(), 1935 + 1500));
    EXPECT_TRUE(within(form_->tvRes.Width(), 2115));
    EXPECT_TRUE(within(form_->cmdClose.Top(), buttonTop + 600));
    EXPECT_TRUE(within(form_->tvRes.Height(), form_->picPreviewBack.Height()));
    EXPECT_TRUE(within(form_->cmdRefresh.Left() + form_->cmdRefresh.Width(),
                       form_->picPreviewBack.Left() + form_->picPreviewBack.Width()));
    EXPECT_TRUE(within(form_->cmdRefresh.Left() - form_->cmdClose.Left() - form_->cmdClose.Width(),
                       7 * pixel));

    const int widthBefore = form_->picPreviewBack.Width();
    resizeClient(1500, 3765 + 600); // the pane's width would be negative: it keeps its width
    EXPECT_EQ(form_->picPreviewBack.Width(), widthBefore);
    EXPECT_TRUE(within(form_->cmdClose.Top(), buttonTop + 600)); // the other steps still ran

    // A 300 x 200 bitmap in a pane of 200 x 150 pixels: centred, cut at every edge.
    resizeClient(5715, 3765);
    SetWindowPos(form_->picPreviewBack.hWnd(), nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
    Click("n2|102");
    RECT picture{};
    GetWindowRect(form_->picPreview.hWnd(), &picture);
    MapWindowPoints(nullptr, form_->picPreviewBack.hWnd(), reinterpret_cast<POINT*>(&picture), 2);
    RECT pane{};
    GetClientRect(form_->picPreviewBack.hWnd(), &pane);
    EXPECT_EQ(picture.left, (pane.right - 300) / 2);
    EXPECT_EQ(picture.top, (pane.bottom - 200) / 2);
    EXPECT_LT(picture.left, 0);
}
