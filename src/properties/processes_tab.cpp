#include "properties/processes_tab.h"

#include "core/mapi.h"
#include "core/process_lookup.h"
#include "toolkit/app.h"

namespace vantry {

namespace {

// Shortened in the middle when too wide, so that the file name stays in view.
void DrawPathText(tk::PictureBox& box, const std::string& text) {
    RECT area{};
    GetClientRect(box.hWnd(), &area);
    box.Cls();
    const mAPI::SelectGuard font(box.hdc(), box.BaseFont());
    SetBkMode(box.hdc(), TRANSPARENT);
    DrawTextA(box.hdc(), text.c_str(), static_cast<int>(text.size()), &area, DT_PATH_ELLIPSIS);
    box.Refresh();
    box.SetToolTipText(text);
}

} // namespace

// Labels at 180, fields at 1560 and 2775 wide.
ProcessesTab::ProcessesTab()
    : PropertiesTab("Processes"), txtProcessID(Field({1560, 180, 2775, 285})),
      txtThreadID(Field({1560, 540, 2775, 285})),
      picExePath({.place = {1560, 930, 2775, 225}, .backColor = tk::SystemColor(COLOR_BTNFACE)}) {
    AddLabel("Process ID:", 180, 225);
    AddLabel("Thread ID:", 180, 585);
    AddLabel("Executable Path:", 180, 945);
    Place({&txtProcessID, &txtThreadID, &picExePath});
}

std::vector<PropertiesTab::ReportLine> ProcessesTab::Report() const {
    return Labelled({txtProcessID.Text(), txtThreadID.Text(), picExePath.ToolTipText()});
}

void ProcessesTab::Fill(HWND window) {
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(window, &processId);
    txtThreadID.SetText(mAPI::HexStr8(static_cast<std::int32_t>(threadId)));
    txtProcessID.SetText(mAPI::HexStr8(static_cast<std::int32_t>(processId)));
    DrawPathText(picExePath, mAPI::GetExePath(processId));
}

} // namespace vantry
