#include "widgets/ButtonPopupPlacement.h"

namespace ButtonPopupPlacement {

std::optional<Placement> ForAlignment(int32_t align, int32_t flags, int width, int height)
{
    switch (align) {
    case 0: return Placement{QPoint(0, height), flags};
    case 1: return Placement{QPoint(0, 0), kBottomAlign};
    case 2: return Placement{QPoint(0, 0), flags + kRightAlign};
    case 3: return Placement{QPoint(width, 0), flags};
    case 4: return Placement{QPoint(0, 0), kRightAlign | kBottomAlign};
    case 5: return Placement{QPoint(0, height), flags + kRightAlign};
    case 6: return Placement{QPoint(width, 0), kBottomAlign};
    case 7: return Placement{QPoint(width, height), flags};
    default: return std::nullopt;
    }
}

QPoint MenuTopLeft(const Placement& placement, const QSize& menuSize)
{
    QPoint topLeft = placement.point;
    if (placement.flags & kRightAlign)
        topLeft.rx() -= menuSize.width();
    else if (placement.flags & kCenterAlign)
        topLeft.rx() -= menuSize.width() / 2;
    if (placement.flags & kBottomAlign)
        topLeft.ry() -= menuSize.height();
    else if (placement.flags & kVCenterAlign)
        topLeft.ry() -= menuSize.height() / 2;
    return topLeft;
}

}
