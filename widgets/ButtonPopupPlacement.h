#pragma once
// Where the button's popup menu opens for each of its eight alignments: the point in the button's
// pixels and the placement flags (8: the menu's right edge at the point, 32: its bottom edge,
// 4 and 16: centred horizontally or vertically on it).
#include <QPoint>
#include <QSize>
#include <cstdint>
#include <optional>

namespace ButtonPopupPlacement {

constexpr int32_t kCenterAlign = 4;
constexpr int32_t kRightAlign = 8;
constexpr int32_t kVCenterAlign = 16;
constexpr int32_t kBottomAlign = 32;

struct Placement {
    QPoint point;
    int32_t flags = 0;
};

// None for an alignment outside 0 to 7.
std::optional<Placement> ForAlignment(int32_t align, int32_t flags, int width, int height);

// The top-left corner of a menu of the given size placed at the point with the flags.
QPoint MenuTopLeft(const Placement& placement, const QSize& menuSize);

}
