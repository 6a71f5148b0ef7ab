#include "properties/properties_form.h"

#include "core/mapi.h"
#include "core/mapi_win.h"
#include "properties/jump_pointer.h"
#include "properties/monitor_picture.h"
#include "toolkit/memory_surface.h"
#include "tree/main_form.h"

namespace vantry {

namespace {

constexpr tk::TwipsRect kPanel{180, 480, 4455, 2955};
constexpr std::uint32_t kFieldBack = 0x8000000F; // button face
constexpr std::uint32_t kLinkColor = 0x00008000; // dark green
constexpr int kLinkLeft = 1680;
constexpr int kLinkWidth = 2655;
constexpr std::array<int, 5> kLinkTops{180, 480, 840, 1140, 1500};
constexpr std::array<const char*, 5> kLinkLabels{
    "Next Window:", "Previous Window:", "Parent Window:", "First Child:", "Owner Window:"};

// The Light3D frames keep their own font; the two coloured ones were saved with 3-D light.
tk::PropertyBag SavedLight3D(std::optional<std::uint32_t> backColor) {
    tk::PropertyBag bag;
    bag.Write<tk::FontDesc>("Font", {.face = "MS Sans Serif", .points = 8.25}, tk::FontDesc{});
    if (backColor) {
        bag.Write<std::uint32_t>("BackColor", *backColor, Light3DProperties{}.backColor);
    }
    return bag;
}

tk::TextBox Field(tk::TwipsRect design) {
    return tk::TextBox(design, 0, true, kFieldBack);
}

} // namespace

frmProperties::frmProperties(Main& main)
    : CurrentWindowForm({"Window properties", 5010, 3960, tk::BorderStyle::FixedDialog}),
      tabProperties({120, 120, 4815, 3375},
                    {"General", "Position", "Style-bits", "Window", "Classes", "Processes"}),
      fraProperties{{{kPanel, false},
                     {kPanel, false},
                     {kPanel, false},
                     {kPanel, false},
                     {kPanel, false},
                     {kPanel, false}}},
      fraIsNotWin(kPanel, false), lblInvalidWin({240, 960, 3975, 255}, ""),
      cmdClose({2400, 3540, 1155, 345}, "&OK", true),
      cmdRefresh({3720, 3540, 1155, 345}, "&Update"),
      // "General": labels at 180, fields at 1560 and 2775 wide
      l3dWinTextBack({1560, 120, 2775, 345}, SavedLight3D(std::nullopt)),
      txtWinText(Field({30, 30, 2715, 285})), txthWin(Field({1560, 540, 2775, 285})),
      txtWindowProc(Field({1560, 870, 2775, 285})), txthInstance(Field({1560, 1200, 2775, 285})),
      txtWndID(Field({1560, 1530, 2775, 285})), txtUserData(Field({1560, 1860, 2775, 285})),
      cboGDI({1560, 2190, 1455, 315}), txtGDIHandle(Field({1560, 2565, 1455, 285})),
      l3dGDIBack({3240, 2190, 600, 600}, SavedLight3D(0x80000016)),
      picDraw({30, 30, 540, 540}, 0x80000016),
      // "Position"
      txtWinRect(Field({1380, 180, 2955, 285})), txtClientRect(Field({1380, 540, 2955, 285})),
      txtCurState(Field({1380, 900, 2955, 285})), chkVisible({420, 1290, 1500, 255}, "Visible"),
      chkEnabled({420, 1590, 1500, 255}, "Enabled"), chkUnicode({420, 1890, 1500, 255}, "Unicode"),
      l3dWinPrevBack({2550, 1470, 1785, 1365}, SavedLight3D(0x80000016)),
      imgMontr({180, 120, 1425, 1125}, 0x80000016),
      // Over the monitor's screen: (300, 210) in the frame, so (120, 90) in the monitor.
      picDesktop({120, 90, 1185, 900}, 0x80000001),
      // "Style-bits"
      txtWindowStyles(Field({1680, 150, 2655, 285})), lstWinStyles({120, 480, 4215, 1050}, true),
      txtExStyles(Field({1680, 1590, 2655, 285})), lstExStyles({120, 1920, 4215, 915}, true),
      // "Window"
      txtNextWin(Field({kLinkLeft, kLinkTops[0], kLinkWidth, 285})),
      txtPrevWin(Field({kLinkLeft, kLinkTops[1], kLinkWidth, 285})),
      txtParentWin(Field({kLinkLeft, kLinkTops[2], kLinkWidth, 285})),
      txtFirstChild(Field({kLinkLeft, kLinkTops[3], kLinkWidth, 285})),
      txtOwnerWin(Field({kLinkLeft, kLinkTops[4], kLinkWidth, 285})),
      // "Classes": labels at 180, fields at 1680
      l3dClassNameBack({1680, 120, 2655, 345}, SavedLight3D(std::nullopt)),
      txtClassName(Field({30, 30, 2595, 285})), txtClassStyles(Field({1680, 540, 915, 285})),
      cboClassStyles({2655, 540, 1680, 315}), txtClasshModule(Field({1680, 900, 2655, 285})),
      txtClassWinProc(Field({1680, 1230, 2655, 285})), txtAtom(Field({1680, 1560, 2655, 285})),
      txtMenuName(Field({1680, 1890, 2655, 285})), txtExMem(Field({1680, 2220, 2655, 285})),
      txtWinEx(Field({1680, 2550, 2655, 285})),
      // "Processes": labels at 180, fields at 1560 and 2775 wide
      txtProcessID(Field({1560, 180, 2775, 285})), txtThreadID(Field({1560, 540, 2775, 285})),
      picExePath({1560, 930, 2775, 225}, 0x8000000F), main_(main) {
    lblInvalidWin.SetFont({.bold = true});
    AddControl(cmdClose);
    AddControl(cmdRefresh);
    AddControl(tabProperties);
    for (tk::Frame& panel : fraProperties) {
        AddControl(panel);
    }
    AddControl(fraIsNotWin);
    auto place = [this](tk::Control& container, std::initializer_list<tk::Control*> controls) {
        for (tk::Control* control : controls) {
            control->SetContainer(container);
            AddControl(*control);
        }
    };
    place(fraIsNotWin, {&lblInvalidWin});

    const std::array<const char*, 6> general{"Window Caption:",  "Window Handle:", "Window Proc:",
                                             "Instance Handle:", "Window ID:",     "User Data:"};
    for (std::size_t i = 0; i < general.size(); ++i) {
        AddLabel(0, general[i], 180, 165 + 330 * static_cast<int>(i) + (i == 0 ? 0 : 45));
    }
    AddLabel(0, "GDI-Objekte:", 180, 2235);
    place(fraProperties[0], {&l3dWinTextBack, &txthWin, &txtWindowProc, &txthInstance, &txtWndID,
                             &txtUserData, &cboGDI, &txtGDIHandle, &l3dGDIBack});
    place(l3dWinTextBack, {&txtWinText});
    place(l3dGDIBack, {&picDraw});

    AddLabel(1, "Window Rect:", 120, 225, 1200);
    AddLabel(1, "Client Rect:", 120, 585, 1200);
    AddLabel(1, "Current State:", 120, 945, 1200);
    place(fraProperties[1], {&txtWinRect, &txtClientRect, &txtCurState, &chkVisible, &chkEnabled,
                             &chkUnicode, &l3dWinPrevBack});
    place(l3dWinPrevBack, {&imgMontr});
    place(imgMontr, {&picDesktop});

    AddLabel(2, "Window Styles:", 120, 195, 1500);
    AddLabel(2, "Extended Styles:", 120, 1635, 1500);
    place(fraProperties[2], {&txtWindowStyles, &lstWinStyles, &txtExStyles, &lstExStyles});

    for (std::size_t i = 0; i < kLinkLabels.size(); ++i) {
        AddLabel(3, kLinkLabels[i], 120, kLinkTops[i] + 45, 1500);
    }
    place(fraProperties[3],
          {&txtNextWin, &txtPrevWin, &txtParentWin, &txtFirstChild, &txtOwnerWin});

    const std::array<const char*, 8> classes{
        "Class Name:", "Class Styles:", "Module Handle:", "Window Proc:",
        "Class Atom:", "Menu Name:",    "Extra Memory:",  "Window Extra Mem:"};
    const std::array<int, 8> classTops{165, 585, 945, 1275, 1605, 1935, 2265, 2595};
    for (std::size_t i = 0; i < classes.size(); ++i) {
        AddLabel(4, classes[i], 180, classTops[i], 1470);
    }
    place(fraProperties[4], {&l3dClassNameBack, &txtClassStyles, &cboClassStyles, &txtClasshModule,
                             &txtClassWinProc, &txtAtom, &txtMenuName, &txtExMem, &txtWinEx});
    place(l3dClassNameBack, {&txtClassName});

    AddLabel(5, "Process ID:", 180, 225);
    AddLabel(5, "Thread ID:", 180, 585);
    AddLabel(5, "Executable Path:", 180, 945);
    place(fraProperties[5], {&txtProcessID, &txtThreadID, &picExePath});

    SetDialogButtons(cmdClose, cmdClose);

    tabProperties.Click = [this] { tabProperties_Click(); };
    cmdRefresh.Click = [this] { cmdRefresh_Click(); };
    cmdClose.Click = [this] { cmdClose_Click(); };
    cboGDI.Click = [this] { cboGDI_Click(); };
    for (tk::CheckBox* box : {&chkVisible, &chkEnabled, &chkUnicode}) {
        box->Click = [this] { chkState_Click(); };
    }
    for (tk::TextBox* link : Links()) {
        link->Click = [this, link] { Link_Click(*link); };
    }
}

void frmProperties::AddLabel(int panel, const char* caption, int left, int top, int width) {
    labels_.push_back(std::make_unique<tk::Label>(tk::TwipsRect{left, top, width, 195}, caption));
    labels_.back()->SetContainer(fraProperties[static_cast<std::size_t>(panel)]);
    AddControl(*labels_.back());
}

std::array<tk::TextBox*, 5> frmProperties::Links() {
    return {&txtNextWin, &txtPrevWin, &txtParentWin, &txtFirstChild, &txtOwnerWin};
}

void frmProperties::Form_Load() {
    main_.PlaceBesideSelection(*this);
    for (tk::TextBox* link : Links()) {
        link->SetForeColor(kLinkColor);
    }
    imgMontr.Cls();
    const COLORREF face = tk::ResolveColor(0x80000016);
    const pictures::Image monitor = DrawMonitorPicture(
        static_cast<pictures::Rgb>(GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face)));
    BitBlt(imgMontr.hdc(), 0, 0, kMonitorWidth, kMonitorHeight, tk::MemorySurface(monitor).hdc(), 0,
           0, SRCCOPY);
    cboGDI.AddItem("Icon", GCLP_HICON);
    cboGDI.AddItem("Small Icon", GCLP_HICONSM);
    cboGDI.AddItem("Cursor", GCLP_HCURSOR);
    cboGDI.AddItem("Background Brush", GCLP_HBRBACKGROUND);
    cboGDI.SetListIndex(0); // raises its click: the first refresh
    ShowWindow(hWnd(), SW_SHOW);
    SetLinkPointers();
}

void frmProperties::DoRefresh() {
    const std::int32_t handle = main_.GetCurhWnd();
    SetCaption("Window properties - " + mAPI::HexStr8(handle));
    HWND window = mAPI::IntToHandle<HWND>(handle);
    if (!ValidateWindow(window)) {
        return; // the hidden panels keep what the last valid refresh put there
    }
    FillGeneral(window);
    FillPosition(window);
    FillStyles(window);
    FillRelations(window);
    FillClassInfo(window);
    FillProcessInfo(window);
}

bool frmProperties::ValidateWindow(HWND window) {
    if (IsWindow(window)) {
        fraIsNotWin.SetVisible(false);
        ShowSelectedPanel();
        tabProperties.SetEnabled(true);
        return true;
    }
    tabProperties.SetEnabled(false);
    lblInvalidWin.SetCaption("Invalid window (" + mAPI::HexStr8(mAPI::HandleToInt(window)) + ")");
    for (tk::Frame& panel : fraProperties) {
        panel.SetVisible(false);
    }
    fraIsNotWin.SetVisible(true);
    fraIsNotWin.BringToFront();
    return false;
}

void frmProperties::ShowSelectedPanel() {
    const int selected = tabProperties.SelectedIndex();
    for (std::size_t i = 0; i < fraProperties.size(); ++i) {
        fraProperties[i].SetVisible(static_cast<int>(i) == selected);
    }
    if (selected >= 0 && selected < static_cast<int>(fraProperties.size())) {
        fraProperties[static_cast<std::size_t>(selected)].BringToFront();
    }
}

void frmProperties::tabProperties_Click() {
    ShowSelectedPanel();
}

void frmProperties::cmdRefresh_Click() {
    DoRefresh();
}

void frmProperties::cmdClose_Click() {
    Unload();
}

void frmProperties::cboGDI_Click() {
    DoRefresh();
}

void frmProperties::chkState_Click() {
    // The boxes only show: they snap back to the window's real state.
    FillPosition(mAPI::IntToHandle<HWND>(main_.GetCurhWnd()));
}

void frmProperties::SetLinkPointers() {
    if (!jumpPointer_) {
        jumpPointer_ = tk::CreateMonochromeCursor(DrawJumpPointer(), kJumpHotSpotX, kJumpHotSpotY,
                                                  pictures::kTransparent);
    }
    for (tk::TextBox* link : Links()) {
        link->SetMouseIcon(jumpPointer_.get());
    }
}

} // namespace vantry
