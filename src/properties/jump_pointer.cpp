#include "properties/jump_pointer.h"

#include "core/box.h"

#include <array>

namespace vantry {

namespace {

// The hand as white boxes: the raised index finger, three folded fingers, palm and thumb.
constexpr std::array<Box, 7> kHand{{
    {12, 10, 16, 20},
    {16, 15, 19, 20},
    {19, 16, 22, 21},
    {22, 17, 25, 22},
    {10, 20, 25, 27},
    {12, 27, 24, 29},
    {7, 19, 10, 23},
}};

bool InHand(int x, int y) {
    for (const Box& box : kHand) {
        if (x >= box.left && x < box.right && y >= box.top && y < box.bottom) {
            return true;
        }
    }
    return false;
}

} // namespace

pictures::Image DrawJumpPointer() {
    constexpr pictures::Rgb kBlack = 0x000000;
    constexpr pictures::Rgb kWhite = 0xFFFFFF;
    pictures::Image hand(kJumpPointerSize, kJumpPointerSize, pictures::kTransparent);
    for (int y = 0; y < kJumpPointerSize; ++y) {
        for (int x = 0; x < kJumpPointerSize; ++x) {
            if (InHand(x, y)) {
                hand.Set(x, y, kWhite);
            } else if (InHand(x - 1, y) || InHand(x + 1, y) || InHand(x, y - 1) ||
                       InHand(x, y + 1)) {
                hand.Set(x, y, kBlack); // the outline
            }
        }
    }
    return hand;
}

} // namespace vantry
