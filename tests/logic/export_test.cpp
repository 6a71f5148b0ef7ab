#include "app/command_line.h"
#include "core/little_endian.h"
#include "model/resource_files.h"
#include "model/tree_dump.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <map>
#include <vector>

using namespace vantry;

namespace {

using pictures::Put16;
using pictures::Put32;

CommandLine Parse(std::vector<std::string> args) {
    return ParseCommandLine(args);
}

} // namespace

TEST(CommandLine, ReadsTheDumpSwitchesInAnyCaseAndOrder) {
    EXPECT_EQ(Parse({}).mode, RunMode::Gui);
    const CommandLine dump = Parse({"-OUT", "C:\\t\u00e9st.json", "/Json", "/dump", "/ALL"});
    EXPECT_EQ(dump.mode, RunMode::Dump);
    EXPECT_EQ(dump.format, &kTreeFormats[1]);
    EXPECT_TRUE(dump.all);
    EXPECT_EQ(dump.out, "C:\\t\u00e9st.json");
    const CommandLine plain = Parse({"/dump"});
    EXPECT_FALSE(plain.format != &kTreeFormats[0] || plain.all || plain.out || plain.processes);
    EXPECT_TRUE(Parse({"/dump", "/PROCESSES", "/json"}).processes);
    EXPECT_EQ(Parse({"/dump", "/?"}).mode, RunMode::Usage);
    const CommandLine filtered = Parse({"/Filter", "sample window"});
    EXPECT_EQ(filtered.mode, RunMode::Gui);
    EXPECT_EQ(filtered.filter, "sample window");
}

TEST(CommandLine, RefusesWhatItDoesNotKnow) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"/dumps"},
                                               {"dump"},
                                               {"/"},
                                               {"/dump", "/out"},
                                               {"/dump", "/out", ""},
                                               {"/json"},
                                               {"/all"},
                                               {"/processes"},
                                               {"/out", "x"},
                                               {"/dump", "extra"},
                                               {"/filter"},
                                               {"/dump", "/filter", "x"}}) {
        const CommandLine line = Parse(args);
        EXPECT_EQ(line.mode, RunMode::BadSwitch) << args.front();
        EXPECT_FALSE(line.problem.empty());
    }
    EXPECT_NE(UsageText().find("/dump [/json] [/all] [/out FILE]"), std::string::npos);
    EXPECT_NE(UsageText().find("/dump /processes [/json] [/all] [/out FILE]"), std::string::npos);
    EXPECT_NE(UsageText().find("/filter TEXT"), std::string::npos);
}

namespace {

WindowRecord Sample() {
    WindowRecord root;
    root.handle = 0x00010020;
    root.className = "#32769";
    WindowRecord child;
    child.handle = static_cast<std::int32_t>(0x80000010u);
    child.caption = "Say \"hi\"\t\\ \x01 \u6D4B\u8BD5\r\nline 2";
    child.className = "Edit";
    child.rect = {-8, 10, 300, 200};
    child.clientRect = {0, 0, 292, 182};
    child.style = 0x50000000; // WS_CHILD | WS_VISIBLE
    child.exStyle = 0x8;      // WS_EX_TOPMOST
    child.visible = true;
    child.processId = 0x1F4;
    child.threadId = 7;
    child.executable = "C:\\Program Files\\\u00c9diteur.exe";
    WindowRecord grandchild;
    grandchild.handle = 3;
    grandchild.caption = std::string(2000, 'x');
    grandchild.className = "Sta\ntic";
    child.children.push_back(grandchild);
    root.children.push_back(child);
    return root;
}

} // namespace

TEST(TreeText, IndentsTheTreesOwnLinesOneWindowALine) {
    const std::string text = TreeText(Sample());
    // Control characters of captions and classes are spaces: a line break cannot split a line.
    const std::string expected = "00010020 \"\" #32769 (Desktop)\r\n"
                                 "  80000010 \"Say \"hi\" \\   \u6D4B\u8BD5  line 2\" Edit\r\n"
                                 "    00000003 \"" +
                                 std::string(1024, 'x') + "\" Sta tic\r\n";
    EXPECT_EQ(text, expected);
}

TEST(TreeJson, HoldsEveryValueAndEscapesWhatJsonMust) {
    const std::string text = TreeJson(Sample());
    // Quotes, backslashes and control characters are escaped; other text stays UTF-8.
    EXPECT_NE(text.find(R"("Say \"hi\"\t\\ \u0001 )"
                        "\u6D4B\u8BD5\\r\\nline 2\""),
              std::string::npos);
    const auto json = nlohmann::json::parse(text);
    EXPECT_EQ(json["handle"], "00010020");
    const auto& edit = json["children"][0];
    EXPECT_EQ(edit["handle"], "80000010");
    EXPECT_EQ(edit["caption"], "Say \"hi\"\t\\ \x01 \u6D4B\u8BD5\r\nline 2");
    EXPECT_EQ(edit["class"], "Edit");
    EXPECT_EQ(edit["rect"]["left"], -8);
    EXPECT_EQ(edit["clientRect"]["right"], 292);
    EXPECT_EQ(edit["style"]["value"], 0x50000000u);
    EXPECT_EQ(edit["style"]["names"], (std::vector<std::string>{"WS_CHILD", "WS_VISIBLE"}));
    const auto exNames = edit["exStyle"]["names"].get<std::vector<std::string>>();
    EXPECT_NE(std::find(exNames.begin(), exNames.end(), "WS_EX_TOPMOST"), exNames.end());
    EXPECT_EQ(edit["visible"], true);
    EXPECT_EQ(edit["enabled"], false);
    EXPECT_EQ(edit["processId"], 0x1F4);
    EXPECT_EQ(edit["threadId"], 7);
    EXPECT_EQ(edit["executable"], "C:\\Program Files\\\u00c9diteur.exe");
    EXPECT_EQ(edit["children"][0]["caption"].get<std::string>().size(), 2000u); // whole
}

TEST(TreeJson, ReplacesBytesThatAreNoUtf8) {
    WindowRecord root;
    root.caption = "a\xFF\xC3";
    EXPECT_EQ(nlohmann::json::parse(TreeJson(root))["caption"], "a\uFFFD\uFFFD");
}

namespace {

// A BITMAPINFOHEADER of the given depth and colours used, then that palette and some bits.
Bytes Dib(std::uint16_t bits, std::uint32_t used, std::size_t pixelBytes) {
    Bytes dib;
    Put32(dib, 40);
    Put32(dib, 4);
    Put32(dib, 8); // an icon's DIB: colour and mask
    Put16(dib, 1);
    Put16(dib, bits);
    for (int i = 0; i < 4; ++i) {
        Put32(dib, 0);
    }
    Put32(dib, used);
    Put32(dib, 0);
    const std::uint32_t colours = used != 0 ? used : (bits <= 8 ? 1u << bits : 0);
    dib.resize(dib.size() + colours * 4 + pixelBytes, 0x5A);
    return dib;
}

// Each entry: four words, then the image's id. An icon group's words are width and height
// bytes, colours and reserved bytes, planes, bits; a cursor group's are width, doubled height,
// planes, bits.
Bytes Group(std::uint16_t type, const std::vector<std::array<std::uint16_t, 5>>& entries) {
    Bytes group;
    Put16(group, 0);
    Put16(group, type);
    Put16(group, static_cast<std::uint32_t>(entries.size()));
    for (const auto& [a, b, c, d, id] : entries) {
        for (const std::uint16_t word : {a, b, c, d}) {
            Put16(group, word);
        }
        Put32(group, 0); // the claimed size is not trusted
        Put16(group, id);
    }
    return group;
}

} // namespace

TEST(BitmapFile, PutsTheFileHeaderInFrontAndPointsPastThePalette) {
    const Bytes dib = Dib(8, 3, 16);
    const auto file = BitmapFile(dib);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->size(), 14 + dib.size());
    EXPECT_EQ((*file)[0], 'B');
    EXPECT_EQ((*file)[1], 'M');
    EXPECT_EQ((*file)[2] | (*file)[3] << 8, static_cast<int>(file->size()));
    EXPECT_EQ((*file)[10], 14 + 40 + 3 * 4); // three colours used
    EXPECT_TRUE(std::equal(dib.begin(), dib.end(), file->begin() + 14));
    EXPECT_EQ((*BitmapFile(Dib(24, 0, 12)))[10], 14 + 40);
    // A header or palette that the data cannot hold is refused.
    EXPECT_FALSE(BitmapFile(Bytes(dib.begin(), dib.begin() + 30)));
    Bytes huge = Dib(8, 0, 0);
    huge.resize(40);
    EXPECT_FALSE(BitmapFile(huge)); // 256 colours claimed, none there
    EXPECT_FALSE(BitmapFile({}));
}

TEST(GroupFile, RebuildsTheDirectoryWithOffsetsAndReadsBack) {
    std::map<std::uint16_t, Bytes> images{{1, Dib(4, 0, 32)}, {2, Dib(32, 0, 64)}};
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    png.resize(40, 0);
    images[3] = png;
    const auto lookup = [&](std::uint16_t id) -> std::optional<Bytes> {
        const auto found = images.find(id);
        return found == images.end() ? std::nullopt : std::optional(found->second);
    };
    const Bytes group =
        Group(1, {{16 | 16 << 8, 16, 1, 4, 1}, {32 | 32 << 8, 0, 1, 32, 2}, {0, 0, 1, 32, 3}});
    const auto file = GroupFile(group, false, lookup);
    ASSERT_TRUE(file);
    const auto read = ReadIconFile(*file);
    ASSERT_TRUE(read);
    EXPECT_FALSE(read->cursor);
    ASSERT_EQ(read->entries.size(), 3u);
    EXPECT_EQ(read->entries[0].width, 16);
    EXPECT_EQ(read->entries[0].colours, 16); // as the group gives it
    EXPECT_EQ(read->entries[1].colours, 0);
    EXPECT_EQ(read->entries[1].bitsOrHotY, 32);
    EXPECT_EQ(read->entries[2].width, 256); // the PNG image, as it is
    for (std::size_t i = 0; i < 3; ++i) {
        const Bytes& image = images[static_cast<std::uint16_t>(i + 1)];
        const IconFileEntry& entry = read->entries[i];
        ASSERT_EQ(entry.size, image.size());
        EXPECT_TRUE(std::equal(image.begin(), image.end(), file->begin() + entry.offset));
    }
    // A missing image, a directory that claims more entries than it holds, or a group of the
    // other kind is refused.
    EXPECT_FALSE(GroupFile(Group(1, {{16 | 16 << 8, 0, 1, 4, 9}}), false, lookup));
    Bytes cut = group;
    cut.resize(cut.size() - 1);
    EXPECT_FALSE(GroupFile(cut, false, lookup));
    EXPECT_FALSE(GroupFile(group, true, lookup));
}

TEST(GroupFile, ACursorKeepsItsHotSpotInTheDirectory) {
    Bytes cursor;
    Put16(cursor, 5); // hot spot
    Put16(cursor, 9);
    const Bytes dib = Dib(1, 0, 16);
    cursor.insert(cursor.end(), dib.begin(), dib.end());
    const auto lookup = [&](std::uint16_t) -> std::optional<Bytes> { return cursor; };
    const auto file = GroupFile(Group(2, {{32, 64, 1, 1, 1}}), true, lookup);
    ASSERT_TRUE(file);
    const auto read = ReadIconFile(*file);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->cursor);
    ASSERT_EQ(read->entries.size(), 1u);
    EXPECT_EQ(read->entries[0].width, 32);
    EXPECT_EQ(read->entries[0].height, 32); // the group's height counts the mask too
    EXPECT_EQ(read->entries[0].planesOrHotX, 5);
    EXPECT_EQ(read->entries[0].bitsOrHotY, 9);
    EXPECT_EQ(read->entries[0].size, dib.size()); // the image without its hot spot

    const auto single = SingleImageFile(cursor, true);
    ASSERT_TRUE(single);
    EXPECT_EQ(ReadIconFile(*single)->entries[0].planesOrHotX, 5);
    const auto icon = SingleImageFile(dib, false);
    ASSERT_TRUE(icon);
    EXPECT_EQ(ReadIconFile(*icon)->entries[0].height, 4);
    EXPECT_EQ(ReadIconFile(*icon)->entries[0].colours, 2); // one bit a pixel
    EXPECT_EQ(ReadIconFile(*SingleImageFile(Dib(8, 0, 16), false))->entries[0].colours, 0);
    EXPECT_FALSE(SingleImageFile(Bytes(10, 0), false));
}

TEST(ReadIconFile, RefusesImagesOutsideTheFile) {
    const auto file = SingleImageFile(Dib(4, 0, 32), false);
    ASSERT_TRUE(file);
    Bytes cut = *file;
    cut.pop_back();
    EXPECT_FALSE(ReadIconFile(cut));
    EXPECT_FALSE(ReadIconFile(Bytes(5, 0)));
}

TEST(StringBlockText, NumbersTheStringsFromTheBlockAndKeepsEachOnItsLine) {
    Bytes block;
    const std::u16string strings[] = {u"", u"Open", u"", u"a\tb\r\nc\\", u"\u6D4B\xD800"};
    for (const std::u16string& text : strings) {
        Put16(block, static_cast<std::uint32_t>(text.size()));
        for (const char16_t unit : text) {
            Put16(block, unit);
        }
    }
    for (int i = 5; i < 16; ++i) {
        Put16(block, 0);
    }
    EXPECT_EQ(StringBlockText(3, block),
              "33\tOpen\r\n35\ta\\tb\\r\\nc\\\\\r\n36\t\u6D4B\uFFFD\r\n");
    Bytes broken = block;
    broken[2] = 200; // "Open" now claims more than the block holds
    EXPECT_FALSE(StringBlockText(3, broken));
    EXPECT_FALSE(StringBlockText(0, block));
    EXPECT_EQ(StringBlockText(1, {}), "");
}
