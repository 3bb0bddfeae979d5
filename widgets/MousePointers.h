#pragma once
// The button's MousePointer numbers as Qt cursor shapes: 0 default, 1 arrow, 2 cross, 3 I-beam,
// 4 icon, 5 size, 6 size NE-SW, 7 size N-S, 8 size NW-SE, 9 size W-E, 10 up arrow, 11 hourglass,
// 12 no drop, 13 arrow and hourglass, 14 arrow and question mark, 15 size all, 99 custom.
#include <Qt>
#include <cstdint>
#include <optional>

namespace MousePointers {

constexpr int16_t kDefault = 0;
constexpr int16_t kCustom = 99;

// None for the default pointer, the custom one and unknown numbers.
std::optional<Qt::CursorShape> ShapeFor(int16_t pointer);

}
