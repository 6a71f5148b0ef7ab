// String blocks: their bytes as text.
#include "resources/previews.h"

#include "model/module_access.h"
#include "model/resource_logic.h"

namespace vantry {

std::optional<PreviewPane> PreviewStrings(const PreviewTarget& target, const std::string& name) {
    const std::vector<std::uint8_t> bytes = ReadResource(target.module, name, "6");
    if (bytes.empty()) {
        return PreviewPane::None;
    }
    target.strings.SetText(BytesToText(bytes));
    return PreviewPane::Strings;
}

} // namespace vantry
