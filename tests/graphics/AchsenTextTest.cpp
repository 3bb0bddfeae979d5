// The tick labels of the axes: neighbouring ticks never read alike, however narrow the range, and
// the usual ranges keep the one decimal they always had.
#include "graphics/Abbildung.h"

#include "core/KurvenTyp.h"

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
