// The window tree as a file: the tree's own text, indented, or JSON with every window's values.
// The GUI's "Save Tree As" and the command line's /dump both write through these.
#pragma once

#include "model/position_text.h"
#include "model/process_tree.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantry {

struct WindowRecord {
    std::int32_t handle = 0;
    std::string caption; // whole, in UTF-8
    std::string className;
    Box rect;
    Box clientRect;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    bool visible = false;
    bool enabled = false;
    std::uint32_t processId = 0;
    std::uint32_t threadId = 0;
    std::string executable;
    std::vector<WindowRecord> children;
};

// One line per window, as the tree shows it (caption cut as the tree cuts it), indented by two
// spaces a level; CRLF line ends, UTF-8. Control characters of captions and class names are
// written as spaces.
std::string TreeText(const WindowRecord& root);
// The window's line and its children's, as TreeText writes them, depth levels in.
void AppendTreeLines(std::string& text, const WindowRecord& window, int depth);

// Nested objects, two spaces of indent, UTF-8; a byte sequence that is no UTF-8 becomes U+FFFD.
std::string TreeJson(const WindowRecord& root);

// A file format of the tree: its name in the save dialog, its file extension, its switch on
// the command line ("" for the default), and its writers of the window tree and of the
// process tree.
struct TreeFormat {
    std::string_view name;
    std::string_view extension;
    std::string_view switchName;
    std::string (*write)(const WindowRecord& root);
    std::string (*writeProcesses)(const std::vector<ProcessRecord>& processes,
                                  const WindowRecord& root);

    // "vantry-tree.txt", "vantry-processes.txt": the names files of this format get unless
    // one is given.
    std::string DefaultFileName() const;
    std::string DefaultProcessesFileName() const;
};

// Every format, the default first. A new format is one entry here.
inline constexpr std::array<TreeFormat, 2> kTreeFormats{{
    {"Text", "txt", "", &TreeText, &ProcessTreeText},
    {"JSON", "json", "json", &TreeJson, &ProcessTreeJson},
}};

} // namespace vantry
