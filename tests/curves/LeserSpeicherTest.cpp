// Huge and hostile text files: the curve readers refuse them at the first sign that they cannot
// hold a curve, and their peak memory stays small (the files are refused: no curve is taken).
#include "CurvesTest.h"

#include "core/clsLanguage.h"
#include "curves/LeseHilfen.h"
#include "support/Spitzenspeicher.h"

#include <chrono>

namespace {

constexpr int64_t kMB = 1024 * 1024;
// The memory a reader may take beyond the curve it accepts (here: none).
constexpr int64_t kSpielraum = 64 * kMB;

class HugeFiles : public CurvesTest {
protected:
    // A file of the given size made of one text repeated.
    std::string Generate(const std::string& name, const std::string& stueck, int64_t bytes) const
    {
        std::string block;
        while (block.size() < static_cast<size_t>(kMB)) block += stueck;
        std::ofstream datei(PathOf(name), std::ios::binary);
        for (int64_t geschrieben = 0; geschrieben < bytes; geschrieben += static_cast<int64_t>(block.size()))
            datei.write(block.data(), static_cast<std::streamsize>(std::min<int64_t>(bytes - geschrieben, block.size())));
        return PathOf(name);
    }
    // Reads the file as a raw spectrum (or as a curve file) in a child process; its peak memory.
    Spitzenspeicher Lesen(const std::string& pfad, bool kurve) const
    {
        gCommon->Set_Dateiname(pfad);
        return Spitzenspeicher_Messen([kurve] { return kurve ? gInput->Datei_Oeffnen() : gInput->Spektrum_Oeffnen(); });
    }
    // Reads it here: whether it was taken, with the error's description.
    bool Lesen_Hier(const std::string& pfad, bool kurve) const
    {
        gCommon->Set_Dateiname(pfad);
        gError->setError(false);
        return kurve ? gInput->Datei_Oeffnen() : gInput->Spektrum_Oeffnen();
    }
};

}

TEST_F(HugeFiles, AFileOf200MegabytesIsRefusedBeforeItIsReadWithItsSizeInTheMessage)
{
    const std::string pfad = Generate("riesig.dat", "1234567890", 200 * kMB);
    for (const bool kurve : {false, true}) {
        SCOPED_TRACE(kurve ? "curve file" : "raw spectrum");
        const Spitzenspeicher messung = Lesen(pfad, kurve);
        ASSERT_TRUE(messung.gelaufen);
        EXPECT_FALSE(messung.ergebnis);
        EXPECT_LT(messung.zuwachsBytes, kSpielraum);

        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(Lesen_Hier(pfad, kurve));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << "refused without reading";
        EXPECT_EQ(gError->ErrorNumber(), rt::errOverflow);
        EXPECT_EQ(gError->ErrorDescription(), gLanguage->Caption(474) + ": " + pfad + " (200 MB > 64 MB)");
    }
    std::filesystem::remove(pfad);
}

TEST_F(HugeFiles, BelowTheSizeLimitReadingStopsAtTheFirstPointBeyondTheLimitOrAtAHugeLine)
{
    // 60 MB of pairs: millions of points, of which the reader takes 5001 before it gives up.
    const std::string paare = PathOf("paare.dat");
    {
        std::ofstream datei(paare, std::ios::binary);
        std::string block;
        for (int64_t i = 0, geschrieben = 0; geschrieben < 60 * kMB; ++i) {
            block += std::to_string(i) + ".5\t7\r\n";
            if (block.size() < static_cast<size_t>(kMB)) continue;
            datei << block;
            geschrieben += static_cast<int64_t>(block.size());
            block.clear();
        }
    }
    Spitzenspeicher messung = Lesen(paare, true);
    ASSERT_TRUE(messung.gelaufen);
    EXPECT_FALSE(messung.ergebnis);
    EXPECT_LT(messung.zuwachsBytes, kSpielraum);
    EXPECT_FALSE(Lesen_Hier(paare, true));
    EXPECT_NE(gError->ErrorDescription().find(gLanguage->Caption(696)), std::string::npos) << gError->ErrorDescription();
    std::filesystem::remove(paare);

    // 60 MB on one line: no curve file or raw spectrum has such a line.
    const std::string zeile = Generate("zeile.dat", "1 1000 5 ", 60 * kMB);
    for (const bool kurve : {false, true}) {
        messung = Lesen(zeile, kurve);
        ASSERT_TRUE(messung.gelaufen);
        EXPECT_FALSE(messung.ergebnis);
        EXPECT_LT(messung.zuwachsBytes, kSpielraum);
        EXPECT_FALSE(Lesen_Hier(zeile, kurve));
        EXPECT_EQ(gError->ErrorDescription(), gLanguage->Caption(475) + ": " + zeile + " (> 1024 KB)");
    }
    std::filesystem::remove(zeile);
}

TEST_F(HugeFiles, OrdinaryFilesReadAsBeforeWhateverTheirLineBreaks)
{
    // All pairs on one line, pairs split across lines, and the longest line allowed.
    OpenProject("eine_zeile.dat", "0 1 0.5 2 1 3 1.5 4 2 5 2.5 6");
    EXPECT_TRUE(gInput->Datei_Oeffnen());
    EXPECT_FLOAT_EQ(gInput->Maximum_Y(), 6.0f);
    OpenProject("geteilt.dat", "0\r\n1 0.5\r\n2\t1\n3 1.5 4 2\r\n5 2.5\r\n6\r\n");
    EXPECT_TRUE(gInput->Datei_Oeffnen());
    EXPECT_FLOAT_EQ(gInput->Mittelwert(), 3.5f);
    OpenProject("kopf.rav", "Probe 12 Messung\r\n0 1\r\n0.5 2\r\n1 3\r\n1.5 4\r\n");
    EXPECT_TRUE(gInput->Datei_Oeffnen());
    EXPECT_FLOAT_EQ(gInput->Minimum_Y(), 1.0f);

    std::string lang = "Bemerkungen: " + std::string(lese::kMaxZeilenBytes - 13, 'x') + "\r\n";
    OpenProject("langer_kopf.dat", lang + RawSpectrum(20));
    EXPECT_TRUE(gInput->Spektrum_Oeffnen());
    EXPECT_EQ(gInput->Punkte(), 20);
    OpenProject("zu_langer_kopf.dat", "x" + lang + RawSpectrum(20));
    EXPECT_FALSE(gInput->Spektrum_Oeffnen());
}
