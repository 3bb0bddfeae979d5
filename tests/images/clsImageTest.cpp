#include "images/clsImage.h"

#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "support/TestBilder.h"
#include "support/TestWorld.h"

#include <FreeImage.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <tuple>

namespace fs = std::filesystem;

class ImageTest : public ::testing::Test {
protected:
    fs::path Datei(const std::string& name) const { return world.env.Root() / name; }
    TestWorld world;
};

TEST_F(ImageTest, GreyPngLoadsWith24BitsTopRowFirst)
{
    Graubild_Schreiben(Datei("grau.png"), 4, 3, [](int32_t x, int32_t y) { return 20u + 10u * y + x; });
    clsImage bild(true);
    ASSERT_EQ(bild.LoadPic(Datei("grau.png").string()), Lader_FreeImage);
    EXPECT_EQ(bild.Image_BPP(), 24);
    EXPECT_EQ(bild.Image_Width(), 4);
    EXPECT_EQ(bild.Image_Height(), 3);
    EXPECT_EQ(bild.Image_GetPixelColor(0, 0), 65793 * 20);
    EXPECT_EQ(bild.Image_GetPixelColor(3, 2), 65793 * 43);
    EXPECT_EQ(bild.Image_GetPixelColor(0, 3), -1) << "one row below the picture";
    EXPECT_EQ(clsImage::Grey(bild.Image_GetPixelColor(2, 1)), 32);
}

TEST_F(ImageTest, GifLoadsOnceItsFirstPictureIsSmallEnough)
{
    Graubild_Schreiben(Datei("grau.gif"), 5, 4, [](int32_t x, int32_t) { return Grau(40u * x); });
    clsImage bild(true);
    ASSERT_EQ(bild.LoadPic(Datei("grau.gif").string()), Lader_FreeImage);
    EXPECT_EQ(bild.Image_Width(), 5);
    EXPECT_EQ(bild.Image_Height(), 4);
}

TEST(ImageGrey, WeighsTheBytesOfThePackedColour)
{
    EXPECT_EQ(clsImage::Grey(255), 76) << "blue 255";
    EXPECT_EQ(clsImage::Grey(200 * 65793), 200);
    EXPECT_EQ(clsImage::Grey(0xFF00), 150) << "green 255";
    EXPECT_EQ(clsImage::Grey(-1), 0);
}

TEST_F(ImageTest, GreyConversionLeavesSixteenLevelsAndInvertFlips)
{
    Bild_Schreiben(Datei("farbe.bmp"), 64, 8, [](int32_t x, int32_t y) { return (x * 4u) << (8 * (y % 3)); });
    clsImage bild(true);
    ASSERT_EQ(bild.LoadPic(Datei("farbe.bmp").string()), Lader_FreeImage);
    ASSERT_TRUE(bild.Image_ToGrey());
    for (int32_t y = 0; y < 8; ++y)
        for (int32_t x = 0; x < 64; ++x) {
            const int32_t c = bild.Image_GetPixelColor(x, y);
            ASSERT_EQ(c % 65793, 0) << "grey " << x << "," << y;
            ASSERT_EQ(clsImage::Grey(c) % 17, 0) << x << "," << y;
        }
    const int32_t vorher = clsImage::Grey(bild.Image_GetPixelColor(63, 0));
    ASSERT_TRUE(bild.Image_Invert());
    EXPECT_EQ(clsImage::Grey(bild.Image_GetPixelColor(63, 0)), 255 - vorher);
}

// Stands in for the window system's loaders: remembers which one was asked.
struct Ersatz : Ersatzlader {
    bool Laden(const std::string&, int32_t lader, int32_t& b, int32_t& h, std::string&) override
    {
        gefragt = lader;
        b = 5;
        h = 6;
        return true;
    }
    int32_t gefragt = -1;
};

TEST_F(ImageTest, WithoutTheLibraryTiffAndOtherFilesGoToTheFallbackLoaders)
{
    Bild_Schreiben(Datei("a.tif"), 5, 6, [](int32_t, int32_t) { return Grau(100); });
    Bild_Schreiben(Datei("a.jpg"), 5, 6, [](int32_t, int32_t) { return Grau(100); });
    Ersatz ersatz;
    clsImage bild(false);
    EXPECT_EQ(bild.LoadPic(Datei("a.tif").string(), &ersatz), Lader_GDIPlus);
    EXPECT_EQ(ersatz.gefragt, Lader_GDIPlus);
    EXPECT_EQ(bild.LoadPic(Datei("a.jpg").string(), &ersatz), Lader_VB);
    EXPECT_EQ(ersatz.gefragt, Lader_VB);
    EXPECT_EQ(bild.Image_Width(), 5);
    EXPECT_EQ(bild.Image_BPP(), 0);
    EXPECT_FALSE(bild.HatPixel());
    EXPECT_EQ(bild.Image_GetPixelColor(1, 1), 0) << "no pixels without the library";
    world.seam.answers.clear();
    EXPECT_FALSE(bild.Image_ToGrey());
    ASSERT_FALSE(world.seam.messages.empty());
    EXPECT_EQ(world.seam.messages.back().text, "Nur mit FreeImage.dll - Unterstützung.");
}

TEST_F(ImageTest, MissingAndHostileFilesAreRefusedWithAMessage)
{
    clsImage bild(true);
    EXPECT_EQ(bild.LoadPic(Datei("fehlt.png").string()), 0);
    EXPECT_EQ(gError->ErrorNumber(), 99991);
    EXPECT_EQ(gError->ErrorDescription(), "Datei existiert nicht.\r\n" + Datei("fehlt.png").string());
    // A folder under a picture's name is there, but is no file.
    fs::create_directories(Datei("ordner.png"));
    EXPECT_EQ(bild.LoadPic(Datei("ordner.png").string()), 0);
    EXPECT_EQ(gError->ErrorDescription(), gLanguage->Caption(675) + "\r\n" + Datei("ordner.png").string());

    Bild_Schreiben(Datei("ganz.png"), 64, 64, [](int32_t x, int32_t y) { return Grau((x * y) % 256); });
    Bild_Schreiben(Datei("ganz.tif"), 64, 64, [](int32_t x, int32_t y) { return Grau((x + y) % 256); });
    for (const char* name : {"ganz.png", "ganz.tif"}) {
        const auto groesse = fs::file_size(Datei(name));
        fs::copy_file(Datei(name), Datei(std::string("halb_") + name));
        fs::resize_file(Datei(std::string("halb_") + name), groesse / 3);
    }
    std::ofstream(Datei("leer.png")).close();
    Bild_Schreiben(Datei("lang.png"), 1, 100000, [](int32_t, int32_t) { return Grau(50); });
    // A Targa file (not a format the program opens) whose identification field runs past its end.
    std::ofstream(Datei("kopf.tga"), std::ios::binary)
        .write("\x57\0\x0a\0\0\0\0\0\0\0\0\0\x02\0\x02\0\x18\0\x80\0\0\x1e\x80\x0a\x14\x1e\x80\x14(\x1e\x80\x1e<\x1e", 34);
    // A GIF whose first picture claims 65414 x 65532 pixels.
    std::ofstream(Datei("riesig.gif"), std::ios::binary)
        .write("GIF89a\x01\x04I\0\0\0\0,\x08\0\0\0\x86\xff\xfc\xff\xfd\0\0\x01z\x02" "D\x01\0;", 31);
    for (const char* name : {"halb_ganz.png", "halb_ganz.tif", "leer.png", "lang.png", "kopf.tga", "riesig.gif"}) {
        SCOPED_TRACE(name);
        gError->ErrorMsg("", "", true, 0, "");
        const size_t meldungen = world.seam.messages.size();
        EXPECT_EQ(bild.LoadPic(Datei(name).string()), 0);
        EXPECT_EQ(bild.Image_Width(), 0);
        EXPECT_FALSE(bild.HatPixel());
        EXPECT_NE(gError->ErrorNumber(), 0);
        EXPECT_EQ(world.seam.messages.size(), meldungen + 1);
        EXPECT_TRUE(gError->ErrorDescription().ends_with("\r\n" + Datei(name).string())) << gError->ErrorDescription();
        gError->ErrorMsg("", "", true, 0, "");
        EXPECT_FALSE(Bilddatei_Pruefen(Datei(name).string()));
        EXPECT_TRUE(gError->ErrorDescription().ends_with("\r\n" + Datei(name).string())) << gError->ErrorDescription();
    }
}

// The window system's loader refuses every file, the way it does an unknown format.
struct Ablehnung : Ersatzlader {
    bool Laden(const std::string&, int32_t, int32_t&, int32_t&, std::string& fehler) override
    {
        fehler = "Unsupported image format";
        return false;
    }
};

TEST_F(ImageTest, EveryRefusalNamesTheFileOnALineOfItsOwn)
{
    // Without the library, the window system's loader says why and the file follows.
    Bild_Schreiben(Datei("a.jpg"), 5, 6, [](int32_t, int32_t) { return Grau(100); });
    Ablehnung ablehnung;
    clsImage ersatz(false);
    EXPECT_EQ(ersatz.LoadPic(Datei("a.jpg").string(), &ablehnung), 0);
    EXPECT_EQ(gError->ErrorDescription(), "Bild kann nicht gelesen werden. Unsupported image format\r\n" + Datei("a.jpg").string());
    EXPECT_EQ(ersatz.LoadPic(Datei("a.jpg").string()), 0);
    EXPECT_EQ(gError->ErrorDescription(), "Bild kann nicht gelesen werden. Kein Bildlader verfügbar.\r\n" + Datei("a.jpg").string());

    // A text under a picture's name, refused by the header check as by the load; the library's
    // empty reason leaves no blank at the end of the line.
    std::ofstream(Datei("text.bmp")) << "no picture at all\n";
    clsImage bild(true);
    EXPECT_FALSE(bild.Bildkopf_Pruefen(Datei("text.bmp").string()));
    const std::string kopf = gError->ErrorDescription();
    EXPECT_EQ(kopf.find(" \r\n"), std::string::npos) << kopf;
    EXPECT_TRUE(kopf.ends_with("\r\n" + Datei("text.bmp").string())) << kopf;
    EXPECT_EQ(bild.LoadPic(Datei("text.bmp").string()), 0);
    EXPECT_EQ(gError->ErrorDescription(), kopf);

    // A file the next load refuses names itself, not the one before it.
    EXPECT_EQ(bild.LoadPic(Datei("fehlt.bmp").string()), 0);
    EXPECT_EQ(gError->ErrorDescription(), "Datei existiert nicht.\r\n" + Datei("fehlt.bmp").string());

    // A blank name has no file to name.
    EXPECT_EQ(bild.LoadPic("  "), 0);
    EXPECT_EQ(gError->ErrorDescription(), "Eingabeparameter fehlen.");

    // Each is told as any file refused: the reason and the file in a plain message, no error window.
    EXPECT_EQ(world.seam.errorWindows, 0);
    ASSERT_EQ(world.seam.messages.size(), 6u);
    EXPECT_EQ(world.seam.messages[0].text, "Bild kann nicht gelesen werden. Unsupported image format\r\n" + Datei("a.jpg").string());
    EXPECT_EQ(world.seam.messages[0].icon, zelo::MsgIcon::Exclamation);
    EXPECT_EQ(world.seam.messages[0].title, "KPW ZELO");
    EXPECT_EQ(world.seam.messages[2].text, kopf);
}

TEST_F(ImageTest, DeepPicturesAndTheirGreyLevelsAreWhatTheLibrarysConversionsGive)
{
    // The library's own conversion to 24 bits of a file, one byte string per row from the top.
    const auto bibliothek = [this](const std::string& name, bool grau) {
        FIBITMAP* dib = FreeImage_Load(FreeImage_GetFIFFromFilename(name.c_str()), Datei(name).c_str(), 0);
        FIBITMAP* bild = FreeImage_ConvertTo24Bits(dib);
        FreeImage_Unload(dib);
        if (grau) {
            FIBITMAP* vier = FreeImage_ConvertTo4Bits(bild);
            FreeImage_Unload(bild);
            bild = FreeImage_ConvertTo24Bits(vier);
            FreeImage_Unload(vier);
        }
        std::vector<std::string> zeilen;
        for (int y = static_cast<int>(FreeImage_GetHeight(bild)) - 1; y >= 0; --y)
            zeilen.emplace_back(reinterpret_cast<const char*>(FreeImage_GetScanLine(bild, y)), 3 * FreeImage_GetWidth(bild));
        FreeImage_Unload(bild);
        return zeilen;
    };
    const auto geladen = [](const clsImage& bild) {
        std::vector<std::string> zeilen;
        const Bildzeilen z = bild.Zeilen();
        for (int32_t y = 0; y < z.hoehe; ++y) zeilen.emplace_back(reinterpret_cast<const char*>(z.Zeile(y)), 3 * z.breite);
        return zeilen;
    };
    for (const auto& [name, typ, bits] : {std::tuple{"tief.bmp", FIT_BITMAP, 32}, std::tuple{"tief.png", FIT_RGB16, 48},
                                          std::tuple{"alpha.png", FIT_RGBA16, 64}}) {
        SCOPED_TRACE(name);
        FIBITMAP* dib = FreeImage_AllocateT(typ, 13, 5, bits);
        for (unsigned y = 0; y < 5; ++y) {
            BYTE* zeile = FreeImage_GetScanLine(dib, y);
            for (unsigned i = 0; i < 13u * bits / 8; ++i) zeile[i] = static_cast<BYTE>(i * 29 + y * 71);
        }
        ASSERT_TRUE(FreeImage_Save(FreeImage_GetFIFFromFilename(name), dib, Datei(name).c_str(), 0));
        FreeImage_Unload(dib);
        clsImage bild(true);
        ASSERT_EQ(bild.LoadPic(Datei(name).string()), Lader_FreeImage);
        EXPECT_EQ(geladen(bild), bibliothek(name, false));
        ASSERT_TRUE(bild.Image_ToGrey());
        EXPECT_EQ(geladen(bild), bibliothek(name, true));
    }
}
