#include "toolkit/list_view.h"

#include "toolkit/app.h"

#include <commctrl.h>

#include <vector>

namespace tk {

void ListView::Create(Form& parent) {
    const DWORD rows = rows_ == Rows::Virtual ? LVS_OWNERDATA : LVS_SINGLESEL;
    CreateChild(parent, WC_LISTVIEWA,
                WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | rows,
                WS_EX_CLIENTEDGE);
    SubclassWindow();
    ListView_SetExtendedListViewStyle(hWnd(), LVS_EX_FULLROWSELECT);
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(columns_[i].caption.c_str());
        column.cx = ScaledPixels(columns_[i].width);
        SendMessageA(hWnd(), LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    FitLastColumn();
}

void ListView::SetRows(const std::vector<std::vector<std::string>>& rows) {
    SendMessageA(hWnd(), WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(hWnd());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < rows[row].size() && column < columns_.size();
             ++column) {
            LVITEMA item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(row);
            item.iSubItem = static_cast<int>(column);
            item.pszText = const_cast<char*>(rows[row][column].c_str());
            SendMessageA(hWnd(), column == 0 ? LVM_INSERTITEMA : LVM_SETITEMA, 0,
                         reinterpret_cast<LPARAM>(&item));
        }
    }
    SendMessageA(hWnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hWnd(), nullptr, TRUE);
}

int ListView::Count() const {
    return ListView_GetItemCount(hWnd());
}

std::string ListView::Text(int row, int column) const {
    // The control answers with as much as the buffer holds: a text that fills it is read
    // again into a larger one.
    std::string text(256, '\0');
    for (;;) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        const auto length = static_cast<std::size_t>(SendMessageA(
            hWnd(), LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < text.size()) {
            text.resize(length);
            return text;
        }
        text.assign(text.size() * 2, '\0');
    }
}

int ListView::SelectedIndex() const {
    return ListView_GetNextItem(hWnd(), -1, LVNI_SELECTED);
}

void ListView::SetSelectedIndex(int row) {
    ListView_SetItemState(hWnd(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (row >= 0) {
        ListView_SetItemState(hWnd(), row, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(hWnd(), row, FALSE);
    }
}

POINT ListView::MenuPoint(LPARAM lParam) const {
    RECT row{};
    const int focused = ListView_GetNextItem(hWnd(), -1, LVNI_FOCUSED);
    const bool shown = focused >= 0 && ListView_GetItemRect(hWnd(), focused, &row, LVIR_LABEL);
    return ContextMenuPoint(lParam, shown ? &row : nullptr);
}

void ListView::SetVirtualRows(int count, bool showLast) {
    SendMessageA(hWnd(), WM_SETREDRAW, FALSE, 0);
    ListView_SetItemCountEx(hWnd(), count, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    if (showLast && count > 0) {
        ListView_EnsureVisible(hWnd(), count - 1, FALSE);
    }
    SendMessageA(hWnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hWnd(), nullptr, FALSE);
}

std::vector<int> ListView::SelectedRows() const {
    std::vector<int> rows;
    for (int row = ListView_GetNextItem(hWnd(), -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(hWnd(), row, LVNI_SELECTED)) {
        rows.push_back(row);
    }
    return rows;
}

bool ListView::LastRowVisible() const {
    const int count = Count();
    return count == 0 || ListView_GetTopIndex(hWnd()) + ListView_GetCountPerPage(hWnd()) >= count;
}

bool ListView::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.code == LVN_GETDISPINFOA && CellText) {
        auto& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;
        if ((item.mask & LVIF_TEXT) && item.cchTextMax > 0) {
            const std::string text = CellText(item.iItem, item.iSubItem);
            lstrcpynA(item.pszText, text.c_str(), item.cchTextMax);
        }
        result = 0;
        return true;
    }
    return false;
}

void ListView::FitLastColumn() {
    if (!columns_.empty()) {
        ListView_SetColumnWidth(hWnd(), static_cast<int>(columns_.size() - 1),
                                LVSCW_AUTOSIZE_USEHEADER);
    }
}

bool ListView::SubclassMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_SIZE:
        result = CallOriginal(message, wParam, lParam);
        FitLastColumn();
        return true;
    case WM_KEYDOWN:
        result = 0;
        return CtrlKey && GetKeyState(VK_CONTROL) < 0 && CtrlKey(static_cast<WORD>(wParam));
    case WM_CONTEXTMENU:
        if (!ContextMenu) {
            return false;
        }
        result = 0;
        ContextMenu(MenuPoint(lParam));
        return true;
    default:
        return false;
    }
}

} // namespace tk
