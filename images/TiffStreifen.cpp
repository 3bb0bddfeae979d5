#include "images/TiffStreifen.h"

#include <FreeImage.h>

#include <filesystem>
#include <fstream>
#include <vector>

bool Tiff_Streifen_Lesbar(const TiffKopf& kopf)
{
    const bool grau = kopf.photometrie <= 1 && kopf.probenJePixel == 1;
    const bool farbe = kopf.photometrie == 2 && kopf.probenJePixel >= 3 && kopf.planar == 1;
    return !kopf.Gekachelt() && kopf.kompression == 1 && kopf.bitsJeProbe == 8 && kopf.probenFormat == 1 &&
           (grau || farbe) && kopf.breite > 0 && kopf.hoehe > 0 && !kopf.laengen.empty() &&
           kopf.laengen.size() == kopf.orte.size();
}

FIBITMAP* Tiff_Streifen_Laden(const std::string& datei, const TiffKopf& kopf, bool& abgeschnitten)
{
    abgeschnitten = false;
    if (!Tiff_Streifen_Lesbar(kopf)) return nullptr;
    std::ifstream ein(datei, std::ios::binary);
    std::error_code fehler;
    const uint64_t dateiBytes = std::filesystem::file_size(datei, fehler);
    if (!ein || fehler) return nullptr;
    const size_t proben = static_cast<size_t>(kopf.probenJePixel);
    const size_t zeilenBytes = static_cast<size_t>(kopf.breite) * proben;
    // A row that the file cannot hold (a header naming absurd samples a pixel) ends it before any
    // row is read, and before a buffer of that size is asked for.
    if (zeilenBytes > dateiBytes) {
        abgeschnitten = true;
        return nullptr;
    }
    FIBITMAP* dib = FreeImage_Allocate(static_cast<int>(kopf.breite), static_cast<int>(kopf.hoehe), 24);
    if (!dib) return nullptr;
    const uint64_t zeilenJeStreifen = static_cast<uint64_t>(kopf.zeilenJeStreifen > 0 ? std::min(kopf.zeilenJeStreifen, kopf.hoehe) : kopf.hoehe);
    std::vector<uint8_t> zeile(zeilenBytes);
    for (uint64_t y = 0; y < static_cast<uint64_t>(kopf.hoehe); ++y) {
        const uint64_t streifen = y / zeilenJeStreifen;
        const uint64_t imStreifen = y % zeilenJeStreifen;
        if (streifen >= kopf.orte.size() || (imStreifen + 1) * zeilenBytes > kopf.laengen[streifen]) {
            abgeschnitten = true;
            break;
        }
        if (imStreifen == 0) ein.seekg(static_cast<std::streamoff>(kopf.orte[streifen]));
        if (!ein.read(reinterpret_cast<char*>(zeile.data()), static_cast<std::streamsize>(zeilenBytes))) {
            abgeschnitten = true;
            break;
        }
        // The library's rows run from the bottom up.
        BYTE* nach = FreeImage_GetScanLine(dib, static_cast<int>(kopf.hoehe - 1 - static_cast<int64_t>(y)));
        for (size_t x = 0; x < static_cast<size_t>(kopf.breite); ++x) {
            const uint8_t* p = zeile.data() + x * proben;
            const bool farbig = proben >= 3;
            const uint8_t grau = kopf.photometrie == 0 ? static_cast<uint8_t>(255 - p[0]) : p[0];
            nach[3 * x + FI_RGBA_RED] = farbig ? p[0] : grau;
            nach[3 * x + FI_RGBA_GREEN] = farbig ? p[1] : grau;
            nach[3 * x + FI_RGBA_BLUE] = farbig ? p[2] : grau;
        }
    }
    if (!abgeschnitten) return dib;
    FreeImage_Unload(dib);
    return nullptr;
}
