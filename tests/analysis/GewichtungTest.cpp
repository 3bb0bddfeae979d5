// The weighting between the measured and the back-transformed I(K): a round trip G(r) → I(K)
// mixes the back-transform into the measured curve as the guide says, with the option that
// prefers it at small K on and off, a second one by the weight alone, and the guide names that
// option where the user finds it.
#include "AnalysisFixture.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <tuple>

namespace {

class GewichtungTest : public AnalysisFixture {
protected:
    void SetUp() override
    {
        AnalysisFixture::SetUp();
        gFFT->SetupFFT();
    }
};

// The guide's section that starts with the heading titel, up to the next heading of its level, its
// line breaks made blanks.
std::string Abschnitt(const std::string& sprache, const std::string& titel)
{
    std::ifstream datei(std::string(ZELO_TEST_DATA_DIR) + "/../resources/help/hilfe_" + sprache + ".html");
    std::stringstream inhalt;
    inhalt << datei.rdbuf();
    const std::string seite = inhalt.str();
    const size_t anfang = seite.find("<h3>" + titel + "</h3>");
    if (anfang == std::string::npos) return {};
    std::string abschnitt = seite.substr(anfang, seite.find("<h3>", anfang + 1) - anfang);
    std::replace(abschnitt.begin(), abschnitt.end(), '\n', ' ');
    return abschnitt;
}

}

TEST_F(GewichtungTest, ARoundTripMovesTheMeasuredCurveByTheWeightAndTowardsTheBackTransformAtSmallK)
{
    for (const bool bevorzugen : {false, true}) {
        for (const float w : {0.0f, 0.3f, 1.0f}) {
            SCOPED_TRACE(std::string(bevorzugen ? "preferred" : "not preferred") + ", w = " + std::to_string(w));
            gOptions->setiFTR_Bevorzugen(bevorzugen);
            // Cut through the middle of the packet, so that the back-transform differs from it.
            WellenpaketIK(30.0, 301);
            gIK->setWichtung(w);
            const int32_t N = gIK->Punkte();
            std::vector<double> vorher(static_cast<size_t>(N));
            for (int32_t i = 1; i <= N; ++i) vorher[size_t(i - 1)] = gIK->Y_2(i);
            ASSERT_TRUE(gGR->Berechnen());
            gGR->setDichte_Exp_Index(20);
            gIK->RTR_Berechnen();

            // u = (K + ΔK)/(K_end + ΔK): 1 at the end of the curve, ΔK/(K_end + ΔK) at K = 0.
            const double dK = gOptions->Delta_k();
            const double kEnde = gIK->x(N);
            double abstand = 0.0;
            for (int32_t i = 1; i <= N; ++i) {
                const double I = vorher[size_t(i - 1)];
                const double R = gIK->Y_RTR(i);
                const double gemischt = (1.0 - w) * I + w * R;
                const double u = (gIK->x(i) + dK) / (kEnde + dK);
                ASSERT_NEAR(gIK->Y_2(i), bevorzugen ? u * gemischt + (1.0 - u) * R : gemischt, 1e-6) << "K = " << gIK->x(i);
                abstand = std::max(abstand, std::fabs(R - I));
            }
            EXPECT_GT(abstand, 0.01) << "the back-transform differs from the measured curve";
            // Without the option a weight of 0 keeps the measured curve through the round trip.
            if (!bevorzugen && w == 0.0f) {
                for (int32_t i = 1; i <= N; ++i) ASSERT_EQ(gIK->Y_2(i), float(vorher[size_t(i - 1)]));
            }

            // Once the curve holds back-transformed values, the next round trip mixes by the weight
            // alone, with the option too: preferring them again would take each later correction in
            // full at small K and tilt the density line pass after pass.
            for (int32_t i = 1; i <= N; ++i) vorher[size_t(i - 1)] = gIK->Y_2(i);
            ASSERT_TRUE(gGR->Berechnen());
            gGR->setDichte_Exp_Index(20);
            gIK->RTR_Berechnen();
            for (int32_t i = 1; i <= N; ++i) {
                const double gemischt = (1.0 - w) * vorher[size_t(i - 1)] + w * gIK->Y_RTR(i);
                ASSERT_NEAR(gIK->Y_2(i), gemischt, 1e-6) << "second round trip, K = " << gIK->x(i);
                ASSERT_NEAR(gIK->Y_Wichtung(i), (1.0 - w) * gIK->Y_2(i) + w * gIK->Y_RTR(i), 1e-6);
            }
        }
    }
}

TEST_F(GewichtungTest, TheGuideNamesTheOptionWhereItIsAndGivesBothMixtures)
{
    for (const auto& [sprache, titel, offset] : {std::tuple{"de", "G(r), Wichtung und Summenregel", 0},
                                                 std::tuple{"en", "G(r), weighting and sum rule", 3}}) {
        SCOPED_TRACE(sprache);
        gLanguage->OpenLanguageEx(offset);
        const std::string abschnitt = Abschnitt(sprache, titel);
        ASSERT_FALSE(abschnitt.empty());
        // The option, the page and the section of the settings window, in the window's own words.
        for (const int32_t text : {336, 305, 334})
            EXPECT_NE(abschnitt.find(gLanguage->Caption(text)), std::string::npos) << gLanguage->Caption(text);
        EXPECT_NE(abschnitt.find("I<sub>w</sub> = (1 − w)·I + w·I<sub>iFTR</sub>"), std::string::npos);
        EXPECT_NE(abschnitt.find("I<sub>w</sub> = u·[(1 − w)·I + w·I<sub>iFTR</sub>] + (1 − u)·I<sub>iFTR</sub>"),
                  std::string::npos);
        EXPECT_NE(abschnitt.find("u = (K + ΔK)/(K<sub>"), std::string::npos);
    }
}
