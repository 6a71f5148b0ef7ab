// Move-only owners for GDI and USER handles. Every wrapper counts the handles it holds, so
// tests can prove that an operation gives back all it took (Wine has no GetGuiResources).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <utility>

namespace mAPI {

// Handles currently held by all wrappers together.
int& LiveHandleCount();

template <typename H, auto Close> class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(H handle) : handle_(handle) {
        if (handle_) {
            ++LiveHandleCount();
        }
    }
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, H{})) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, H{});
        }
        return *this;
    }

    H get() const { return handle_; }
    explicit operator bool() const { return handle_ != H{}; }
    void reset() {
        if (handle_) {
            Close(handle_);
            --LiveHandleCount();
            handle_ = H{};
        }
    }

  private:
    H handle_{};
};

inline void CloseGdiObject(HGDIOBJ object) {
    DeleteObject(object);
}
inline void CloseIcon(HICON icon) {
    DestroyIcon(icon);
}
inline void CloseCursor(HCURSOR cursor) {
    DestroyCursor(cursor);
}
inline void CloseMemoryDC(HDC dc) {
    DeleteDC(dc);
}
inline void CloseImageList(HIMAGELIST list) {
    ImageList_Destroy(list);
}
inline void CloseKernelHandle(HANDLE handle) {
    CloseHandle(handle);
}
inline void CloseMenu(HMENU menu) {
    DestroyMenu(menu);
}
inline void CloseAccelerators(HACCEL table) {
    DestroyAcceleratorTable(table);
}
inline void CloseWinEventHook(HWINEVENTHOOK hook) {
    UnhookWinEvent(hook);
}

using Bitmap = UniqueHandle<HBITMAP, CloseGdiObject>;
using Brush = UniqueHandle<HBRUSH, CloseGdiObject>;
using Font = UniqueHandle<HFONT, CloseGdiObject>;
using Icon = UniqueHandle<HICON, CloseIcon>;
using Cursor = UniqueHandle<HCURSOR, CloseCursor>;
using MemoryDC = UniqueHandle<HDC, CloseMemoryDC>;
using ImageListHandle = UniqueHandle<HIMAGELIST, CloseImageList>;
using MenuHandle = UniqueHandle<HMENU, CloseMenu>;
using AcceleratorTable = UniqueHandle<HACCEL, CloseAccelerators>;
using KernelHandle = UniqueHandle<HANDLE, CloseKernelHandle>;
using WinEventHook = UniqueHandle<HWINEVENTHOOK, CloseWinEventHook>;

// A DC from GetDC, given back with ReleaseDC to the same window (0 is the screen).
class WindowDC {
  public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {
        if (dc_) {
            ++LiveHandleCount();
        }
    }
    ~WindowDC() {
        if (dc_) {
            ReleaseDC(window_, dc_);
            --LiveHandleCount();
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (previous_ && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Stops a window's painting for the guard's life (one window at a time, system-wide).
class WindowUpdateLock {
  public:
    explicit WindowUpdateLock(HWND window) { LockWindowUpdate(window); }
    ~WindowUpdateLock() { LockWindowUpdate(nullptr); }
    WindowUpdateLock(const WindowUpdateLock&) = delete;
    WindowUpdateLock& operator=(const WindowUpdateLock&) = delete;
};

} // namespace mAPI
