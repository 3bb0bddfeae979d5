// What a picture costs while it is read: at most four bytes a pixel and 64 MB, whatever its format
// and depth; a file whose pixel data end before its picture does is refused, naming the file, and
// costs next to nothing. Each case's peak is printed.
#include "images/clsImage.h"

#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "support/Spitzenspeicher.h"
#include "support/TestWorld.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>

namespace fs = std::filesystem;

namespace {

constexpr int64_t kMB = 1024 * 1024;

class PictureMemory : public ::testing::Test {
protected:
    fs::path Datei(const std::string& name) const { return world.env.Root() / name; }

    // A picture of the library's type and depth, each pixel's bytes written by fuellen (the row
    // from the top, the pixel's first byte).
    static FIBITMAP* Bild(FREE_IMAGE_TYPE typ, int breite, int hoehe, int bits,
                          const std::function<void(int y, BYTE* zeile)>& fuellen)
    {
        FIBITMAP* dib = FreeImage_AllocateT(typ, breite, hoehe, bits);
        if (bits == 8) {
            RGBQUAD* palette = FreeImage_GetPalette(dib);
            for (int i = 0; i < 256; ++i) palette[i].rgbRed = palette[i].rgbGreen = palette[i].rgbBlue = static_cast<BYTE>(i);
        }
        for (int y = 0; y < hoehe; ++y) fuellen(y, FreeImage_GetScanLine(dib, hoehe - 1 - y));
        return dib;
    }

    void Speichern(FIBITMAP* dib, const std::string& name, int flags = 0)
    {
        const bool gespeichert = FreeImage_Save(FreeImage_GetFIFFromFilename(name.c_str()), dib, Datei(name).c_str(), flags);
        FreeImage_Unload(dib);
        ASSERT_TRUE(gespeichert) << name;
    }

    // Loads the picture in a child process and reads every pixel: whether it loaded and its peak.
    Spitzenspeicher Laden(const std::string& name)
    {
        const Spitzenspeicher messung = Spitzenspeicher_Messen([&] { return Bilddatei_Pruefen(Datei(name).string()); });
        std::cout << "peak " << name << ": " << messung.zuwachsBytes / kMB << " MB" << std::endl;
        RecordProperty(name, std::to_string(messung.zuwachsBytes / kMB) + " MB");
        return messung;
    }

    // The accepted picture stays within four bytes a pixel and 64 MB.
    void Angenommen(const std::string& name, int64_t pixel)
    {
        SCOPED_TRACE(name);
        const Spitzenspeicher messung = Laden(name);
        ASSERT_TRUE(messung.gelaufen);
        EXPECT_TRUE(messung.ergebnis) << "the picture loads";
        EXPECT_LT(messung.zuwachsBytes, 4 * pixel + 64 * kMB) << messung.zuwachsBytes / kMB << " MB";
    }

    // The refused file costs little and is refused with a message that names it.
    void Abgeschnitten(const std::string& name)
    {
        SCOPED_TRACE(name);
        const Spitzenspeicher messung = Laden(name);
        ASSERT_TRUE(messung.gelaufen);
        EXPECT_FALSE(messung.ergebnis);
        EXPECT_LT(messung.zuwachsBytes, 64 * kMB);
        const size_t meldungen = world.seam.messages.size();
        clsImage bild(true);
        EXPECT_EQ(bild.LoadPic(Datei(name).string()), 0);
        EXPECT_EQ(world.seam.messages.size(), meldungen + 1);
        EXPECT_EQ(gError->ErrorDescription(),
                  "Bild kann nicht gelesen werden. " + gLanguage->Caption(547) + "\r\n" + Datei(name).string());
    }

    // The first bytes of a file kept, the rest cut off.
    void Kuerzen(const std::string& von, const std::string& nach, uintmax_t bytes)
    {
        fs::copy_file(Datei(von), Datei(nach), fs::copy_options::overwrite_existing);
        fs::resize_file(Datei(nach), bytes);
    }

    TestWorld world;
};

void Schreiben(const fs::path& datei, const std::string& bytes)
{
    std::ofstream(datei, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Klein(uint32_t wert, int bytes)
{
    std::string text;
    for (int i = 0; i < bytes; ++i) text += static_cast<char>((wert >> (8 * i)) & 0xFF);
    return text;
}

// The checksum of a PNG chunk (over its type and data).
uint32_t Crc32(const std::string& bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<uint8_t>(c);
        for (int k = 0; k < 8; ++k) crc = crc & 1 ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

// A TIFF directory entry (classic): tag, type, count, value.
std::string Eintrag(uint16_t tag, uint16_t typ, uint32_t anzahl, uint32_t wert)
{
    return Klein(tag, 2) + Klein(typ, 2) + Klein(anzahl, 4) + Klein(wert, typ == 3 ? 2 : 4) + (typ == 3 ? std::string(2, '\0') : "");
}

}

TEST_F(PictureMemory, EveryDepthLoadsWithinFourBytesAPixel)
{
    // A grey PNG of 11000 x 11000 pixels that deflate packs into about 130 KB.
    Speichern(Bild(FIT_BITMAP, 11000, 11000, 8, [](int, BYTE* z) { for (int x = 0; x < 11000; ++x) z[x] = static_cast<BYTE>(x / 1000 * 20); }),
              "grau11000.png", PNG_Z_BEST_COMPRESSION);
    EXPECT_LT(fs::file_size(Datei("grau11000.png")), 200u * 1024);
    Angenommen("grau11000.png", int64_t{11000} * 11000);
    fs::remove(Datei("grau11000.png"));

    // 32 bits a pixel, and 16 bits a colour channel: made 24 bits a pixel in their own memory.
    Speichern(Bild(FIT_BITMAP, 8192, 4096, 32, [](int y, BYTE* z) { std::memset(z, y & 0xFF, 8192 * 4); }), "rgba.bmp");
    Angenommen("rgba.bmp", int64_t{8192} * 4096);
    Speichern(Bild(FIT_RGB16, 4096, 4096, 48, [](int y, BYTE* z) { std::memset(z, y & 0xFF, 4096 * 6); }), "rgb16.png");
    Angenommen("rgb16.png", int64_t{4096} * 4096);

    // A progressive JPEG is decoded through all its coefficients.
    Speichern(Bild(FIT_BITMAP, 4096, 4096, 24, [](int y, BYTE* z) { for (int x = 0; x < 3 * 4096; ++x) z[x] = static_cast<BYTE>(x ^ y); }),
              "progressiv.jpg", JPEG_PROGRESSIVE | JPEG_QUALITYNORMAL);
    Angenommen("progressiv.jpg", int64_t{4096} * 4096);
}

TEST_F(PictureMemory, APictureWhoseDecodingWouldTakeMoreIsRefusedBeforeItIsDecoded)
{
    // Progressive, every colour at full resolution: six bytes of coefficients a pixel besides the picture.
    Speichern(Bild(FIT_BITMAP, 6000, 6000, 24, [](int y, BYTE* z) { for (int x = 0; x < 3 * 6000; ++x) z[x] = static_cast<BYTE>(x + y); }),
              "voll.jpg", JPEG_PROGRESSIVE | JPEG_SUBSAMPLING_444 | JPEG_QUALITYBAD);
    const Spitzenspeicher messung = Laden("voll.jpg");
    ASSERT_TRUE(messung.gelaufen);
    EXPECT_FALSE(messung.ergebnis);
    EXPECT_LT(messung.zuwachsBytes, 64 * kMB);
    clsImage bild(true);
    EXPECT_EQ(bild.LoadPic(Datei("voll.jpg").string()), 0);
    EXPECT_EQ(gError->ErrorNumber(), 99994);
    EXPECT_NE(gError->ErrorDescription().find("6000 x 6000"), std::string::npos) << gError->ErrorDescription();
}

TEST_F(PictureMemory, HeadersThatClaimPixelsTheFileDoesNotHoldAreRefusedNamingTheFile)
{
    constexpr uint32_t kSeite = 11000;
    // Uncompressed BMP: 70 bytes for 363 MB of rows.
    const uint32_t zeile = (kSeite * 3 + 3) / 4 * 4;
    Schreiben(Datei("behauptet.bmp"), "BM" + Klein(54 + zeile * kSeite, 4) + Klein(0, 4) + Klein(54, 4) + Klein(40, 4) +
                                          Klein(kSeite, 4) + Klein(kSeite, 4) + Klein(1, 2) + Klein(24, 2) + Klein(0, 4) +
                                          Klein(zeile * kSeite, 4) + std::string(16, '\0') + std::string(16, '\0'));
    Abgeschnitten("behauptet.bmp");

    // A small JPEG whose frame claims 11000 x 11000 pixels, cut after its scan header.
    Speichern(Bild(FIT_BITMAP, 16, 16, 24, [](int, BYTE* z) { std::memset(z, 100, 48); }), "klein.jpg");
    {
        std::ifstream ein(Datei("klein.jpg"), std::ios::binary);
        std::string jpeg((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
        const size_t rahmen = jpeg.find("\xFF\xC0");
        const size_t scan = jpeg.find("\xFF\xDA");
        ASSERT_NE(rahmen, std::string::npos);
        ASSERT_NE(scan, std::string::npos);
        jpeg.replace(rahmen + 5, 4, std::string{char(kSeite >> 8), char(kSeite & 0xFF), char(kSeite >> 8), char(kSeite & 0xFF)});
        const size_t laenge = static_cast<uint8_t>(jpeg[scan + 2]) << 8 | static_cast<uint8_t>(jpeg[scan + 3]);
        Schreiben(Datei("behauptet.jpg"), jpeg.substr(0, scan + 2 + laenge + 4));
    }
    Abgeschnitten("behauptet.jpg");

    // TIFF and BigTIFF: one strip of 121 MB that starts beyond the file's end.
    const std::string eintraege = Eintrag(256, 4, 1, kSeite) + Eintrag(257, 4, 1, kSeite) + Eintrag(258, 3, 1, 8) +
                                  Eintrag(259, 3, 1, 1) + Eintrag(262, 3, 1, 1) + Eintrag(273, 4, 1, 1000) +
                                  Eintrag(277, 3, 1, 1) + Eintrag(278, 4, 1, kSeite) + Eintrag(279, 4, 1, kSeite * kSeite);
    Schreiben(Datei("behauptet.tif"), std::string("II*\0", 4) + Klein(8, 4) + Klein(9, 2) + eintraege + Klein(0, 4));
    Abgeschnitten("behauptet.tif");
    const auto gross = [](uint16_t tag, uint16_t typ, uint64_t wert) {
        return Klein(tag, 2) + Klein(typ, 2) + Klein(1, 4) + Klein(0, 4) + Klein(static_cast<uint32_t>(wert), 4) +
               Klein(static_cast<uint32_t>(wert >> 32), 4);
    };
    Schreiben(Datei("behauptet_gross.tif"),
              std::string("II+\0", 4) + Klein(8, 2) + Klein(0, 2) + Klein(16, 4) + Klein(0, 4) + Klein(9, 4) + Klein(0, 4) +
                  gross(256, 4, kSeite) + gross(257, 4, kSeite) + gross(258, 3, 8) + gross(259, 3, 1) + gross(262, 3, 1) +
                  gross(273, 16, 1000) + gross(277, 3, 1) + gross(278, 4, kSeite) + gross(279, 16, uint64_t{kSeite} * kSeite) +
                  Klein(0, 4) + Klein(0, 4));
    Abgeschnitten("behauptet_gross.tif");

    // A PNG of 11000 x 11000 colour pixels in 100 bytes: deflate packs no more than 1032 to one.
    Speichern(Bild(FIT_BITMAP, 16, 16, 24, [](int, BYTE* z) { std::memset(z, 7, 48); }), "klein.png");
    {
        std::fstream png(Datei("klein.png"), std::ios::binary | std::ios::in | std::ios::out);
        std::string kopf(17, '\0');
        png.seekg(12);
        png.read(kopf.data(), 17);
        kopf.replace(4, 8, std::string{0, 0, char(kSeite >> 8), char(kSeite & 0xFF), 0, 0, char(kSeite >> 8), char(kSeite & 0xFF)});
        const uint32_t crc = Crc32(kopf);
        png.seekp(12);
        png.write(kopf.data(), 17);
        const std::string pruefsumme = {char(crc >> 24), char(crc >> 16), char(crc >> 8), char(crc)};
        png.write(pruefsumme.data(), 4);
    }
    Abgeschnitten("klein.png");
}

TEST_F(PictureMemory, FilesCutInHalfAreRefusedNamingTheFile)
{
    const auto muster = [](int y, BYTE* z) { for (int x = 0; x < 3 * 2000; ++x) z[x] = static_cast<BYTE>(x * 7 + y); };
    for (const char* name : {"ganz.bmp", "ganz.jpg"}) Speichern(Bild(FIT_BITMAP, 2000, 2000, 24, muster), name);
    Kuerzen("ganz.bmp", "halb.bmp", fs::file_size(Datei("ganz.bmp")) / 2);
    Abgeschnitten("halb.bmp");
    Kuerzen("ganz.jpg", "halb.jpg", fs::file_size(Datei("ganz.jpg")) / 2);
    Abgeschnitten("halb.jpg");

    // A TIFF whose directory comes first, as many programs write it, cut in its strips.
    const uint32_t bytes = 2000 * 2000;
    const std::string eintraege = Eintrag(256, 4, 1, 2000) + Eintrag(257, 4, 1, 2000) + Eintrag(258, 3, 1, 8) +
                                  Eintrag(259, 3, 1, 1) + Eintrag(262, 3, 1, 1) + Eintrag(273, 4, 1, 8 + 2 + 9 * 12 + 4) +
                                  Eintrag(277, 3, 1, 1) + Eintrag(278, 4, 1, 2000) + Eintrag(279, 4, 1, bytes);
    Schreiben(Datei("vorn.tif"), std::string("II*\0", 4) + Klein(8, 4) + Klein(9, 2) + eintraege + Klein(0, 4) + std::string(bytes, '\x40'));
    Angenommen("vorn.tif", int64_t{2000} * 2000);
    Kuerzen("vorn.tif", "halb.tif", fs::file_size(Datei("vorn.tif")) / 2);
    Abgeschnitten("halb.tif");
}
