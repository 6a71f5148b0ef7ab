#include "app/command_line.h"

#include "core/mapi.h"

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

bool Digits(const std::string& text, std::size_t most) {
    return !text.empty() && text.size() <= most &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// A handle as the tree writes it: exactly 8 hex digits.
std::optional<std::int32_t> HandleArgument(const std::string& text) {
    if (text.size() != 8 ||
        !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c); })) {
        return std::nullopt;
    }
    return mAPI::TryHexToLong(text).value_or(0); // only "00000000" reads as no number
}

CommandLine HelperLine(std::span<const std::string> threads) {
    CommandLine line;
    for (const std::string& thread : threads) {
        if (!Digits(thread, 10)) {
            return Bad("/loghelper takes thread ids");
        }
        line.helperThreads.push_back(thread);
    }
    if (line.helperThreads.empty()) {
        return Bad("/loghelper takes thread ids");
    }
    line.mode = RunMode::LogHelper;
    return line;
}

} // namespace

CommandLine ParseCommandLine(std::span<const std::string> args) {
    CommandLine line;
    bool dump = false;
    bool log = false;
    bool seconds = false;
    if (!args.empty() && SwitchName(args[0]) == "loghelper") {
        return HelperLine(args.subspan(1));
    }
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
        } else if (*name == "log") {
            const auto window = i + 1 < args.size() ? HandleArgument(args[i + 1]) : std::nullopt;
            if (!window) {
                return Bad("/log needs a window handle of 8 hex digits");
            }
            log = true;
            line.logWindow = *window;
            ++i;
        } else if (*name == "seconds") {
            if (i + 1 >= args.size() || !Digits(args[i + 1], 6) || std::stoi(args[i + 1]) == 0) {
                return Bad("/seconds needs a whole number from 1 to 999999");
            }
            seconds = true;
            line.seconds = std::stoi(args[++i]);
        } else if (*name == "children") {
            line.children = true;
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
    if (dump && log) {
        return Bad("/dump and /log go apart");
    }
    if (!log && (line.children || seconds)) {
        return Bad("/children and /seconds go with /log");
    }
    if (log && (line.all || line.processes)) {
        return Bad("/all and /processes go with /dump");
    }
    if (!dump && !log &&
        (line.format != &kTreeFormats[0] || line.all || line.out || line.processes)) {
        return Bad("/processes, /json, /all and /out go with /dump or /log");
    }
    if ((dump || log) && line.filter) {
        return Bad("/filter goes without /dump and /log");
    }
    line.mode = dump ? RunMode::Dump : log ? RunMode::Log : RunMode::Gui;
    return line;
}

std::string UsageText() {
    return "Usage: vantry [/filter TEXT]\r\n"
           "       vantry /dump [/json] [/all] [/out FILE]\r\n"
           "       vantry /dump /processes [/json] [/all] [/out FILE]\r\n"
           "       vantry /log HANDLE [/children] [/seconds N] [/out FILE] [/json]\r\n"
           "\r\n"
           "  (none)     start Vantry\r\n"
           "  /filter TEXT  start Vantry with TEXT in its filter box\r\n"
           "  /dump      write the window tree and exit, without a window\r\n"
           "  /processes the processes, their threads and the threads' windows instead\r\n"
           "  /json      as JSON, with every window's values (default: the tree's text)\r\n"
           "  /all       hidden and off-screen windows too (default: visible windows only)\r\n"
           "  /out FILE  into FILE (default: the console, or vantry-tree.txt / .json,\r\n"
           "             vantry-processes.txt / .json, vantry-log.txt / .json, in the\r\n"
           "             current folder when there is no console)\r\n"
           "  /log HANDLE  log the messages the window (8 hex digits) gets, and exit\r\n"
           "  /children  its child windows' messages too\r\n"
           "  /seconds N for N seconds (default 10)\r\n"
           "  /?         this text\r\n"
           "\r\n"
           "Exit codes: 0 done, 1 the file could not be written (or the log not taken),\r\n"
           "2 a switch was wrong, 3 no window has the handle.\r\n";
}

} // namespace vantry
