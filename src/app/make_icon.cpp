// Build-time tool: writes the program icon file that the resource script embeds.
#include "app/program_icon.h"
#include "core/icon_file.h"

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
        return 2;
    }
    std::vector<pictures::Image> images;
    for (const bool fullColour : {false, true}) {
        for (const int size : {16, 32, 48}) {
            images.push_back(vantry::DrawProgramIcon(size, fullColour));
        }
    }
    std::vector<pictures::IconImage> entries;
    for (std::size_t i = 0; i < images.size(); ++i) {
        entries.push_back({&images[i], i < 3 ? 4 : 8, pictures::kTransparent});
    }
    const std::vector<std::uint8_t> bytes = pictures::WriteIconFile(entries);
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() ||
        std::fclose(out) != 0) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
