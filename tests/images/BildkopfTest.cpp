// The checks before a picture is decoded: depth, TIFF strips and tiles, and the peak memory of
// loading a large picture.
#include "images/TiffKopf.h"
#include "images/TiffStreifen.h"
#include "images/clsImage.h"

#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "support/Spitzenspeicher.h"
#include "support/TestBilder.h"
#include "support/TestWorld.h"

#include <FreeImage.h>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int64_t kMB = 1024 * 1024;

struct Eintrag {
    uint16_t tag;
    uint16_t typ;
    uint32_t anzahl;
    uint32_t wert;
};

// A little-endian TIFF file: 8 bytes of header, the pixel bytes (written row by row by zeile, so
// that a large picture is never held whole), then the first directory.
void Tiff_Schreiben(const fs::path& datei, std::vector<Eintrag> eintraege, int64_t pixelbytes,
                    const std::vector<char>& zeile = {})
{
    std::ofstream aus(datei, std::ios::binary);
    const auto u16 = [&](uint32_t v) { aus.put(static_cast<char>(v & 0xff)).put(static_cast<char>((v >> 8) & 0xff)); };
    const auto u32 = [&](uint32_t v) { u16(v & 0xffff); u16(v >> 16); };
    aus.write("II*\0", 4);
    u32(static_cast<uint32_t>(8 + pixelbytes));
    for (int64_t geschrieben = 0; geschrieben < pixelbytes; geschrieben += static_cast<int64_t>(zeile.size()))
        aus.write(zeile.data(), static_cast<std::streamsize>(std::min<int64_t>(pixelbytes - geschrieben, zeile.size())));
    u16(static_cast<uint32_t>(eintraege.size()));
    for (const Eintrag& e : eintraege) {
        u16(e.tag);
        u16(e.typ);
        u32(e.anzahl);
        if (e.typ == 3) {
            u16(e.wert);
            u16(0);
        } else {
            u32(e.wert);
        }
    }
    u32(0);
}

class PictureHeader : public ::testing::Test {
protected:
    fs::path Datei(const std::string& name) const { return world.env.Root() / name; }
    // Whether the header passes, with the description of the refusal.
    bool Pruefen(const std::string& name)
    {
        gError->setError(false);
        clsImage bild(true);
        return bild.Bildkopf_Pruefen(Datei(name).string());
    }
    TestWorld world;
};

}

TEST_F(PictureHeader, SixteenBitGreyAndFloatingPointPicturesAreRefusedSayingThatEightBitsAreNeeded)
{
    for (const auto& [name, typ] : {std::pair{"grau16.png", FIT_UINT16}, std::pair{"grau16.tif", FIT_UINT16},
                                    std::pair{"gleitkomma.tif", FIT_FLOAT}}) {
        SCOPED_TRACE(name);
        FIBITMAP* dib = FreeImage_AllocateT(typ, 40, 30);
        ASSERT_TRUE(FreeImage_Save(FreeImage_GetFIFFromFilename(name), dib, Datei(name).c_str(), 0));
        FreeImage_Unload(dib);
        const size_t meldungen = world.seam.messages.size();
        clsImage bild(true);
        EXPECT_EQ(bild.LoadPic(Datei(name).string()), 0);
        EXPECT_EQ(world.seam.messages.size(), meldungen + 1);
        EXPECT_EQ(gError->ErrorDescription(), gLanguage->Caption(471) + "\r\n" + Datei(name).string());
        EXPECT_NE(gLanguage->Caption(471).find("8 Bit"), std::string::npos);
    }
    // Sixteen bits per colour channel convert to 24 bits per pixel.
    FIBITMAP* dib = FreeImage_AllocateT(FIT_RGB16, 40, 30);
    ASSERT_TRUE(FreeImage_Save(FIF_PNG, dib, Datei("farbe16.png").c_str(), 0));
    FreeImage_Unload(dib);
    clsImage bild(true);
    EXPECT_EQ(bild.LoadPic(Datei("farbe16.png").string()), Lader_FreeImage);
    EXPECT_EQ(bild.Image_BPP(), 24);
}

TEST_F(PictureHeader, TiffStripsAndTilesLargerThanThePictureAreRefusedBeforeDecoding)
{
    const auto grau = [](uint32_t breite, uint32_t hoehe, std::vector<Eintrag> mehr) {
        std::vector<Eintrag> e = {{256, 4, 1, breite}, {257, 4, 1, hoehe}, {258, 3, 1, 8}, {259, 3, 1, 1},
                                  {262, 3, 1, 1}, {277, 3, 1, 1}};
        e.insert(e.end(), mehr.begin(), mehr.end());
        std::sort(e.begin(), e.end(), [](const Eintrag& a, const Eintrag& b) { return a.tag < b.tag; });
        return e;
    };
    // A 2 x 2 picture in one tile of 30000 x 30000 pixels: 900 MB for four bytes.
    Tiff_Schreiben(Datei("kachel.tif"), grau(2, 2, {{322, 4, 1, 30000}, {323, 4, 1, 30000}, {324, 4, 1, 8}, {325, 4, 1, 4}}), 4,
                   std::vector<char>(4, 'a'));
    EXPECT_FALSE(Pruefen("kachel.tif"));
    EXPECT_EQ(gError->ErrorDescription(), "Bild kann nicht gelesen werden. " + gLanguage->Caption(477) + "\r\n" + Datei("kachel.tif").string());
    const auto kopf = Tiff_Kopf_Lesen(Datei("kachel.tif").string());
    ASSERT_TRUE(kopf);
    EXPECT_EQ(kopf->Pufferbytes(), 900e6);
    EXPECT_EQ(kopf->Bildbytes(), 4.0);

    // Tiles of 256 x 256 on a small picture are ordinary; rows per strip beyond the picture count as the picture.
    Tiff_Schreiben(Datei("klein.tif"), grau(20, 10, {{322, 3, 1, 256}, {323, 3, 1, 256}, {324, 4, 1, 8}, {325, 4, 1, 65536}}),
                   65536, std::vector<char>(4096, 'b'));
    EXPECT_TRUE(Pruefen("klein.tif")) << gError->ErrorDescription();
    Tiff_Schreiben(Datei("streifen.tif"), grau(20, 10, {{273, 4, 1, 8}, {278, 4, 1, 4000000000u}, {279, 4, 1, 200}}), 200,
                   std::vector<char>(200, 'c'));
    EXPECT_TRUE(Pruefen("streifen.tif")) << gError->ErrorDescription();
    clsImage bild(true);
    EXPECT_EQ(bild.LoadPic(Datei("streifen.tif").string()), Lader_FreeImage);

    // A size beyond the limit, a missing directory and a tile of zero height.
    Tiff_Schreiben(Datei("riesig.tif"), grau(30000, 30000, {{273, 4, 1, 8}, {278, 4, 1, 1}, {279, 4, 1, 4}}), 4,
                   std::vector<char>(4, 'd'));
    EXPECT_FALSE(Pruefen("riesig.tif"));
    EXPECT_EQ(gError->ErrorNumber(), 99994);
    std::ofstream(Datei("ohne.tif"), std::ios::binary).write("II*\0\xff\xff\0\0", 8);
    EXPECT_FALSE(Pruefen("ohne.tif"));
    EXPECT_EQ(gError->ErrorDescription(), "Bild kann nicht gelesen werden. " + gLanguage->Caption(476) + "\r\n" + Datei("ohne.tif").string());
    Tiff_Schreiben(Datei("flach.tif"), grau(2, 2, {{322, 4, 1, 16}, {323, 4, 1, 0}, {324, 4, 1, 8}, {325, 4, 1, 4}}), 4,
                   std::vector<char>(4, 'e'));
    EXPECT_FALSE(Pruefen("flach.tif"));
}

TEST_F(PictureHeader, SeveralSamplesOfFewerThanEightBitsAreRefusedBeforeTheLibraryStopsOnThem)
{
    // A 2 x 2 picture at 1, 2 and 4 bits a sample: separate planes of grey, and colour pixels of
    // eight samples (each row one byte): the library's decoder asserts on every one of them.
    struct Fall {
        uint32_t photometrie, proben, planar;
    };
    for (const Fall f : {Fall{1, 1, 2}, Fall{2, 8, 1}})
    for (const uint32_t bits : {1u, 2u, 4u}) {
        SCOPED_TRACE(testing::Message() << "samples " << f.proben << ", bits " << bits);
        const std::string name = "ebenen" + std::to_string(f.proben) + "_" + std::to_string(bits) + ".tif";
        const uint32_t bytes = 2 * ((2 * f.proben * bits + 7) / 8);
        Tiff_Schreiben(Datei(name),
                       {{256, 4, 1, 2}, {257, 4, 1, 2}, {258, 3, 1, bits}, {259, 3, 1, 1}, {262, 3, 1, f.photometrie},
                        {273, 4, 1, 8}, {277, 3, 1, f.proben}, {278, 4, 1, 2}, {279, 4, 1, bytes}, {284, 3, 1, f.planar}},
                       bytes, std::vector<char>(bytes, 'f'));
        EXPECT_FALSE(Pruefen(name));
        EXPECT_EQ(gError->ErrorDescription(), "Bild kann nicht gelesen werden. " + gLanguage->Caption(476) + "\r\n" + Datei(name).string());
        clsImage bild(true);
        EXPECT_EQ(bild.LoadPic(Datei(name).string()), 0);
    }
}

TEST_F(PictureHeader, ALargeSingleStripPictureLoadsWithinFourBytesAPixelAndAHugeOneIsRefusedAtOnce)
{
    // 8192 x 8192 colour pixels in one uncompressed strip: a file of 192 MB.
    constexpr uint32_t kSeite = 8192;
    const int64_t bytes = int64_t{kSeite} * kSeite * 3;
    std::vector<char> zeile(kSeite * 3);
    for (size_t i = 0; i < zeile.size(); ++i) zeile[i] = static_cast<char>(i * 7);
    Tiff_Schreiben(Datei("gross.tif"),
                   {{256, 4, 1, kSeite}, {257, 4, 1, kSeite}, {258, 3, 3, 0}, {259, 3, 1, 1}, {262, 3, 1, 2},
                    {273, 4, 1, 8}, {277, 3, 1, 3}, {278, 4, 1, kSeite}, {279, 4, 1, static_cast<uint32_t>(bytes)}},
                   bytes, zeile);
    // The three depths of 8 bits lie behind the directory: append them and point the entry there.
    const int64_t ende = static_cast<int64_t>(fs::file_size(Datei("gross.tif")));
    {
        std::fstream datei(Datei("gross.tif"), std::ios::binary | std::ios::in | std::ios::out);
        datei.seekp(ende);
        datei.write("\x08\0\x08\0\x08\0", 6);
        // Entry 3 (bits per sample) starts at 8 + bytes + 2 + 2 * 12; its value at + 8.
        datei.seekp(8 + bytes + 2 + 2 * 12 + 8);
        const uint32_t offset = static_cast<uint32_t>(ende);
        const char b[4] = {static_cast<char>(offset), static_cast<char>(offset >> 8), static_cast<char>(offset >> 16),
                           static_cast<char>(offset >> 24)};
        datei.write(b, 4);
    }
    const Spitzenspeicher gross = Spitzenspeicher_Messen([&] { return Bilddatei_Pruefen(Datei("gross.tif").string()); });
    ASSERT_TRUE(gross.gelaufen);
    std::cout << "peak gross.tif (one strip, 8192 x 8192 colour pixels): " << gross.zuwachsBytes / kMB << " MB" << std::endl;
    EXPECT_TRUE(gross.ergebnis) << "the picture loads";
    // The library would hold the strip, a second picture, besides: it is read strip by strip.
    EXPECT_LT(gross.zuwachsBytes, 4 * int64_t{kSeite} * kSeite + 64 * kMB) << gross.zuwachsBytes / kMB << " MB";
    fs::remove(Datei("gross.tif"));

    // 30000 x 30000 pixels claimed by a tiny file: refused from its header, nothing decoded.
    Tiff_Schreiben(Datei("behauptet.tif"),
                   {{256, 4, 1, 30000}, {257, 4, 1, 30000}, {258, 3, 1, 8}, {259, 3, 1, 1}, {262, 3, 1, 1},
                    {273, 4, 1, 8}, {277, 3, 1, 1}, {278, 4, 1, 30000}, {279, 4, 1, 16}},
                   16, std::vector<char>(16, 'f'));
    const Spitzenspeicher behauptet = Spitzenspeicher_Messen([&] { return Bilddatei_Pruefen(Datei("behauptet.tif").string()); });
    ASSERT_TRUE(behauptet.gelaufen);
    EXPECT_FALSE(behauptet.ergebnis);
    EXPECT_LT(behauptet.zuwachsBytes, 64 * kMB);
}

TEST_F(PictureHeader, AnUncompressedPictureReadStripByStripIsThePictureTheLibraryDecodes)
{
    struct Fall {
        const char* name;
        uint32_t photometrie;
        uint32_t proben;
    };
    // Grey either way round, colour, colour with a further sample; strips of three rows, the last shorter.
    for (const Fall& fall : {Fall{"schwarz.tif", 1, 1}, Fall{"weiss.tif", 0, 1}, Fall{"rgb.tif", 2, 3}, Fall{"rgba.tif", 2, 4}}) {
        SCOPED_TRACE(fall.name);
        constexpr uint32_t kBreite = 7;
        constexpr uint32_t kHoehe = 8;
        std::vector<char> pixel(kBreite * kHoehe * fall.proben);
        for (size_t i = 0; i < pixel.size(); ++i) pixel[i] = static_cast<char>(i * 37 + 11);
        std::vector<Eintrag> e = {{256, 4, 1, kBreite}, {257, 4, 1, kHoehe}, {258, 3, 1, 8}, {259, 3, 1, 1},
                                  {262, 3, 1, fall.photometrie}, {277, 3, 1, fall.proben}, {278, 4, 1, 3}};
        // Three strips: their offsets and lengths lie in the pixel bytes' place, written below.
        const uint32_t streifen = 3 * kBreite * fall.proben;
        const uint32_t liste = 8 + static_cast<uint32_t>(pixel.size());
        e.push_back({273, 4, 3, liste});
        e.push_back({279, 4, 3, liste + 12});
        if (fall.proben == 4) e.push_back({338, 3, 1, 2});
        std::sort(e.begin(), e.end(), [](const Eintrag& a, const Eintrag& b) { return a.tag < b.tag; });
        std::vector<char> daten = pixel;
        for (const uint32_t wert : {8u, 8 + streifen, 8 + 2 * streifen, streifen, streifen,
                                    static_cast<uint32_t>(pixel.size()) - 2 * streifen})
            for (int k = 0; k < 4; ++k) daten.push_back(static_cast<char>(wert >> (8 * k)));
        Tiff_Schreiben(Datei(fall.name), e, static_cast<int64_t>(daten.size()), daten);
        const auto kopf = Tiff_Kopf_Lesen(Datei(fall.name).string());
        ASSERT_TRUE(kopf);
        ASSERT_TRUE(Tiff_Streifen_Lesbar(*kopf));
        bool abgeschnitten = true;
        FIBITMAP* eigen = Tiff_Streifen_Laden(Datei(fall.name).string(), *kopf, abgeschnitten);
        ASSERT_TRUE(eigen);
        EXPECT_FALSE(abgeschnitten);
        FIBITMAP* geladen = FreeImage_Load(FIF_TIFF, Datei(fall.name).c_str(), 0);
        ASSERT_TRUE(geladen);
        FIBITMAP* bibliothek = FreeImage_ConvertTo24Bits(geladen);
        FreeImage_Unload(geladen);
        ASSERT_TRUE(bibliothek);
        for (uint32_t y = 0; y < kHoehe; ++y)
            EXPECT_EQ(std::memcmp(FreeImage_GetScanLine(eigen, y), FreeImage_GetScanLine(bibliothek, y), 3 * kBreite), 0)
                << "row " << y;
        FreeImage_Unload(eigen);
        FreeImage_Unload(bibliothek);

        // A last strip shorter than its rows is a file that ends before its picture does.
        auto kurz = *kopf;
        kurz.laengen.back() -= 1;
        EXPECT_FALSE(Tiff_Streifen_Laden(Datei(fall.name).string(), kurz, abgeschnitten));
        EXPECT_TRUE(abgeschnitten);
        // So is a header whose row is longer than the whole file, before a buffer is asked for.
        auto breit = *kopf;
        breit.breite = int64_t{1} << 30;
        breit.laengen.assign(breit.laengen.size(), UINT64_MAX);
        EXPECT_FALSE(Tiff_Streifen_Laden(Datei(fall.name).string(), breit, abgeschnitten));
        EXPECT_TRUE(abgeschnitten);
    }
}
