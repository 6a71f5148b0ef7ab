#include "app/command_line.h"

#include <algorithm>
#include <cctype>

namespace vantry {

namespace {

// The switch's name in lower case; nullopt for an argument that is no switch.
std::optional<std::string> SwitchName(const std::string& arg) {
    if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) {
        return std::nullopt;
    }
    std::string name = arg.substr(1);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

CommandLine Bad(std::string problem) {
    CommandLine line;
    line.mode = RunMode::BadSwitch;
    line.problem = std::move(problem);
    return line;
}

} // namespace

CommandLine ParseCommandLine(std::span<const std::string> args) {
    CommandLine line;
    bool dump = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto name = SwitchName(args[i]);
        if (!name) {
            return Bad("not a switch: " + args[i]);
        }
        if (*name == "?") {
            CommandLine usage;
            usage.mode = RunMode::Usage;
            return usage;
        }
        const auto format =
            std::find_if(kTreeFormats.begin(), kTreeFormats.end(), [&](const TreeFormat& format) {
                return format.switchName == *name; // the default's empty switch meets no name
            });
        if (*name == "dump") {
            dump = true;
        } else if (format != kTreeFormats.end()) {
            line.format = &*format;
        } else if (*name == "all") {
            line.all = true;
        } else if (*name == "processes") {
            line.processes = true;
        } else if (*name == "out" || *name == "filter") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                return Bad("/" + *name + " needs a value");
            }
            (*name == "out" ? line.out : line.filter) = args[++i];
        } else {
            return Bad("unknown switch: " + args[i]);
        }
    }
    if (!dump && (line.format != &kTreeFormats[0] || line.all || line.out || line.processes)) {
        return Bad("/processes, /json, /all and /out go with /dump");
    }
    if (dump && line.filter) {
        return Bad("/filter goes without /dump");
    }
    line.mode = dump ? RunMode::Dump : RunMode::Gui;
    return line;
}

std::string UsageText() {
    return "Usage: vantry [/filter TEXT]\r\n"
           "       vantry /dump [/json] [/all] [/out FILE]\r\n"
           "       vantry /dump /processes [/json] [/all] [/out FILE]\r\n"
           "\r\n"
           "  (none)     start Vantry\r\n"
           "  /filter TEXT  start Vantry with TEXT in its filter box\r\n"
           "  /dump      write the window tree and exit, without a window\r\n"
           "  /processes the processes, their threads and the threads' windows instead\r\n"
           "  /json      as JSON, with every window's values (default: the tree's text)\r\n"
           "  /all       hidden and off-screen windows too (default: visible windows only)\r\n"
           "  /out FILE  into FILE (default: the console, or vantry-tree.txt / .json,\r\n"
           "             vantry-processes.txt / .json, in the current folder when there\r\n"
           "             is no console)\r\n"
           "  /?         this text\r\n"
           "\r\n"
           "Exit codes: 0 done, 1 the file could not be written, 2 a switch was wrong.\r\n";
}

} // namespace vantry
