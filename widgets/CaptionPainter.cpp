#include "widgets/CaptionPainter.h"

#include "core/Runtime.h"
#include "widgets/ButtonColors.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

using ButtonColors::ShiftColor;

namespace {

bool SinksWhenPressed(int32_t style)
{
    switch (style) {
    case 0: case 1: case 5: case 6: case 7: case 10: case 11: case 12: return true;
    default: return false;
    }
}

bool SymbolSinksFurther(int32_t style)
{
    switch (style) {
    case 0: case 1: case 6: case 7: case 11: case 12: return true;
    default: return false;
    }
}

// Half the picture's own size: the face shows pictures at half size.
QSize LaidOutSize(const QPixmap& picture)
{
    if (picture.isNull())
        return QSize(0, 0);
    return QSize(rt::CLng(picture.width() / 2.0), rt::CLng(picture.height() / 2.0));
}

bool IsBlank(const QString& caption)
{
    for (const QChar ch : caption)
        if (ch != ' ')
            return false;
    return true;
}

}

CaptionPainter::CaptionPainter(ButtonCanvas& canvas, const ButtonProperties& properties,
                               const ButtonDrawState& drawState)
    : canvas_(canvas), p_(properties), s_(drawState)
{
}

const QPixmap& CaptionPainter::CurrentPicture() const
{
    if (s_.state == ButtonDrawState::Pressed || p_.IsOn()) {
        if (!p_.pictureDown.isNull())
            return p_.pictureDown;
        if (!p_.pictureHot.isNull())
            return p_.pictureHot;
    } else if (s_.state == ButtonDrawState::Hot && !p_.pictureHot.isNull()) {
        return p_.pictureHot;
    }
    return p_.pictureNormal;
}

int CaptionPainter::TextFlags() const
{
    return Qt::TextWordWrap | Qt::TextShowMnemonic;
}

CaptionLayout CaptionPainter::Layout(const QPixmap& picture) const
{
    const int w = canvas_.Width(), h = canvas_.Height();
    const bool dropDown = p_.dropDownSymbol != 0 || p_.dropDownSeparator;
    const int area = CaptionLayout::CaptionAreaWidth(w, p_.pictureAlign, dropDown);
    const QRect measured = QFontMetrics(p_.font).boundingRect(QRect(0, 0, std::max(area, 0), h),
                                                              Qt::AlignLeft | Qt::AlignTop | TextFlags(), p_.caption);
    const QSize pictureSize = LaidOutSize(picture);

    CaptionLayout::Input in;
    in.width = w;
    in.height = h;
    in.textWidth = p_.caption.isEmpty() ? 0 : measured.width();
    in.textHeight = p_.caption.isEmpty() ? 0 : measured.height();
    in.hasPicture = !picture.isNull();
    in.pictureWidth = pictureSize.width();
    in.pictureHeight = pictureSize.height();
    in.captionBlank = IsBlank(p_.caption);
    in.captionAlign = p_.captionAlign;
    in.pictureAlign = p_.pictureAlign;
    in.dropDownSymbol = p_.dropDownSymbol != 0;
    in.dropDownSeparator = p_.dropDownSeparator;
    in.style = p_.buttonStyle;
    return CaptionLayout::Compute(in);
}

PicturePainter::Rendering CaptionPainter::PictureRendering() const
{
    PicturePainter::Rendering r;
    if (s_.state == ButtonDrawState::Hot) {
        r.opacity = p_.pictureOpacityOnOver;
        r.effect = p_.pictureEffectOnOver;
    } else {
        r.opacity = p_.pictureOpacity;
        if (s_.state == ButtonDrawState::Pressed)
            r.effect = p_.pictureEffectOnDown;
        if (!s_.enabled) {
            r.grey = p_.disabledPictureMode == 1;
            r.opacity = r.grey ? static_cast<uint8_t>(rt::CLng(p_.pictureOpacity * 0.75)) : 52;
        }
    }
    if (p_.useMaskColor)
        r.maskColor = p_.maskColor.rgb();
    return r;
}

void CaptionPainter::Draw()
{
    const QPixmap& picture = CurrentPicture();
    const CaptionLayout layout = Layout(picture);
    QRect caption = layout.caption;
    QRect pictureRect = layout.picture;
    QRect symbol = layout.symbol;

    if (p_.dropDownSeparator && caption.x() + caption.width() <= canvas_.Width() - 8)
        DrawSeparator();
    const bool pressed = s_.state == ButtonDrawState::Pressed;
    if (pressed && SinksWhenPressed(p_.buttonStyle)) {
        caption.translate(1, 1);
        pictureRect.translate(1, 1);
        symbol.translate(1, 1);
    }

    if (!picture.isNull()) {
        const PicturePainter::Rendering rendering = PictureRendering();
        PicturePainter painter(canvas_.Surface());
        if (p_.picturePushOnHover && s_.state == ButtonDrawState::Hot) {
            painter.Draw(picture, pictureRect, rendering, QColor(0xC0, 0xC0, 0xC0));
            painter.Draw(picture, pictureRect.translated(-2, -2), rendering);
        } else {
            painter.Draw(picture, pictureRect, rendering);
            if (p_.pictureShadow)
                DrawPictureShadow(picture, pictureRect, rendering);
        }
    }

    if (p_.captionEffects != 0)
        DrawCaptionEffect(caption);
    const QColor textColour = !s_.enabled                            ? ButtonColors::GrayText()
                              : s_.state == ButtonDrawState::Hot ? p_.foreColorHover
                                                                 : p_.foreColor;
    DrawCaptionText(caption, textColour, 0, 0);

    if (p_.dropDownSymbol != 0) {
        if (pressed && SymbolSinksFurther(p_.buttonStyle))
            symbol.translate(1, 1);
        DrawDropDownSymbol(symbol, s_.enabled ? p_.foreColor : ButtonColors::GrayText());
    }
}

void CaptionPainter::DrawSeparator()
{
    const int w = canvas_.Width(), h = canvas_.Height();
    const QColor base = canvas_.Pixel(7, 7);
    canvas_.DrawLine(w - 16, 3, w - 16, h - 3, ShiftColor(base, -0.10f));
    canvas_.DrawLine(w - 15, 3, w - 15, h - 3, ShiftColor(base, 0.10f));
}

void CaptionPainter::DrawPictureShadow(const QPixmap& picture, const QRect& target,
                                       const PicturePainter::Rendering& rendering)
{
    const QColor shade = ButtonColors::BlendColors(QColor(0x80, 0x80, 0x80), p_.backColor);
    PicturePainter painter(canvas_.Surface());
    painter.Draw(picture, target.translated(2, 2), rendering, ShiftColor(shade, 0.05f));
    painter.Draw(picture, target.translated(1, 1), rendering, ShiftColor(shade, -0.10f));
    painter.Draw(picture, target, rendering);
}

void CaptionPainter::DrawCaptionEffect(const QRect& rect)
{
    const QColor b = p_.backColor;
    switch (p_.captionEffects) {
    case 1:
        DrawCaptionText(rect, ShiftColor(b, 0.14f), -1, -1);
        break;
    case 2:
        DrawCaptionText(rect, ShiftColor(b, 0.14f), 1, 1);
        break;
    case 3:
        DrawCaptionText(rect, QColor(0xC0, 0xC0, 0xC0), 1, 1);
        break;
    case 4:
    case 5: {
        const QColor outline = ShiftColor(b, p_.captionEffects == 4 ? 0.10f : -0.10f);
        for (const QPoint& d : {QPoint(1, 1), QPoint(-1, 1), QPoint(1, -1), QPoint(-1, -1)})
            DrawCaptionText(rect, outline, d.x(), d.y());
        break;
    }
    default:
        break;
    }
    DrawCaptionText(rect, s_.enabled ? p_.foreColor : ButtonColors::GrayText(), 0, 0);
}

void CaptionPainter::DrawCaptionText(const QRect& rect, const QColor& colour, int dx, int dy)
{
    if (p_.caption.isEmpty())
        return;
    QPainter painter(&canvas_.Surface());
    painter.setFont(p_.font);
    painter.setPen(colour);
    if (p_.rightToLeft)
        painter.setLayoutDirection(Qt::RightToLeft);
    painter.drawText(rect.translated(dx, dy), Qt::AlignHCenter | Qt::AlignTop | TextFlags(), p_.caption);
}

void CaptionPainter::DrawDropDownSymbol(const QRect& rect, const QColor& colour)
{
    // The symbol font's arrows 3 to 6 (left, right, up, down) as filled triangles; other symbols
    // show their digit.
    const QChar symbol = QString::number(p_.dropDownSymbol).at(0);
    const QPoint centre(rect.x() + rect.width() / 2, rect.y() + rect.height() / 2);
    QPolygon triangle;
    switch (symbol.unicode()) {
    case '3': triangle << centre + QPoint(2, -4) << centre + QPoint(2, 4) << centre + QPoint(-2, 0); break;
    case '4': triangle << centre + QPoint(-2, -4) << centre + QPoint(-2, 4) << centre + QPoint(2, 0); break;
    case '5': triangle << centre + QPoint(-4, 2) << centre + QPoint(4, 2) << centre + QPoint(0, -2); break;
    case '6': triangle << centre + QPoint(-4, -2) << centre + QPoint(4, -2) << centre + QPoint(0, 2); break;
    default: break;
    }
    QPainter painter(&canvas_.Surface());
    if (triangle.isEmpty()) {
        painter.setFont(p_.font);
        painter.setPen(colour);
        painter.drawText(rect, Qt::AlignCenter, QString(symbol));
        return;
    }
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawPolygon(triangle);
}
