// The About box: name, version, maker and author, with the program icon.
#pragma once

#include "core/handles.h"
#include "toolkit/button.h"
#include "toolkit/form.h"
#include "toolkit/static_controls.h"

namespace vantry {

class About : public tk::Form {
  public:
    About();

    tk::ImageBox imgIcon{{120, 120, 960, 960}};
    tk::Label Label1;
    tk::Label Label2;
    tk::Line linLine;
    tk::Label Label3;
    tk::Label Label6;
    tk::CommandButton Command1;

  private:
    void Form_Load() override;
    void Command1_Click();

    mAPI::Icon icon_;
};

} // namespace vantry
