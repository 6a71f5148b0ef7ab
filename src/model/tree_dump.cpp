#include "model/tree_dump.h"

#include "core/mapi.h"
#include "core/utf8.h"
#include "model/style_tables.h"
#include "model/window_json.h"
#include "model/window_text.h"

#include <algorithm>

namespace vantry {

namespace {

// Control characters as spaces, so that a caption with a line break keeps to its line.
std::string OneLine(std::string_view text) {
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c >= 0 && c < 32; }, ' ');
    return line;
}

nlohmann::ordered_json RectJson(const Box& rect) {
    return {{"left", rect.left}, {"top", rect.top}, {"right", rect.right}, {"bottom", rect.bottom}};
}

nlohmann::ordered_json StyleJson(std::span<const StyleName> table, std::uint32_t value) {
    nlohmann::ordered_json names = nlohmann::ordered_json::array();
    for (const std::string_view name : StyleNamesOf(table, value)) {
        names.push_back(std::string(name));
    }
    return {{"value", value}, {"names", std::move(names)}};
}

} // namespace

void AppendTreeLines(std::string& text, const WindowRecord& window, int depth) {
    text.append(static_cast<std::size_t>(depth) * 2, ' ');
    text +=
        WindowDisplayText(window.handle, OneLine(mAPI::Utf8Prefix(window.caption, kMaxTreeCaption)),
                          OneLine(window.className));
    text += "\r\n";
    for (const WindowRecord& child : window.children) {
        AppendTreeLines(text, child, depth + 1);
    }
}

nlohmann::ordered_json WindowJson(const WindowRecord& window) {
    nlohmann::ordered_json children = nlohmann::ordered_json::array();
    for (const WindowRecord& child : window.children) {
        children.push_back(WindowJson(child));
    }
    return {{"handle", mAPI::HexStr8(window.handle)},
            {"caption", window.caption},
            {"class", window.className},
            {"rect", RectJson(window.rect)},
            {"clientRect", RectJson(window.clientRect)},
            {"style", StyleJson(WindowStyleNames(), window.style)},
            {"exStyle", StyleJson(ExtendedStyleNames(), window.exStyle)},
            {"visible", window.visible},
            {"enabled", window.enabled},
            {"processId", window.processId},
            {"threadId", window.threadId},
            {"executable", window.executable},
            {"children", std::move(children)}};
}

std::string DumpJson(const nlohmann::ordered_json& value) {
    return value.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

std::string TreeText(const WindowRecord& root) {
    std::string text;
    AppendTreeLines(text, root, 0);
    return text;
}

std::string TreeJson(const WindowRecord& root) {
    return DumpJson(WindowJson(root));
}

std::string TreeFormat::DefaultFileName() const {
    return "vantry-tree." + std::string(extension);
}

std::string TreeFormat::DefaultProcessesFileName() const {
    return "vantry-processes." + std::string(extension);
}

} // namespace vantry
