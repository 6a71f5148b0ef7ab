#include "tree/about_form.h"

#include "core/version.h"
#include "tree/program_icon_resource.h"

#include <cmath>

namespace vantry {

About::About()
    : tk::Form({"About " VANTRY_TITLE, 4815, 2580, tk::BorderStyle::FixedDialog}),
      Label1({1380, 180, 1425, 525}, VANTRY_TITLE),
      Label2({1380, 840, 930, 195}, "Version " VANTRY_VERSION_TEXT),
      linLine(1320, 1140, 4680, 1140, tk::SystemColor(COLOR_BTNSHADOW)),
      Label3({1380, 1260, 3120, 195},
             tk::ProgramText("\xC2\xA9 2026 The " VANTRY_TITLE " project")),
      Label6({1395, 1560, 1890, 195}, VANTRY_TITLE " contributors"),
      Command1({.place = {1800, 2040, 1455, 375}, .caption = "OK", .isDefault = true}) {
    Label1.SetFont({.face = "Tahoma", .points = 21.75});
    Label2.SetFont({.face = "Tahoma", .points = 8.25, .bold = true});
    Command1.SetFont({.face = "Arial", .points = 8.25});
    for (tk::Control* control : std::initializer_list<tk::Control*>{
             &imgIcon, &Label1, &Label2, &linLine, &Label3, &Label6, &Command1}) {
        AddControl(*control);
    }
    Command1.Click = [this] { Command1_Click(); };
}

void About::Form_Load() {
    icon_ = LoadProgramIcon(GetSystemMetrics(SM_CXICON));
    imgIcon.SetIcon(icon_.get());
    const int screenWidth = tk::ToTwips(GetSystemMetrics(SM_CXSCREEN));
    const int screenHeight = tk::ToTwips(GetSystemMetrics(SM_CYSCREEN));
    Move(static_cast<int>(std::lround((screenWidth - Width()) / 2.0)),
         static_cast<int>(std::lround((screenHeight - Height()) / 2.0)));
}

void About::Command1_Click() {
    Unload();
}

} // namespace vantry
