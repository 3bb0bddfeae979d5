// The value label's text: the blocks in nm and Å, the unknown theoretical density, unsigned
// deviations, the regional decimal sign, and which kinds and steps show which block.
#include "mainwindow/Wertanzeige.h"

#include "analysis/clsFFT.h"
#include "analysis/clsGR.h"
#include "core/UnderLocale.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "materials/clsMFE.h"
#include "support/TestWorld.h"

#include <clocale>
#include <cmath>
#include <functional>
#include <sstream>
#include <vector>

namespace {

class WertanzeigeTest : public UnderLocale, protected TestWorld {
protected:
    ~WertanzeigeTest() override { gSchritt = 0; }

    // The expected text with the locale's decimal sign in place of each '.'.
    static std::string Lokal(std::string text)
    {
        const std::string zeichen = std::localeconv()->decimal_point;
        for (size_t p = text.find('.'); p != std::string::npos; p = text.find('.', p + zeichen.size()))
            if (p + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[p + 1]))) text.replace(p, 1, zeichen);
        return text;
    }

    static std::vector<std::string> Zeilen(const std::string& text)
    {
        std::vector<std::string> zeilen;
        std::istringstream in(text);
        for (std::string zeile; std::getline(in, zeile);) zeilen.push_back(zeile);
        return zeilen;
    }
};

INSTANTIATE_TEST_SUITE_P(Locales, WertanzeigeTest, testing::Values("C", "comma"));

}

TEST_P(WertanzeigeTest, DensitiesInNanometreAndAngstromUnits)
{
    const GRWerte werte{60.0f, 57.3f, 58.0f, 64.25f, 3.5f};
    const auto nm = Zeilen(Wertanzeige_GR(werte, true));
    ASSERT_EQ(nm.size(), 5u);
    EXPECT_EQ(nm[0], Lokal("Dichte theo.: 60.000 1/nm³"));
    EXPECT_EQ(nm[1], Lokal("Dichte exp: 57.300 1/nm³ (95.5 % von Theorie)"));
    EXPECT_EQ(nm[3].substr(nm[3].size() - 6), Lokal("64.3 %")) << "packing with one decimal";

    const auto a = Zeilen(Wertanzeige_GR(werte, false));
    EXPECT_EQ(a[0], Lokal("Dichte theo.: 0.060 1/Å³"));
    EXPECT_EQ(a[1], Lokal("Dichte exp: 0.057 1/Å³ (95.5 % von Theorie)")) << "the ratio of the unconverted values";
}

TEST_P(WertanzeigeTest, UnknownTheoreticalDensityShowsNotAvailableAndNoRatio)
{
    for (const float t : {0.0f, -5.0f, Kein_Wert}) {
        const auto zeilen = Zeilen(Wertanzeige_GR({t, 57.3f, 0, 0, 0}, true));
        EXPECT_EQ(zeilen[0], "Dichte theo.: n/a") << t;
        EXPECT_EQ(zeilen[1], Lokal("Dichte exp: 57.300 1/nm³")) << t;
        EXPECT_EQ(Zeilen(Wertanzeige_Zwei(30.0f, t, 57.3f, true))[1], Lokal("Dichte exp: 57.300 1/nm³")) << t;
    }
}

TEST_P(WertanzeigeTest, InterferenceBlockConvertsKAndShowsTheDeviationUnsigned)
{
    const IKWerte werte{120.0f, 15.0f, 60.0f, -2.5f};
    const auto nm = Zeilen(Wertanzeige_IK(werte, true));
    ASSERT_EQ(nm.size(), 4u);
    EXPECT_EQ(nm[0], Lokal("Abbruchstelle: 120.00 1/nm"));
    EXPECT_EQ(nm[2], Lokal("Dichte (I(K)): 60.000 1/nm³"));
    EXPECT_EQ(nm[3], Lokal("Abweichung Parabel/I(K): 2.50 %"));
    const auto a = Zeilen(Wertanzeige_IK(werte, false));
    EXPECT_EQ(a[0], Lokal("Abbruchstelle: 12.00 1/Å"));
    EXPECT_EQ(a[1], Lokal("Parabelanpassungen bis: 1.50 1/Å"));
    EXPECT_EQ(a[3], Lokal("Abweichung Parabel/I(Q): 2.50 %"));
    EXPECT_EQ(Zeilen(Wertanzeige_GR({60.0f, 57.3f, 0, 0, -1.25f}, true))[4], Lokal("Abweichung Dichtegerade/G(r): 1.25 %"));
    // The English "Deviation" comes without the German text's trailing blank: one is put between.
    gLanguage->OpenLanguageEx(3);
    EXPECT_EQ(Zeilen(Wertanzeige_IK(werte, true))[3], Lokal("Deviation Parabola/I(K): 2.50 %"));
    gLanguage->OpenLanguageEx(0);
}

TEST(Woerter, OneBlankBetweenTwoTextsUnlessOneBringsIt)
{
    EXPECT_EQ(Woerter("Deviation", "Parabola"), "Deviation Parabola");
    EXPECT_EQ(Woerter("Abweichung ", "Parabel"), "Abweichung Parabel");
    EXPECT_EQ(Woerter("Konzentration", " 62"), "Konzentration 62");
    EXPECT_EQ(Woerter("", "62"), "62") << "an empty text adds no blank";
    EXPECT_EQ(Woerter("Konzentration", ""), "Konzentration");
}

TEST_P(WertanzeigeTest, KindAndStepChooseTheBlock)
{
    gSchritt = 13;
    EXPECT_EQ(Wertanzeige(3), "");
    EXPECT_EQ(Wertanzeige(8), "");
    EXPECT_EQ(Wertanzeige(7), "Koordinationszahl: " + gGR->KZ() + "\nKoordinationszahl (Il´inski): " + gGR->KZ_Hoyer());
    gSchritt = 11;
    EXPECT_EQ(Wertanzeige(7), "") << "the I(K) step shows no G(r) values";
    gSchritt = 12;
    EXPECT_EQ(Zeilen(Wertanzeige(7)).size(), 5u);
    gOptions->setAnsicht_2_Fenster(true);
    EXPECT_EQ(Zeilen(Wertanzeige(7)).size(), 2u) << "both diagrams: the short block";
    EXPECT_EQ(Zeilen(Wertanzeige(6)).size(), 2u);
}

TEST_P(WertanzeigeTest, CoordinationNumbersAreShownOnlyWhileTheyHold)
{
    gSchritt = 13;
    const std::string keine = Lokal("Koordinationszahl: 0.000\nKoordinationszahl (Il´inski): 0.000");
    gFFT->SetupFFT();
    gMFE->setDichte_Experimentell(60.0f);
    gGR->setPunkte(1000);
    for (int32_t i = 2; i <= 1000; ++i) gGR->Set_Y(i, std::sin(10.0f * gGR->R(i)));
    EXPECT_EQ(Wertanzeige(7), keine) << "nothing integrated yet";

    gGR->setKZ_r1(0.2f);
    gGR->setKZ_r2(0.4f);
    gGR->KZ_Berechnen();
    const std::string gezaehlt = "Koordinationszahl: " + gGR->KZ() + "\nKoordinationszahl (Il´inski): " + gGR->KZ_Hoyer();
    ASSERT_NE(gezaehlt, keine);
    EXPECT_EQ(Wertanzeige(7), gezaehlt);

    // Each of what the number was counted on, changed and put back.
    const float g300 = gGR->Y(300);
    const std::vector<std::pair<std::function<void()>, std::function<void()>>> aenderungen = {
        {[] { gMFE->setDichte_Experimentell(61.0f); }, [] { gMFE->setDichte_Experimentell(60.0f); }},
        {[] { gGR->setKZ_r1(0.25f); }, [] { gGR->setKZ_r1(0.2f); }},
        {[] { gGR->setKZ_r2(0.35f); }, [] { gGR->setKZ_r2(0.4f); }},
        {[g300] { gGR->Set_Y(300, g300 + 0.5f); }, [g300] { gGR->Set_Y(300, g300); }},
    };
    for (size_t n = 0; n < aenderungen.size(); ++n) {
        aenderungen[n].first();
        EXPECT_EQ(Wertanzeige(7), keine) << "change " << n;
        aenderungen[n].second();
        EXPECT_EQ(Wertanzeige(7), gezaehlt) << "change " << n << " put back";
    }
    gGR->setPunkte(0);
    EXPECT_EQ(Wertanzeige(7), keine) << "no G(r) at all";
}
