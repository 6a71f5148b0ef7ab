#include "search/find_window_form.h"

#include "core/mapi.h"
#include "core/mapi_win.h"
#include "core/version.h"
#include "model/window_text.h"
#include "search/finder_cursor.h"
#include "search/handle_text.h"
#include "toolkit/loaded_forms.h"
#include "toolkit/memory_surface.h"

namespace vantry {

namespace {

constexpr std::uint32_t kBoxGrey = 0xC0C0C0; // RGB 192, 192, 192 (the same in BGR)
constexpr std::uint32_t kButtonFace = tk::SystemColor(COLOR_BTNFACE);

void SelectAllText(tk::TextBox& box) {
    box.SetSelection(0, static_cast<int>(box.Text().size()));
}

} // namespace

frmFindWindow::frmFindWindow(WindowTreeHost& host)
    : tk::Form({"Window search", 4710, 3375, tk::BorderStyle::FixedDialog}),
      cmdOK({.place = {3420, 120, 1155, 345}, .caption = "&OK", .isDefault = true}),
      cmdCancel({.place = {3420, 540, 1155, 345}, .caption = "&Cancel"}),
      fraFinderBack({.place = {240, 600, 2880, 1425}}),
      picFindBack({.place = {225, 315, 765, 585}, .backColor = kButtonFace}),
      picFind({.place = {105, 30, 480, 480}, .backColor = kButtonFace}),
      Label1({240, 120, 2835, 420},
             "Drag crosshairs to the desired window to return information for it."),
      chkHideApp({225, 1050, 1875, 195}, "Hide " VANTRY_TITLE),
      Label2({240, 2220, 1170, 195}, "Window &Handle:"),
      txtHandle(
          {.place = {1500, 2175, 1635, 315}, .maxLength = kHandleBoxLength, .backColor = kBoxGrey}),
      Label4({360, 2610, 1005, 195}, "Window &Text:"),
      txtWinText({.place = {1500, 2565, 1635, 315}, .locked = true, .backColor = kBoxGrey}),
      Label3({480, 2985, 870, 195}, "&Class name:"),
      txtClassName({.place = {1500, 2940, 1635, 315}, .locked = true, .backColor = kBoxGrey}),
      host_(host) {
    picFindBack.SetContainer(fraFinderBack);
    picFind.SetContainer(picFindBack);
    chkHideApp.SetContainer(fraFinderBack);
    // Creation order is the tab order.
    for (tk::Control* control : std::initializer_list<tk::Control*>{
             &cmdOK, &cmdCancel, &fraFinderBack, &picFindBack, &picFind, &Label1, &chkHideApp,
             &Label2, &txtHandle, &Label4, &txtWinText, &Label3, &txtClassName}) {
        AddControl(*control);
    }
    // Enter and Escape both act as OK.
    SetDialogButtons(cmdOK, cmdOK);

    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    chkHideApp.Click = [this] { chkHideApp_Click(); };
    txtHandle.KeyPress = [this](wchar_t key) -> std::optional<wchar_t> {
        // A handle's text is ASCII: no other character is a digit, "h" or Backspace.
        const auto kept =
            key < 0x80 ? FilterHandleKey(static_cast<char>(key), txtHandle.Text()) : std::nullopt;
        return kept ? std::optional<wchar_t>(*kept) : std::nullopt;
    };
    txtHandle.LostFocus = [this] { txtHandle_LostFocus(); };
    for (tk::TextBox* box : {&txtHandle, &txtWinText, &txtClassName}) {
        box->GotFocus = [box] { SelectAllText(*box); };
    }
    picFind.MouseDown = [this](int button, int, int, int) { picFind_MouseDown(button); };
    picFind.MouseMove = [this](int button, int, int, int) { picFind_MouseMove(button); };
    picFind.MouseUp = [this](int button, int, int, int) { picFind_MouseUp(button); };
}

void frmFindWindow::Form_Load() {
    host_.PlaceCentred(*this);
    highlightedWnd_ = nullptr;
    if (!finderCursor_) {
        finderCursor_ = tk::CreateMonochromeCursor(DrawFinderCursor(), kFinderHotSpotX,
                                                   kFinderHotSpotY, pictures::kTransparent);
    }
    DrawFinderPicture();
}

void frmFindWindow::DrawFinderPicture() {
    picFind.Cls();
    DrawIconEx(picFind.hdc(), 0, 0, finderCursor_.get(), kFinderCursorSize, kFinderCursorSize, 0,
               nullptr, DI_NORMAL);
    picFind.Refresh();
}

bool frmFindWindow::Form_QueryUnload() {
    // A frame must not stay on the screen, nor the finder's pointer, if the dialog closes
    // during a drag (Escape acts as OK).
    ClearHighlight();
    tk::SetAppPointer(tk::MousePointer::Default);
    chkHideApp.SetValue(0);
    chkHideApp_Click();
    return false;
}

void frmFindWindow::cmdOK_Click() {
    tk::SetAppPointer(tk::MousePointer::Default);
    // Read the same handle that leaving the box would give, also when Enter is pressed with the
    // focus still in it.
    if (!txtHandle.Text().empty()) {
        txtHandle.SetText(NormalizeHandleText(txtHandle.Text()));
    }
    const auto handle = TryHandleFromText(txtHandle.Text());
    if (!handle) {
        return; // not a handle: the dialog stays as it is
    }
    if (!host_.SelectWindow(*handle) && *handle != 0) {
        tk::ShowMessageBox(hWnd(), "The window " + mAPI::HexStr8(*handle) + " could not be found.",
                           VANTRY_TITLE, MB_OK | MB_ICONHAND);
    }
    Unload();
}

void frmFindWindow::cmdCancel_Click() {
    Unload();
}

void frmFindWindow::chkHideApp_Click() {
    const bool show = chkHideApp.Value() == 0;
    for (const tk::Form* form : host_.OpenForms()) {
        ShowFormWindow(form, show);
    }
}

void frmFindWindow::ShowFormWindow(const tk::Form* form, bool show) {
    SetWindowPos(form->hWnd(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void frmFindWindow::txtHandle_LostFocus() {
    txtHandle.SetText(NormalizeHandleText(txtHandle.Text()));
}

void frmFindWindow::picFind_MouseDown(int button) {
    if (button == tk::kLeftButton) {
        picFind.SetVisible(false);
    }
}

void frmFindWindow::picFind_MouseMove(int button) {
    if (button == tk::kLeftButton) {
        TrackFinder();
    }
}

void frmFindWindow::picFind_MouseUp(int button) {
    if (button == tk::kLeftButton) {
        ClearHighlight();
        picFind.SetVisible(true);
        tk::SetAppPointer(tk::MousePointer::Default);
    }
}

void frmFindWindow::TrackFinder() {
    POINT point{};
    GetCursorPos(&point);
    HWND target = WindowFromPoint(point);
    RECT own{};
    GetWindowRect(hWnd(), &own);
    if (PtInRect(&own, point)) {
        ClearHighlight();
        tk::SetAppPointer(tk::MousePointer::NoDrop);
        return;
    }
    txtHandle.SetText(mAPI::HexStr8(mAPI::HandleToInt(target)) + "h");
    txtWinText.SetText(mAPI::ReadWindowCaption(target));
    txtClassName.SetText(mAPI::ReadClassName(target));
    tk::SetAppPointer(tk::MousePointer::Custom, finderCursor_.get());
    if (highlightedWnd_ != target) {
        if (highlightedWnd_) {
            HighlightWindow(highlightedWnd_);
        }
        HighlightWindow(target);
        highlightedWnd_ = target;
    }
}

void frmFindWindow::ClearHighlight() {
    if (highlightedWnd_) {
        HighlightWindow(highlightedWnd_);
        highlightedWnd_ = nullptr;
    }
}

void frmFindWindow::HighlightWindow(HWND window) {
    RECT rect{0, 0, 0, 0};
    GetWindowRect(window, &rect);
    DrawFrameRect(rect);
}

void frmFindWindow::DrawFrameRect(RECT& rect) {
    const mAPI::WindowDC screen(nullptr);
    DrawFocusRect(screen.get(), &rect);
    InflateRect(&rect, -1, -1);
    DrawFocusRect(screen.get(), &rect);
    InflateRect(&rect, -1, -1);
    DrawFocusRect(screen.get(), &rect);
}

} // namespace vantry
