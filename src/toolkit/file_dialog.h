// The system's "Save As" dialog, through one function, so tests can answer it.
#pragma once

#include <windows.h>

#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <type_traits>
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

// Nullopt when the user cancelled.
std::optional<SaveFileChoice> AskSaveFile(HWND owner, const SaveFileRequest& request);

using SaveFileHandler =
    std::function<std::optional<SaveFileChoice>(HWND owner, const SaveFileRequest& request)>;
// Returns the handler it replaces; an empty one restores the system's dialog.
SaveFileHandler SetSaveFileHandler(SaveFileHandler handler);

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

template <typename Format> struct FormatChoice {
    std::string path; // UTF-8
    const Format* format;
};

// "Save As" for one of a table of formats: the path and the format chosen; nullopt when the
// user cancelled (or a handler chose a pattern the table lacks).
template <typename Formats>
auto AskSaveFormat(HWND owner, std::string fileName, const Formats& formats)
    -> std::optional<FormatChoice<std::remove_cvref_t<decltype(*std::begin(formats))>>> {
    const auto choice = AskSaveFile(owner, RequestForFormats(std::move(fileName), formats));
    if (!choice || choice->filter < 0 ||
        static_cast<std::size_t>(choice->filter) >= std::size(formats)) {
        return std::nullopt;
    }
    return {{choice->path, &std::begin(formats)[choice->filter]}};
}

} // namespace tk
