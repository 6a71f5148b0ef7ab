#include "model/message_ring.h"

#include <algorithm>
#include <cstring>

namespace vantry::ring {

namespace {

bool KnownKind(std::uint16_t kind) {
    return kind >= static_cast<std::uint16_t>(Kind::Sent) &&
           kind <= static_cast<std::uint16_t>(Kind::Returned);
}

bool KnownData(std::uint16_t data) {
    return data <= static_cast<std::uint16_t>(Data::Styles);
}

} // namespace

bool ReadSlot(const Slot& shared, RawRecord& record) {
    // One copy first: the writer may still change the shared bytes while they are checked.
    Slot slot;
    std::memcpy(&slot, &shared, sizeof slot);
    if (!KnownKind(slot.kind) || !KnownData(slot.data)) {
        return false;
    }
    record.time = slot.time;
    record.wParam = slot.wParam;
    record.lParam = slot.lParam;
    record.result = slot.result;
    record.window = slot.window;
    record.message = slot.message;
    record.thread = slot.thread;
    record.kind = static_cast<Kind>(slot.kind);
    record.depth = slot.depth;
    record.data = static_cast<Data>(slot.data);
    record.truncated = slot.truncated != 0;
    const std::size_t size = std::min<std::size_t>(slot.dataSize, kDataBytes);
    record.bytes.assign(slot.bytes, slot.bytes + size);
    return true;
}

void Drain(Header& header, const Slot* slots, std::uint32_t slotCount, ReaderState& state,
           std::vector<RawRecord>& out, std::uint64_t& dropped) {
    if (slotCount == 0) {
        return;
    }
    const std::uint32_t write = header.writeIndex.load(std::memory_order_acquire);
    std::uint32_t read = state.readIndex;
    if (write - read > slotCount) {
        dropped += write - read;
        read = write;
    }
    for (; read != write; ++read) {
        RawRecord record;
        if (ReadSlot(slots[read % slotCount], record)) {
            out.push_back(std::move(record));
        } else {
            ++dropped;
        }
    }
    state.readIndex = read;
    header.readIndex.store(read, std::memory_order_release);
    const std::uint32_t droppedNow = header.dropped.load(std::memory_order_relaxed);
    dropped += droppedNow - state.droppedSeen;
    state.droppedSeen = droppedNow;
}

} // namespace vantry::ring
