// Base of the thin, non-owning control wrappers. A control knows its design place in twips
// and is created as a child of its form when the form loads.
#pragma once

#include "core/handles.h"
#include "toolkit/font_desc.h"
#include "toolkit/twips.h"

#include <windows.h>

#include <string>

namespace tk {

class Form;

class Control {
  public:
    explicit Control(TwipsRect design) : design_(design) {}
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND hWnd() const { return hwnd_; }

    // Place in the parent's client area, in twips.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void Move(int left, int top, int width, int height);
    void SetWidth(int width);
    void SetHeight(int height);
    // To the top of its siblings, where it covers the ones it overlaps.
    void BringToFront();
    void SetVisible(bool visible);
    bool Visible() const;
    virtual void SetEnabled(bool enabled);
    // Place in pixels of the parent window.
    void MovePixels(int left, int top, int width, int height);

    // Called by the form: build the window, react to its notifications, forget it.
    virtual void Create(Form& parent) = 0;
    virtual bool OnNotify(NMHDR& header, LRESULT& result);
    virtual void OnCommand(WORD id, WORD code);
    virtual void OnParentResized();
    // The background brush for an edit or static control; nullptr for the default.
    virtual HBRUSH OnColor(HDC dc);
    void Detach() { hwnd_ = nullptr; }
    // The font the control was created with: its own, or its form's.
    HFONT BaseFont() const { return baseFont_; }

    // Before the form loads: place the control inside another one (its design place is then
    // relative to that control).
    void SetContainer(Control& container) { container_ = &container; }

    // Before the form loads; a control without a font of its own uses its form's.
    void SetFont(FontDesc font) {
        fontDesc_ = std::move(font);
        ownFont_ = true;
    }

  protected:
    // Puts the control's own message handling in front of its window's class procedure.
    // (comctl32's SetWindowSubclass keeps its data in window properties, which Wine fetches
    // from its server on every message: a tree view load or an edit's text cost ten times more.)
    void SubclassWindow();
    // A message to the subclassed window; true when handled, with result set.
    virtual bool SubclassMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam);

    // A Unicode window takes typed characters of every script; an ANSI one gets them narrowed
    // to the code page.
    enum class Chars { Ansi, Unicode };
    HWND CreateChild(Form& parent, const char* className, DWORD style, DWORD exStyle = 0,
                     const char* text = "", Chars chars = Chars::Ansi);
    const TwipsRect& Design() const { return design_; }
    // The window's place in its parent's client area, in pixels.
    RECT PixelRect() const;
    // Where a WM_CONTEXTMENU's menu opens: at the pointer, or, from the keyboard (-1), below
    // the item the control shows as current (client coordinates; nullptr for none).
    POINT ContextMenuPoint(LPARAM lParam, const RECT* current) const;

  private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    TwipsRect design_;
    HWND hwnd_ = nullptr;
    Control* container_ = nullptr;
    FontDesc fontDesc_;
    bool ownFont_ = false;
    mAPI::Font font_;
    HFONT baseFont_ = nullptr;
    WNDPROC originalProc_ = nullptr;
};

} // namespace tk
