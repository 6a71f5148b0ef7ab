#include "model/window_pictures.h"

namespace vantry {

int AddTreeLinePicture(tk::PictureBox& canvas, tk::ImageList& images, std::uint32_t color) {
    const int size = images.ImageWidth();
    for (int x = 0; x <= size; x += 2) {
        canvas.PSet(x, size / 2, color);
    }
    return images.Add(canvas.hdc());
}

std::optional<int> WindowIconPictures::Add(HWND window) {
    auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM));
    if (!icon) {
        return std::nullopt;
    }
    return AddIcon(icon);
}

int WindowIconPictures::AddIcon(HICON icon) {
    // Windows of one class come in runs, and the canvas still holds the icon drawn last:
    // drawing an icon costs far more than copying it.
    if (icon != drawn_) {
        canvas_.Cls();
        DrawIconEx(canvas_.hdc(), 0, 0, icon, images_.ImageWidth(), images_.ImageHeight(), 0,
                   nullptr, DI_NORMAL);
        drawn_ = icon;
    }
    return images_.Add(canvas_.hdc());
}

} // namespace vantry
