// A list view in report mode: rows of texts under column headers, one row selected at a time;
// or, virtual, rows the owner gives their texts as they come into view, any number selected.
#pragma once

#include "toolkit/control.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tk {

class ListView : public Control {
  public:
    struct Column {
        std::string caption;
        int width = 0; // pixels at 96 DPI; the last column takes what is left
    };
    enum class Rows : std::uint8_t { Held, Virtual };
    ListView(TwipsRect place, std::vector<Column> columns, Rows rows = Rows::Held)
        : Control(place), columns_(std::move(columns)), rows_(rows) {}
    void Create(Form& parent) override;

    // Virtual rows: how many there are now, keeping the selection and the scroll place, or
    // scrolled to the last row; drawn afresh in the next paint (the control would draw as it
    // scrolls).
    void SetVirtualRows(int count, bool showLast = false);
    // Virtual rows: a cell's text, asked as the row is drawn.
    std::function<std::string(int row, int column)> CellText;
    std::vector<int> SelectedRows() const;
    // Whether the last row shows in full.
    bool LastRowVisible() const;
    // A right click or the menu key, at a screen point.
    std::function<void(POINT screen)> ContextMenu;

    // Replaces every row; each gives one text per column.
    void SetRows(const std::vector<std::vector<std::string>>& rows);
    int Count() const;
    std::string Text(int row, int column) const;
    // -1 for none.
    int SelectedIndex() const;
    void SetSelectedIndex(int row);

    // A key pressed with Ctrl held; return true when it was handled.
    std::function<bool(WORD key)> CtrlKey;

  private:
    bool SubclassMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    POINT MenuPoint(LPARAM lParam) const;
    void FitLastColumn();

    std::vector<Column> columns_;
    Rows rows_;
};

} // namespace tk
