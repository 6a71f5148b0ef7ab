// Icon groups: a line and a picture for each image of the group, in cells of one size.
#include "resources/previews.h"

#include "core/mapi_win.h"
#include "model/module_access.h"
#include "model/resource_logic.h"

#include <algorithm>

namespace vantry {

namespace {

std::string ImageLine(const IconGroupEntry& entry, std::size_t size) {
    return "#" + std::to_string(entry.imageId) + ": " + std::to_string(entry.width) + " x " +
           std::to_string(entry.height) + " Pixel, " + std::to_string(entry.bitsPerPixel) +
           " bpp, " + mAPI::FormatByteCount(static_cast<std::int64_t>(size));
}

// The image centred in its cell; an empty cell for an image that cannot be read.
HDC DrawCell(const PreviewTarget& target, const CellSize& cell, const IconGroupEntry& entry,
             std::vector<std::uint8_t>& image) {
    const mAPI::Icon icon(
        image.empty() ? nullptr
                      : CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()),
                                                 TRUE, 0x30000, entry.width, entry.height, 0));
    target.iconCell.Cls();
    if (icon) {
        DrawIconEx(target.iconCell.hdc(), CentredOffset(cell.width, entry.width),
                   CentredOffset(cell.height, entry.height), icon.get(), 0, 0, 0, nullptr,
                   DI_NORMAL);
    }
    return target.iconCell.hdc();
}

} // namespace

std::optional<PreviewPane> PreviewIconGroup(const PreviewTarget& target, const std::string& name) {
    const std::vector<std::uint8_t> directory = ReadResource(target.module, name, "14");
    if (directory.empty()) {
        return PreviewPane::None;
    }
    const auto entries = ParseIconGroup(directory);
    if (!entries) { // a directory of another kind changes nothing
        return std::nullopt;
    }
    const CellSize cell = IconCellSize(*entries);
    const mAPI::WindowUpdateLock lock(target.iconList.hWnd());
    target.iconCell.SetPixelSize(cell.width, cell.height);
    target.iconList.Clear();
    target.iconPictures.SetImageSize(std::max(cell.width, 1), std::max(cell.height, 1));
    target.iconList.SetImageList(target.iconPictures); // rows follow the picture size
    for (const IconGroupEntry& entry : *entries) {
        std::vector<std::uint8_t> image =
            ReadResource(target.module, std::to_string(entry.imageId), "3");
        const int picture = target.iconPictures.Add(DrawCell(target, cell, entry, image));
        target.iconList.Add("", "i" + std::to_string(target.iconList.Count()),
                            ImageLine(entry, image.size()), picture);
    }
    return PreviewPane::IconList;
}

} // namespace vantry
