#include "properties/properties_form.h"

#include "core/mapi.h"
#include "core/mapi_win.h"
#include "properties/jump_pointer.h"
#include "toolkit/image_surface.h"
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
      lblGDI({120, 2100, 1500, 195}, "GDI-Objekte:"), cboGDI({1680, 2040, 1335, 315}),
      l3dGDIBack({3120, 2040, 720, 720}, SavedLight3D(0x80000016)),
      lblWindowStyles({120, 180, 1500, 195}, "Window Styles:"),
      txtWindowStyles(Field({1680, 150, 2655, 285})), lstWinStyles({120, 480, 4215, 1050}, true),
      lblExStyles({120, 1620, 1500, 195}, "Extended Styles:"),
      txtExStyles(Field({1680, 1590, 2655, 285})), lstExStyles({120, 1920, 4215, 915}, true),
      lblRelations{{{{120, kLinkTops[0] + 45, 1500, 195}, kLinkLabels[0]},
                    {{120, kLinkTops[1] + 45, 1500, 195}, kLinkLabels[1]},
                    {{120, kLinkTops[2] + 45, 1500, 195}, kLinkLabels[2]},
                    {{120, kLinkTops[3] + 45, 1500, 195}, kLinkLabels[3]},
                    {{120, kLinkTops[4] + 45, 1500, 195}, kLinkLabels[4]}}},
      txtNextWin(Field({kLinkLeft, kLinkTops[0], kLinkWidth, 285})),
      txtPrevWin(Field({kLinkLeft, kLinkTops[1], kLinkWidth, 285})),
      txtParentWin(Field({kLinkLeft, kLinkTops[2], kLinkWidth, 285})),
      txtFirstChild(Field({kLinkLeft, kLinkTops[3], kLinkWidth, 285})),
      txtOwnerWin(Field({kLinkLeft, kLinkTops[4], kLinkWidth, 285})),
      lblClassStyles({120, 600, 1500, 195}, "Class Styles:"),
      txtClassStyles(Field({1680, 570, 1215, 285})), cboClassStyles({2955, 570, 1380, 315}),
      main_(main) {
    lblInvalidWin.SetFont({.bold = true});
    AddControl(cmdClose);
    AddControl(cmdRefresh);
    AddControl(tabProperties);
    for (tk::Frame& panel : fraProperties) {
        AddControl(panel);
    }
    AddControl(fraIsNotWin);
    auto place = [this](tk::Control& control, tk::Control& container) {
        control.SetContainer(container);
        AddControl(control);
    };
    place(lblInvalidWin, fraIsNotWin);
    place(lblGDI, fraProperties[0]);
    place(cboGDI, fraProperties[0]);
    place(l3dGDIBack, fraProperties[0]);
    for (tk::Control* control :
         std::initializer_list<tk::Control*>{&lblWindowStyles, &txtWindowStyles, &lstWinStyles,
                                             &lblExStyles, &txtExStyles, &lstExStyles}) {
        place(*control, fraProperties[2]);
    }
    for (std::size_t i = 0; i < lblRelations.size(); ++i) {
        place(lblRelations[i], fraProperties[3]);
        place(*Links()[i], fraProperties[3]);
    }
    for (tk::Control* control :
         std::initializer_list<tk::Control*>{&lblClassStyles, &txtClassStyles, &cboClassStyles}) {
        place(*control, fraProperties[4]);
    }
    SetDialogButtons(cmdClose, cmdClose);

    tabProperties.Click = [this] { tabProperties_Click(); };
    cmdRefresh.Click = [this] { cmdRefresh_Click(); };
    cmdClose.Click = [this] { cmdClose_Click(); };
    cboGDI.Click = [this] { cboGDI_Click(); };
    for (tk::TextBox* link : Links()) {
        link->Click = [this, link] { Link_Click(*link); };
    }
}

std::array<tk::TextBox*, 5> frmProperties::Links() {
    return {&txtNextWin, &txtPrevWin, &txtParentWin, &txtFirstChild, &txtOwnerWin};
}

void frmProperties::Form_Load() {
    for (tk::TextBox* link : Links()) {
        link->SetForeColor(kLinkColor);
    }
    cboGDI.AddItem("Icon", GCL_HICON);
    cboGDI.AddItem("Small Icon", GCL_HICONSM);
    cboGDI.AddItem("Cursor", GCL_HCURSOR);
    cboGDI.AddItem("Background Brush", GCL_HBRBACKGROUND);
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

// Tabs whose fills come with their own units; until then they leave their panels as they are.
void frmProperties::FillGeneral(HWND) {}
void frmProperties::FillPosition(HWND) {}
void frmProperties::FillProcessInfo(HWND) {}

void frmProperties::SetLinkPointers() {
    if (!jumpPointer_) {
        jumpPointer_ = tk::CreateMonochromeCursor(DrawJumpPointer(), kJumpHotSpotX, kJumpHotSpotY,
                                                  kJumpTransparent);
    }
    for (tk::TextBox* link : Links()) {
        link->SetMouseIcon(jumpPointer_.get());
    }
}

} // namespace vantry
