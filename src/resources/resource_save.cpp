#include "resources/resource_save.h"

#include "model/module_access.h"
#include "model/resource_logic.h"

#include <string_view>

namespace vantry {

namespace {

std::optional<Bytes> Whole(Bytes bytes) {
    return bytes.empty() ? std::nullopt : std::optional(std::move(bytes));
}

// The images of a group, by id, from the module: RT_ICON (3) or RT_CURSOR (1).
std::optional<Bytes> GroupOf(HMODULE module, const Bytes& directory, bool cursor) {
    return GroupFile(directory, cursor, [module, cursor](std::uint16_t id) {
        return Whole(ReadResource(module, std::to_string(id), cursor ? "1" : "3"));
    });
}

} // namespace

ResourceFile ResourceAsFile(HMODULE module, const std::string& typeText,
                            const std::string& nameText) {
    const Bytes bytes = ReadResource(module, nameText, typeText);
    if (bytes.empty()) {
        return {"bin", std::nullopt};
    }
    switch (KindOfType(ResourceNumber(typeText).value_or(0)).save) {
    case ResourceSave::Cursor:
        return {"cur", SingleImageFile(bytes, true)};
    case ResourceSave::Bitmap:
        return {"bmp", BitmapFile(bytes)};
    case ResourceSave::Icon:
        return {"ico", SingleImageFile(bytes, false)};
    case ResourceSave::StringBlock: { // a block named by its number
        const auto block = ResourceNumber(nameText);
        const auto text = block ? StringBlockText(*block, bytes) : std::nullopt;
        return {"txt", text ? std::optional(Bytes(text->begin(), text->end())) : std::nullopt};
    }
    case ResourceSave::CursorGroup:
        return {"cur", GroupOf(module, bytes, true)};
    case ResourceSave::IconGroup:
        return {"ico", GroupOf(module, bytes, false)};
    case ResourceSave::Raw:
        break;
    }
    return {"bin", bytes};
}

std::string FileNameFor(const std::string& nameText, const std::string& extension) {
    std::string name = nameText;
    for (char& c : name) {
        if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos ||
            static_cast<unsigned char>(c) < 32) {
            c = '_';
        }
    }
    return name + "." + extension;
}

} // namespace vantry
