#include "model/message_hooks.h"

#include "model/message_ring.h"
#include "model/ring_file.h"

#include <memory>

namespace vantry::hooks {

std::string HookLibraryName(int bits) {
    return bits == 64 ? "vantryhook64.dll" : "vantryhook.dll";
}

std::string ProgramName(int bits) {
    return bits == 64 ? "vantry64.exe" : "vantry.exe";
}

std::wstring PathBeside(const std::string& fileName) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    // The names are ASCII: each character is its own UTF-16 unit.
    return path.substr(0, path.find_last_of(L'\\') + 1) +
           std::wstring(fileName.begin(), fileName.end());
}

HookSet::~HookSet() {
    Unhook();
}

bool HookSet::Hook(std::span<const DWORD> threads, std::string& problem) {
    // Only by full path: never a library of that name found along the search path.
    library_ = LoadLibraryExW(PathBeside(HookLibraryName(kOwnBits)).c_str(), nullptr,
                              LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!library_) {
        problem =
            "The hook library " + HookLibraryName(kOwnBits) + " is missing beside the program.";
        return false;
    }
    static constexpr struct {
        int kind;
        const char* procedure;
    } kHooks[] = {
        {WH_CALLWNDPROC, "VantryCallWndProc"},
        {WH_CALLWNDPROCRET, "VantryCallWndProcRet"},
        {WH_GETMESSAGE, "VantryGetMessage"},
    };
    for (DWORD thread : threads) {
        for (const auto& hook : kHooks) {
            const auto procedure = reinterpret_cast<HOOKPROC>(
                reinterpret_cast<void*>(GetProcAddress(library_, hook.procedure)));
            HHOOK handle =
                procedure ? SetWindowsHookExW(hook.kind, procedure, library_, thread) : nullptr;
            if (!handle) {
                problem = "The system refused to hook thread " + std::to_string(thread) +
                          " (error " + std::to_string(GetLastError()) + ").";
                Unhook();
                return false;
            }
            hooks_.push_back(handle);
        }
    }
    return true;
}

void HookSet::Unhook() {
    for (HHOOK hook : hooks_) {
        UnhookWindowsHookEx(hook);
    }
    hooks_.clear();
    if (library_) {
        FreeLibrary(library_);
        library_ = nullptr;
    }
}

int RunHookHelper(std::span<const std::string> threadTexts) {
    std::vector<DWORD> threads;
    std::vector<std::unique_ptr<RingFile>> rings;
    for (const std::string& text : threadTexts) {
        const DWORD thread = std::strtoul(text.c_str(), nullptr, 10);
        auto ring = std::make_unique<RingFile>();
        if (thread == 0 || !ring->Open(thread)) {
            return 2;
        }
        threads.push_back(thread);
        rings.push_back(std::move(ring));
    }
    if (rings.empty()) {
        return 2;
    }
    const mAPI::KernelHandle owner(OpenProcess(SYNCHRONIZE, FALSE, rings.front()->Owner()));
    HookSet hooks;
    std::string problem;
    const bool hooked = owner && hooks.Hook(threads, problem);
    for (const auto& ring : rings) {
        ring->SetHookState(hooked ? ring::HookState::Hooked : ring::HookState::Failed);
    }
    // Until the session ends or its program is gone, killed or not.
    while (hooked && WaitForSingleObject(owner.get(), 100) == WAIT_TIMEOUT) {
        bool ended = false;
        for (const auto& ring : rings) {
            ended = ended || ring->Closed();
        }
        if (ended) {
            break;
        }
    }
    hooks.Unhook();
    return hooked ? 0 : 1;
}

} // namespace vantry::hooks
