// Controls that only show something: a text label, a line and an icon image.
#pragma once

#include "toolkit/control.h"

#include <cstdint>
#include <string>

namespace tk {

class Label : public Control {
  public:
    Label(TwipsRect design, std::string caption) : Control(design), caption_(std::move(caption)) {}
    void Create(Form& parent) override;
    std::string Caption() const;
    void SetCaption(const std::string& caption);

  private:
    void FitText();

    std::string caption_;
    bool oneLine_ = true;
};

// A one-pixel line between two design points (horizontal or vertical).
class Line : public Control {
  public:
    Line(int x1, int y1, int x2, int y2, std::uint32_t color);
    void Create(Form& parent) override;
    std::uint32_t Color() const { return color_; }
    void SetColor(std::uint32_t color);

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::uint32_t color_;
};

// Shows an icon at its own size; the caller keeps the icon alive.
class ImageBox : public Control {
  public:
    using Control::Control;
    void Create(Form& parent) override;
    void SetIcon(HICON icon);
};

} // namespace tk
