// The hook library: loaded by the system into the watched thread's process while Vantry logs
// it. Each hooked thread writes its records into the ring Vantry made for that thread.
//
// It runs inside somebody else's program, so it never waits, never allocates, never reads a
// pointer without checking first that the memory is readable, and goes quiet once its session
// has ended or its reader has gone (a killed Vantry leaves its hooks in place).
#include "model/message_ring.h"

#include <windows.h>

#include <atomic>
#include <cstring>

// GCC exports the procedures by attribute (with --kill-at for their plain names); MSVC by the
// module definition file.
#if defined(__GNUC__)
#define VANTRY_HOOK_EXPORT __attribute__((dllexport))
#else
#define VANTRY_HOOK_EXPORT
#endif

namespace {

using vantry::ring::Data;
using vantry::ring::Header;
using vantry::ring::Kind;
using vantry::ring::Scope;
using vantry::ring::Slot;

// After a session ends, a thread looks for a new one at most this often.
constexpr DWORD kRetryMs = 500;
constexpr int kMaxThreads = 64;
constexpr int kChildCacheSize = 16;

struct ThreadState {
    std::atomic<DWORD> thread; // 0 while the slot is free
    Header* header;            // the ring's view, which keeps the ring alive
    HANDLE wake;
    DWORD lastTry; // when the ring was last looked for
    bool triedOnce;
    bool inChain;        // inside CallNextHookEx: a further hook of ours belongs to an old session
    std::uint16_t depth; // logged sends not yet returned
    // Whether a window is the watched one or below it, for the scope with children.
    HWND cachedWindow[kChildCacheSize];
    bool cachedInside[kChildCacheSize];
};

ThreadState g_threads[kMaxThreads];
// Under Wine a hook sees a text as its sender gave it; Windows gives a Unicode hook UTF-16.
// Set once when the library loads, so that no hook call waits on a first-use guard.
bool g_textsComeAsSent = false;

void Close(ThreadState& state) {
    if (state.header) {
        UnmapViewOfFile(state.header);
    }
    if (state.wake) {
        CloseHandle(state.wake);
    }
    state.header = nullptr;
    state.wake = nullptr;
    state.depth = 0;
    std::memset(state.cachedWindow, 0, sizeof state.cachedWindow);
}

void Open(ThreadState& state, DWORD thread) {
    state.lastTry = GetTickCount();
    state.triedOnce = true;
    wchar_t name[64];
    wsprintfW(name, vantry::ring::kRingNameFormat, thread);
    HANDLE mapping = OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, name);
    if (!mapping) {
        return;
    }
    void* view =
        MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, vantry::ring::kMappingBytes);
    CloseHandle(mapping);
    wsprintfW(name, vantry::ring::kWakeNameFormat, thread);
    state.wake = OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
    state.header = static_cast<Header*>(view);
    if (!view || !state.wake || state.header->magic != vantry::ring::kMagic ||
        state.header->version != vantry::ring::kVersion ||
        state.header->slotCount != vantry::ring::kSlotCount ||
        vantry::ring::SessionGone(*state.header, GetTickCount())) {
        Close(state);
    }
}

// This thread's state, with its ring open while a session runs; nullptr when there is none.
ThreadState* StateOfThisThread() {
    const DWORD thread = GetCurrentThreadId();
    ThreadState* state = nullptr;
    for (ThreadState& slot : g_threads) {
        if (slot.thread.load(std::memory_order_acquire) == thread) {
            state = &slot;
            break;
        }
    }
    if (!state) {
        for (ThreadState& slot : g_threads) {
            DWORD free = 0;
            if (slot.thread.compare_exchange_strong(free, thread, std::memory_order_acq_rel)) {
                state = &slot;
                break;
            }
        }
        if (!state) {
            return nullptr; // more hooked threads than slots: these go unlogged
        }
    }
    const DWORD now = GetTickCount();
    if (state->header && vantry::ring::SessionGone(*state->header, now)) {
        Close(*state);
        state->lastTry = now;
    }
    if (!state->header && (!state->triedOnce || now - state->lastTry >= kRetryMs)) {
        Open(*state, thread);
    }
    return state;
}

std::uint32_t Handle32(HWND window) {
    return static_cast<std::uint32_t>(reinterpret_cast<ULONG_PTR>(window));
}

// Handles are 32 bits wide, sign-extended in a 64-bit process.
HWND HandleOf(std::uint32_t value) {
    return reinterpret_cast<HWND>(static_cast<LONG_PTR>(static_cast<std::int32_t>(value)));
}

bool InsideWatched(ThreadState& state, HWND window) {
    if (Handle32(window) == state.header->root) {
        return true;
    }
    const std::size_t at = (reinterpret_cast<ULONG_PTR>(window) >> 1) % kChildCacheSize;
    if (state.cachedWindow[at] != window) {
        state.cachedWindow[at] = window;
        state.cachedInside[at] = window && IsChild(HandleOf(state.header->root), window);
    }
    return state.cachedInside[at];
}

bool Watched(ThreadState& state, HWND window) {
    switch (static_cast<Scope>(state.header->scope)) {
    case Scope::Thread:
        return true;
    case Scope::WithChildren:
        return InsideWatched(state, window);
    case Scope::Window:
        break;
    }
    return Handle32(window) == state.header->root;
}

bool Readable(DWORD protect) {
    if (protect & (PAGE_GUARD | PAGE_NOACCESS)) {
        return false;
    }
    return (protect & (PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                       PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY)) != 0;
}

// How many of the wanted bytes at address can be read, from the start.
std::size_t ReadableBytes(const void* address, std::size_t wanted) {
    auto at = reinterpret_cast<ULONG_PTR>(address);
    if (at < 0x10000) {
        return 0; // a number, not a pointer
    }
    std::size_t readable = 0;
    while (readable < wanted) {
        MEMORY_BASIC_INFORMATION info;
        if (!VirtualQuery(reinterpret_cast<const void*>(at), &info, sizeof info) ||
            info.State != MEM_COMMIT || !Readable(info.Protect)) {
            break;
        }
        const ULONG_PTR end = reinterpret_cast<ULONG_PTR>(info.BaseAddress) + info.RegionSize;
        readable += end - at;
        at = end;
    }
    return readable < wanted ? readable : wanted;
}

// The structure the pointer points at when all of it can be read; else the record says the
// pointer was unreadable.
template <typename T> const T* Structure(LPARAM pointer, Slot& slot) {
    const auto* source = reinterpret_cast<const T*>(pointer);
    if (ReadableBytes(source, sizeof(T)) < sizeof(T)) {
        slot.data = static_cast<std::uint16_t>(Data::Unreadable);
        return nullptr;
    }
    return source;
}

// Copies units of a text into out, up to capacity or the first zero (or count, when the length
// is known); returns how many were copied, and whether the text went on past them.
template <typename Unit>
std::size_t CopyText(const Unit* text, std::size_t count, Unit* out, std::size_t capacity,
                     bool& truncated) {
    // One unit past the capacity tells whether the text goes on.
    const std::size_t wanted = count <= capacity ? count : capacity + 1;
    const std::size_t readable = ReadableBytes(text, wanted * sizeof(Unit)) / sizeof(Unit);
    std::size_t copied = 0;
    while (copied < readable && copied < capacity && text[copied] != 0) {
        out[copied] = text[copied];
        ++copied;
    }
    truncated = copied == capacity && copied < readable && text[copied] != 0;
    return copied;
}

// A text parameter, as UTF-16: an ANSI text is converted in this process's code page.
void Text(HWND window, LPARAM pointer, std::size_t count, Slot& slot) {
    if (ReadableBytes(reinterpret_cast<const void*>(pointer), 1) == 0) {
        slot.data = static_cast<std::uint16_t>(Data::Unreadable);
        return;
    }
    constexpr std::size_t kUnits = sizeof slot.bytes / 2;
    auto* out = reinterpret_cast<wchar_t*>(slot.bytes);
    bool truncated = false;
    std::size_t units = 0;
    if (g_textsComeAsSent && !IsWindowUnicode(window)) {
        char bytes[kUnits];
        const std::size_t length =
            CopyText(reinterpret_cast<const char*>(pointer), count, bytes, kUnits, truncated);
        units = length ? static_cast<std::size_t>(MultiByteToWideChar(
                             CP_ACP, 0, bytes, static_cast<int>(length), out, kUnits))
                       : 0;
    } else {
        units = CopyText(reinterpret_cast<const wchar_t*>(pointer), count, out, kUnits, truncated);
    }
    slot.data = static_cast<std::uint16_t>(Data::Text);
    slot.dataSize = static_cast<std::uint16_t>(2 * units);
    slot.truncated = truncated;
}

template <typename T> void Put(Slot& slot, Data kind, const T& value) {
    static_assert(sizeof(T) <= sizeof slot.bytes);
    std::memcpy(slot.bytes, &value, sizeof value);
    slot.data = static_cast<std::uint16_t>(kind);
    slot.dataSize = sizeof value;
}

// A window or class name of a CREATESTRUCT, after the fixed part; an ordinal or atom has none.
std::uint16_t CreateName(LPCWSTR name, Slot& slot, std::size_t at, std::size_t capacity,
                         bool& truncated) {
    if (reinterpret_cast<ULONG_PTR>(name) < 0x10000) {
        return 0;
    }
    bool cut = false;
    const std::size_t copied = CopyText(name, static_cast<std::size_t>(-1),
                                        reinterpret_cast<wchar_t*>(slot.bytes + at), capacity, cut);
    truncated = truncated || cut;
    return static_cast<std::uint16_t>(copied);
}

void Create(LPARAM pointer, Slot& slot) {
    const auto* create = Structure<CREATESTRUCTW>(pointer, slot);
    if (!create) {
        return;
    }
    vantry::ring::CreateData data{};
    data.style = static_cast<std::uint32_t>(create->style);
    data.exStyle = create->dwExStyle;
    data.x = create->x;
    data.y = create->y;
    data.cx = create->cx;
    data.cy = create->cy;
    data.parent = Handle32(create->hwndParent);
    data.menu = static_cast<std::uint32_t>(reinterpret_cast<ULONG_PTR>(create->hMenu));
    const auto classPointer = reinterpret_cast<ULONG_PTR>(create->lpszClass);
    data.classAtom = classPointer < 0x10000 ? static_cast<std::uint16_t>(classPointer) : 0;
    bool truncated = false;
    constexpr std::size_t kNameUnits = 64;
    const std::size_t classUnits = (sizeof slot.bytes - sizeof data) / 2 - kNameUnits;
    data.nameUnits = CreateName(create->lpszName, slot, sizeof data, kNameUnits, truncated);
    data.classUnits = CreateName(create->lpszClass, slot, sizeof data + 2u * data.nameUnits,
                                 classUnits, truncated);
    std::memcpy(slot.bytes, &data, sizeof data);
    slot.data = static_cast<std::uint16_t>(Data::Create);
    slot.dataSize =
        static_cast<std::uint16_t>(sizeof data + 2u * (data.nameUnits + data.classUnits));
    slot.truncated = truncated;
}

// What the parameters of a sent message point at.
void SentData(HWND window, UINT message, LPARAM lParam, Slot& slot) {
    switch (message) {
    case WM_SETTEXT:
        Text(window, lParam, static_cast<std::size_t>(-1), slot);
        break;
    case WM_CREATE:
    case WM_NCCREATE:
        Create(lParam, slot);
        break;
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
        if (const auto* pos = Structure<WINDOWPOS>(lParam, slot)) {
            Put(slot, Data::WindowPos,
                vantry::ring::WindowPosData{Handle32(pos->hwndInsertAfter), pos->x, pos->y, pos->cx,
                                            pos->cy, pos->flags});
        }
        break;
    case WM_SIZING:
    case WM_MOVING:
    case WM_DPICHANGED:
        if (const auto* rect = Structure<RECT>(lParam, slot)) {
            Put(slot, Data::Rect,
                vantry::ring::RectData{rect->left, rect->top, rect->right, rect->bottom});
        }
        break;
    case WM_NOTIFY:
        if (const auto* header = Structure<NMHDR>(lParam, slot)) {
            Put(slot, Data::Notify,
                vantry::ring::NotifyData{Handle32(header->hwndFrom), header->code,
                                         static_cast<std::uint64_t>(header->idFrom)});
        }
        break;
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
        if (const auto* styles = Structure<STYLESTRUCT>(lParam, slot)) {
            Put(slot, Data::Styles, vantry::ring::StylesData{styles->styleOld, styles->styleNew});
        }
        break;
    default:
        break;
    }
}

void Log(ThreadState& state, Kind kind, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
         LRESULT result) {
    Header& header = *state.header;
    if (header.paused.load(std::memory_order_relaxed)) {
        return;
    }
    Slot* slot = vantry::ring::BeginWrite(header);
    if (!slot) {
        return;
    }
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    slot->time = static_cast<std::uint64_t>(now.QuadPart);
    slot->window = Handle32(window);
    slot->message = message;
    slot->wParam = static_cast<std::uint64_t>(wParam);
    slot->lParam = static_cast<std::uint64_t>(lParam);
    slot->result = static_cast<std::uint64_t>(result);
    slot->thread = GetCurrentThreadId();
    slot->kind = static_cast<std::uint16_t>(kind);
    slot->depth = state.depth;
    slot->data = static_cast<std::uint16_t>(Data::None);
    slot->dataSize = 0;
    slot->truncated = 0;
    if (kind == Kind::Sent) {
        SentData(window, message, lParam, *slot);
    } else if (kind == Kind::Returned && message == WM_GETTEXT && result > 0) {
        Text(window, lParam, static_cast<std::size_t>(result), *slot);
    }
    if (vantry::ring::EndWrite(header)) {
        SetEvent(state.wake);
    }
}

// Runs what one hook logs, then the next hook; a copy of ours further down the chain (left by
// a session that ended without unhooking) logs nothing.
template <typename LogOne> LRESULT Chain(int code, WPARAM wParam, LPARAM lParam, LogOne logOne) {
    ThreadState* state = code == HC_ACTION ? StateOfThisThread() : nullptr;
    if (!state) {
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    const bool outermost = !state->inChain;
    if (outermost && state->header) {
        logOne(*state);
    }
    state->inChain = true;
    const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
    if (outermost) {
        state->inChain = false;
    }
    return result;
}

} // namespace

extern "C" {

VANTRY_HOOK_EXPORT LRESULT CALLBACK VantryCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
    return Chain(code, wParam, lParam, [lParam](ThreadState& state) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (Watched(state, sent->hwnd)) {
            Log(state, Kind::Sent, sent->hwnd, sent->message, sent->wParam, sent->lParam, 0);
            ++state.depth;
        }
    });
}

VANTRY_HOOK_EXPORT LRESULT CALLBACK VantryCallWndProcRet(int code, WPARAM wParam, LPARAM lParam) {
    return Chain(code, wParam, lParam, [lParam](ThreadState& state) {
        const auto* returned = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (Watched(state, returned->hwnd)) {
            if (state.depth > 0) {
                --state.depth;
            }
            Log(state, Kind::Returned, returned->hwnd, returned->message, returned->wParam,
                returned->lParam, returned->lResult);
        }
    });
}

VANTRY_HOOK_EXPORT LRESULT CALLBACK VantryGetMessage(int code, WPARAM wParam, LPARAM lParam) {
    return Chain(code, wParam, lParam, [wParam, lParam](ThreadState& state) {
        const auto* posted = reinterpret_cast<const MSG*>(lParam);
        // A message only looked at is not yet delivered; it comes again when it is removed.
        if (wParam == PM_REMOVE && Watched(state, posted->hwnd)) {
            Log(state, Kind::Posted, posted->hwnd, posted->message, posted->wParam, posted->lParam,
                0);
        }
    });
}

} // extern "C"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_textsComeAsSent =
            GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    } else if (reason == DLL_THREAD_DETACH) {
        const DWORD thread = GetCurrentThreadId();
        for (ThreadState& slot : g_threads) {
            if (slot.thread.load(std::memory_order_acquire) == thread) {
                Close(slot);
                slot.triedOnce = false;
                slot.inChain = false;
                slot.thread.store(0, std::memory_order_release);
            }
        }
    }
    return TRUE;
}
