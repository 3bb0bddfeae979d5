// Runs of the automatic transform on a wave-packet I(K): pass counts, stop conditions, the log and
// what an error leaves behind.
#include "AnalysisFixture.h"

#include "analysis/clsFT_AI.h"
#include "core/Runtime.h"

namespace {

// Stops in the pass given (0: never) and counts the status texts.
class Anzeige : public FT_AI_Anzeige {
public:
    explicit Anzeige(int32_t stopp = 0) : stopp_(stopp) {}
    void Info_Anzeigen(const std::string&) override { ++infos; }
    bool Abbruch_Gewuenscht() override { return ++durchlauf == stopp_; }
    int32_t infos = 0;
    int32_t durchlauf = 0;

private:
    int32_t stopp_;
};

class FT_AI : public AnalysisFixture {
protected:
    void SetUp() override
    {
        WellenpaketIK(25.0, 1200);
        ASSERT_TRUE(gGR->Berechnen());
        gCommon->setEnable_Record(true);
    }
    bool Geloggt(const std::string& zeile) const
    {
        return std::find(seam.logLines.begin(), seam.logLines.end(), zeile) != seam.logLines.end();
    }
    clsFT_AI lauf;
};

}

TEST_F(FT_AI, EscInAPassEndsTheRunThere)
{
    Anzeige anzeige(3);
    const FT_AI_Ergebnis e = lauf.Starten("0", "50", anzeige);
    EXPECT_EQ(e.Anzahl_iFTR, 3);
    EXPECT_EQ(lauf.Anzahl_FTR(), 4);
    EXPECT_TRUE(Geloggt("Anzahl der Durchläufe: 3"));
    EXPECT_EQ(seam.redraws, 2) << "the pass that ends the run is not drawn";
    EXPECT_EQ(anzeige.infos, 2 + 2 * 3);
}

TEST_F(FT_AI, TheDeviationTargetCountsByItsSize)
{
    Anzeige a;
    lauf.Starten("0", "1", a);
    const float abweichung = std::fabs(gGR->Ausgleich_Abweichung());
    ASSERT_GT(abweichung, 0.0f);
    // A target just above the deviation the passes reach stops after the first pass, either sign.
    for (const float ziel : {abweichung * 2.0f + 1.0f, -(abweichung * 2.0f + 1.0f)}) {
        WellenpaketIK(25.0, 1200);
        gGR->Berechnen();
        Anzeige anzeige;
        EXPECT_EQ(lauf.Starten(rt::SingleText(ziel), "20", anzeige).Anzahl_iFTR, 1) << ziel;
    }
}

TEST_F(FT_AI, TargetsThatAreNoNumbers)
{
    Anzeige anzeige;
    EXPECT_FALSE(lauf.Starten("x", "5", anzeige).Gelaufen);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Abbruchbedingung 1 nicht durchführbar");
    EXPECT_EQ(anzeige.infos, 0);

    // A pass count that is no whole number is a run-time error of the run.
    const FT_AI_Ergebnis e = lauf.Starten("1", "viele", anzeige);
    EXPECT_FALSE(e.Fehlerfrei);
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[1].text, "Error 13 (Type mismatch) in procedure cmdStart_Click of Benutzersteuerelement conFT_AI");
}

TEST_F(FT_AI, AnErrorInAPassPutsTheLogBack)
{
    class Fehler : public Anzeige {
        bool Abbruch_Gewuenscht() override { rt::Raise(rt::errOverflow); }
    } anzeige;
    const FT_AI_Ergebnis e = lauf.Starten("0", "5", anzeige);
    EXPECT_FALSE(e.Fehlerfrei);
    EXPECT_TRUE(e.Meldung.empty());
    EXPECT_TRUE(gCommon->Enable_Record());
    EXPECT_NE(seam.messages.back().text.find("Error 6 (Overflow)"), std::string::npos);
}

TEST_F(FT_AI, NoPassesStillTransformsOnce)
{
    Anzeige anzeige;
    const int32_t vorher = gFFT->Anzahl_FFT();
    const FT_AI_Ergebnis e = lauf.Starten("0", "0", anzeige);
    EXPECT_TRUE(e.Gelaufen && e.Fehlerfrei);
    EXPECT_EQ(gFFT->Anzahl_FFT(), vorher + 1);
    EXPECT_EQ(lauf.Anzahl_FTR(), 1);
    EXPECT_TRUE(Geloggt("Anzahl der Durchläufe: 0"));
    EXPECT_NE(e.Meldung.find("0 FFT´s in "), std::string::npos) << e.Meldung;
    EXPECT_TRUE(gCommon->Enable_Record());
}
