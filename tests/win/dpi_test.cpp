// Every form draws itself, and the toolbar and trees draw their pictures, at the screen's scale.
// These run at 96 dots per inch with the other tests, and at 120, 144 and 192 in scale runs.
#include "core/version.h"
#include "main_fixture.h"
#include "messages/messages_form.h"
#include "model/tree_pictures.h"
#include "processes/processes_form.h"
#include "properties/properties_form.h"
#include "resources/resources_form.h"
#include "scale_run.h"
#include "search/find_window_form.h"
#include "toolkit/app.h"
#include "x_screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// What the screen shows of a window, within the screen.
struct Shot {
    std::vector<COLORREF> pixels;

    double Share(COLORREF color) const {
        if (pixels.empty()) {
            return 0;
        }
        return static_cast<double>(std::count(pixels.begin(), pixels.end(), color)) /
               static_cast<double>(pixels.size());
    }
};

bool UnderWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// Wine's own copy of the screen: what Windows shows, and under Wine not always what the user sees.
std::vector<COLORREF> SystemCopy(RECT place) {
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP canvas = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, canvas);
    HDC screenDC = GetDC(nullptr);
    BitBlt(dc, 0, 0, width, height, screenDC, place.left, place.top, SRCCOPY);
    ReleaseDC(nullptr, screenDC);
    GdiFlush();
    std::vector<COLORREF> pixels;
    const auto* pixel = static_cast<const BYTE*>(bits);
    for (int i = 0; bits && i < width * height; ++i, pixel += 4) {
        pixels.push_back(RGB(pixel[2], pixel[1], pixel[0]));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(canvas);
    return pixels;
}

// What the screen shows of a window, within the screen: under Wine as the X server shows it.
Shot Capture(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&place, &place, &screen);
    if (!UnderWine()) {
        return {SystemCopy(place)};
    }
    const auto picture = testwin::XScreenPicture();
    EXPECT_TRUE(picture) << "the X server's screen could not be read (import)";
    return {picture ? picture->Inside(place) : std::vector<COLORREF>()};
}

// Drawn, not a black rectangle: the form's own background covers much of it.
void ExpectDrawn(HWND form, COLORREF back, const char* name) {
    SetWindowPos(form, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    UpdateWindow(form);
    testwin::Pump();
    const Shot shot = Capture(form);
    ASSERT_FALSE(shot.pixels.empty()) << name;
    EXPECT_LT(shot.Share(RGB(0, 0, 0)), 0.2) << name;
    EXPECT_GT(shot.Share(back), 0.2) << name;
}

// A picture's pixel where its art puts it: (x, y) counted on the 16-pixel art, read in the
// middle of the scaled pixel.
COLORREF ArtPixel(HIMAGELIST list, int image, int x, int y) {
    const int size = tk::ScaledPixels(16);
    return testwin::DrawnPixel(
        [list, image](HDC dc) {
            const RECT all{0, 0, 64, 64};
            FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
            ImageList_Draw(list, image, dc, 0, 0, ILD_NORMAL);
        },
        (2 * x + 1) * size / 32, (2 * y + 1) * size / 32);
}

int ImageSize(HIMAGELIST list) {
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(list, &width, &height);
    return width;
}

BOOL CALLBACK AddWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// Every text label of the form (on hidden tabs too) against its text as its own font draws
// it: a line must be as wide as its text, wrapped lines as tall as theirs, and a shown label
// may not cover a shown control beside it. Returns the labels at fault and how.
std::vector<std::string> LabelFaults(HWND form) {
    std::vector<std::string> cut;
    const auto check = [&cut](HWND label) {
        char className[16] = {};
        GetClassNameA(label, className, sizeof className);
        const auto style = static_cast<DWORD>(GetWindowLongPtrA(label, GWL_STYLE));
        const DWORD kind = style & SS_TYPEMASK;
        if (lstrcmpiA(className, "Static") != 0 || (kind != SS_LEFT && kind != SS_LEFTNOWORDWRAP)) {
            return;
        }
        wchar_t text[512] = {};
        GetWindowTextW(label, text, 512);
        RECT client{};
        GetClientRect(label, &client);
        RECT needed = client;
        HDC dc = GetDC(label);
        const HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
        const bool oneLine = kind == SS_LEFTNOWORDWRAP;
        DrawTextW(dc, text, -1, &needed,
                  DT_CALCRECT | DT_EXPANDTABS | (oneLine ? DT_SINGLELINE : DT_WORDBREAK));
        SelectObject(dc, old);
        ReleaseDC(label, dc);
        RECT mine{};
        GetWindowRect(label, &mine);
        for (HWND other = GetWindow(GetParent(label), GW_CHILD); other;
             other = GetWindow(other, GW_HWNDNEXT)) {
            RECT theirs{};
            RECT both{};
            GetWindowRect(other, &theirs);
            char otherClass[32] = {};
            GetClassNameA(other, otherClass, sizeof otherClass);
            if (other != label && IsWindowVisible(other) && IsWindowVisible(label) &&
                IntersectRect(&both, &mine, &theirs)) {
                cut.push_back(testwin::Utf8(text) + " overlaps " + otherClass);
            }
        }
        if (needed.right > client.right || (!oneLine && needed.bottom > client.bottom)) {
            cut.push_back(testwin::Utf8(text) + " lacks " +
                          std::to_string(needed.right - client.right) + " x " +
                          std::to_string(oneLine ? 0 : needed.bottom - client.bottom) + " px");
        }
    };
    std::vector<HWND> children;
    EnumChildWindows(form, AddWindow, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        check(child);
    }
    return cut;
}

class Dpi : public MainTest {
  protected:
    void SetUp() override {
        if (testwin::AskedDpi() != 0) {
            ASSERT_EQ(tk::ScreenDpi(), testwin::AskedDpi()) << "the scale run did not take";
        }
        LoadMain();
    }
    RECT PlaceOf(HWND control) const {
        RECT place{};
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, main_->hWnd(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
};

} // namespace

TEST_F(Dpi, TheMainWindowDrawsWithItsToolbarAndTreePicturesAtScale) {
    ExpectDrawn(main_->hWnd(), GetSysColor(COLOR_WINDOW), "Main");
    main_->lblFilterCount.SetCaption("12,345 of 67,890");
    EXPECT_EQ(LabelFaults(main_->hWnd()), std::vector<std::string>());

    const int size = tk::ScaledPixels(16);
    HWND toolbar = main_->tbrCommands.hWnd();
    auto pictures = reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0));
    EXPECT_EQ(ImageSize(pictures), size);
    // The Properties picture's bottom-right outline pixel: outside a 16-pixel picture at scale.
    EXPECT_EQ(ArtPixel(pictures, 2, 12, 13), RGB(0, 0, 0));
    EXPECT_EQ(ArtPixel(pictures, 2, 14, 13), RGB(0x80, 0x80, 0x80)); // transparent
    const auto buttonHeight = HIWORD(SendMessageA(toolbar, TB_GETBUTTONSIZE, 0, 0));
    EXPECT_GE(buttonHeight, size);
    // The band holds its buttons: it is no taller than they are, with a margin at scale.
    EXPECT_LE(PlaceOf(Tree()).top - PlaceOf(toolbar).top, buttonHeight + tk::ScaledPixels(12));

    auto nodes = reinterpret_cast<HIMAGELIST>(SendMessageA(Tree(), TVM_GETIMAGELIST, 0, 0));
    EXPECT_EQ(ImageSize(nodes), size);
}

namespace {

HWND g_about = nullptr;
Shot g_aboutShot;
std::vector<std::string> g_aboutLabelFaults;

void CALLBACK CaptureAbout(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND about = FindWindowA("Vantry.Form", "About " VANTRY_TITLE);
    if (!about) {
        return;
    }
    KillTimer(nullptr, timer);
    UpdateWindow(about);
    testwin::Pump();
    g_about = about;
    g_aboutShot = Capture(about);
    g_aboutLabelFaults = LabelFaults(about);
    PostMessageA(about, WM_CLOSE, 0, 0);
}

} // namespace

TEST_F(Dpi, TheAboutBoxDraws) {
    SetTimer(nullptr, 0, 20, CaptureAbout);
    Choose(main_->mnuAbout); // returns when the box is gone
    ASSERT_NE(g_about, nullptr);
    EXPECT_LT(g_aboutShot.Share(RGB(0, 0, 0)), 0.2);
    EXPECT_GT(g_aboutShot.Share(GetSysColor(COLOR_BTNFACE)), 0.2);
    EXPECT_EQ(g_aboutLabelFaults, std::vector<std::string>());
}

TEST_F(Dpi, ThePropertiesResourceAndSearchFormsDraw) {
    vantry::frmProperties properties(*main_);
    vantry::frmResources resources(*main_);
    vantry::frmFindWindow search(*main_);
    main_->SetForms({&properties, &resources, &search});
    main_->SelectWindow(mAPI::HandleToInt(main_->hWnd()));

    Choose(main_->mnuWindowProps);
    ExpectDrawn(properties.hWnd(), GetSysColor(COLOR_BTNFACE), "properties");
    EXPECT_EQ(LabelFaults(properties.hWnd()), std::vector<std::string>());
    properties.Unload();

    Choose(main_->mnuShowResources);
    ExpectDrawn(resources.hWnd(), GetSysColor(COLOR_BTNFACE), "resources");
    EXPECT_EQ(LabelFaults(resources.hWnd()), std::vector<std::string>());
    const HIMAGELIST pictures = resources.imlTree.Handle();
    EXPECT_EQ(ImageSize(pictures), tk::ScaledPixels(vantry::kTreePictureWidth));
    // The bitmap picture's frame at its right edge, and the sky inside it.
    EXPECT_EQ(ArtPixel(pictures, 0, 14, 5), RGB(0, 0, 0));
    EXPECT_EQ(ArtPixel(pictures, 0, 3, 5), RGB(0, 0xFF, 0xFF));
    resources.Unload();

    search.Show();
    ExpectDrawn(search.hWnd(), GetSysColor(COLOR_BTNFACE), "search");
    EXPECT_EQ(LabelFaults(search.hWnd()), std::vector<std::string>());
    search.Unload();
}

TEST_F(Dpi, TheProcessesViewDraws) {
    vantry::frmProcesses processes(*main_);
    main_->SetForms({nullptr, nullptr, nullptr, &processes});
    Choose(main_->mnuProcesses);
    ExpectDrawn(processes.hWnd(), GetSysColor(COLOR_WINDOW), "processes");
    EXPECT_EQ(LabelFaults(processes.hWnd()), std::vector<std::string>());
    EXPECT_EQ(ImageSize(processes.imlNodes.Handle()), tk::ScaledPixels(16));
    EXPECT_GT(processes.tvProcesses.Count(), 0u);
}

TEST_F(Dpi, TheMessagesFormDraws) {
    vantry::frmMessages messages(*main_);
    main_->SetForms({nullptr, nullptr, nullptr, nullptr, &messages});
    HWND logged = windows_.TopLevel("logged at scale", {40, 40, 300, 200});
    Choose(main_->mnuUpdate);
    ASSERT_TRUE(main_->SelectWindow(mAPI::HandleToInt(logged)));
    Choose(main_->mnuMessages);
    for (int i = 0; i < 10 && messages.Log().ShownCount() == 0; ++i) {
        testwin::Pump();
        Sleep(50);
    }
    ExpectDrawn(messages.hWnd(), GetSysColor(COLOR_WINDOW), "messages");
    EXPECT_EQ(LabelFaults(messages.hWnd()), std::vector<std::string>());
    messages.Unload();
}
