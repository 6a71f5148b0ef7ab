// Light3D: a container whose edge is a one-pixel sunken or raised 3-D frame of four line
// controls. Its appearance properties pass straight through to its own drawing surface.
#pragma once

#include "controls/light3d_logic.h"
#include "core/handles.h"
#include "toolkit/control.h"
#include "toolkit/memory_surface.h"
#include "toolkit/property_bag.h"
#include "toolkit/static_controls.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace vantry {

class Light3D : public tk::Control {
  public:
    // saved: the host's property bag for a loaded instance; none for a new one.
    Light3D(tk::TwipsRect design, std::optional<tk::PropertyBag> saved);
    ~Light3D() override;
    void Create(tk::Form& parent) override;

    std::uint32_t ForeColor() const { return properties_.foreColor; }
    void SetForeColor(std::uint32_t color);
    bool Enabled() const { return properties_.enabled; }
    void SetEnabled(bool enabled) override;
    const tk::FontDesc& Font() const { return properties_.font; }
    void SetFont(const tk::FontDesc& font);
    std::int16_t BackStyle() const { return properties_.backStyle; }
    void SetBackStyle(std::int16_t backStyle);
    void Refresh();
    tk::PictureRef Picture() const { return properties_.picture; }
    void SetPicture(tk::PictureRef picture);
    HWND hwnd() const { return hWnd(); }
    void Cls();
    HDC hdc() const;
    bool AutoRedraw() const { return properties_.autoRedraw; }
    void SetAutoRedraw(bool autoRedraw);
    std::uint32_t BackColor() const { return properties_.backColor; }
    void SetBackColor(std::uint32_t color);
    void PSet_(float x, float y, std::uint32_t color);
    HBITMAP Image() const { return surface_.Bitmap(); }
    std::int16_t Style() const { return properties_.style; }
    void SetStyle(std::int16_t style);

    // Lifecycle hooks a host calls; Create calls them for the instance it was given.
    void InitProperties(const tk::FontDesc& ambientFont);
    void ReadProperties(const tk::PropertyBag& bag, const tk::FontDesc& ambientFont);
    void WriteProperties(tk::PropertyBag& bag, const tk::FontDesc& ambientFont) const;

    const tk::Line& FrameLine(int index) const { return lin3D_[static_cast<std::size_t>(index)]; }

    // Raised with the surface's own argument variables: a handler may change them.
    std::function<void()> Resize;
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void(std::int16_t& keyCode, std::int16_t& shift)> KeyDown;
    std::function<void(std::int16_t& keyAscii)> KeyPress;
    std::function<void(std::int16_t& keyCode, std::int16_t& shift)> KeyUp;
    using MouseEvent =
        std::function<void(std::int16_t& button, std::int16_t& shift, float& x, float& y)>;
    MouseEvent MouseDown;
    MouseEvent MouseMove;
    MouseEvent MouseUp;
    // The host hears of every property written, by its bag key.
    std::function<void(std::string_view key)> PropertyChanged;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnResize();
    void Paint(HDC dc);
    void Notify(std::string_view key);
    void MakeSurface();
    void Repaint();

    std::optional<tk::PropertyBag> saved_;
    tk::FontDesc ambientFont_;
    Light3DProperties properties_;
    std::array<tk::Line, 4> lin3D_;
    mAPI::Font font_;
    tk::MemorySurface surface_;
};

} // namespace vantry
