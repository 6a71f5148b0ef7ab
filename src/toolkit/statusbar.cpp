#include "toolkit/statusbar.h"

#include <commctrl.h>

namespace tk {

void StatusBar::Create(Form& parent) {
    HWND window = CreateChild(parent, STATUSCLASSNAMEA, WS_VISIBLE | SBARS_SIZEGRIP);
    SendMessageA(window, SB_SIMPLE, TRUE, 0);
}

void StatusBar::OnParentResized() {
    // The bar places itself along the parent's bottom edge when told of the new size.
    SendMessageA(hWnd(), WM_SIZE, 0, 0);
}

void StatusBar::SetSimpleText(const std::string& text) {
    SendMessageA(hWnd(), SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

} // namespace tk
