// Process-wide services of the form library: start-up, screen metrics, colours, fonts,
// the message loop and the mouse pointer.
#pragma once

#include "core/guarded.h"
#include "core/handles.h"
#include "toolkit/font_desc.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tk {

enum class MousePointer : int { Default = 0, Hourglass = 11, NoDrop = 12, Custom = 99 };

// Registers our window classes and the common controls. Call once before creating forms.
void InitToolkit(HINSTANCE instance);
HINSTANCE Instance();

// One of the program's own texts, written in UTF-8, in the process code page: unchanged where
// that is UTF-8, converted where the system keeps an ANSI code page (before Windows 10 1903).
std::string ProgramText(std::string_view utf8);

int ScreenDpi();
int ToPixels(int twips);
int ToTwips(int pixels);
// A size in pixels drawn at 96 dots per inch, at the screen's scale.
int ScaledPixels(int pixelsAt96);

// Colours as forms give them: an RGB value, or 0x80000000 plus a system colour index.
COLORREF ResolveColor(std::uint32_t color);
constexpr std::uint32_t SystemColor(int index) {
    return 0x80000000u | static_cast<std::uint32_t>(index);
}

mAPI::Font CreateFont(const FontDesc& font);

// The cursor that stands for a pointer value (Custom: the application's custom image);
// nullptr for the default.
HCURSOR CursorFor(MousePointer pointer);

// Our window classes register their procedure through this guard (see mAPI::Guarded).
template <WNDPROC Handle>
LRESULT CALLBACK GuardedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return mAPI::Guarded([&] { return Handle(window, message, wParam, lParam); },
                         [&] { return DefWindowProcA(window, message, wParam, lParam); });
}

// Registers one of our window classes the first time it is asked for (arrow cursor, room for
// one pointer in the window's extra bytes); returns the class atom.
ATOM EnsureWindowClass(const char* name, WNDPROC procedure, UINT style = 0,
                       HBRUSH background = nullptr);

// The object pointer our window classes keep in their extra bytes. Reading it is local to the
// process, unlike window properties, which Wine asks its server for on every message.
void SetWindowObject(HWND window, void* object);
void* GetWindowObject(HWND window);

// The application-wide pointer: while it is not Default it wins over every form's own, and a
// change shows at once (also while the mouse is captured, when no WM_SETCURSOR comes).
MousePointer AppPointer();
void SetAppPointer(MousePointer pointer, HCURSOR custom = nullptr);
// Lets the window under the pointer set the pointer again now, not at the next mouse move.
void RefreshCursor();

// Message boxes go through this one function, so tests can answer them.
using MessageBoxHandler =
    std::function<int(HWND owner, const std::string& text, const std::string& title, UINT style)>;
int ShowMessageBox(HWND owner, const std::string& text, const std::string& title, UINT style);
// Returns the handler it replaces; an empty one restores the system's message box.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// For container windows of our own: what a control inside reports (commands, notifications,
// colour requests) goes to the form, which knows the control. True when it was forwarded.
bool ForwardToForm(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Lets every message already waiting be handled, then returns.
void DoEvents();

// Pumps messages until done() answers true or WM_QUIT arrives (which is posted again).
void RunMessageLoop(const std::function<bool()>& done);

} // namespace tk
