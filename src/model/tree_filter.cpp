#include "model/tree_filter.h"

#include "core/mapi.h"

#include <algorithm>

namespace vantry {

namespace {

std::string_view FileName(std::string_view path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

bool ContainsFolded(std::string_view haystack, std::string_view needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(),
                       [](char a, char b) { return FoldAscii(a) == FoldAscii(b); }) !=
           haystack.end();
}

bool MatchesFilter(std::string_view text, const FilterSubject& subject) {
    if (text.empty()) {
        return true;
    }
    return ContainsFolded(subject.nodeText, text) ||
           ContainsFolded(mAPI::HexStr8(static_cast<std::int32_t>(subject.processId)), text) ||
           ContainsFolded(std::to_string(subject.processId), text) ||
           ContainsFolded(FileName(subject.executable), text);
}

std::vector<bool> KeptWithAncestors(const std::vector<int>& parents,
                                    const std::vector<bool>& matches) {
    std::vector<bool> kept(matches);
    kept.resize(parents.size(), false);
    // Children come after their parents: one pass from the end carries a match up.
    for (std::size_t i = parents.size(); i-- > 0;) {
        const int parent = parents[i];
        if (kept[i] && parent >= 0 && static_cast<std::size_t>(parent) < i) {
            kept[static_cast<std::size_t>(parent)] = true;
        }
    }
    return kept;
}

std::string FilterCueText(std::size_t windowCount, std::string_view groupedCount) {
    return "Filter " + std::string(groupedCount) + (windowCount == 1 ? " window" : " windows");
}

} // namespace vantry
