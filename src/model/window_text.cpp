#include "model/window_text.h"

#include "core/mapi.h"

#include <array>
#include <utility>

namespace vantry {

std::string_view SystemClassSuffix(std::string_view className) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> suffixes{{
        {"#32768", " (Menu)"},
        {"#32769", " (Desktop)"},
        {"#32770", " (Dialog Box)"},
        {"#32771", " (Task Switch Window)"},
        {"#32772", " (Icon Title)"},
    }};
    for (const auto& [name, suffix] : suffixes) {
        if (name == className) {
            return suffix;
        }
    }
    return {};
}

std::string WindowDisplayText(std::int32_t handle, std::string_view caption,
                              std::string_view className) {
    std::string text = mAPI::HexStr8(handle);
    text.reserve(text.size() + caption.size() + className.size() + 24);
    text += " \"";
    text += caption;
    text += "\" ";
    text += className;
    text += SystemClassSuffix(className);
    return text;
}

} // namespace vantry
