// Windows with known classes, captions, icons and places, made by the tests themselves.
#pragma once

#include "core/handles.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace testwin {

// Classes with a small icon of one solid colour, and a class without any icon.
constexpr char kIconClass[] = "VantryTestIcon";
constexpr char kPlainClass[] = "VantryTestPlain";
constexpr COLORREF kIconColor = RGB(0xD0, 0x20, 0x20);
// A second icon class, so that a test can tell images apart.
constexpr char kOtherIconClass[] = "VantryTestOtherIcon";
constexpr COLORREF kOtherIconColor = RGB(0x20, 0x40, 0xD0);

void RegisterClasses();

// Owns the windows it makes and destroys them in reverse order.
class Windows {
  public:
    Windows();
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    HWND TopLevel(const std::string& caption, RECT place, bool visible = true,
                  const char* className = kPlainClass);
    HWND Child(HWND parent, const std::string& caption, const char* className = kPlainClass);

  private:
    std::vector<HWND> made_;
};

// What the real tree control holds for a node.
struct Node {
    std::string text;
    int image = 0; // counted from 1, as the forms count images
    bool expanded = false;
};
Node ReadNode(HWND tree, HTREEITEM item);
std::vector<HTREEITEM> Children(HWND tree, HTREEITEM item);
std::vector<HTREEITEM> Roots(HWND tree);

// Handles every waiting message, so asynchronous effects settle.
void Pump();

} // namespace testwin
