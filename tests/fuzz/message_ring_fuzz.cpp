// A ring as another process may leave it, whatever its bytes: the reader takes at most what the
// ring holds, never reads past a slot, and every record it gives decodes.
#include "model/message_decode.h"
#include "model/message_ring.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantry;
    constexpr std::uint32_t kSlots = 4;
    constexpr std::size_t kBytes = sizeof(ring::Header) + kSlots * sizeof(ring::Slot);
    alignas(ring::Header) static std::uint8_t bytes[kBytes];
    std::memset(bytes, 0, kBytes);
    std::memcpy(bytes, data, std::min(size, kBytes));
    auto* header = std::launder(reinterpret_cast<ring::Header*>(bytes));
    ring::ReaderState state;
    if (size > kBytes + 8) {
        std::memcpy(&state.readIndex, data + kBytes, 4);
        std::memcpy(&state.droppedSeen, data + kBytes + 4, 4);
    }
    std::vector<ring::RawRecord> records;
    std::uint64_t dropped = 0;
    ring::Drain(*header, ring::SlotsOf(header), kSlots, state, records, dropped);
    if (records.size() > kSlots) {
        std::abort();
    }
    for (const ring::RawRecord& record : records) {
        if (record.bytes.size() > ring::kDataBytes) {
            std::abort();
        }
        const auto control = static_cast<ControlClass>(record.thread % 18);
        const auto sender = static_cast<ControlClass>(record.depth % 18);
        (void)DecodeMessage(record, DecodeContext{control, sender});
        (void)IdentifyMessage(record.message, control, "");
        (void)RecordText(record);
    }
    return 0;
}
