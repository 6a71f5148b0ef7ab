// Programs of the machine that runs Wine, for tests that check Vantry against other tools.
#pragma once

#include <optional>
#include <string>

namespace testwin {

// Under Wine: runs the shell command (no double quotes in it) on the Unix side and gives what it
// wrote to its standard output; nullopt where it failed, took longer than the seconds, or there is
// no Wine (on Windows). Pumps this thread's messages while it waits.
std::optional<std::string> UnixCommandOutput(const std::string& command, int seconds = 10);

// The Unix path of a Windows path, under Wine; nullopt elsewhere.
std::optional<std::string> UnixPath(const std::string& windowsPath);

} // namespace testwin
