// The tick labels of the axes: each names its tick, neighbouring ticks never read alike, however
// narrow the range, and the usual ranges keep the one decimal they always had.
#include "graphics/Abbildung.h"
#include "graphics/Strichbeschriftung.h"

#include "core/KurvenTyp.h"
#include "support/TestWorld.h"
#include "support/ui/Fensterpruefungen.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The number labels of one axis (the title and the unit left out).
std::vector<std::string> Zahlen(const AchsenBild& bild, bool yAchse)
{
    std::vector<std::string> texte;
    for (const AchsenText& t : bild.texte)
        if (t.rechtsbuendig == yAchse && !t.text.empty() && (std::isdigit(static_cast<unsigned char>(t.text.back()))))
            texte.push_back(t.text);
    return texte;
}

AchsenBild Bild(float xmin, float xmax, float ymin, float ymax, int32_t kurve = KT_GR)
{
    DiagrammSkala s;
    s.rechts = 600;
    s.unten = 365;
    SkaliereDiagramm(s, xmax, xmin, ymax, ymin, true);
    return Achsen(s, 670, 400, kurve, true, 6);
}

}

TEST(AchsenText, NeighbouringTicksDifferOnNarrowRanges)
{
    for (const auto& [xmin, xmax, ymin, ymax] :
         {std::tuple{0.0f, 1.0f, 0.0f, 1.0f}, {0.0f, 0.5f, -0.2f, 0.3f}, {0.2f, 0.21f, 0.0f, 0.02f},
          {-1.0f, 1.0f, 100.0f, 100.5f}, {10.0f, 10.003f, -0.001f, 0.001f}}) {
        const AchsenBild bild = Bild(xmin, xmax, ymin, ymax);
        for (const bool y : {false, true}) {
            const std::vector<std::string> texte = Zahlen(bild, y);
            EXPECT_GE(texte.size(), 9u);
            EXPECT_EQ(std::set<std::string>(texte.begin(), texte.end()).size(), texte.size())
                << (y ? "y " : "x ") << xmin << ".." << xmax << " / " << ymin << ".." << ymax << ": " << texte[1]
                << ", " << texte[2];
        }
    }
}

TEST(AchsenText, UsualRangesKeepOneDecimal)
{
    const AchsenBild bild = Bild(0.0f, 150.0f, 0.0f, 1000.0f);
    const std::vector<std::string> x = Zahlen(bild, false);
    ASSERT_GE(x.size(), 3u);
    EXPECT_EQ(x[1], "15.0");
    EXPECT_EQ(x[2], "30.0");
    const std::vector<std::string> y = Zahlen(bild, true);
    ASSERT_GE(y.size(), 2u);
    EXPECT_EQ(y[1], "100.0");
}

TEST(AchsenText, EveryLabelNamesItsTickOnAnyRange)
{
    TestWorld world;  // the spectrum's title names K or Q by the settings
    // Non-round ranges (a G(r) from 0.02 to 1.1 nm has its ticks at 0.128, 0.236, ...), ranges far
    // from zero, exponent-form values, a log axis and a narrow diagram.
    struct Fall {
        float xmin, xmax, ymin, ymax;
        bool log;
        int32_t breite;
        int32_t kurve;
    };
    for (const Fall& f : {Fall{0.02f, 1.1f, -1.0f, 3.7f, false, 670, KT_GR}, Fall{0.02f, 1.1f, -1.0f, 3.7f, false, 280, KT_GR},
                          Fall{3.3f, 147.7f, 13.0f, 4.04e5f, false, 670, KT_JK}, Fall{0.0f, 1.5f, 0.0f, 0.15f, false, 670, KT_GR},
                          Fall{1e6f, 1.0013e6f, 2.5e-4f, 7.3e-4f, false, 670, KT_JK},
                          Fall{12.0f, 95.0f, 1.0f, 4e5f, true, 670, KT_JK}, Fall{0.31f, 0.57f, -0.333f, 0.777f, false, 290, KT_GR}}) {
        DiagrammSkala s;
        s.rechts = float(f.breite);
        s.unten = 365;
        s.log = f.log;
        SkaliereDiagramm(s, f.xmax, f.xmin, f.ymax, f.ymin, true);
        const AchsenBild bild = Achsen(s, f.breite, 400, f.kurve, true, 6);
        EXPECT_EQ(pruefen::Strichtexte_Abseits(bild, s, f.breite, f.kurve, true), std::vector<std::string>{})
            << f.xmin << ".." << f.xmax << " / " << f.ymin << ".." << f.ymax << (f.log ? " log" : "") << ", " << f.breite << " px";
        EXPECT_GE(Zahlen(bild, false).size(), 2u) << "long or many labels still leave some";
    }
}

TEST(AchsenText, ALabelTakesOnlyTheDecimalsItNeeds)
{
    // 0.02..1.1 nm: one decimal would put "0.2" on the tick at 0.236; two name every tick.
    const AchsenBild gr = Bild(0.02f, 1.1f, -1.0f, 3.7f);
    const std::vector<std::string> x = Zahlen(gr, false);
    ASSERT_GE(x.size(), 3u);
    EXPECT_EQ(x[0], "0.02");
    EXPECT_EQ(x[2], "0.24");
    // In Å the same range reads 0.2..11 with ticks 1.08 apart: one decimal is enough.
    DiagrammSkala s;
    s.rechts = 600;
    s.unten = 365;
    SkaliereDiagramm(s, 1.1f, 0.02f, 3.7f, -1.0f, true);
    const std::vector<std::string> angstroem = Zahlen(Achsen(s, 670, 400, KT_GR, false, 6), false);
    ASSERT_GE(angstroem.size(), 3u);
    EXPECT_EQ(angstroem[2], "2.4");
}

TEST(Strichbeschriftung, ExponentFormGainsDigitsOnlyWhereTicksWouldReadAlike)
{
    const std::vector<float> weit{4.04e4f, 8.08e4f, 1.212e5f};
    EXPECT_EQ(Strich_Texte(weit, std::vector<float>(3, 4.04e4f)), (std::vector<std::string>{"4.04E+04", "8.08E+04", "1.21E+05"}));
    // A range of 1300 at a million: three digits would read every tick as 1.00E+06.
    const std::vector<float> eng{1.0e6f, 1.00013e6f, 1.00026e6f};
    const std::vector<std::string> texte = Strich_Texte(eng, std::vector<float>(3, 130.0f));
    EXPECT_EQ(texte[1], "1.00013E+06");
    EXPECT_EQ(Strich_Texte(std::vector<float>{0.0f, 0.5f}, std::vector<float>{0.5f, 0.5f})[0], "0,0") << "zero as every zero";
}
