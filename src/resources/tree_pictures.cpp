#include "resources/tree_pictures.h"

namespace vantry {

namespace {

pictures::Image Blank() {
    return pictures::Image(kTreePictureWidth, kTreePictureHeight, pictures::kTransparent);
}

void Frame(pictures::Image& image, int left, int top, int right, int bottom, pictures::Rgb fill) {
    image.FillRect(left, top, right, bottom, 0x000000);
    image.FillRect(left + 1, top + 1, right - 1, bottom - 1, fill);
}

} // namespace

std::vector<pictures::Image> ResourceTreePictures() {
    std::vector<pictures::Image> images;

    pictures::Image bitmap = Blank(); // a landscape: sky, sun, hill
    Frame(bitmap, 1, 3, 15, 14, 0x00FFFF);
    bitmap.FillRing(10.5, 6.5, 1.6, 0, 0xFFFF00);
    bitmap.FillRect(2, 10, 14, 13, 0x008000);
    images.push_back(bitmap);

    pictures::Image icons = Blank(); // two icon frames, one over the other
    Frame(icons, 1, 2, 11, 12, 0xFFFFFF);
    Frame(icons, 5, 6, 15, 16, 0x0000FF);
    images.push_back(icons);

    pictures::Image cursor = Blank(); // an arrow pointer
    for (int row = 0; row < 11; ++row) {
        cursor.Line(4, 2 + row, 4 + row, 2 + row, row == 10 ? 0x000000 : 0xFFFFFF);
        cursor.Set(4, 2 + row, 0x000000);
        cursor.Set(4 + row, 2 + row, 0x000000);
    }
    cursor.Line(7, 12, 9, 16, 0x000000);
    images.push_back(cursor);

    pictures::Image strings = Blank(); // a page of text lines
    Frame(strings, 2, 1, 14, 16, 0xFFFFFF);
    for (int y = 4; y < 14; y += 3) {
        strings.Line(4, y, 11, y, 0x000080);
    }
    images.push_back(strings);

    pictures::Image other = Blank(); // a grey data block
    Frame(other, 2, 3, 14, 15, 0xC0C0C0);
    other.Line(4, 6, 11, 6, 0x808080);
    other.Line(4, 9, 11, 9, 0x808080);
    other.Line(4, 12, 11, 12, 0x808080);
    images.push_back(other);
    return images;
}

} // namespace vantry
