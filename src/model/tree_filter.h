// The tree's filter box without a window: which windows match a typed text, and which nodes a
// narrowed tree keeps.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantry {

// What a window is matched on: its node's text (handle, caption, class), its process id and
// its executable's file name.
struct FilterSubject {
    std::string_view nodeText;
    std::uint32_t processId = 0;
    std::string_view executable; // a whole path; the file name counts
};

// ASCII capitals as small letters; every other byte as it is.
constexpr char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether haystack contains needle, ASCII letters folded.
bool ContainsFolded(std::string_view haystack, std::string_view needle);

// Whether the subject contains the text, case-insensitively (ASCII letters fold): in its node
// text, its process id in hex (8 digits) or decimal, or its executable's file name. An empty
// text matches everything.
bool MatchesFilter(std::string_view text, const FilterSubject& subject);

// The nodes a narrowed tree shows: the matches and every ancestor of one. parents[i] is the
// index of node i's parent (less than i), or -1 for a root.
std::vector<bool> KeptWithAncestors(const std::vector<int>& parents,
                                    const std::vector<bool>& matches);

// The empty box's cue: "Filter 1,234 windows", "Filter 1 window"; groupedCount is the count as
// the user's locale writes it.
std::string FilterCueText(std::size_t windowCount, std::string_view groupedCount);

} // namespace vantry
