#include "core/readable_string.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

using namespace mAPI;

namespace {

// A fake address space made of real buffers: each region is readable or not.
class FakeMemory {
  public:
    std::uintptr_t AddRegion(std::vector<char> bytes, bool readable) {
        blocks_.push_back(std::make_unique<std::vector<char>>(std::move(bytes)));
        const auto base = reinterpret_cast<std::uintptr_t>(blocks_.back()->data());
        regions_.push_back({base, blocks_.back()->size(), readable});
        return base;
    }
    // Two regions that follow each other without a gap, as the system reports them.
    std::pair<std::uintptr_t, std::uintptr_t> AddAdjacent(std::vector<char> bytes,
                                                          std::size_t split, bool secondReadable) {
        blocks_.push_back(std::make_unique<std::vector<char>>(std::move(bytes)));
        const auto base = reinterpret_cast<std::uintptr_t>(blocks_.back()->data());
        regions_.push_back({base, split, true});
        regions_.push_back({base + split, blocks_.back()->size() - split, secondReadable});
        return {base, base + split};
    }
    RegionQuery Query() const {
        return [this](std::uintptr_t address) -> std::optional<MemoryRegion> {
            for (const auto& region : regions_) {
                if (address >= region.base && address < region.base + region.size) {
                    return region;
                }
            }
            return std::nullopt;
        };
    }

  private:
    std::vector<std::unique_ptr<std::vector<char>>> blocks_;
    std::vector<MemoryRegion> regions_;
};

std::vector<char> Bytes(const char* text, std::size_t size) {
    return std::vector<char>(text, text + size);
}

} // namespace

TEST(ReadableStringLength, MeasuresStringsInReadableMemory) {
    FakeMemory memory;
    const auto hello = memory.AddRegion(Bytes("hello\0world", 11), true);
    EXPECT_EQ(ReadableStringLength(hello, memory.Query()), 5u);
    EXPECT_EQ(ReadableStringLength(hello + 6, memory.Query()), std::nullopt); // no NUL left
    const auto empty = memory.AddRegion(Bytes("\0", 1), true);
    EXPECT_EQ(ReadableStringLength(empty, memory.Query()), 0u);

    std::vector<char> long_text(301, 'x');
    long_text.back() = '\0';
    const auto longAddress = memory.AddRegion(long_text, true);
    EXPECT_EQ(ReadableStringLength(longAddress, memory.Query()), 300u);
}

TEST(ReadableStringLength, RefusesZeroUnknownAndUnreadableAddresses) {
    FakeMemory memory;
    const auto locked = memory.AddRegion(Bytes("secret\0", 7), false);
    EXPECT_EQ(ReadableStringLength(0, memory.Query()), std::nullopt);
    EXPECT_EQ(ReadableStringLength(locked, memory.Query()), std::nullopt);
    EXPECT_EQ(ReadableStringLength(locked + 100000, memory.Query()), std::nullopt);
}

TEST(ReadableStringLength, FollowsAStringAcrossAdjacentRegions) {
    FakeMemory memory;
    const auto [start, second] = memory.AddAdjacent(Bytes("abcdef\0", 7), 3, true);
    EXPECT_EQ(ReadableStringLength(start, memory.Query()), 6u);
    EXPECT_EQ(ReadableStringLength(second, memory.Query()), 3u);
}

TEST(ReadableStringLength, NeverReadsPastTheReadablePart) {
    // The terminator lies in a region marked unreadable: the scan must stop before it, and
    // AddressSanitizer would report any read past a region's end.
    FakeMemory memory;
    const auto [start, locked] = memory.AddAdjacent(Bytes("abc\0", 4), 3, false);
    (void)locked;
    EXPECT_EQ(ReadableStringLength(start, memory.Query()), std::nullopt);

    const auto unterminated = memory.AddRegion(Bytes("abc", 3), true);
    EXPECT_EQ(ReadableStringLength(unterminated, memory.Query()), std::nullopt);
}

TEST(ReadableStringLength, StopsOnAnswersThatWouldNotAdvance) {
    const char text[] = "abc";
    const auto address = reinterpret_cast<std::uintptr_t>(text);
    const RegionQuery empty = [](std::uintptr_t at) -> std::optional<MemoryRegion> {
        return MemoryRegion{at, 0, true};
    };
    const RegionQuery behind = [](std::uintptr_t at) -> std::optional<MemoryRegion> {
        return MemoryRegion{at + 1, 10, true};
    };
    EXPECT_EQ(ReadableStringLength(address, empty), std::nullopt);
    EXPECT_EQ(ReadableStringLength(address, behind), std::nullopt);
}

TEST(IsReadableRange, AcceptsOnlyRangesWhollyInReadableRegions) {
    FakeMemory memory;
    const auto data = memory.AddRegion(std::vector<char>(64, 'x'), true);
    EXPECT_TRUE(IsReadableRange(data, 64, memory.Query()));
    EXPECT_TRUE(IsReadableRange(data + 63, 1, memory.Query()));
    EXPECT_TRUE(IsReadableRange(data, 0, memory.Query()));
    EXPECT_FALSE(IsReadableRange(data, 65, memory.Query()));         // one byte past the end
    EXPECT_FALSE(IsReadableRange(data, 0x7FFFFFF0, memory.Query())); // a size a module claims
    EXPECT_FALSE(IsReadableRange(data, SIZE_MAX, memory.Query()));   // wraps around
    EXPECT_FALSE(IsReadableRange(0, 4, memory.Query()));

    // Across two adjacent regions: whole only when both are readable.
    const auto [first, second] = memory.AddAdjacent(std::vector<char>(32, 'y'), 16, true);
    EXPECT_TRUE(IsReadableRange(first, 32, memory.Query()));
    const auto [head, tail] = memory.AddAdjacent(std::vector<char>(32, 'z'), 16, false);
    EXPECT_TRUE(IsReadableRange(head, 16, memory.Query()));
    EXPECT_FALSE(IsReadableRange(head, 17, memory.Query()));
    EXPECT_FALSE(IsReadableRange(tail, 1, memory.Query()));
    (void)second;
}
