#include "widgets/PicturePainter.h"

#include "core/Runtime.h"

#include <algorithm>

PicturePainter::PicturePainter(QImage& surface) : surface_(surface) {}

const std::array<uint8_t, 256>& PicturePainter::LightTable()
{
    static const std::array<uint8_t, 256> table = [] {
        std::array<uint8_t, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[i] = static_cast<uint8_t>(std::min(255, i * 293 / 255));
        return t;
    }();
    return table;
}

const std::array<uint8_t, 256>& PicturePainter::DarkTable()
{
    static const std::array<uint8_t, 256> table = [] {
        std::array<uint8_t, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[i] = static_cast<uint8_t>(i * 217 / 255);
        return t;
    }();
    return table;
}

void PicturePainter::Draw(const QPixmap& picture, const QRect& target, const Rendering& rendering,
                          std::optional<QColor> silhouette)
{
    if (picture.isNull() || target.width() <= 0 || target.height() <= 0)
        return;
    const bool alpha = picture.hasAlphaChannel();
    // Pictures without alpha are scaled without smoothing so that the mask colour stays exact.
    const QImage source = picture.toImage()
                              .convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32)
                              .scaled(target.size(), Qt::IgnoreAspectRatio,
                                      alpha ? Qt::SmoothTransformation : Qt::FastTransformation);
    const auto& light = LightTable();
    const auto& dark = DarkTable();

    for (int y = 0; y < source.height(); ++y) {
        const int sy = target.y() + y;
        if (sy < 0 || sy >= surface_.height())
            continue;
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(surface_.scanLine(sy));
        for (int x = 0; x < source.width(); ++x) {
            const int sx = target.x() + x;
            if (sx < 0 || sx >= surface_.width())
                continue;
            const QRgb pixel = from[x];
            if (rendering.maskColor && (pixel & 0x00FFFFFFu) == (*rendering.maskColor & 0x00FFFFFFu))
                continue;

            int r, g, b;
            if (silhouette) {
                r = silhouette->red();
                g = silhouette->green();
                b = silhouette->blue();
            } else if (rendering.grey) {
                r = g = b = rt::CLng(0.3 * qRed(pixel) + 0.59 * qGreen(pixel) + 0.11 * qBlue(pixel));
            } else {
                r = qRed(pixel);
                g = qGreen(pixel);
                b = qBlue(pixel);
                if (rendering.effect == Lighter) {
                    r = light[r]; g = light[g]; b = light[b];
                } else if (rendering.effect == Darker) {
                    r = dark[r]; g = dark[g]; b = dark[b];
                }
            }

            const int weight = alpha ? qAlpha(pixel) * rendering.opacity / 255 : rendering.opacity;
            if (weight == 0)
                continue;
            if (weight == 255) {
                to[sx] = qRgb(r, g, b);
                continue;
            }
            // The blend divides by 256, as the original face does.
            const QRgb face = to[sx];
            to[sx] = qRgb((r * weight + qRed(face) * (255 - weight)) / 256,
                          (g * weight + qGreen(face) * (255 - weight)) / 256,
                          (b * weight + qBlue(face) * (255 - weight)) / 256);
        }
    }
}
