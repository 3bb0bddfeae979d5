#pragma once
// Pixel work on the diagram's pictures (32-bit RGB images): colours in the program's numbering,
// single pixels, one-pixel lines that leave out their end pixel as the diagram's line drawing
// always has, and the copy of a layer onto the diagram by a per-pixel AND or a plain copy.
#include <QImage>

#include <cstdint>

// A colour in the program's numbering (red in the low byte, blue in the third).
QRgb VbFarbe(uint32_t farbe);

// Sets a pixel when it lies inside the picture.
void SetzePixel(QImage& bild, int32_t x, int32_t y, QRgb farbe);
// A line from (x0, y0) towards (x1, y1), the end pixel left out; parts outside the picture are skipped.
void ZeichneLinie(QImage& bild, int32_t x0, int32_t y0, int32_t x1, int32_t y1, QRgb farbe);

// The raster operations of a layer copy: the source alone, or source AND destination.
enum RasterOp : uint32_t { SRCCOPY = 0xCC0020, SRCAND = 0x8800C6 };
// Puts quelle's rectangle (0, 0, breite, hoehe) onto ziel at (x, 0), cut to both pictures.
void Uebertragen(QImage& ziel, const QImage& quelle, int32_t x, int32_t breite, int32_t hoehe, RasterOp op);
