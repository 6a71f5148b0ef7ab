// Resource previews. A preview kind is a function of its own unit (preview_*.cpp), chosen by
// resource type from the table in previews.cpp; it draws into one pane of the view.
#pragma once

#include "toolkit/imagelist.h"
#include "toolkit/picturebox.h"
#include "toolkit/text_controls.h"
#include "toolkit/treeview.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace vantry {

// The panes of the preview area; one shows at a time.
enum class PreviewPane { None, Picture, Strings, IconList };

// What a preview reads from and draws into.
struct PreviewTarget {
    HMODULE module;
    tk::PictureBox& picture;     // Picture: sized to what it shows
    tk::TextBox& strings;        // Strings
    tk::KeyedTreeView& iconList; // IconList: one line and picture per image
    tk::ImageList& iconPictures; // the icon list's pictures
    tk::PictureBox& iconCell;    // where one image of the icon list is drawn first
};

// A preview kind draws the resource called name and says which pane shows it: None where its
// data cannot be read, nullopt where the view is left as it was.
using PreviewKind = std::optional<PreviewPane> (*)(const PreviewTarget& target,
                                                   const std::string& name);

// The preview of a numeric resource type; nullptr for a type that has none.
PreviewKind PreviewFor(std::uint32_t type);

// The kinds, one unit each.
std::optional<PreviewPane> PreviewBitmap(const PreviewTarget& target, const std::string& name);
std::optional<PreviewPane> PreviewStrings(const PreviewTarget& target, const std::string& name);
std::optional<PreviewPane> PreviewCursor(const PreviewTarget& target, const std::string& name);
std::optional<PreviewPane> PreviewIconGroup(const PreviewTarget& target, const std::string& name);

} // namespace vantry
