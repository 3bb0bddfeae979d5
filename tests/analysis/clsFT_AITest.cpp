// Runs of the automatic transform: on a model liquid the passes straighten the density line of
// G(r) and bring the density towards the liquid's, and runs that never reach their target keep it
// there, on carbon and on a metallic glass, damped or not, with the back-transform preferred at small
// K or not; on a wave-packet I(K) the pass counts, the stop conditions, the status the panel shows,
// the log and what an error leaves behind; and that an r range marked in G(r) changes no run.
#include "AnalysisFixture.h"

#include "analysis/Daempfung.h"
#include "analysis/SynthetischeStruktur.h"
#include "analysis/clsFT_AI.h"
#include "core/KurvenTyp.h"
#include "core/KeyedCollection.h"
#include "core/NumberFormat.h"
#include "core/Runtime.h"
#include "mainwindow/Kohlenstoffprobe.h"
#include "materials/clsElement.h"
#include "support/InstallierteDatenbank.h"

#include <fstream>
#include <iterator>
#include <tuple>

namespace {

// Stops in the pass given (0: never); keeps the latest status text and, after every pass, the
// deviation of the density line and the density that the status shows.
class Anzeige : public FT_AI_Anzeige {
public:
    explicit Anzeige(int32_t stopp = 0) : stopp_(stopp) {}
    void Info_Anzeigen(const std::string& text) override { status = text; }
    bool Abbruch_Gewuenscht() override
    {
        abweichung.push_back(gGR->Ausgleich_Abweichung());
        dichte.push_back(gMFE->Dichte_Experimentell());
        return ++durchlauf == stopp_;
    }
    std::string status;
    std::vector<float> abweichung;
    std::vector<float> dichte;
    int32_t durchlauf = 0;

private:
    int32_t stopp_;
};

class Messung : public AnalysisFixture {
protected:
    // The liquid of the elements (with their atomic per cent) and structure I(K), measured up to
    // K = 150 1/nm over an exactly known background at the user's support points, and its I(K)
    // normalised at the density rho.
    static void Messen(const std::vector<std::pair<std::string, float>>& elemente,
                       const std::function<double(double)>& I, double rho)
    {
        const auto untergrund = [](double K) { return 100.0 + 50.0 * std::exp(-K / 30.0); };
        gCalc->Punkte_Loeschen();
        for (int32_t i = 1; i <= 1510; ++i) gCalc->Punkte_Plus(0.1f * float(i - 1), 0.0f);
        gCalc->setMaximum_X(gCalc->x(1510));
        Streuung(elemente, I, untergrund);
        gUntergrund->Clear();
        for (const double K : {5.0, 25.0, 45.0, 65.0, 85.0, 105.0, 125.0, 145.0})
            gUntergrund->Plus_Punkt(float(K), float(untergrund(K)));
        ASSERT_TRUE(gIK->Berechnen(float(rho)));
    }
};

class FT_AI : public Messung {
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

TEST_F(FT_AI, PassesStraightenTheDensityLineOfAModelLiquid)
{
    // The hard-sphere liquid of carbon at the database's density, measured up to K = 150 1/nm over
    // an exactly known background and damped as a user damps it: the truncated, damped transform
    // leaves ripples below the first peak of G(r) that the passes smooth away.
    const Kohlenstoffprobe probe = Kohlenstoffprobe::AusDatenbank();
    ASSERT_NO_FATAL_FAILURE(Messen({{"C", 100.0f}}, [&probe](double K) { return probe.I(K); }, probe.rho));
    gIK->Daempfen(DA_Lorch);
    ASSERT_TRUE(gGR->Berechnen());

    // As the panel starts it, at most 50 passes, to a deviation the straightened line reaches: the
    // ripple that the cut-off leaves at the first shell keeps this line's deviation above 1 % for
    // longer than that.
    Anzeige anzeige;
    const FT_AI_Ergebnis e = lauf.Starten("1,5", "50", anzeige);
    ASSERT_TRUE(e.Gelaufen && e.Fehlerfrei);
    ASSERT_GE(anzeige.abweichung.size(), 3u);
    ASSERT_LT(anzeige.abweichung.size(), 50u) << "the target is reached";
    const float erste = std::fabs(anzeige.abweichung.front());
    const float letzte = std::fabs(anzeige.abweichung.back());
    EXPECT_GT(erste, 2.0f) << "the ripples bend the line before the passes";
    EXPECT_LT(letzte, 1.5f);
    for (size_t i = 1; i < anzeige.abweichung.size(); ++i)
        EXPECT_LT(std::fabs(anzeige.abweichung[i]), std::fabs(anzeige.abweichung[i - 1])) << "pass " << i + 1;
    // The straighter line gives the liquid's density more closely.
    EXPECT_LT(std::fabs(anzeige.dichte.back() - probe.rho), std::fabs(anzeige.dichte.front() - probe.rho));
    EXPECT_NEAR(anzeige.dichte.back(), probe.rho, 0.02 * probe.rho);
    EXPECT_NE(anzeige.status.find("G(r) - Abweichung " + FixedText(anzeige.abweichung.back(), 3) + " %"), std::string::npos)
        << anzeige.status;
}

namespace {

// A liquid of hard spheres (Percus–Yevick) whose pair distances spread by s = 0.01 nm, as thermal
// motion spreads them (I(K) damped by exp(−K²s²/2)): its first shell rises steeply, but not as a
// step. At the density of its crystalline elements in the installed database.
constexpr double kStreuung = 0.01;
struct Modell {
    const char* name;
    std::vector<std::pair<std::string, float>> elemente;
    double packung;
    // How near the density line must stay: a light element's first shell lies so near the origin
    // that the broadening by the cut-off takes a larger share of the line.
    double toleranz;
};
const Modell kModelle[] = {{"Kohlenstoff", {{"C", 100.0f}}, 0.45, 0.07},
                           {"Ni62Nb38", {{"Ni", 62.0f}, {"Nb", 38.0f}}, 0.5, 0.03}};

class FT_AI_Modell : public Messung, public testing::WithParamInterface<std::tuple<int32_t, int32_t, bool>> {};

}

TEST_P(FT_AI_Modell, RunsThatNeverReachTheirTargetKeepTheDensityLineAtTheLiquidsAndSOfKPositive)
{
    const auto [fall, daempfung, bevorzugen] = GetParam();
    const Modell& modell = kModelle[fall];
    ASSERT_TRUE(Installierte_Datenbank_Laden(*this));
    double volumen = 0.0;  // nm³ per atom
    for (const auto& [symbol, prozent] : modell.elemente)
        volumen += prozent / 100.0 * colElemente.Item(symbol)->Masse() /
                   (gMFE->Element_Dichte(symbol, DQ_Kristallin) * 6.02214076e23) * 1e21;
    const double rho = 1.0 / volumen;
    const double sigma = std::cbrt(6.0 * modell.packung / (kPi * rho));
    const auto I = [&](double K) {
        return (synthetisch::S_PercusYevick(K, modell.packung, sigma) - 1.0) * std::exp(-K * K * kStreuung * kStreuung / 2.0);
    };
    ASSERT_NO_FATAL_FAILURE(Messen(modell.elemente, I, rho));
    gOptions->setiFTR_Bevorzugen(bevorzugen);
    gIK->Daempfen(daempfung);
    ASSERT_TRUE(gGR->Berechnen());

    // Three runs in a row, each of 50 passes towards a deviation no line reaches.
    clsFT_AI lauf;
    for (int32_t run = 1; run <= 3; ++run) {
        FT_AI_Anzeige anzeige;
        ASSERT_EQ(lauf.Starten("0", "50", anzeige).Anzahl_iFTR, 50);
        EXPECT_NEAR(gMFE->Dichte_Experimentell(), rho, modell.toleranz * rho) << "run " << run;
        // S(K) = 1 + I(K) stays positive where the back-transform supplies I(K).
        float tiefst = 0.0f;
        for (int32_t i = 2; gIK->x(i) <= 10.0f; ++i) tiefst = std::min(tiefst, gIK->Y_Wichtung(i));
        EXPECT_GT(tiefst, -1.1f) << "run " << run;
    }
}

INSTANTIATE_TEST_SUITE_P(, FT_AI_Modell,
                         testing::Combine(testing::Values(0, 1), testing::Values(DA_Keine, DA_Lorch), testing::Bool()),
                         [](const auto& info) {
                             return std::string(kModelle[std::get<0>(info.param)].name) +
                                    (std::get<1>(info.param) == DA_Lorch ? "_Lorch" : "_ungedaempft") +
                                    (std::get<2>(info.param) ? "_bevorzugt" : "");
                         });

TEST_F(FT_AI, EscInAPassEndsTheRunThere)
{
    Anzeige anzeige(3);
    const FT_AI_Ergebnis e = lauf.Starten("0", "50", anzeige);
    EXPECT_EQ(e.Anzahl_iFTR, 3);
    EXPECT_EQ(lauf.Anzahl_FTR(), 4);
    EXPECT_TRUE(Geloggt("Anzahl der Durchläufe: 3"));
    EXPECT_EQ(seam.redraws, 2) << "the pass that ends the run is not drawn";
    // The status shows the state after the pass that ended the run.
    EXPECT_NE(anzeige.status.find("\nFTR 4\niFTR 3\n"), std::string::npos) << anzeige.status;
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
        seam.logLines.clear();
        const FT_AI_Ergebnis e = lauf.Starten(rt::SingleText(ziel), "20", anzeige);
        EXPECT_EQ(e.Anzahl_iFTR, 1) << ziel;
        EXPECT_TRUE(e.Meldung.starts_with("Fertig...\n\n1 FFT´s in ")) << e.Meldung;
        EXPECT_EQ(seam.logLines.size(), 5u) << "no line of a missed target";
    }
}

TEST_F(FT_AI, TargetsThatAreNoNumbers)
{
    Anzeige anzeige;
    EXPECT_FALSE(lauf.Starten("x", "5", anzeige).Gelaufen);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Abbruchbedingung 1 nicht durchführbar");
    EXPECT_TRUE(anzeige.status.empty()) << "nothing ran";

    // A pass count that is no whole number is a run-time error of the run.
    const FT_AI_Ergebnis e = lauf.Starten("1", "viele", anzeige);
    EXPECT_FALSE(e.Fehlerfrei);
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[1].text, "Error 13 (Type mismatch) in procedure cmdStart_Click of Benutzersteuerelement conFT_AI");
}

TEST_F(FT_AI, EveryDensityTheRunLogsOrShowsIsPerVolume)
{
    // A liquid's G(r), whose running integral reaches Il'inskii's point.
    const Kohlenstoffprobe probe = Kohlenstoffprobe::AusDatenbank();
    std::vector<float> ik(1500, 0.0f);
    for (size_t i = 1; i < ik.size(); ++i) ik[i] = static_cast<float>(probe.I(0.1 * double(i)));
    SetIK(ik);
    gIK->setFTR_Index(1500);
    ASSERT_TRUE(gGR->Berechnen());
    Anzeige anzeige;
    lauf.Starten("0", "1", anzeige);
    std::vector<std::string> texte = seam.logLines;
    texte.push_back(anzeige.status);
    ASSERT_TRUE(std::any_of(texte.begin(), texte.end(),
                            [](const std::string& t) { return t.find(gLanguage->Caption(240)) != std::string::npos; }))
        << "G(r) logs Il'inskii's density";
    int32_t dichten = 0;
    for (const std::string& text : texte)
        for (const std::string einheit : {"nm³", "Å³"})
            for (size_t stelle = text.find(einheit); stelle != std::string::npos; stelle = text.find(einheit, stelle + 1)) {
                ++dichten;
                EXPECT_TRUE(stelle >= 2 && text.compare(stelle - 2, 2, "1/") == 0) << text;
            }
    EXPECT_GE(dichten, 3) << "Il'inskii's, the status's and the run's last density";
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

TEST_F(FT_AI, AGrWithoutAnIkIsTransformedBackBeforeTheFirstPass)
{
    // A G(r) as a G(r) project reads it: no I(K) and no transform since the project's start.
    const int32_t ersterPeak = gGR->First_Peak_Index();
    const float hoehe = gGR->Maximum();
    gIK->Clear();
    gFFT->SetupFFT();
    gGR->setAnzahl_FFT(0);
    Anzeige anzeige;
    ASSERT_EQ(lauf.Starten("0", "1", anzeige).Anzahl_iFTR, 1);
    EXPECT_GT(gIK->Punkte(), 0);
    EXPECT_NEAR(gGR->First_Peak_Index(), ersterPeak, 1);
    EXPECT_GT(gGR->Maximum(), 0.8f * hoehe) << "not the transform of an I(K) that was not there";
}

// A run that ends above its target says so in the label and the record, with the deviation it
// reached and the target by its size.
TEST_F(FT_AI, TheStatusAndAMissedTargetNameTheDeviationApartFromItsNumberInBothLanguages)
{
    // The English text of "Abweichung " comes without its blank.
    for (const auto& [sprache, wort, verfehlt, statt] : {std::tuple{0, "Abweichung ", "Abbruchbedingung 1 nicht erreicht:", " statt unter "},
                                                          std::tuple{3, "Deviation ", "Stop condition 1 not reached:", " instead of below "}}) {
        gLanguage->OpenLanguageEx(sprache);
        seam.logLines.clear();
        Anzeige anzeige;
        const FT_AI_Ergebnis e = lauf.Starten("-0,01", "1", anzeige);
        const std::string abweichung = FixedText(gGR->Ausgleich_Abweichung(), 3) + " %";
        const std::string letzte = anzeige.status.substr(anzeige.status.rfind('\n') + 1);
        EXPECT_EQ(letzte, "G(r) - " + std::string(wort) + abweichung);
        const std::string erreicht = wort + abweichung + statt + "0.01 %";
        EXPECT_TRUE(e.Meldung.starts_with(verfehlt + ("\n" + erreicht) + "\n\n1 FFT´s in ")) << e.Meldung;
        EXPECT_TRUE(Geloggt(verfehlt + (" " + erreicht)));
    }
    gLanguage->OpenLanguageEx(0);
}

TEST_F(FT_AI, APeakRangeChangesNeitherTheTransformNorTheRunNorTheSavedIk)
{
    // The road of a fresh I(K) with the back-transform preferred at small K: G(r), perhaps the first
    // shell marked, G(r) again, an automatic run and a save. The marked shell only shows itself.
    gCommon->Set_Dateiname((env.Root() / "probe.dat").string());
    gCommon->setOrdner(env.Root().string());
    for (const int32_t kurve : {KT_IK, KT_KIK}) gOptions->setKurveSpeichern(kurve, true);
    gOptions->setiFTR_Bevorzugen(true);
    const Kohlenstoffprobe probe = Kohlenstoffprobe::AusDatenbank();
    struct Stand {
        std::vector<float> gr;
        float dichte, dichteLauf;
        std::string ik, ikk;
    };
    const auto Auswerten = [&](bool bereich) {
        gIK->Clear();
        gGR->Clear();
        Messen({{"C", 100.0f}}, [&probe](double K) { return probe.I(K); }, probe.rho);
        gGR->Berechnen();
        gGespeichert = true;
        float r1 = 0.12f, r2 = 0.18f;
        if (bereich) gIK->RTR_Berechnen_Extra(r1, r2);
        EXPECT_TRUE(gGespeichert) << "nothing to save";
        Stand s;
        gGR->Berechnen();
        for (int32_t i = 1; i <= gGR->Punkte(); ++i) s.gr.push_back(gGR->Y(i));
        s.dichte = gMFE->Dichte_Experimentell();
        Anzeige anzeige;
        lauf.Starten("0", "5", anzeige);
        s.dichteLauf = gMFE->Dichte_Experimentell();
        gIK->Speichern();
        for (auto [endung, text] : {std::pair{".ik", &s.ik}, {".ikk", &s.ikk}}) {
            std::ifstream datei(env.Root() / (std::string("probe") + endung), std::ios::binary);
            *text = std::string(std::istreambuf_iterator<char>(datei), {});
        }
        return s;
    };
    const Stand ohne = Auswerten(false);
    const Stand mit = Auswerten(true);
    EXPECT_EQ(mit.gr, ohne.gr);
    EXPECT_EQ(mit.dichte, ohne.dichte);
    EXPECT_EQ(mit.dichteLauf, ohne.dichteLauf);
    ASSERT_FALSE(ohne.ik.empty());
    EXPECT_TRUE(mit.ik == ohne.ik) << "the saved I(K)";
    EXPECT_TRUE(mit.ikk == ohne.ikk) << "the saved K·I(K)";
}
