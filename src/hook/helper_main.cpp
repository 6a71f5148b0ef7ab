// The other processor's program in a build folder, where only the hook helper of a message log
// is built for it: "/loghelper THREAD..." holds the hooks, as the whole program does when it
// ships beside the other.
#include "model/message_hooks.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> threads;
    const bool helper = args && count >= 2 && lstrcmpiW(args[1], L"/loghelper") == 0;
    for (int i = 2; helper && i < count; ++i) {
        threads.emplace_back(args[i], args[i] + lstrlenW(args[i])); // digits only
    }
    LocalFree(args);
    if (!helper) {
        MessageBoxW(nullptr, L"This build of the program only holds the hooks of a message log.",
                    L"Vantry", MB_OK | MB_ICONINFORMATION);
        return 2;
    }
    return vantry::hooks::RunHookHelper(threads);
}
