// The shared memory through which the hook library inside a watched thread hands its records
// to Vantry: a header and a ring of fixed-size slots, the same bytes in 32- and 64-bit
// processes. One ring serves one watched thread, so it has one writer and one reader and
// needs no lock: the writer never waits, and drops a record (counting it) when the ring is full.
//
// The writer's half is inline and depends on nothing, for the hook library. The reader's half
// treats every byte as untrusted: another process writes them.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantry::ring {

inline constexpr std::uint32_t kMagic = 0x474F4C56; // "VLOG"
inline constexpr std::uint32_t kVersion = 1;
inline constexpr std::uint32_t kSlotCount = 8192; // a power of two
inline constexpr std::size_t kDataBytes = 256;
// The names of a thread's ring and of the event that wakes its reader, for wsprintfW.
inline constexpr wchar_t kRingNameFormat[] = L"Local\\Vantry.MessageLog.%lu";
inline constexpr wchar_t kWakeNameFormat[] = L"Local\\Vantry.MessageLog.%lu.Wake";
// The writer goes quiet when the reader has not beaten for this long.
inline constexpr std::uint32_t kHeartbeatTimeoutMs = 3000;

enum class Kind : std::uint16_t { Sent = 1, Posted = 2, Returned = 3 };

// What a slot's data holds, copied from what a pointer parameter points at.
enum class Data : std::uint16_t {
    None = 0,
    Unreadable = 1, // the pointer could not be read
    Text = 2,       // UTF-16 units
    WindowPos = 3,  // WindowPosData
    Rect = 4,       // RectData
    Create = 5,     // CreateData, then the name's and the class's UTF-16 units
    Notify = 6,     // NotifyData
    Styles = 7,     // StylesData
};

// Which of the thread's windows the writer logs.
enum class Scope : std::uint32_t { Window = 0, WithChildren = 1, Thread = 2 };

// What the process holding the hooks says of it.
enum class HookState : std::uint32_t { Pending = 0, Hooked = 1, Failed = 2 };

struct WindowPosData {
    std::uint32_t insertAfter;
    std::int32_t x, y, cx, cy;
    std::uint32_t flags;
};

struct RectData {
    std::int32_t left, top, right, bottom;
};

struct CreateData {
    std::uint32_t style, exStyle;
    std::int32_t x, y, cx, cy;
    std::uint32_t parent, menu;
    std::uint16_t classAtom;  // when the class was given by atom; else its name follows
    std::uint16_t nameUnits;  // UTF-16 units of the window name, after this
    std::uint16_t classUnits; // UTF-16 units of the class name, after the window name
    std::uint16_t reserved;
};

struct NotifyData {
    std::uint32_t from;
    std::uint32_t code;
    std::uint64_t id;
};

struct StylesData {
    std::uint32_t oldStyle, newStyle;
};

struct Slot {
    std::uint64_t time; // performance counter ticks
    std::uint64_t wParam;
    std::uint64_t lParam;
    std::uint64_t result; // returned records
    std::uint32_t window;
    std::uint32_t message;
    std::uint32_t thread;
    std::uint16_t kind;  // Kind
    std::uint16_t depth; // sends under way on the thread when this one came
    std::uint16_t data;  // Data
    std::uint16_t dataSize;
    std::uint32_t truncated; // the data was cut to fit
    std::uint8_t bytes[kDataBytes];
    std::uint8_t reserved[8];
};
static_assert(sizeof(Slot) == 320);

struct Header {
    std::uint32_t magic;
    std::uint32_t version;
    std::uint32_t slotCount;
    std::uint32_t slotSize;
    std::uint32_t ownerProcess; // the reader's process id
    std::uint32_t scope;        // Scope
    std::uint32_t root;         // the watched window
    std::atomic<std::uint32_t> hookState;
    std::atomic<std::uint32_t> closed;        // the session ended
    std::atomic<std::uint32_t> paused;        // the writer skips while set
    std::atomic<std::uint32_t> readerWaiting; // the writer wakes the reader when it takes this
    std::atomic<std::uint32_t> heartbeat;     // the reader's clock (ms), beaten while it lives
    std::atomic<std::uint32_t> writeIndex;    // records written, wrapping
    std::atomic<std::uint32_t> readIndex;     // records read, wrapping
    std::atomic<std::uint32_t> dropped;       // records the full ring refused, wrapping
    std::uint32_t reserved[49];
};
static_assert(sizeof(Header) == 256);
static_assert(std::atomic<std::uint32_t>::is_always_lock_free);

inline constexpr std::size_t kMappingBytes = sizeof(Header) + kSlotCount * sizeof(Slot);

inline Slot* SlotsOf(Header* header) {
    return reinterpret_cast<Slot*>(reinterpret_cast<std::uint8_t*>(header) + sizeof(Header));
}

// Writer: the slot to fill, or nullptr when the ring is full (the record is counted dropped).
inline Slot* BeginWrite(Header& header) {
    const std::uint32_t write = header.writeIndex.load(std::memory_order_relaxed);
    const std::uint32_t read = header.readIndex.load(std::memory_order_acquire);
    if (write - read >= kSlotCount) {
        header.dropped.fetch_add(1, std::memory_order_relaxed);
        return nullptr;
    }
    return &SlotsOf(&header)[write & (kSlotCount - 1)];
}

// Writer: publishes the slot BeginWrite gave; true when the reader waits and must be woken.
inline bool EndWrite(Header& header) {
    header.writeIndex.fetch_add(1, std::memory_order_release);
    return header.readerWaiting.exchange(0, std::memory_order_acq_rel) != 0;
}

// Writer: whether the session is over (ended, or its reader gone silent).
inline bool SessionGone(const Header& header, std::uint32_t nowMs) {
    return header.closed.load(std::memory_order_relaxed) != 0 ||
           nowMs - header.heartbeat.load(std::memory_order_relaxed) > kHeartbeatTimeoutMs;
}

// What every record says of its message, from the ring to the log.
struct MessageFields {
    std::uint64_t time = 0; // performance counter ticks
    std::uint64_t wParam = 0;
    std::uint64_t lParam = 0;
    std::uint64_t result = 0; // returned records
    std::uint32_t window = 0;
    std::uint32_t message = 0;
    std::uint32_t thread = 0;
    Kind kind = Kind::Sent;
    std::uint16_t depth = 0;
};

// A record as the reader took it out of a slot, checked.
struct RawRecord : MessageFields {
    Data data = Data::None;
    bool truncated = false;
    std::vector<std::uint8_t> bytes; // the data, at most kDataBytes
};

// Reader: takes every published record out of the ring into out, and adds what the writer
// dropped since the last call to dropped. Indices that make no sense (a writer running ahead
// by more than the ring, or a corrupted header) count the lost records as dropped and start
// over at the writer's place. slotCount is the reader's own, never the header's.
struct ReaderState {
    std::uint32_t readIndex = 0;
    std::uint32_t droppedSeen = 0;
};
void Drain(Header& header, const Slot* slots, std::uint32_t slotCount, ReaderState& state,
           std::vector<RawRecord>& out, std::uint64_t& dropped);

// Reader: a slot's record, checked; false when the slot holds no valid record.
bool ReadSlot(const Slot& slot, RawRecord& record);

} // namespace vantry::ring
