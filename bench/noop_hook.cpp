// The floor of bench/message_log: the three hooks the message log sets, doing nothing.
#include <windows.h>

extern "C" {

__declspec(dllexport) LRESULT CALLBACK NoopHook(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // extern "C"
