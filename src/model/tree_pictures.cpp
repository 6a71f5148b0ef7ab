#include "model/tree_pictures.h"

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

pictures::Image DrawTreePicture(TreePicture picture) {
    pictures::Image image = Blank();
    switch (picture) {
    case TreePicture::Bitmap: // a landscape: sky, sun, hill
        Frame(image, 1, 3, 15, 14, 0x00FFFF);
        image.FillRing(10.5, 6.5, 1.6, 0, 0xFFFF00);
        image.FillRect(2, 10, 14, 13, 0x008000);
        break;
    case TreePicture::IconGroup: // two icon frames, one over the other
        Frame(image, 1, 2, 11, 12, 0xFFFFFF);
        Frame(image, 5, 6, 15, 16, 0x0000FF);
        break;
    case TreePicture::CursorGroup: // an arrow pointer
        for (int row = 0; row < 11; ++row) {
            image.Line(4, 2 + row, 4 + row, 2 + row, row == 10 ? 0x000000 : 0xFFFFFF);
            image.Set(4, 2 + row, 0x000000);
            image.Set(4 + row, 2 + row, 0x000000);
        }
        image.Line(7, 12, 9, 16, 0x000000);
        break;
    case TreePicture::Strings: // a page of text lines
        Frame(image, 2, 1, 14, 16, 0xFFFFFF);
        for (int y = 4; y < 14; y += 3) {
            image.Line(4, y, 11, y, 0x000080);
        }
        break;
    case TreePicture::Other: // a grey data block
        Frame(image, 2, 3, 14, 15, 0xC0C0C0);
        image.Line(4, 6, 11, 6, 0x808080);
        image.Line(4, 9, 11, 9, 0x808080);
        image.Line(4, 12, 11, 12, 0x808080);
        break;
    }
    return image;
}

} // namespace vantry
