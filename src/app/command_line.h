// The program's command line: the GUI, or a dump of the window tree without a window.
//   vantry.exe [/filter TEXT]
//   vantry.exe /dump [/json] [/all] [/out FILE]
//   vantry.exe /dump /processes [/json] [/all] [/out FILE]
//   vantry.exe /log HANDLE [/children] [/seconds N] [/out FILE] [/json]
//   vantry.exe /loghelper THREAD...   (started by Vantry itself, hidden)
#pragma once

#include "model/tree_dump.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantry {

enum class RunMode {
    Gui,       // no arguments
    Dump,      // /dump
    Log,       // /log HANDLE
    LogHelper, // /loghelper THREAD...: holds the hooks of a log for the other processor
    Usage,     // /?: print the usage, exit 0
    BadSwitch, // print the usage, exit 2
};

struct CommandLine {
    RunMode mode = RunMode::Gui;
    const TreeFormat* format = &kTreeFormats[0];
    bool processes = false; // the process tree instead of the window tree
    bool all = false;       // hidden and off-screen windows too
    std::optional<std::string> out;
    std::optional<std::string> filter; // the GUI starts with this in its filter box
    std::string problem;               // what was wrong, for BadSwitch
    std::int32_t logWindow = 0;
    bool children = false; // /log: the window's children too
    int seconds = 10;      // /log: how long
    std::vector<std::string> helperThreads;
};

// Switches start with / or -, in any case; the arguments come without the program's name.
CommandLine ParseCommandLine(std::span<const std::string> args);

std::string UsageText();

} // namespace vantry
