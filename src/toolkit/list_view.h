// A list view in report mode: rows of texts under column headers, one row selected at a time.
#pragma once

#include "toolkit/control.h"

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
    ListView(TwipsRect place, std::vector<Column> columns)
        : Control(place), columns_(std::move(columns)) {}
    void Create(Form& parent) override;

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
    void FitLastColumn();

    std::vector<Column> columns_;
};

} // namespace tk
