// The floor of bench/message_log: the three hooks the message log sets, doing nothing.
#include <windows.h>

extern "C" {

#if defined(__GNUC__)
__attribute__((dllexport))
#endif
LRESULT CALLBACK
NoopHook(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // extern "C"
