// The damping follows the cut-off, on the hard-sphere liquid of carbon measured through the
// database's form factor: a Lorch damping chosen at the curve's end and a cut-off moved afterwards
// give the I(K), G(r) and density of the same damping chosen after the cut-off; what back-transforms
// mixed into I(K) survives a moved cut-off; and a damping that cannot be applied, to a new kind or a
// new cut-off, keeps what is in force and says why, once. A G(r) that no transform of this I(K)
// made gives, transformed back, a new I(K) that the damping in force damps like any other, and so
// does a formula. The figures beside I(K) and the record that go with the damping and the round
// trips: the sum rule's density, the low-K model's deviation, the log lines of each damping.
#include "AnalysisFixture.h"

#include "analysis/Daempfung.h"
#include "analysis/TiefK_Modell.h"
#include "analysis/clsFT_AI.h"
#include "core/Runtime.h"
#include "mainwindow/Kohlenstoffprobe.h"

#include <string>
#include <vector>

namespace {

// Everything of the evaluation that a damping reaches.
struct Stand {
    std::vector<float> ik, ik2, rtr, gewichtet, gr;
    float dichte = 0.0f;
    float dichteIK = 0.0f;
    float mittelwert = 0.0f;
};

double Groesste(const std::vector<float>& werte)
{
    double m = 0.0;
    for (const float w : werte) m = std::max(m, double(std::fabs(w)));
    return m;
}

class DaempfungAbbruch : public AnalysisFixture {
protected:
    void SetUp() override
    {
        probe = Kohlenstoffprobe::AusDatenbank();
        gCalc->Punkte_Loeschen();
        for (int32_t i = 1; i <= 1510; ++i) gCalc->Punkte_Plus(0.1f * float(i - 1), 0.0f);
        gCalc->setMaximum_X(gCalc->x(1510));
        Kohlenstoff_Streuung([this](double K) { return probe.I(K); }, Untergrund);
        gUntergrund->Clear();
        for (const double K : {5.0, 25.0, 45.0, 65.0, 85.0, 105.0, 125.0, 145.0})
            gUntergrund->Plus_Punkt(float(K), float(Untergrund(K)));
    }
    static double Untergrund(double K) { return 100.0 + 50.0 * std::exp(-K / 30.0); }

    // A fresh I(K), undamped, with its cut-off at its end.
    void Neues_IK() const { ASSERT_TRUE(gIK->Berechnen(float(probe.rho))); }
    // The index at this share of I(K)'s range.
    static int32_t Anteil(double anteil) { return static_cast<int32_t>(std::lround(anteil * gIK->Punkte())); }
    static std::vector<float> Ungedaempft()
    {
        std::vector<float> y0(static_cast<size_t>(gIK->Punkte()));
        gIK->CopyArray_Ungedaempft(y0);
        return y0;
    }
    static Stand Jetzt()
    {
        Stand s;
        for (int32_t i = 1; i <= gIK->Punkte(); ++i) {
            s.ik.push_back(gIK->Y(i));
            s.ik2.push_back(gIK->Y_2(i));
            s.rtr.push_back(gIK->Y_RTR(i));
            s.gewichtet.push_back(gIK->Y_Wichtung(i));
        }
        s.dichteIK = gIK->Dichte_IK();
        s.mittelwert = gIK->Mittelwert();
        EXPECT_TRUE(gGR->Berechnen());
        for (int32_t i = 1; i <= gGR->Punkte(); ++i) s.gr.push_back(gGR->Y(i));
        s.dichte = gMFE->Dichte_Experimentell();
        return s;
    }
    static void Gleich(const Stand& a, const Stand& b, const std::string& wo)
    {
        SCOPED_TRACE(wo);
        for (const auto feld : {&Stand::ik, &Stand::ik2, &Stand::rtr, &Stand::gewichtet}) {
            ASSERT_EQ((a.*feld).size(), (b.*feld).size());
            for (size_t i = 0; i < (a.*feld).size(); ++i) ASSERT_NEAR((a.*feld)[i], (b.*feld)[i], 1e-5) << "point " << i + 1;
        }
        const double skala = Groesste(b.gr);
        ASSERT_EQ(a.gr.size(), b.gr.size());
        for (size_t i = 0; i < a.gr.size(); ++i) ASSERT_NEAR(a.gr[i], b.gr[i], 1e-5 * skala) << "G(r) point " << i + 1;
        EXPECT_NEAR(a.dichte, b.dichte, 1e-5 * b.dichte);
        EXPECT_NEAR(a.dichteIK, b.dichteIK, 1e-5 * std::fabs(b.dichteIK));
        EXPECT_NEAR(a.mittelwert, b.mittelwert, 1e-6);
    }
    // Every drawn form of I(K) is 0 at the cut-off, as Lorch damps it.
    static void Null_An_Der_Abbruchstelle()
    {
        const int32_t F = gIK->FTR_Index();
        EXPECT_NEAR(gIK->Y(F), 0.0, 1e-6);
        EXPECT_NEAR(gIK->Y_2(F), 0.0, 1e-6);
        EXPECT_NEAR(gIK->Y_RTR(F), 0.0, 1e-6);
        EXPECT_NEAR(gIK->Y_Wichtung(F), 0.0, 1e-6);
    }
    // The first index from von down to 2 where exponential damping can end (K·I(K) > 0.001), or
    // where it cannot.
    static int32_t Suche(int32_t von, bool moeglich)
    {
        const std::vector<float> y0 = Ungedaempft();
        for (int32_t i = von; i >= 2; --i)
            if ((gIK->x(i) * y0[size_t(i - 1)] > 0.001f) == moeglich) return i;
        return 0;
    }
    std::string Meldung(int32_t grund, int32_t folge) const
    {
        return gLanguage->Caption(grund) + "\r\n" + gLanguage->Caption(folge);
    }

    Kohlenstoffprobe probe;
};

}

TEST_F(DaempfungAbbruch, LorchChosenAtTheEndFollowsTheCutOffAsIfChosenAfterIt)
{
    Neues_IK();
    gIK->Daempfen(DA_Lorch);
    gIK->setFTR_Index(Anteil(0.8));
    Null_An_Der_Abbruchstelle();
    const Stand achtzig = Jetzt();
    // Above the end of the earlier damping the measured curve comes back, damped for the new end.
    gIK->setFTR_Index(Anteil(0.95));
    Null_An_Der_Abbruchstelle();
    EXPECT_NE(gIK->Y(Anteil(0.9)), 0.0f);
    const Stand fuenfundneunzig = Jetzt();

    for (const auto& [anteil, bewegt] : {std::pair{0.8, &achtzig}, {0.95, &fuenfundneunzig}}) {
        Neues_IK();
        gIK->setFTR_Index(Anteil(anteil));
        gIK->Daempfen(DA_Lorch);
        Gleich(*bewegt, Jetzt(), "cut-off at " + std::to_string(anteil));
    }
    EXPECT_GT(fuenfundneunzig.dichte, 0.0f);
}

TEST_F(DaempfungAbbruch, WhatTheBackTransformsMixedInSurvivesAMovedCutOff)
{
    Neues_IK();
    gIK->Daempfen(DA_Lorch);
    const int32_t F = gIK->FTR_Index();
    gIK->setWichtung(0.5f);
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_TRUE(gGR->Berechnen());
        gIK->RTR_Berechnen();
    }
    const Stand vorher = Jetzt();

    gIK->setFTR_Index(Anteil(0.8));
    // The measured curve is damped for the new cut-off ...
    const std::vector<float> lorch = gIK->Wie_Gedaempft(Ungedaempft());
    for (int32_t i = 2; i <= gIK->Punkte(); ++i) ASSERT_EQ(gIK->Y(i), lorch[size_t(i - 1)]) << i;
    // ... and the share of the back-transforms in the other forms stays as it was.
    for (int32_t i = 1; i <= gIK->Punkte(); ++i) {
        const auto k = size_t(i - 1);
        ASSERT_NEAR(gIK->Y_2(i) - gIK->Y(i), vorher.ik2[k] - vorher.ik[k], 1e-6) << i;
        ASSERT_NEAR(gIK->Y_RTR(i) - gIK->Y(i), vorher.rtr[k] - vorher.ik[k], 1e-6) << i;
    }
    // Moved back, the cut-off gives back what the passes made.
    gIK->setFTR_Index(F);
    Gleich(Jetzt(), vorher, "cut-off back at the end");
}

TEST_F(DaempfungAbbruch, ADampingThatCannotBeAppliedKeepsWhatIsInForceAndSaysWhy)
{
    Neues_IK();
    const int32_t moeglich = Suche(Anteil(0.9), true);
    const int32_t unmoeglich = Suche(moeglich, false);
    const int32_t wieder = Suche(unmoeglich, true);
    ASSERT_GT(wieder, 100);
    gIK->setFTR_Index(moeglich);
    gIK->Daempfen(DA_Exp);
    ASSERT_EQ(gIK->Daempfung(), DA_Exp);
    EXPECT_NEAR(gIK->x(moeglich) * gIK->Y(moeglich), 0.001, 1e-6);

    // Exponential damping cannot end where K·I(K) ≤ 0.001: the cut-off stays, and so does I(K).
    const Stand exp = Jetzt();
    seam.messages.clear();
    gIK->setFTR_Index(unmoeglich);
    EXPECT_EQ(gIK->FTR_Index(), moeglich);
    Gleich(Jetzt(), exp, "cut-off refused");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, Meldung(600, 603));
    // Where it can end, it follows.
    gIK->setFTR_Index(wieder);
    EXPECT_NEAR(gIK->x(wieder) * gIK->Y(wieder), 0.001, 1e-6);
    EXPECT_EQ(seam.messages.size(), 1u);

    // Chosen where it cannot end, it leaves the Lorch damping in force as it was.
    gIK->Daempfen(DA_Lorch);
    gIK->setFTR_Index(unmoeglich);
    const Stand lorch = Jetzt();
    seam.messages.clear();
    seam.logLines.clear();
    gIK->Daempfen(DA_Exp);
    EXPECT_EQ(gIK->Daempfung(), DA_Lorch);
    EXPECT_TRUE(seam.logLines.empty());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, Meldung(600, 602));
    Gleich(Jetzt(), lorch, "exponential damping refused");
}

TEST_F(DaempfungAbbruch, AForeignGrBackTransformedUnderADampingIsDampedAsANewIK)
{
    Neues_IK();
    ASSERT_TRUE(gGR->Berechnen());
    // From here on the G(r) counts as no transform of this I(K), as one read from a file.
    gGR->setAnzahl_FFT(0);
    gIK->Daempfen(DA_Lorch);
    gIK->setFTR_Index(Anteil(0.8));
    gIK->RTR_Berechnen();
    const Stand zurueck = Jetzt();
    // The back-transform is the undamped I(K) now, and the damping in force damps all of it.
    gIK->Daempfen(DA_Lorch);
    Gleich(zurueck, Jetzt(), "Lorch chosen again");

    gIK->setFTR_Index(Anteil(0.9));
    Null_An_Der_Abbruchstelle();
    const float summe = gIK->Dichte_IK();
    gIK->Daempfen(DA_Keine);
    EXPECT_NEAR(summe, gIK->Dichte_IK(), 1e-5 * std::fabs(summe)) << "the sum rule of the back-transform, undamped";
}

// A G(r) project's first back-transform makes the I(K) the cut-off search and the mean read.
TEST_F(DaempfungAbbruch, AGrBackTransformedWithoutAnIKGivesTheCurveItDraws)
{
    Neues_IK();
    ASSERT_TRUE(gGR->Berechnen());
    gGR->setAnzahl_FFT(0);
    gIK->Clear();
    gIK->RTR_Berechnen();
    ASSERT_GT(gIK->Punkte(), 0);
    for (int32_t i = 1; i <= gIK->Punkte(); ++i) {
        ASSERT_EQ(gIK->Y(i), gIK->Y_RTR(i)) << i;
        ASSERT_EQ(gIK->Y(i), gIK->Y_Wichtung(i)) << i;
    }
    EXPECT_NE(gIK->Y(gIK->Punkte() / 2), 0.0f);
    EXPECT_EQ(gIK->Daempfung(), DA_Keine);
}

// A formula acts on the undamped I(K) and the damping in force damps the result anew: a cut-off
// moved afterwards and Lorch chosen again give what the formula and then Lorch give on the
// undamped curve, not a curve damped twice.
TEST_F(DaempfungAbbruch, AFormulaOnADampedIKActsOnTheUndampedCurve)
{
    const std::string formel = "y*(1+x/200)";
    Neues_IK();
    gIK->WerteUmrechnen(formel);
    gIK->setFTR_Index(Anteil(0.8));
    gIK->Daempfen(DA_Lorch);
    const Stand erst_formel = Jetzt();

    Neues_IK();
    gIK->Daempfen(DA_Lorch);
    gIK->WerteUmrechnen(formel);
    EXPECT_EQ(gIK->Daempfung(), DA_Lorch);
    Null_An_Der_Abbruchstelle();
    gIK->setFTR_Index(Anteil(0.8));
    Null_An_Der_Abbruchstelle();
    Gleich(Jetzt(), erst_formel, "cut-off moved after the formula");
    gIK->Daempfen(DA_Lorch);
    Gleich(Jetzt(), erst_formel, "Lorch chosen again");
}

// The sum rule checks the normalisation of the measured I(K): it repeats the density the
// normalisation was given, whatever the damping, the low-K model and any number of round trips
// mixed into the curve the transform takes, and follows a new normalisation.
TEST_F(DaempfungAbbruch, TheSumRuleDensityMovesWithTheNormalisationAndNotWithRoundTrips)
{
    Neues_IK();
    gIK->Daempfen(DA_Lorch);
    gIK->setParabel_Index(Anteil(0.07));
    gIK->setWichtung(0.5f);
    const float dichte = gIK->Dichte_IK();
    EXPECT_NEAR(dichte, probe.rho, 1e-4 * probe.rho) << "the normalisation's own integral";
    for (const int passes : {1, 9}) {
        for (int pass = 0; pass < passes; ++pass) {
            ASSERT_TRUE(gGR->Berechnen());
            gIK->RTR_Berechnen();
        }
        EXPECT_NEAR(gIK->Dichte_IK(), dichte, 1e-5 * dichte) << "after " << passes << " more round trips";
    }
    ASSERT_TRUE(gIK->Berechnen(float(1.2 * probe.rho)));
    EXPECT_NEAR(gIK->Dichte_IK() / dichte, 1.2, 0.005);
}

// With the back-transform preferred at small K, a damping chosen between automatic runs makes I(K)
// a measured curve again: its first back-transform fades into it as on a fresh I(K).
TEST_F(DaempfungAbbruch, ADampingChosenBetweenAutomaticRunsIsTransformedBackAsAFreshOne)
{
    gOptions->setiFTR_Bevorzugen(true);
    const auto gedaempft_zurueck = [] {
        gIK->Daempfen(DA_Lorch);
        EXPECT_TRUE(gGR->Berechnen());
        gIK->RTR_Berechnen();
        return Jetzt();
    };
    Neues_IK();
    gIK->setWichtung(0.1f);
    const Stand frisch = gedaempft_zurueck();

    Neues_IK();
    clsFT_AI lauf;
    lauf.Abbruch_Anpassen = false;
    lauf.Dichte_Anpassen = false;
    FT_AI_Anzeige anzeige;
    ASSERT_EQ(lauf.Starten("0", "3", anzeige).Anzahl_iFTR, 3);
    Gleich(gedaempft_zurueck(), frisch, "Lorch chosen after an automatic run");
}

// "Abweichung Parabel/I(K)" compares extrapolation and I(K) by magnitude above K = 0, where I(K) is
// negative and a back-transform holds a mere 0: 0 to 100 % on a fresh I(K), after one round trip and
// after many, with and without preferring the back-transform at small K; after them it is the mean
// agreement of the points above K = 0 alone.
TEST_F(DaempfungAbbruch, TheLowKDeviationStaysBetweenNoneAndAllAfterAnyRoundTrips)
{
    for (const bool bevorzugen : {true, false}) {
        gOptions->setiFTR_Bevorzugen(bevorzugen);
        for (const int32_t modell : {LM_Polynom, LM_Parabel, LM_Gauss}) {
            gOptions->LM_IK_Set(0, modell);
            SCOPED_TRACE("model " + std::to_string(modell) + ", preferring " + std::to_string(bevorzugen));
            Neues_IK();
            gIK->Daempfen(DA_Lorch);
            gIK->setParabel_Index(Anteil(0.07));
            gIK->setWichtung(0.5f);
            const auto prozent = [] { return gIK->Parabel_Abweichung_Prozent(); };
            EXPECT_GE(prozent(), 0.0f);
            EXPECT_LE(prozent(), 5.0f) << "the model liquid's low-K I(K) is near the models";
            for (int pass = 1; pass <= 30; ++pass) {
                ASSERT_TRUE(gGR->Berechnen());
                gIK->RTR_Berechnen();
                ASSERT_GE(prozent(), 0.0f) << "pass " << pass;
                ASSERT_LE(prozent(), 100.0f) << "pass " << pass;
            }
            // The Gauss model may find no half height on the back-transform; the others always exist.
            if (modell == LM_Gauss) continue;
            double summe = 0.0;
            for (int32_t i = 2; i <= gIK->Parabel_Index(); ++i) {
                const double e = gIK->Y_Parabel(i), y = gIK->Y_Wichtung(i);
                summe += 1.0 - std::min(1.0, std::fabs(e - y) / std::max(std::fabs(e), std::fabs(y)));
            }
            EXPECT_NEAR(prozent(), 100.0 * (1.0 - summe / (gIK->Parabel_Index() - 1)), 0.051);
        }
    }
}

// The record names the damping as the list does and logs each re-damping a moved cut-off makes,
// with the new cut-off, in both languages, each such line in one language; without a damping a moved
// cut-off damps nothing, and removing a damping is logged too.
TEST_F(DaempfungAbbruch, TheRecordNamesShiftedLorchAndEveryReDampingWithItsCutOff)
{
    gCommon->setEnable_Record(true);
    for (const int32_t sprache : {0, 3}) {
        gLanguage->OpenLanguageEx(sprache);
        Neues_IK();
        seam.logLines.clear();
        gIK->setFTR_Index(Anteil(0.9));
        EXPECT_TRUE(seam.logLines.empty());
        gIK->Daempfen(DA_Lorch_Shifted);
        ASSERT_EQ(seam.logLines.size(), 1u);
        const std::string name = "Lorch - Dämpfung" + gLanguage->Caption(429);
        EXPECT_TRUE(seam.logLines[0].ends_with(": " + name)) << seam.logLines[0];

        gIK->setFTR_Index(Anteil(0.8));
        ASSERT_EQ(seam.logLines.size(), 2u);
        const std::string liste = sprache == 0 ? "Lorchdämpfung shifted" : "Lorchdamping shifted";
        const std::string neu = ": " + liste + ": " + gLanguage->Caption(604) + " " + rt::SingleText(gIK->x(Anteil(0.8))) + " 1/nm";
        EXPECT_TRUE(seam.logLines[1].ends_with(neu)) << seam.logLines[1];

        // The exponential damping's factor changes with the cut-off and is logged again.
        const int32_t G = Suche(Anteil(0.8), true);
        const int32_t F = Suche(G - 20, true);
        ASSERT_GT(F, 100);
        gIK->setFTR_Index(G);
        gIK->Daempfen(DA_Exp);
        ASSERT_EQ(gIK->Daempfung(), DA_Exp);
        seam.logLines.clear();
        gIK->setFTR_Index(F);
        ASSERT_EQ(seam.logLines.size(), 2u);
        EXPECT_NE(seam.logLines[0].find(": " + gLanguage->Caption(430) + ": " + gLanguage->Caption(604)), std::string::npos)
            << seam.logLines[0];
        EXPECT_TRUE(seam.logLines[1].starts_with("Dämpfungsfaktor: ")) << seam.logLines[1];

        // Removing the damping is logged once; an undamped I(K) left undamped logs nothing.
        seam.logLines.clear();
        gIK->Daempfen(DA_Keine);
        gIK->Daempfen(DA_Keine);
        ASSERT_EQ(seam.logLines.size(), 1u);
        EXPECT_TRUE(seam.logLines[0].ends_with(sprache == 0 ? ": nicht gedämpft" : ": no damping")) << seam.logLines[0];
    }
    gLanguage->OpenLanguageEx(0);
}
