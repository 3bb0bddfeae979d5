#include "widgets/CaptionLayout.h"

#include "core/Runtime.h"

#include <algorithm>

int CaptionLayout::CaptionAreaWidth(int width, int32_t pictureAlign, bool dropDown)
{
    if (!dropDown)
        return width - 8;
    return pictureAlign == 2 || pictureAlign == 3 ? width - 24 : width - 16;
}

CaptionLayout CaptionLayout::Compute(const Input& in)
{
    const int w = in.width, h = in.height;
    const int pw = in.pictureWidth, ph = in.pictureHeight;
    const bool dropDown = in.dropDownSymbol || in.dropDownSeparator;

    // Text edges; right and bottom lie just outside the text.
    int left = 0, top = 0, right = in.textWidth, bottom = in.textHeight;
    const auto move = [&](int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    };

    switch (in.captionAlign) {
    case 0:
        move(2, (h - in.textHeight) / 2);
        break;
    case 2:
        move(w - in.textWidth - 4, (h - in.textHeight) / 2);
        break;
    case 1:
        move((w - in.textWidth + pw) / 2, (h - in.textHeight) / 2);
        if (dropDown)
            move(-8, 0);
        if (in.pictureAlign >= 5 && in.pictureAlign <= 8)
            move(-(pw / 2), 0);
        break;
    default:
        break;
    }

    if (in.hasPicture) {
        switch (in.pictureAlign) {
        case 0:
        case 1:
            if (in.captionAlign != 1 && left < pw + 4) {
                left = pw + 4;
                right = pw + 4 + in.textWidth;
            }
            break;
        case 2:
        case 3:
            if (right > w - pw - 4) {
                right = w - pw - 4;
                left -= pw + 4;
            }
            if (in.captionAlign == 1)
                move(-12, 0);
            break;
        case 4:
            if (in.captionAlign == 1)
                move(-16, 0);
            break;
        case 5:
        case 6:
            move(0, ph / 2);
            break;
        case 7:
        case 8:
            move(0, -(ph / 2));
            break;
        default:
            break;
        }
    }
    if (in.captionAlign == 2 && dropDown)
        move(-16, 0);
    if (in.style == 13) {
        left = std::max(left, 4);
        top = std::max(top, 4);
        right = std::min(right, w - 4);
        bottom = std::min(bottom, h - 4);
    }

    CaptionLayout layout;
    layout.caption = QRect(left, top, right - left, bottom - top);
    layout.picture = PlacePicture(in, layout.caption);
    if (in.dropDownSymbol) {
        const int symbolTop = rt::CLng(h / 2.0 - 7);
        layout.symbol = QRect(w - 15, symbolTop, 15, rt::CLng(h / 2.0 + 8) - symbolTop);
    }
    return layout;
}

QRect CaptionLayout::PlacePicture(const Input& in, const QRect& caption)
{
    if (!in.hasPicture)
        return QRect();
    const int w = in.width, h = in.height;
    const int pw = in.pictureWidth, ph = in.pictureHeight;
    const bool dropDown = in.dropDownSymbol || in.dropDownSeparator;
    const int captionRight = caption.x() + caption.width();
    const int captionBottom = caption.y() + caption.height();
    const int centredLeft = (w - pw) / 2 - (dropDown ? 8 : 0);
    const int middleTop = (h - ph) / 2;

    int left = centredLeft, top = middleTop;
    if (!in.captionBlank) {
        switch (in.pictureAlign) {
        case 0:
            left = 3;
            break;
        case 1:
            left = caption.x() - pw - 4;
            break;
        case 2:
            left = std::max(w - pw - 3 - (dropDown ? 16 : 0), captionRight + 2);
            break;
        case 3:
            left = std::max(captionRight + 4 - (dropDown ? 16 : 0), captionRight + 2);
            break;
        case 5:
            top = 4;
            break;
        case 6:
            top = caption.y() - ph - 2;
            break;
        case 7:
            top = h - ph - 4;
            break;
        case 8:
            top = captionBottom + 2;
            break;
        default:
            break;
        }
    }
    return QRect(left, top, pw, ph);
}
