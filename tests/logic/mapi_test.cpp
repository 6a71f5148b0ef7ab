#include "core/mapi.h"
#include "core/unique_queue.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

using namespace mAPI;

TEST(HexStr8, WritesTheUnsignedPatternAsEightUpperCaseDigits) {
    EXPECT_EQ(HexStr8(0), "00000000");
    EXPECT_EQ(HexStr8(255), "000000FF");
    EXPECT_EQ(HexStr8(65578), "0001002A");
    EXPECT_EQ(HexStr8(INT32_MAX), "7FFFFFFF");
    EXPECT_EQ(HexStr8(-1), "FFFFFFFF");
    EXPECT_EQ(HexStr8(INT32_MIN), "80000000");
}

TEST(HexPtr, ShowsPointerSizedValuesAtTheirTrueWidth) {
    // A 64-bit program's instance and a value whose high half matters.
    EXPECT_EQ(HexPtr(0x140000000u, 8), "0000000140000000");
    EXPECT_EQ(HexPtr(0x123456789ABCDEF0u, 8), "123456789ABCDEF0");
    EXPECT_EQ(HexPtr(UINT64_MAX, 8), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(HexPtr(0, 8), "0000000000000000");
    // A 32-bit program shows the low half exactly as HexStr8 does.
    EXPECT_EQ(HexPtr(0x00400000u, 4), "00400000");
    EXPECT_EQ(HexPtr(0xFFFFFFFFu, 4), HexStr8(-1));
    EXPECT_EQ(HexPtr(0x123456789ABCDEF0u, 4), "9ABCDEF0");
    EXPECT_EQ(HexPtr(1).size(), 2 * sizeof(void*));
}

TEST(TryHexToLong, ReadsDigitsAfterAnyLeadingZeros) {
    EXPECT_EQ(TryHexToLong("000000FF"), 255);
    EXPECT_EQ(TryHexToLong("ff"), 255);
    EXPECT_EQ(TryHexToLong("0001002A"), 65578);
    EXPECT_EQ(TryHexToLong("000000000123"), 291);
    EXPECT_EQ(TryHexToLong("00000000000000FF"), 255);
    EXPECT_EQ(TryHexToLong("8000"), 32768);
    EXPECT_EQ(TryHexToLong("FFFFFFFF"), -1);
    EXPECT_EQ(TryHexToLong("80000000"), INT32_MIN);
}

TEST(TryHexToLong, RejectsTextsThatAreNotHexNumbers) {
    for (const char* text : {"", "0", "00000000", "12 ", "1Ah", " 1", "-1", "+1", "0x1F", "G"}) {
        EXPECT_EQ(TryHexToLong(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(TryHexToLong, RejectsMoreThanEightSignificantDigits) {
    EXPECT_EQ(TryHexToLong("123456789"), std::nullopt);
    EXPECT_EQ(TryHexToLong("0100000000"), std::nullopt);
    // A stray character is a mismatch even in a long text.
    EXPECT_EQ(TryHexToLong("123456789Z"), std::nullopt);
}

TEST(TryHexToLong, InvertsHexStr8ForEveryValueButZero) {
    for (const std::int32_t value :
         {1, 15, 16, 255, 65578, 0x7FFFFFFF, -1, -2, INT32_MIN, 0x10000000, 0x0F0F0F0F}) {
        EXPECT_EQ(TryHexToLong(HexStr8(value)), value);
    }
    EXPECT_EQ(TryHexToLong(HexStr8(0)), std::nullopt);
}

TEST(TrimNull, CutsAtTheFirstNulAndNeedsOne) {
    using namespace std::string_view_literals;
    EXPECT_EQ(TrimNull("abc\0def\0"sv), "abc");
    EXPECT_EQ(TrimNull("\0abc"sv), "");
    EXPECT_EQ(TrimNull("abc"sv), "");
    EXPECT_EQ(TrimNull(""sv), "");
}

TEST(GetWordAt, ReadsLittleEndianUnsignedWords) {
    const std::array<std::uint8_t, 5> bytes{0x34, 0x12, 0xFF, 0xFF, 0x00};
    EXPECT_EQ(GetWordAt(bytes, 0), 0x1234);
    EXPECT_EQ(GetWordAt(bytes, 1), 0xFF12);
    EXPECT_EQ(GetWordAt(bytes, 2), 65535);
    EXPECT_EQ(GetWordAt(bytes, 3), 0x00FF);
}

TEST(GetWordAt, FailsWhenEitherByteIsOutside) {
    const std::array<std::uint8_t, 4> bytes{1, 2, 3, 4};
    for (const std::int32_t index : {-1, 3, 4, INT32_MAX, INT32_MIN}) {
        EXPECT_THROW(GetWordAt(bytes, index), SubscriptOutOfRangeError) << index;
    }
    EXPECT_THROW(GetWordAt({}, 0), SubscriptOutOfRangeError);
}

TEST(UniqueQueue, AValueWaitsOnceInItsFirstPlaceAndMayComeAgainOnceTaken) {
    mAPI::UniqueQueue<int> queue;
    EXPECT_TRUE(queue.Push(7));
    EXPECT_TRUE(queue.Push(3));
    EXPECT_FALSE(queue.Push(7)); // made, then shown: one wait
    EXPECT_EQ(queue.Size(), 2u);
    EXPECT_EQ(queue.Pop(), 7);
    EXPECT_TRUE(queue.Push(7)); // changed again after it was read
    EXPECT_EQ(queue.Pop(), 3);
    EXPECT_EQ(queue.Pop(), 7);
    EXPECT_TRUE(queue.Empty());
    queue.Push(1);
    queue.Clear();
    EXPECT_TRUE(queue.Empty());
    EXPECT_TRUE(queue.Push(1));
}
