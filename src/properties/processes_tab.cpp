// The "Processes" tab: the creating thread, the owning process and its executable.
#include "properties/properties_form.h"

#include "core/mapi.h"
#include "core/process_lookup.h"

namespace vantry {

void frmProperties::FillProcessInfo(HWND window) {
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(window, &processId);
    txtThreadID.SetText(mAPI::HexStr8(static_cast<std::int32_t>(threadId)));
    txtProcessID.SetText(mAPI::HexStr8(static_cast<std::int32_t>(processId)));
    DrawPathText(picExePath, mAPI::GetExePath(processId));
}

void frmProperties::DrawPathText(tk::PictureBox& box, const std::string& text) {
    RECT area{};
    GetClientRect(box.hWnd(), &area);
    box.Cls();
    // Shortened in the middle when too wide, so that the file name stays in view.
    const mAPI::SelectGuard font(box.hdc(), box.BaseFont());
    SetBkMode(box.hdc(), TRANSPARENT);
    DrawTextA(box.hdc(), text.c_str(), static_cast<int>(text.size()), &area, DT_PATH_ELLIPSIS);
    box.Refresh();
    box.SetToolTipText(text);
}

} // namespace vantry
