// Controls that hold lists: tab strip, combo box (drop-down list) and list box.
#pragma once

#include "toolkit/control.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tk {

class TabStrip : public Control {
  public:
    using Control::Control;
    // Before the form loads: one more tab, after the others.
    void AddTab(std::string caption) { captions_.push_back(std::move(caption)); }
    void Create(Form& parent) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

    // 0-based; setting it from code raises no Click.
    int SelectedIndex() const;
    void SetSelectedIndex(int index);

    std::function<void()> Click;

  private:
    std::vector<std::string> captions_;
};

class ComboBox : public Control {
  public:
    using Control::Control;
    void Create(Form& parent) override;
    void OnCommand(WORD id, WORD code) override;

    void AddItem(const std::string& text, std::int32_t data = 0);
    void Clear();
    int Count() const;
    std::string Item(int index) const;
    std::int32_t ItemData(int index) const;
    // -1 for none. Setting it from code raises Click, as the user's choice does.
    int ListIndex() const;
    void SetListIndex(int index);

    std::function<void()> Click;
};

struct ListBoxDesign {
    TwipsRect place{};
    bool sorted = false;
};

class ListBox : public Control {
  public:
    explicit ListBox(ListBoxDesign design) : Control(design.place), sorted_(design.sorted) {}
    void Create(Form& parent) override;

    void AddItem(const std::string& text);
    void Clear();
    int Count() const;
    std::string Item(int index) const;

  private:
    bool sorted_;
};

} // namespace tk
