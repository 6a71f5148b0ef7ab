// A picture box with a persistent bitmap: drawing goes to a memory DC, painting copies it.
#pragma once

#include "core/handles.h"
#include "toolkit/control.h"
#include "toolkit/memory_surface.h"
#include "toolkit/mouse.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tk {

// Button: the button pressed or released (MouseMove: all buttons held); Shift: 1 Shift,
// 2 Ctrl, 4 Alt; X, Y in pixels of the picture box.
using MouseHandler = std::function<void(int button, int shift, int x, int y)>;

struct PictureBoxDesign {
    TwipsRect place{};
    std::uint32_t backColor = 0;
    bool visible = true;
};

class PictureBox : public Control {
  public:
    explicit PictureBox(PictureBoxDesign design);
    ~PictureBox() override;
    void Create(Form& parent) override;

    HDC hdc() const { return surface_.hdc(); }
    int PixelWidth() const { return width_; }
    int PixelHeight() const { return height_; }

    // Fills the persistent bitmap with the background colour.
    void Cls();
    void PSet(int x, int y, std::uint32_t color);
    COLORREF Point(int x, int y) const;
    void Refresh();
    void SetVisible(bool visible);
    // Sizes the box so that its inner area is width x height pixels, with a new clear surface.
    void SetPixelSize(int width, int height);
    // Raised when the box changes size. The surface has followed by then: what was drawn stays,
    // and new area has the background colour.
    std::function<void()> Resize;
    // The text the pointer shows over the box; empty for none.
    void SetToolTipText(const std::string& text);
    const std::string& ToolTipText() const { return toolTipText_; }

    // A press takes the mouse capture; it stays (also while the box is hidden) until the last
    // button is released.
    MouseHandler MouseDown;
    MouseHandler MouseMove;
    MouseHandler MouseUp;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void MakeSurface();
    void FollowSize(int width, int height);
    void OnMouse(UINT message, WPARAM wParam, LPARAM lParam);

    std::uint32_t backColor_;
    bool visible_;
    int width_ = 0;
    int height_ = 0;
    MemorySurface surface_;
    HWND toolTip_ = nullptr; // destroyed with the form, as an owned window
    std::string toolTipText_;
};

} // namespace tk
