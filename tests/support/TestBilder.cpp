#include "support/TestBilder.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

namespace {

void Speichern(FIBITMAP* dib, const std::filesystem::path& datei)
{
    const FREE_IMAGE_FORMAT format = FreeImage_GetFIFFromFilename(datei.c_str());
    ASSERT_TRUE(FreeImage_Save(format, dib, datei.c_str(), 0)) << datei;
    FreeImage_Unload(dib);
}

}

void Bild_Schreiben(const std::filesystem::path& datei, int32_t breite, int32_t hoehe, const Bildfarbe& farbe)
{
    FIBITMAP* dib = FreeImage_Allocate(breite, hoehe, 24);
    for (int32_t y = 0; y < hoehe; ++y) {
        BYTE* zeile = FreeImage_GetScanLine(dib, hoehe - 1 - y);
        for (int32_t x = 0; x < breite; ++x) {
            const uint32_t c = farbe(x, y);
            zeile[3 * x + FI_RGBA_BLUE] = static_cast<BYTE>(c);
            zeile[3 * x + FI_RGBA_GREEN] = static_cast<BYTE>(c >> 8);
            zeile[3 * x + FI_RGBA_RED] = static_cast<BYTE>(c >> 16);
        }
    }
    Speichern(dib, datei);
}

void Graubild_Schreiben(const std::filesystem::path& datei, int32_t breite, int32_t hoehe, const Bildfarbe& farbe)
{
    FIBITMAP* dib = FreeImage_Allocate(breite, hoehe, 8);
    RGBQUAD* palette = FreeImage_GetPalette(dib);
    for (int i = 0; i < 256; ++i)
        palette[i].rgbRed = palette[i].rgbGreen = palette[i].rgbBlue = static_cast<BYTE>(i);
    for (int32_t y = 0; y < hoehe; ++y) {
        BYTE* zeile = FreeImage_GetScanLine(dib, hoehe - 1 - y);
        for (int32_t x = 0; x < breite; ++x) zeile[x] = static_cast<BYTE>(farbe(x, y));
    }
    Speichern(dib, datei);
}
