// The picture formats the user's guide names are those that open: every extension of the open
// dialog's picture filter is either in the guide's table of formats, and a picture of that format
// under that extension opens, or named by the guide as refused, and a file of its kind is refused;
// a BMP file with the newer header the guide names as refused is refused.
#include "images/clsImage.h"

#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "support/TestBilder.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

using Endungen = std::set<std::string>;

Endungen Endungen_In(const std::string& text)
{
    Endungen gefunden;
    const std::regex endung(R"((^|[\s,(])(\.[a-z]+)\b)");
    for (std::sregex_iterator i(text.begin(), text.end(), endung), ende; i != ende; ++i) gefunden.insert((*i)[2]);
    return gefunden;
}

// What the guide's chapter on pictures says: the extensions of each format in its table, and the
// extensions it names outside the table.
struct Bildkapitel {
    std::map<std::string, Endungen> formate;
    Endungen sonst;
    bool v5Abgelehnt = false;
};

Bildkapitel Kapitel_Lesen(const std::string& sprache)
{
    std::ifstream datei(std::string(ZELO_TEST_DATA_DIR) + "/../resources/help/hilfe_" + sprache + ".html");
    std::stringstream inhalt;
    inhalt << datei.rdbuf();
    const std::string seite = inhalt.str();
    const size_t anfang = seite.find("<h2>2.8 ");
    const size_t ende = seite.find("<h2>", anfang + 1);
    if (anfang == std::string::npos || ende == std::string::npos) return {};
    std::string kapitel = seite.substr(anfang, ende - anfang);

    Bildkapitel ergebnis;
    const std::regex zeile(R"(<tr><td>([A-Z]+)</td><td>([^<]*)</td></tr>)");
    for (std::sregex_iterator i(kapitel.begin(), kapitel.end(), zeile), e; i != e; ++i)
        ergebnis.formate[(*i)[1]] = Endungen_In((*i)[2]);
    ergebnis.sonst = Endungen_In(std::regex_replace(kapitel, std::regex(R"(<table[\s\S]*?</table>)"), ""));
    ergebnis.v5Abgelehnt = kapitel.find("(V4, V5)") != std::string::npos;
    return ergebnis;
}

// The extensions of the open dialog's filter for pictures.
Endungen Bildfilter()
{
    for (const auto& filter : ParseFilterText(gCommon->Filter()))
        if (filter.name.starts_with(gLanguage->Caption(230) + " ("))
            return Endungen_In(std::regex_replace(filter.patterns, std::regex(R"(\*|;)"), " "));
    return {};
}

// A small grey picture of the format written as standard name, then given the extension.
fs::path Bild(const fs::path& ordner, const std::string& format, const std::string& endung)
{
    static const std::map<std::string, std::string> standard = {
        {"BMP", ".bmp"}, {"JPEG", ".jpg"}, {"PNG", ".png"}, {"TIFF", ".tif"}, {"GIF", ".gif"}};
    const fs::path geschrieben = ordner / ("bild" + standard.at(format));
    Graubild_Schreiben(geschrieben, 12, 8, [](int32_t x, int32_t y) { return Grau(20u * x + y); });
    const fs::path datei = ordner / (format + endung);
    fs::rename(geschrieben, datei);
    return datei;
}

// The start of a Windows metafile: an enhanced one (record 1 with its signature) or a placeable one.
fs::path Metadatei(const fs::path& ordner, const std::string& endung)
{
    std::string bytes(88, '\0');
    if (endung == ".emf") {
        bytes[0] = 1;
        bytes[4] = 88;
        bytes.replace(40, 4, " EMF");
    } else {
        bytes.replace(0, 4, "\xD7\xCD\xC6\x9A");
    }
    const fs::path datei = ordner / ("vektor" + endung);
    std::ofstream(datei, std::ios::binary) << bytes;
    return datei;
}

}

TEST(BildformateTest, TheGuideNamesExactlyThePictureFormatsThatOpen)
{
    TestWorld world;
    // A BMP whose header is the newer one of 124 bytes, as several picture programs write it.
    {
        std::ifstream ein(Bild(world.env.Root(), "BMP", ".bmp"), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
        const auto zahl = [&bytes](size_t ort) {
            uint32_t wert = 0;
            for (size_t i = 0; i < 4; ++i) wert |= uint32_t(uint8_t(bytes[ort + i])) << (8 * i);
            return wert;
        };
        const auto setzen = [&bytes](size_t ort, uint32_t wert) {
            for (size_t i = 0; i < 4; ++i) bytes[ort + i] = static_cast<char>(wert >> (8 * i));
        };
        ASSERT_EQ(zahl(14), 40u);
        const uint32_t mehr = 124 - 40;
        bytes.insert(14 + 40, std::string(mehr, '\0'));
        setzen(2, static_cast<uint32_t>(bytes.size()));
        setzen(10, zahl(10) + mehr);
        setzen(14, 124);
        std::ofstream(world.env.Root() / "v5.bmp", std::ios::binary) << bytes;
        clsImage bild(true);
        EXPECT_EQ(bild.LoadPic((world.env.Root() / "v5.bmp").string()), 0)
            << "the image library reads the newer BMP header now: the guide must say so";
    }
    const Endungen filter = Bildfilter();
    ASSERT_GE(filter.size(), 5u);
    for (const char* sprache : {"de", "en"}) {
        SCOPED_TRACE(sprache);
        const Bildkapitel kapitel = Kapitel_Lesen(sprache);
        EXPECT_EQ(kapitel.formate.size(), 5u) << "BMP, JPEG, PNG, TIFF and GIF, one row each";
        Endungen genannt = kapitel.sonst;
        for (const auto& [format, endungen] : kapitel.formate) {
            for (const std::string& endung : endungen) {
                SCOPED_TRACE(format + " as " + endung);
                EXPECT_TRUE(genannt.insert(endung).second) << "named twice";
                clsImage bild(true);
                EXPECT_EQ(bild.LoadPic(Bild(world.env.Root(), format, endung).string()), Lader_FreeImage);
                EXPECT_EQ(bild.Image_Width(), 12);
            }
        }
        EXPECT_EQ(genannt, filter) << "the guide names every extension the dialog offers, and no other";
        EXPECT_TRUE(kapitel.v5Abgelehnt) << "the guide names the BMP header that is refused";
        for (const std::string& endung : kapitel.sonst) {
            SCOPED_TRACE(endung + " outside the table");
            clsImage bild(true);
            EXPECT_EQ(bild.LoadPic(Metadatei(world.env.Root(), endung).string()), 0);
            EXPECT_EQ(bild.Image_Width(), 0);
        }
    }
}
