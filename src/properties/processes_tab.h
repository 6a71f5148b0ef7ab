// The "Processes" tab: the creating thread, the owning process and its executable.
#pragma once

#include "properties/properties_tab.h"
#include "toolkit/picturebox.h"

namespace vantry {

class ProcessesTab : public PropertiesTab {
  public:
    ProcessesTab();
    void Fill(HWND window) override;
    std::vector<ReportLine> Report() const override;

    tk::TextBox txtProcessID;
    tk::TextBox txtThreadID;
    tk::PictureBox picExePath;
};

} // namespace vantry
