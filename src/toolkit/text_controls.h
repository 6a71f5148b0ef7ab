// Controls the user types into or ticks: text box, check box, and the frame around a group.
#pragma once

#include "core/handles.h"
#include "toolkit/control.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tk {

class TextBox : public Control {
  public:
    TextBox(TwipsRect design, int maxLength, bool locked, std::optional<std::uint32_t> backColor);
    void Create(Form& parent) override;
    void OnCommand(WORD id, WORD code) override;
    HBRUSH OnColor(HDC dc) override;

    std::string Text() const;
    void SetText(const std::string& text);
    void SetSelection(int start, int length);

    // Gets each typed character first: return it (changed or not) to let it in, or nullopt.
    std::function<std::optional<char>(char)> KeyPress;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;

  private:
    static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
    int maxLength_;
    bool locked_;
    std::optional<std::uint32_t> backColor_;
    mAPI::Brush brush_;
};

class CheckBox : public Control {
  public:
    CheckBox(TwipsRect design, std::string caption)
        : Control(design), caption_(std::move(caption)) {}
    void Create(Form& parent) override;
    void OnCommand(WORD id, WORD code) override;

    int Value() const; // 0 unticked, 1 ticked
    // Raises Click once when the value changes.
    void SetValue(int value);

    std::function<void()> Click;

  private:
    std::string caption_;
};

class Frame : public Control {
  public:
    using Control::Control;
    void Create(Form& parent) override;

  private:
    static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR data);
};

} // namespace tk
