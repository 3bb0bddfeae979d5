#include "graphics/Raster.h"

#include <algorithm>
#include <cstdlib>

QRgb VbFarbe(uint32_t farbe) { return qRgb(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF); }

void SetzePixel(QImage& bild, int32_t x, int32_t y, QRgb farbe)
{
    if (x < 0 || y < 0 || x >= bild.width() || y >= bild.height()) return;
    reinterpret_cast<QRgb*>(bild.scanLine(y))[x] = farbe;
}

void ZeichneLinie(QImage& bild, int32_t x0, int32_t y0, int32_t x1, int32_t y1, QRgb farbe)
{
    const int32_t dx = std::abs(x1 - x0);
    const int32_t dy = -std::abs(y1 - y0);
    const int32_t sx = x0 < x1 ? 1 : -1;
    const int32_t sy = y0 < y1 ? 1 : -1;
    int32_t fehler = dx + dy;
    while (x0 != x1 || y0 != y1) {
        SetzePixel(bild, x0, y0, farbe);
        const int32_t doppelt = 2 * fehler;
        if (doppelt >= dy) {
            fehler += dy;
            x0 += sx;
        }
        if (doppelt <= dx) {
            fehler += dx;
            y0 += sy;
        }
    }
}

void Uebertragen(QImage& ziel, const QImage& quelle, int32_t x, int32_t breite, int32_t hoehe, RasterOp op)
{
    const int32_t links = std::max(0, x);
    const int32_t rechts = std::min({ziel.width(), x + breite, x + quelle.width()});
    const int32_t unten = std::min({ziel.height(), hoehe, quelle.height()});
    if (rechts <= links || unten <= 0) return;
    for (int32_t y = 0; y < unten; ++y) {
        QRgb* z = reinterpret_cast<QRgb*>(ziel.scanLine(y));
        const QRgb* q = reinterpret_cast<const QRgb*>(quelle.constScanLine(y));
        if (op == SRCAND)
            for (int32_t i = links; i < rechts; ++i) z[i] &= q[i - x];
        else
            std::copy(q + (links - x), q + (rechts - x), z + links);
    }
}
