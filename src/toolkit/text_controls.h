// Controls the user types into or ticks: text box, check box, and the frame around a group.
#pragma once

#include "core/handles.h"
#include "toolkit/control.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tk {

struct TextBoxDesign {
    TwipsRect place{};
    int maxLength = 0; // 0: no limit
    bool locked = false;
    std::optional<std::uint32_t> backColor{}; // none: the system's
    bool multiLine = false;                   // with a vertical scroll bar
};

class TextBox : public Control {
  public:
    explicit TextBox(TextBoxDesign design);
    void Create(Form& parent) override;
    void OnCommand(WORD id, WORD code) override;
    HBRUSH OnColor(HDC dc) override;

    std::string Text() const;
    void SetText(const std::string& text);
    void SetSelection(int start, int length);
    void SetForeColor(std::uint32_t color);
    void SetUnderline(bool underline);
    bool Underline() const { return underline_; }
    // The pointer over the box; nullptr for the usual one. The caller keeps it alive.
    void SetMouseIcon(HCURSOR cursor) { mouseIcon_ = cursor; }
    HCURSOR MouseIcon() const { return mouseIcon_; }

    // The grey text an empty box shows.
    void SetCueText(const std::string& text);

    std::function<void()> Click;
    // The text changed, by the user or by code.
    std::function<void()> Change;

    // Gets each typed UTF-16 unit first (a character beyond the basic plane comes as two):
    // return it (changed or not) to let it in, or nullopt.
    std::function<std::optional<wchar_t>(wchar_t)> KeyPress;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;

  protected:
    bool SubclassMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    bool HasSelection() const;

  private:
    int maxLength_;
    bool locked_;
    bool multiLine_;
    std::optional<std::uint32_t> backColor_;
    std::optional<std::uint32_t> foreColor_;
    mAPI::Brush brush_;
    bool underline_ = false;
    mAPI::Font underlined_;
    HCURSOR mouseIcon_ = nullptr;
};

class CheckBox : public Control {
  public:
    CheckBox(TwipsRect design, std::string caption)
        : Control(design), caption_(std::move(caption)) {}
    void Create(Form& parent) override;
    void OnCommand(WORD id, WORD code) override;

    const std::string& Caption() const { return caption_; }
    int Value() const; // 0 unticked, 1 ticked
    // Raises Click once when the value changes.
    void SetValue(int value);

    std::function<void()> Click;

  private:
    std::string caption_;
};

// A container for other controls (SetContainer), drawn with an etched border or none. What its
// controls report goes on to the form.
struct FrameDesign {
    TwipsRect place{};
    bool border = true;
};

class Frame : public Control {
  public:
    explicit Frame(FrameDesign design) : Control(design.place), border_(design.border) {}
    void Create(Form& parent) override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool border_;
};

} // namespace tk
