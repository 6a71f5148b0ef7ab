// A picture box with a persistent bitmap: drawing goes to a memory DC, painting copies it.
#pragma once

#include "core/handles.h"
#include "toolkit/control.h"

#include <cstdint>

namespace tk {

class PictureBox : public Control {
  public:
    PictureBox(TwipsRect design, std::uint32_t backColor, bool visible = true);
    ~PictureBox() override;
    void Create(Form& parent) override;

    HDC hdc() const { return dc_.get(); }
    int PixelWidth() const { return width_; }
    int PixelHeight() const { return height_; }

    // Fills the persistent bitmap with the background colour.
    void Cls();
    void PSet(int x, int y, std::uint32_t color);
    COLORREF Point(int x, int y) const;
    void Refresh();

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void ReleaseSurface();

    std::uint32_t backColor_;
    bool visible_;
    int width_ = 0;
    int height_ = 0;
    mAPI::Bitmap bitmap_;
    mAPI::MemoryDC dc_;
    HGDIOBJ initialBitmap_ = nullptr;
};

} // namespace tk
