#include "images/Bildumfang.h"

#include "images/TiffKopf.h"

#include <FreeImage.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

namespace {

// Deflate packs at most 1032 bytes into one (a match of 258 bytes in two bits).
constexpr double kDeflateHoechstens = 1032.0;
// An LZW code of a GIF picture stands for at most 4095 pixels and takes at least three bits.
constexpr double kLzwPixelJeBit = 4095.0 / 3.0;

double Dateigroesse(const std::string& datei)
{
    std::error_code ec;
    const auto groesse = std::filesystem::file_size(datei, ec);
    return ec ? -1.0 : static_cast<double>(groesse);
}

// The first bytes of the file (fewer when it is shorter).
std::vector<uint8_t> Anfang(const std::string& datei, size_t anzahl)
{
    std::ifstream ein(datei, std::ios::binary);
    std::vector<uint8_t> bytes(anzahl);
    ein.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(anzahl));
    bytes.resize(static_cast<size_t>(std::max<std::streamsize>(ein.gcount(), 0)));
    return bytes;
}

uint32_t Klein(const std::vector<uint8_t>& b, size_t i, int bytes)
{
    uint32_t wert = 0;
    for (int k = bytes - 1; k >= 0; --k) wert = wert << 8 | b[i + static_cast<size_t>(k)];
    return wert;
}

uint32_t Gross(const std::vector<uint8_t>& b, size_t i, int bytes)
{
    uint32_t wert = 0;
    for (int k = 0; k < bytes; ++k) wert = wert << 8 | b[i + static_cast<size_t>(k)];
    return wert;
}

// Uncompressed rows (plain, with bit fields, with alpha bit fields) have a length the header fixes.
Bildumfang Bmp(const std::string& datei, double groesse)
{
    const std::vector<uint8_t> b = Anfang(datei, 54);
    Bildumfang umfang;
    if (b.size() < 26) return umfang;
    const double pixelAnfang = Klein(b, 10, 4);
    const uint32_t kopf = Klein(b, 14, 4);
    double breite = 0.0;
    double hoehe = 0.0;
    double bits = 0.0;
    uint32_t kompression = 0;
    if (kopf == 12) {
        breite = Klein(b, 18, 2);
        hoehe = Klein(b, 20, 2);
        bits = Klein(b, 24, 2);
    } else if (kopf >= 40 && b.size() >= 34) {
        breite = static_cast<int32_t>(Klein(b, 18, 4));
        hoehe = std::fabs(static_cast<double>(static_cast<int32_t>(Klein(b, 22, 4))));
        bits = Klein(b, 28, 2);
        kompression = Klein(b, 30, 4);
    } else {
        return umfang;
    }
    if (kompression != 0 && kompression != 3 && kompression != 6) return umfang;
    const double zeile = std::floor((breite * bits + 31.0) / 32.0) * 4.0;
    umfang.zuKurz = pixelAnfang + zeile * hoehe > groesse;
    return umfang;
}

// The rows of the picture with their filter bytes, packed by deflate at best.
Bildumfang Png(const std::string& datei, double groesse)
{
    const std::vector<uint8_t> b = Anfang(datei, 29);
    Bildumfang umfang;
    if (b.size() < 29 || b[12] != 'I' || b[13] != 'H' || b[14] != 'D' || b[15] != 'R') return umfang;
    const double breite = Gross(b, 16, 4);
    const double hoehe = Gross(b, 20, 4);
    const double tiefe = b[24];
    static constexpr std::array<double, 7> kKanaele = {1, 0, 3, 1, 2, 0, 4};
    const double kanaele = b[25] < kKanaele.size() ? kKanaele[b[25]] : 0.0;
    const double zeilen = hoehe * (1.0 + std::ceil(breite * kanaele * tiefe / 8.0));
    umfang.zuKurz = groesse * kDeflateHoechstens < zeilen;
    return umfang;
}

// The size of the first picture of a GIF file from its image descriptor; false when there is none.
bool Gif_Groesse(const std::string& datei, int64_t& breite, int64_t& hoehe)
{
    std::ifstream ein(datei, std::ios::binary);
    uint8_t kopf[13]{};
    if (!ein.read(reinterpret_cast<char*>(kopf), sizeof kopf) || kopf[0] != 'G' || kopf[1] != 'I' || kopf[2] != 'F')
        return false;
    if (kopf[10] & 0x80) ein.seekg(3 << ((kopf[10] & 7) + 1), std::ios::cur);
    // Extensions (0x21, a label, then blocks led by their length) come before the first picture (0x2C).
    int marke = ein.get();
    while (marke == 0x21) {
        ein.get();
        for (int laenge = ein.get(); laenge > 0; laenge = ein.get()) ein.seekg(laenge, std::ios::cur);
        if (!ein) return false;
        marke = ein.get();
    }
    if (marke != 0x2C) return false;
    uint8_t bild[8]{};
    if (!ein.read(reinterpret_cast<char*>(bild), sizeof bild)) return false;
    breite = bild[4] | bild[5] << 8;
    hoehe = bild[6] | bild[7] << 8;
    return true;
}

Bildumfang Gif(const std::string& datei, double groesse)
{
    Bildumfang umfang;
    if (!Gif_Groesse(datei, umfang.breite, umfang.hoehe)) return umfang;
    umfang.bits = 8;
    umfang.zuKurz = groesse * 8.0 * kLzwPixelJeBit < static_cast<double>(umfang.breite) * static_cast<double>(umfang.hoehe);
    return umfang;
}

// The frame and the first scan of a JPEG file, as far as the decoder's memory and the least
// length of the coded data need them.
struct JpegKopf {
    int art = -1;  // the frame marker's low nibble: 0-3, 5-7 Huffman coding, 9-11, 13-15 arithmetic
    double breite = 0.0;
    double hoehe = 0.0;
    std::vector<std::pair<int, int>> abtastung;  // per component: horizontal, vertical
    int komponentenImScan = 0;
    double datenAnfang = 0.0;
};

std::optional<JpegKopf> Jpeg_Kopf_Lesen(const std::string& datei)
{
    std::ifstream ein(datei, std::ios::binary);
    uint8_t soi[2]{};
    if (!ein.read(reinterpret_cast<char*>(soi), 2) || soi[0] != 0xFF || soi[1] != 0xD8) return std::nullopt;
    JpegKopf kopf;
    for (;;) {
        int c = ein.get();
        if (c != 0xFF) return std::nullopt;
        while (c == 0xFF) c = ein.get();
        if (c == EOF) return std::nullopt;
        const int marke = c;
        // Markers without a segment.
        if (marke == 0x01 || (marke >= 0xD0 && marke <= 0xD8)) continue;
        if (marke == 0xD9) return std::nullopt;
        uint8_t laenge[2]{};
        if (!ein.read(reinterpret_cast<char*>(laenge), 2)) return std::nullopt;
        const int segment = laenge[0] << 8 | laenge[1];
        if (segment < 2) return std::nullopt;
        std::vector<uint8_t> inhalt(static_cast<size_t>(segment - 2));
        if (!ein.read(reinterpret_cast<char*>(inhalt.data()), static_cast<std::streamsize>(inhalt.size())))
            return std::nullopt;
        const bool rahmen = marke >= 0xC0 && marke <= 0xCF && marke != 0xC4 && marke != 0xC8 && marke != 0xCC;
        if (rahmen && kopf.art < 0) {
            if (inhalt.size() < 6) return std::nullopt;
            kopf.art = marke & 0x0F;
            kopf.hoehe = Gross(inhalt, 1, 2);
            kopf.breite = Gross(inhalt, 3, 2);
            const size_t komponenten = inhalt[5];
            if (inhalt.size() < 6 + 3 * komponenten) return std::nullopt;
            for (size_t k = 0; k < komponenten; ++k) {
                const int hv = inhalt[6 + 3 * k + 1];
                kopf.abtastung.emplace_back(hv >> 4, hv & 0x0F);
            }
        }
        if (marke == 0xDA) {
            if (inhalt.empty() || kopf.art < 0) return std::nullopt;
            kopf.komponentenImScan = inhalt[0];
            kopf.datenAnfang = static_cast<double>(ein.tellg());
            return kopf;
        }
    }
}

// The blocks of eight by eight samples of each component, as the decoder lays them out (whole
// groups of its sampling factors).
std::vector<double> Jpeg_Bloecke(const JpegKopf& kopf, bool aufgerundet)
{
    int hMax = 1;
    int vMax = 1;
    for (const auto& [h, v] : kopf.abtastung) {
        hMax = std::max(hMax, h);
        vMax = std::max(vMax, v);
    }
    std::vector<double> bloecke;
    for (const auto& [h, v] : kopf.abtastung) {
        double quer = std::ceil(std::ceil(kopf.breite * h / hMax) / 8.0);
        double hoch = std::ceil(std::ceil(kopf.hoehe * v / vMax) / 8.0);
        if (aufgerundet) {
            quer = std::ceil(quer / h) * h;
            hoch = std::ceil(hoch / v) * v;
        }
        bloecke.push_back(quer * hoch);
    }
    return bloecke;
}

// A Huffman code gives every block's first coefficient at least one bit, so the coded data hold at
// least one bit per block of the first component. A picture in several scans is decoded through
// all its coefficients, two bytes each.
Bildumfang Jpeg(const std::string& datei, double groesse)
{
    Bildumfang umfang;
    const std::optional<JpegKopf> kopf = Jpeg_Kopf_Lesen(datei);
    if (!kopf || kopf->abtastung.empty()) return umfang;
    for (const auto& [h, v] : kopf->abtastung)
        if (h < 1 || h > 4 || v < 1 || v > 4) return umfang;
    umfang.breite = static_cast<int64_t>(kopf->breite);
    umfang.hoehe = static_cast<int64_t>(kopf->hoehe);
    umfang.bits = kopf->abtastung.size() == 1 ? 8 : 24;
    const bool huffman = kopf->art < 8;
    if (huffman) umfang.zuKurz = (groesse - kopf->datenAnfang) * 8.0 < Jpeg_Bloecke(*kopf, false).front();
    const bool progressiv = (kopf->art & 3) == 2;
    if (progressiv || kopf->komponentenImScan < static_cast<int>(kopf->abtastung.size())) {
        for (const double bloecke : Jpeg_Bloecke(*kopf, true)) umfang.zusatzbytes += bloecke * 64.0 * 2.0;
    }
    return umfang;
}

Bildumfang Tiff(const std::string& datei, double groesse)
{
    Bildumfang umfang;
    const std::optional<TiffKopf> kopf = Tiff_Kopf_Lesen(datei);
    if (!kopf) return umfang;
    umfang.zuKurz = kopf->datenEnde > groesse ||
                    (kopf->abschnitte > 0 && static_cast<double>(kopf->abschnitte) < kopf->Noetige_Abschnitte());
    umfang.zusatzbytes = kopf->Pufferbytes();
    if (kopf->Ueber_RGBA()) umfang.zusatzbytes += 4.0 * static_cast<double>(kopf->breite) * static_cast<double>(kopf->hoehe);
    return umfang;
}

}

Bildumfang Bildumfang_Lesen(int32_t format, const std::string& datei)
{
    const double groesse = Dateigroesse(datei);
    if (groesse < 0.0) return {};
    switch (format) {
    case FIF_BMP: return Bmp(datei, groesse);
    case FIF_PNG: return Png(datei, groesse);
    case FIF_GIF: return Gif(datei, groesse);
    case FIF_JPEG: return Jpeg(datei, groesse);
    case FIF_TIFF: return Tiff(datei, groesse);
    default: return {};
    }
}
