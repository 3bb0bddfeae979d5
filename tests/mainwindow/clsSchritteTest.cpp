// The evaluation step machine without a window: every entry from the steps it acts on, with the
// tools, labels, panels, curves and stages each transition leaves.
#include "ProjektFixture.h"

#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/KurvenTyp.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "curves/clsSSC.h"
#include "mainwindow/modErgebnisse.h"
#include "mainwindow/modProjektStart.h"
#include "mainwindow/modSpezielleKurven.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

constexpr int32_t kFit = 11;
constexpr int32_t kFalten = 12;
constexpr int32_t kExtras = 18;
constexpr int32_t kWeiter = 23;

class clsSchritteTest : public ProjektFixture {
protected:
    // A raw spectrum of a broad peak on a flat ground, started as a project: step 2.
    void Rohspektrum_Starten()
    {
        gCommon->Set_Dateiname(
            Rohspektrum("probe.dat", 40.0, [](double K) { return 2000.0 + 5e4 * std::exp(-K * K / 30.0); }));
        Projekteinstellungen_Uebernehmen(Einstellungen("C"));
        ASSERT_EQ(gSchritt, ST_Rohdaten);
        view.drawnKinds.clear();
    }

    // Folded and averaged: step 6.
    void Bis_JK()
    {
        Rohspektrum_Starten();
        Schritte().Weiter();
        Schritte().OK_Click();
        ASSERT_EQ(gSchritt, ST_JK);
        view.drawnKinds.clear();
    }

    // The G(r) in force written as a G(r) file and started as a new project, as the window does it:
    // step 12, with no I(K).
    void GR_Projekt_Starten()
    {
        gCommon->Set_Dateiname(env.Root().string() + "/probe.gr");
        {
            std::ofstream datei(gCommon->Dateiname_Rohdaten(), std::ios::binary);
            for (int32_t i = 1; i <= 1000; ++i) datei << gGR->R(i) << "\t" << gGR->Y(i) << "\r\n";
        }
        Neues_Projekt_Reset();
        Projekteinstellungen_Uebernehmen(Einstellungen("C", PT_GR));
        ASSERT_EQ(gSchritt, ST_GR);
        view.drawnKinds.clear();
    }

    static std::vector<float> GR_Werte()
    {
        std::vector<float> g(static_cast<size_t>(gGR->Punkte()));
        for (int32_t i = 1; i <= gGR->Punkte(); ++i) g[static_cast<size_t>(i - 1)] = gGR->Y(i);
        return g;
    }

    clsSchritte& s = Schritte();
    clsWerkzeuge& w = Schritte().Werkzeuge;
};

}

TEST_F(clsSchritteTest, WeiterWithoutANextStepSaysSoAndKeepsTheStep)
{
    // The I(K) and G(r) steps have their next step (below).
    for (const int32_t schritt : {9, -1000, 3, 16}) {
        gSchritt = schritt;
        seam.messages.clear();
        s.Weiter();
        EXPECT_EQ(gSchritt, schritt);
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_EQ(seam.messages[0].text, "Schritt " + std::to_string(schritt) + " nicht definiert.");
        EXPECT_EQ(seam.messages[0].title, "KPW ZELO - nächster Schritt");
        EXPECT_EQ(seam.messages[0].icon, zelo::MsgIcon::Exclamation);
    }
}

TEST_F(clsSchritteTest, WeiterAtTheRdfWithoutDensityGoesBackToGrWithoutRelabelling)
{
    gMFE->setDichte_Experimentell(0.0f);
    gSchritt = ST_KZ;
    view.labels = {"vorher", "vorher"};
    s.Weiter();
    EXPECT_EQ(gSchritt, ST_GR);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Bitte experimentelle Dichte bestimmen!");
    EXPECT_EQ(seam.messages[0].title, "ZELO - RDF");
    EXPECT_EQ(view.labels.first, "vorher");

    gMFE->setDichte_Experimentell(90.0f);
    gSchritt = ST_KZ;
    s.Weiter();
    EXPECT_EQ(gSchritt, ST_KZ);
    EXPECT_EQ(view.drawnKinds.back(), KT_RDF);
}

TEST_F(clsSchritteTest, RawSpectrumIsFoldedAveragedAndSentToTheSideFit)
{
    Rohspektrum_Starten();
    EXPECT_EQ(view.labels, std::make_pair(std::string("Rohdaten bearbeiten"), std::string("Seiten mitteln")));
    EXPECT_TRUE(w.Enabled(kFalten));
    EXPECT_FALSE(w.Enabled(kFit));

    s.Weiter();
    EXPECT_EQ(gSchritt, ST_Gefaltet);
    EXPECT_FALSE(w.Enabled(kWeiter));
    EXPECT_FALSE(view.menusShown.at(Menue::Mitteln));
    EXPECT_EQ(view.labels, std::make_pair(std::string("Seiten mitteln"), std::string("Fit")));
    EXPECT_TRUE(gSSC->Kurve_Zurueck(0, KT_JK_Bearbeitet)) << "the edited spectrum is a stage";

    s.OK_Click();
    EXPECT_EQ(gSchritt, ST_JK) << "the side-fit branch of the same click is not taken";
    EXPECT_TRUE(gCalc->IstGefaltet()) << "the halves are averaged";
    EXPECT_EQ(view.drawnKinds.back(), KT_JK_Gemittelt);
    EXPECT_TRUE(gSSC->Kurve_Zurueck(0, KT_JK_Gemittelt));
    EXPECT_FALSE(gSSC->Kurve_Zurueck(0, KT_Fit));
    EXPECT_FALSE(w.Enabled(kFalten));
    EXPECT_TRUE(w.Enabled(kFit));
    EXPECT_TRUE(w.Enabled(kWeiter));
    EXPECT_TRUE(w.SeperatorBack(1));
    EXPECT_TRUE(w.SeperatorBack(2));

    s.Weiter();
    EXPECT_EQ(gSchritt, ST_Fit);
    EXPECT_TRUE(gModus_Fit) << "no separation point yet: the user marks it";
    EXPECT_FALSE(view.Panel_Shown(Panel::Fit));
    EXPECT_EQ(view.drawnKinds.back(), KT_Fit);
    EXPECT_EQ(view.labels, std::make_pair(std::string("Fit"), std::string("Untergrund")));
}

TEST_F(clsSchritteTest, FoldToolAndFitToolFollowTheSameRoad)
{
    Rohspektrum_Starten();
    s.Fit_Click();
    ASSERT_EQ(seam.messages.size(), 1u) << "not folded yet";
    EXPECT_EQ(seam.messages[0].text, gLanguage->Caption(52));
    EXPECT_EQ(gSchritt, ST_Rohdaten);

    s.Falten_Click();
    EXPECT_EQ(gSchritt, ST_Gefaltet);
    EXPECT_TRUE(w.SeperatorBack(0));
    EXPECT_FALSE(w.Visible(3)) << "the zoom tools leave while the halves are shown";

    s.OK_Click();
    gCalc->setTrennstelle_OK(true);
    s.Fit_Click();
    EXPECT_EQ(gSchritt, ST_Fit);
    EXPECT_TRUE(view.Panel_Shown(Panel::Fit)) << "a separation point exists: the panel shows at once";
    EXPECT_EQ(view.panelCalls.back().first, Panelaufruf::Fit_NeueTrennstelle);
}

TEST_F(clsSchritteTest, AcceptedSideFitOpensTheBackgroundAndIkFollowsFromIt)
{
    Bis_JK();
    gSchritt = ST_Fit_Fertig;
    w.setValue(13, true);
    s.Weiter();
    EXPECT_EQ(gSchritt, ST_UG);
    EXPECT_FALSE(w.Value(13));
    EXPECT_TRUE(w.Value(14));
    EXPECT_TRUE(w.Enabled(15));
    EXPECT_FALSE(w.Enabled(kWeiter));
    EXPECT_TRUE(view.Panel_Shown(Panel::UG));
    EXPECT_EQ(view.drawnKinds.back(), KT_UG_Stuetzstellen);
    EXPECT_EQ(view.labels, std::make_pair(std::string("Untergrund"), std::string("I(K)")));
    EXPECT_EQ(s.LetzteKurvenWahl(), 14);

    // The first I(K) is refused: no background yet. Nothing changes, and the next press computes.
    EXPECT_FALSE(s.OptionKurve_Click(15));
    EXPECT_EQ(gSchritt, ST_UG);
    EXPECT_TRUE(view.Panel_Shown(Panel::UG));
    EXPECT_EQ(s.LetzteKurvenWahl(), 14);
    EXPECT_FALSE(w.Enabled(16));
    EXPECT_EQ(view.labels, std::make_pair(std::string("Untergrund"), std::string("I(K)")));
    ASSERT_EQ(seam.messages.size(), 1u);
    for (const float K : {2.0f, 10.0f, 20.0f, 30.0f, 39.0f}) gUntergrund->Plus_Punkt(K, 2000.0f);

    EXPECT_TRUE(s.OptionKurve_Click(15));
    EXPECT_EQ(gSchritt, ST_IK);
    EXPECT_FALSE(view.Panel_Shown(Panel::UG));
    EXPECT_EQ(view.drawnKinds.back(), KT_IK) << "fresh from the background, not back-transformed";
    EXPECT_EQ(view.panelCalls.back(), std::make_pair(Panelaufruf::FTR_Zeigen, int32_t{KT_IK_Wichtung}));
    // The Fourier panel is asked to damp the fresh I(K) as its list shows.
    const auto daempfen = std::find(view.panelCalls.begin(), view.panelCalls.end(),
                                    std::make_pair(Panelaufruf::FTR_Daempfen, int32_t{0}));
    EXPECT_NE(daempfen, view.panelCalls.end());
    EXPECT_TRUE(w.Enabled(16));
    EXPECT_TRUE(w.Enabled(kExtras));
    EXPECT_TRUE(w.Enabled(14)) << "a spectrum project may go back to its background";
    EXPECT_EQ(view.labels, std::make_pair(std::string("I(K)"), std::string("G(r)")));
}

TEST_F(clsSchritteTest, WeiterOnAnIkOrGrProjectLeadsWhereTheStepBoxSays)
{
    ASSERT_TRUE(Spezielle_Kurve_Beschreiben(PT_IK, PTS_Demo_IK));
    Datei_Einlesen_Endgueltig();
    ASSERT_EQ(gSchritt, ST_IK);
    EXPECT_EQ(view.labels, std::make_pair(std::string("I(K)"), std::string("G(r)")));
    ASSERT_TRUE(w.Enabled(kWeiter));
    s.Weiter();
    EXPECT_EQ(gSchritt, ST_GR);
    EXPECT_TRUE(w.Value(16));
    EXPECT_FALSE(w.Value(15));
    EXPECT_EQ(view.drawnKinds.back(), KT_GR);
    EXPECT_EQ(view.labels, std::make_pair(std::string("G(r)"), std::string("Nc")));

    // The G(r) step started from a G(r) file has Nc next, reached with "Weiter" at once.
    GR_Projekt_Starten();
    ASSERT_GT(gMFE->Dichte_Experimentell(), 0.0f);
    ASSERT_TRUE(w.Enabled(kWeiter));
    s.Weiter();
    EXPECT_EQ(gSchritt, ST_KZ);
    EXPECT_TRUE(w.Value(17));
    EXPECT_EQ(view.drawnKinds.back(), KT_RDF);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(clsSchritteTest, TheGrButtonOfAGrProjectShowsItsGrUntilAnIkIsTransformedBack)
{
    gOptions->setKurveSpeichern(KT_GR, true);
    gOptions->setKurveSpeichern(KT_GR_Erste, true);
    ASSERT_TRUE(gIK->Demo_IK());
    ASSERT_TRUE(gGR->Berechnen());
    GR_Projekt_Starten();
    ASSERT_EQ(gIK->Punkte(), 0);
    const std::vector<float> geladen = GR_Werte();
    const auto hoechster = std::max_element(geladen.begin(), geladen.end());
    const std::string stamm = gCommon->Ordner() + gCommon->Dateiname();

    // At once, and after Nc has written the results: there is no I(K) to transform, so the G(r)
    // button shows the G(r) read, and the results stay saved.
    for (const int16_t vorher : {kSchritt_GR, kSchritt_KZ}) {
        s.OptionKurve_Click(vorher);
        s.OptionKurve_Click(kSchritt_GR);
        EXPECT_EQ(gSchritt, ST_GR);
        EXPECT_EQ(GR_Werte(), geladen) << "after button " << vorher;
        EXPECT_EQ(view.drawnKinds.back(), KT_GR) << "not the RDF of Nc";
        EXPECT_EQ(gGR->Anzahl_FFT(), 0);
        EXPECT_FALSE(Ergebnisse_Ungesichert());
    }
    EXPECT_TRUE(std::filesystem::exists(stamm + ".Gr")) << "Nc wrote the results";
    EXPECT_FALSE(std::filesystem::exists(stamm + ".Gr0")) << "no first G(r) of an I(K)";

    // I(K) transforms the G(r) back; G(r) then transforms that I(K), and the round trip keeps the
    // first shell where it was.
    s.OptionKurve_Click(kSchritt_IK);
    EXPECT_GT(gIK->Punkte(), 0);
    s.OptionKurve_Click(kSchritt_GR);
    EXPECT_EQ(gGR->Anzahl_FFT(), 1);
    EXPECT_NEAR(gGR->First_Peak_Index(), hoechster - geladen.begin() + 1, 1);
    EXPECT_GT(gGR->Maximum(), 0.8f * *hoechster);
    EXPECT_TRUE(std::filesystem::exists(stamm + ".Gr0"));
    EXPECT_TRUE(Ergebnisse_Ungesichert()) << "a G(r) of its own";
}

TEST_F(clsSchritteTest, GoingBackAsksFirstAndADeclineChangesNothing)
{
    Bis_JK();
    gSchritt = ST_GR;
    s.setLetzteKurvenWahl(16);
    gGR->setAnzahl_FFT(1);
    view.labels = {"G(r)", "Nc"};
    view.panels.clear();
    seam.answers = {zelo::MsgResult::No};
    EXPECT_FALSE(s.OptionKurve_Click(14));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Achtung!\r\nSie waren schon mal bei G(r)\r\nDie bisher gemachten Auswertungen "
                                     "gehen verloren wenn Sie zum Untergrund wechseln!\r\nZURÜCKGEHEN zu Untergrund?");
    EXPECT_EQ(seam.messages[0].buttons, zelo::MsgButtons::YesNoCancel);
    EXPECT_EQ(gSchritt, ST_GR);
    EXPECT_EQ(s.LetzteKurvenWahl(), 16);
    EXPECT_TRUE(view.panels.empty()) << "no panel hidden";
    EXPECT_FALSE(w.Value(14));

    seam.answers = {zelo::MsgResult::Cancel};
    EXPECT_FALSE(s.OptionKurve_Click(13));
    EXPECT_EQ(seam.messages.back().text, "Achtung!\r\nDie bisher gemachten Auswertungen gehen verloren wenn Sie zu "
                                         "J(K) wechseln!\r\nZURÜCKGEHEN zu J(K)?");
    EXPECT_EQ(gSchritt, ST_GR);

    seam.answers = {zelo::MsgResult::Yes};
    EXPECT_TRUE(s.OptionKurve_Click(13));
    EXPECT_EQ(gSchritt, ST_JK);
    EXPECT_EQ(gGR->Anzahl_FFT(), 0);
    EXPECT_EQ(view.drawnKinds.back(), KT_JK);
    EXPECT_TRUE(w.Visible(5)) << "the editing tools are back at J(K)";
    EXPECT_EQ(view.labels, std::make_pair(std::string("Rohdaten bearbeiten"), std::string("Untergrund")));
}

TEST_F(clsSchritteTest, NcNeedsGrJustBeforeAndAnExperimentalDensity)
{
    gSchritt = ST_IK;
    s.setLetzteKurvenWahl(15);
    w.setEnabled(kWeiter, true);
    EXPECT_TRUE(s.OptionKurve_Click(17));
    EXPECT_EQ(gSchritt, ST_IK) << "not coming from G(r): nothing more";
    EXPECT_EQ(s.LetzteKurvenWahl(), 15);
    EXPECT_FALSE(w.Enabled(kWeiter));

    s.setLetzteKurvenWahl(16);
    gMFE->setDichte_Experimentell(0.0f);
    s.OptionKurve_Click(17);
    EXPECT_EQ(gSchritt, ST_GR);
    EXPECT_EQ(seam.messages.back().text, gLanguage->Caption(70));

    gMFE->setDichte_Experimentell(90.0f);
    s.OptionKurve_Click(17);
    EXPECT_EQ(gSchritt, ST_KZ);
    EXPECT_EQ(view.drawnKinds.back(), KT_RDF);
    EXPECT_EQ(view.labels, std::make_pair(std::string("Nc"), std::string()));
    EXPECT_EQ(s.LetzteKurvenWahl(), 17);
}

TEST_F(clsSchritteTest, NcWithoutADensityAsksForItInOneMessageAndTheSaveLeavesTheRdfOut)
{
    gCommon->setOrdner(env.Root().string() + "/probe1/");
    gCommon->Set_Dateiname((env.Root() / "probe.dat").string());
    gOptions->setKurveSpeichern(KT_GR, true);
    gOptions->setKurveSpeichern(KT_RDF, true);
    ASSERT_TRUE(gIK->Demo_IK());
    ASSERT_TRUE(gGR->Berechnen());
    gMFE->setDichte_Experimentell(0.0f);
    gSchritt = ST_GR;
    s.setLetzteKurvenWahl(16);
    seam.messages.clear();
    s.OptionKurve_Click(17);
    EXPECT_EQ(gSchritt, ST_GR);
    ASSERT_EQ(seam.messages.size(), 1u) << seam.messages.back().text;
    EXPECT_EQ(seam.messages[0].text, gLanguage->Caption(70));
    EXPECT_TRUE(std::filesystem::exists(env.Root() / "probe1" / "probe.Gr")) << "the save went on";
    EXPECT_FALSE(std::filesystem::exists(env.Root() / "probe1" / "probe.rdf"));

    // The toolbar's save says what it left out.
    seam.messages.clear();
    Gespeichert_Setzen();
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, gLanguage->Caption(439));
}

TEST_F(clsSchritteTest, AtTheExtrasStepIkAndGrOnlyRedraw)
{
    gSchritt = ST_Extras;
    s.OptionKurve_Click(15);
    EXPECT_EQ(gSchritt, ST_Extras);
    EXPECT_EQ(view.drawnKinds.back(), KT_IK);
    EXPECT_EQ(view.panelCalls.back(), std::make_pair(Panelaufruf::FTR_Zeigen, int32_t{KT_IK_Wichtung}));
    s.OptionKurve_Click(16);
    EXPECT_EQ(gSchritt, ST_Extras);
    EXPECT_EQ(view.drawnKinds.back(), KT_GR);
}

TEST_F(clsSchritteTest, ProjectsWithoutProcessingSkipTheComputations)
{
    gCommon->setProjektTyp(PT_IK);
    gSchritt = ST_Keiner;
    s.OptionKurve_Click(15);
    EXPECT_EQ(gSchritt, ST_IK);
    EXPECT_TRUE(view.drawnKinds.empty()) << "the loaded I(K) stays on screen";
    gSchritt = ST_Keiner;
    s.OptionKurve_Click(16);
    EXPECT_EQ(gSchritt, ST_GR);
    EXPECT_FALSE(w.Enabled(14)) << "an I(K) project has no background";
    EXPECT_TRUE(w.Enabled(17));

    s.OptionKurve_Click(21);
    EXPECT_EQ(view.drawnKinds.back(), KT_v_K);
    s.OptionKurve_Click(22);
    EXPECT_EQ(view.drawnKinds.back(), KT_v_r);
}

TEST_F(clsSchritteTest, StepBackRestoresTheStoredStage)
{
    Rohspektrum_Starten();
    s.mnuSeperatorBack_Click(2);
    EXPECT_EQ(gSchritt, ST_Rohdaten) << "no averaged stage yet: nothing but J(K) pressed";
    EXPECT_TRUE(w.Value(13));

    s.Weiter();
    s.OK_Click();
    s.mnuSeperatorBack_Click(1);
    EXPECT_EQ(gSchritt, ST_Rohdaten);
    EXPECT_FALSE(gCalc->IstGefaltet());
    EXPECT_TRUE(w.Enabled(kFalten));
    EXPECT_TRUE(w.Enabled(kWeiter));
    EXPECT_FALSE(w.Enabled(14));
    EXPECT_EQ(view.drawnKinds.back(), KT_JK_Bearbeitet);
    EXPECT_EQ(view.labels, std::make_pair(std::string("Rohdaten bearbeiten"), std::string("Seiten mitteln")));

    s.mnuSeperatorBack_Click(2);
    EXPECT_EQ(gSchritt, ST_Gefaltet);
    EXPECT_TRUE(gCalc->IstGefaltet());
    EXPECT_EQ(view.drawnKinds.back(), KT_JK_Gemittelt);
}

TEST_F(clsSchritteTest, ExtrasAndLanguageRelabel)
{
    s.Tags_Setzen(27, 285);
    gLanguage->OpenLanguageEx(3);
    s.StepLabels();
    EXPECT_EQ(view.labels, std::make_pair(std::string("combine sites"), std::string("Underground")));
    gLanguage->OpenLanguageEx(0);

    gCommon->Set_Dateiname((env.Root() / "probe.dat").string());
    gSchritt = ST_GR;
    s.Extras_Zeigen();
    EXPECT_EQ(gSchritt, ST_Extras);
    EXPECT_EQ(view.labels, std::make_pair(std::string("Extras"), std::string()));
    EXPECT_FALSE(w.Visible(13)) << "the step buttons leave";
    EXPECT_TRUE(gOptions->Ansicht_2_Fenster());
    gMFE->setDichte_Experimentell(90.0f);
    gGespeichert = false;
    s.Weiter();
    EXPECT_EQ(gSchritt, ST_Extras);
    EXPECT_TRUE(gGespeichert) << "Weiter at the extras step writes the results";
    EXPECT_TRUE(std::filesystem::exists(gCommon->Ordner() + "probe.rdf"));
}

TEST_F(clsSchritteTest, ExtrasSavesTheGrItComputesSoNoSaveQuestionFollows)
{
    gOptions->setKurveSpeichern(KT_GR, true);
    ASSERT_TRUE(Spezielle_Kurve_Beschreiben(PT_IK, PTS_Demo_IK));
    Datei_Einlesen_Endgueltig();
    ASSERT_EQ(gGR->Punkte(), 0);
    s.Extras_Zeigen();
    ASSERT_GT(gGR->Punkte(), 0);
    EXPECT_TRUE(std::filesystem::exists(gCommon->Ordner() + gCommon->Dateiname() + ".Gr"));
    EXPECT_TRUE(gGespeichert);
    EXPECT_FALSE(Ergebnisse_Ungesichert()) << "the files hold what the step shows";
}
