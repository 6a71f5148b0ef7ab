// The system's "Save As" dialog, through one function, so tests can answer it.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tk {

struct SaveFileRequest {
    std::string fileName; // suggested, without a folder
    // Pairs of a description and its pattern, e.g. {"Text (*.txt)", "*.txt"}; the first is
    // chosen.
    std::vector<std::pair<std::string, std::string>> filters;
    std::string defaultExtension; // added to a name typed without one
};

struct SaveFileChoice {
    std::string path; // UTF-8
    int filter = 0;   // the chosen pattern, counted from 0
};

// A request for one of a table of formats (each with a name and an extension), the first
// chosen: "Text (*.txt)" and the like.
template <typename Formats>
SaveFileRequest RequestForFormats(std::string fileName, const Formats& formats) {
    SaveFileRequest request{.fileName = std::move(fileName), .filters = {}, .defaultExtension = {}};
    for (const auto& format : formats) {
        const std::string pattern = "*." + std::string(format.extension);
        request.filters.push_back({std::string(format.name) + " (" + pattern + ")", pattern});
    }
    request.defaultExtension = std::string(std::begin(formats)->extension);
    return request;
}

// Nullopt when the user cancelled.
std::optional<SaveFileChoice> AskSaveFile(HWND owner, const SaveFileRequest& request);

using SaveFileHandler =
    std::function<std::optional<SaveFileChoice>(HWND owner, const SaveFileRequest& request)>;
// Returns the handler it replaces; an empty one restores the system's dialog.
SaveFileHandler SetSaveFileHandler(SaveFileHandler handler);

} // namespace tk
