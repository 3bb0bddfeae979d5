// Every kind of project start: the step, labels, tools, menus and panels each project type and
// special curve begins with, and the idle window that a failed or unsupported start leaves.
#include "ProjektFixture.h"

#include "analysis/Daempfung.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/KurvenTyp.h"
#include "core/clsLoader.h"
#include "mainwindow/modErgebnisse.h"
#include "mainwindow/modProjektStart.h"
#include "mainwindow/modSpezielleKurven.h"

#include <cmath>
#include <filesystem>
#include <sstream>

namespace {

constexpr int32_t kFalten = 12;
constexpr int32_t kWeiter = 23;
constexpr int32_t kPeaks = 25;

class ProjektTypTest : public ProjektFixture {
protected:
    // A two-column curve file x TAB y of n points from 0, chosen as the project file.
    void Kurvendatei(const std::string& name, int32_t n, double step, const std::function<double(double)>& y)
    {
        std::ostringstream text;
        for (int32_t i = 0; i < n; ++i) text << i * step << '\t' << y(i * step) << "\r\n";
        const auto path = env.Root() / name;
        std::ofstream(path, std::ios::binary) << text.str();
        gCommon->Set_Dateiname(path.string());
    }

    void Starten()
    {
        // The readers' questions (S(K)? g(r)?) are answered No.
        seam.answers = {zelo::MsgResult::No, zelo::MsgResult::No};
        Datei_Einlesen_Endgueltig();
    }

    void Erwarte_Ruhezustand()
    {
        EXPECT_FALSE(w.Visible(kWeiter));
        EXPECT_FALSE(w.Visible(13)) << "no step tools";
        EXPECT_FALSE(view.stepBox);
        EXPECT_EQ(view.title, "KPW - ZELO (DEMO) " + gLoader->Version_Kurz());
        EXPECT_EQ(view.labels, std::make_pair(std::string(), std::string()));
    }

    clsWerkzeuge& w = Schritte().Werkzeuge;
};

const auto kSpektrum = [](double K) { return 1e4 * std::exp(-K / 20.0) + 100.0; };
const auto kIK = [](double K) { return std::sin(K / 3.0) * std::exp(-K / 40.0); };

}

TEST_F(ProjektTypTest, IkProjectStartsAtTheFourierStep)
{
    Kurvendatei("probe.ik", 1200, 0.1, kIK);
    Starten();
    EXPECT_EQ(gSchritt, ST_IK);
    EXPECT_EQ(view.labels, std::make_pair(std::string("I(K)"), std::string("G(r)")));
    EXPECT_TRUE(w.Value(15));
    EXPECT_TRUE(w.Enabled(16));
    EXPECT_EQ(view.drawnKinds, std::vector<int32_t>{KT_IK});
    EXPECT_EQ(view.panelCalls.back(), std::make_pair(Panelaufruf::FTR_Zeigen, int32_t{KT_IK}));
    EXPECT_TRUE(w.Visible(kPeaks));
    EXPECT_FALSE(w.Visible(5)) << "no raw-data editing";
    EXPECT_FALSE(w.Enabled(kFalten));
    EXPECT_FALSE(view.menusEnabled.at(Menue::Sprung));
    EXPECT_TRUE(view.menusShown.at(Menue::Kurve));
    EXPECT_TRUE(view.alloyMenuShown);
    EXPECT_EQ(view.title, "KPW - ZELO (DEMO) " + gLoader->Version_Kurz() + " - [probe]");
}

TEST_F(ProjektTypTest, GrAndPotentialProjectsStartAtTheGrStep)
{
    Kurvendatei("probe.gr", 400, 0.01, [](double r) { return r < 0.2 ? -r * 20.0 : std::sin(r * 20.0) / r; });
    Starten();
    EXPECT_EQ(gSchritt, ST_GR);
    EXPECT_EQ(view.labels, std::make_pair(std::string("G(r)"), std::string("Nc")));
    EXPECT_TRUE(w.Value(16));
    EXPECT_TRUE(w.Enabled(17));
    EXPECT_EQ(view.drawnKinds.back(), KT_GR);

    Kurvendatei("probe.pot", 300, 0.004, [](double r) { return std::pow(0.3 / (r + 0.2), 12) - std::pow(0.3 / (r + 0.2), 6); });
    Starten();
    EXPECT_EQ(gSchritt, ST_GR);
    EXPECT_EQ(view.labels, std::make_pair(std::string(), std::string()));
    EXPECT_TRUE(w.Value(22));
    EXPECT_TRUE(w.Visible(22)) << "the potential tools";
    EXPECT_FALSE(w.Visible(13)) << "no step tools";
    EXPECT_EQ(view.drawnKinds.back(), KT_v_r);
}

TEST_F(ProjektTypTest, FoldedAndAveragedCurvesStartAtJk)
{
    Kurvendatei("probe.fi1", 1200, 0.1, kSpektrum);
    Starten();
    EXPECT_EQ(gSchritt, ST_JK);
    EXPECT_TRUE(gCalc->IstGefaltet());
    EXPECT_EQ(view.labels, std::make_pair(std::string("Fit"), std::string("Untergrund")));
    EXPECT_TRUE(w.Value(13));
    EXPECT_TRUE(w.Enabled(14)) << "a fitted curve may go to the background";
    EXPECT_TRUE(w.Enabled(11));
    EXPECT_FALSE(w.Enabled(kFalten));
    EXPECT_EQ(view.drawnKinds.back(), KT_JK_Gemittelt);

    // The averaged halves this program writes under ".mitt" are two-column curves.
    Kurvendatei("probe.mitt", 1200, 0.1, kSpektrum);
    Starten();
    EXPECT_EQ(gSchritt, ST_JK);
    EXPECT_GT(gCalc->Punkte(), 1000) << "read, not rejected by the raw-spectrum reader";
    EXPECT_EQ(view.labels, std::make_pair(std::string("Rohdaten bearbeiten"), std::string("Fit")));
    EXPECT_FALSE(w.Enabled(14));
    EXPECT_TRUE(w.Visible(5)) << "raw-data editing";
}

TEST_F(ProjektTypTest, SpecialCurvesWriteToTheUsersFolder)
{
    ASSERT_TRUE(Spezielle_Kurve_Beschreiben(PT_IK, PTS_Demo_IK));
    EXPECT_EQ(gCommon->Dateiname(), "Demo_IK");
    EXPECT_TRUE(std::filesystem::is_directory(gCommon->Ordner()));
    EXPECT_EQ(gCommon->Ordner().rfind(gLoader->ApplicationPath(), 0), 0u) << gCommon->Ordner();
    Datei_Einlesen_Endgueltig();
    EXPECT_EQ(gSchritt, ST_IK);
    EXPECT_FALSE(view.alloyMenuShown) << "no alloy for a generated curve";
    EXPECT_TRUE(w.Value(15));

    Neues_Projekt_Reset();
    ASSERT_TRUE(Spezielle_Kurve_Beschreiben(PT_IK, PTS_Testpeaks_IK));
    Datei_Einlesen_Endgueltig();
    EXPECT_EQ(gSchritt, ST_IK);
    EXPECT_TRUE(view.Panel_Shown(Panel::PeakTest));
    EXPECT_FALSE(view.Panel_Shown(Panel::FTR));
    EXPECT_EQ(view.panelCalls.back(), std::make_pair(Panelaufruf::PeakTest_Init, int32_t{KT_IK}));

    Neues_Projekt_Reset();
    ASSERT_TRUE(Spezielle_Kurve_Beschreiben(PT_GR, PTS_Testpeaks_GR));
    Datei_Einlesen_Endgueltig();
    EXPECT_EQ(gSchritt, ST_GR);
    EXPECT_EQ(view.panelCalls.back(), std::make_pair(Panelaufruf::PeakTest_Init, int32_t{KT_GR}));
}

TEST_F(ProjektTypTest, FailedOrUnsupportedStartLeavesTheIdleWindow)
{
    Kurvendatei("probe.ik", 1200, 0.1, kIK);
    Starten();
    ASSERT_EQ(gSchritt, ST_IK);

    Kurvendatei("leer.ik", 0, 0.1, kIK);
    Starten();
    EXPECT_EQ(gSchritt, ST_Keiner);
    Erwarte_Ruhezustand();

    Kurvendatei("probe.ik", 1200, 0.1, kIK);
    Starten();
    Kurvendatei("protokoll.rex", 3, 1.0, kIK);
    seam.messages.clear();
    Starten();
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Dieser Dateityp kann hier nicht eingelesen werden.");
    EXPECT_EQ(gSchritt, ST_IK) << "no loader: the step stays";
    Erwarte_Ruhezustand();
}

TEST_F(ProjektTypTest, SavedOnlyWhenSomethingWasWritten)
{
    gGespeichert = false;
    Gespeichert_Setzen();
    EXPECT_FALSE(gGespeichert) << "no G(r): nothing to write";
    gGR->setPunkte(100);
    Gespeichert_Setzen();
    EXPECT_FALSE(gGespeichert) << "no project file: no name to write under";
}

TEST_F(ProjektTypTest, UnsavedOnlyWhileASaveWouldWriteSomething)
{
    // A folded curve just opened: nothing of the user's, though nothing is saved yet.
    gCommon->setEnable_Record(true);
    Kurvendatei("probe.fit", 1200, 0.1, kSpektrum);
    Starten();
    ASSERT_EQ(gSchritt, ST_JK);
    EXPECT_FALSE(gGespeichert);
    EXPECT_FALSE(Ergebnisse_Ungesichert()) << "just opened";
    const auto punkt = [](float K) { gUntergrund->Plus_Punkt(K, static_cast<float>(kSpektrum(K)) * 0.5f); };
    for (const float K : {5.0f, 30.0f, 60.0f, 100.0f}) punkt(K);
    const size_t zeilen = seam.logLines.size();
    EXPECT_TRUE(Ergebnisse_Ungesichert()) << "a background that no save wrote";
    EXPECT_FALSE(std::filesystem::exists(env.Root() / "probe1")) << "weighing makes no folder";
    EXPECT_EQ(seam.logLines.size(), zeilen) << "and logs nothing";
    ASSERT_TRUE(Gespeichert_Setzen());
    EXPECT_FALSE(Ergebnisse_Ungesichert()) << "every file up to date";
    punkt(80.0f);
    EXPECT_TRUE(Ergebnisse_Ungesichert()) << "a new support point after the save";
    ASSERT_TRUE(Gespeichert_Setzen());

    // An I(K) as it was opened, damped, saved; then limits that reach no file, and a file that went.
    Neues_Projekt_Reset();
    Kurvendatei("probe.ik", 1200, 0.1, kIK);
    Starten();
    ASSERT_EQ(gSchritt, ST_IK);
    EXPECT_FALSE(Ergebnisse_Ungesichert()) << "the I(K) the project started from";
    gIK->Daempfen(DA_Lorch);
    EXPECT_TRUE(Ergebnisse_Ungesichert()) << "damped, its file would change";
    ASSERT_TRUE(Gespeichert_Setzen());
    gGR->setKZ_r1(0.25f);
    EXPECT_FALSE(gGespeichert);
    EXPECT_FALSE(Ergebnisse_Ungesichert()) << "the limits are in no file";
    std::filesystem::remove(gCommon->Ordner() + "probe.ik");
    EXPECT_TRUE(Ergebnisse_Ungesichert()) << "a written file that went";
    ASSERT_TRUE(Gespeichert_Setzen());
    gIK->WerteUmrechnen("y*2");
    EXPECT_TRUE(Ergebnisse_Ungesichert()) << "values by formula after the save";

    // A generated curve as it starts.
    Neues_Projekt_Reset();
    ASSERT_TRUE(Spezielle_Kurve_Beschreiben(PT_IK, PTS_Demo_IK));
    Datei_Einlesen_Endgueltig();
    EXPECT_FALSE(Ergebnisse_Ungesichert());
    EXPECT_TRUE(seam.messages.empty());
}
