// Holding the message hooks on watched threads, and the files that do it: the hook library of
// each processor, and the other processor's program, which holds the hooks on that processor's
// threads when started as a hidden helper ("/loghelper THREAD...").
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

namespace vantry::hooks {

inline constexpr int kOwnBits = sizeof(void*) == 8 ? 64 : 32;

// vantryhook.dll / vantryhook64.dll, and vantry.exe / vantry64.exe.
std::string HookLibraryName(int bits);
std::string ProgramName(int bits);
// The full path of a file in the running program's folder, the only place these are loaded
// or started from.
std::wstring PathBeside(const std::string& fileName);

// The three hooks on each thread, from the hook library of this processor beside the program;
// unhooked when it goes.
class HookSet {
  public:
    HookSet() = default;
    ~HookSet();
    HookSet(const HookSet&) = delete;
    HookSet& operator=(const HookSet&) = delete;

    // false, and why in problem, when the library is missing or the system refuses a hook.
    bool Hook(std::span<const DWORD> threads, std::string& problem);
    void Unhook();

  private:
    HMODULE library_ = nullptr;
    std::vector<HHOOK> hooks_;
};

// The helper: hooks the threads of its arguments, says so in their rings, and unhooks when the
// session ends or the program that started it is gone. Returns the exit code.
int RunHookHelper(std::span<const std::string> threads);

} // namespace vantry::hooks
