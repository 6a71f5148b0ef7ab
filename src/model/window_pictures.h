// The pictures of a window tree's nodes, drawn through hidden picture boxes into an image list:
// a dotted line for windows without an icon of their own, and each window's small class icon.
#pragma once

#include "toolkit/imagelist.h"
#include "toolkit/picturebox.h"

#include <windows.h>

#include <cstdint>
#include <optional>

namespace vantry {

// Draws a dotted line across the middle of canvas and adds it to images; returns its index.
int AddTreeLinePicture(tk::PictureBox& canvas, tk::ImageList& images, std::uint32_t color);

class WindowIconPictures {
  public:
    WindowIconPictures(tk::PictureBox& canvas, tk::ImageList& images)
        : canvas_(canvas), images_(images) {}
    // The window's small class icon, added to the list; nullopt for a window without one.
    std::optional<int> Add(HWND window);
    int AddIcon(HICON icon);
    // Empties the list for a new load; the icon drawn last is forgotten too, since its handle
    // may since have been given to another icon.
    void Restart() {
        images_.Clear();
        drawn_ = nullptr;
    }

  private:
    tk::PictureBox& canvas_;
    tk::ImageList& images_;
    HICON drawn_ = nullptr; // the icon the canvas holds
};

} // namespace vantry
