// A module's resource as a file of its kind, read through the module's own bounds.
#pragma once

#include "model/resource_files.h"

#include <windows.h>

#include <optional>
#include <string>

namespace vantry {

struct ResourceFile {
    std::string extension;     // "bmp", "ico", "cur", "txt" or "bin"
    std::optional<Bytes> data; // nullopt where the resource's data is not whole
};

// typeText and nameText as the resource tree keys them.
ResourceFile ResourceAsFile(HMODULE module, const std::string& typeText,
                            const std::string& nameText);

// A name that any folder takes: characters a file name cannot hold become "_".
std::string FileNameFor(const std::string& nameText, const std::string& extension);

} // namespace vantry
