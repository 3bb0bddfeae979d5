// A whole evaluation in the running main window, by clicks and keys: a Percus–Yevick carbon liquid
// measured on both sides of the primary beam with counting noise is folded, averaged, side-fitted,
// freed of its background, transformed and counted, and must give its structure back; stepping
// back to J(K) and forward again gives the same. Every step is also saved as a picture.
#include "mainwindow/ui/frmMain.h"

#include "mainwindow/Kohlenstoffprobe.h"
#include "analysis/Daempfung.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/KurvenTyp.h"
#include "core/RegionalFormat.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/modStartup.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "curves/ui/frmMittel.h"
#include "graphics/Abbildung.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"
#include "graphics/DiagrammFlaeche.h"
#include "mainwindow/modProjektEinstellungen.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"
#include "materials/ui/frmSettings.h"
#include "panels/conExtras.h"
#include "panels/conFT_AI.h"
#include "panels/conFTR.h"
#include "panels/conFit.h"
#include "panels/conUG.h"
#include "support/Ordnerstand.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"
#include "support/TestWorld.h"
#include "widgets/fxbutton.h"
#include "support/ui/Hauptfensterbedienung.h"
#include "support/ui/Bildschirmfoto.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <utility>
#include <vector>

using namespace bedienung;

namespace {

constexpr float kTrennstelleK = 10.1f;

struct Ergebnis {
    double dichte = 0.0;
    int32_t ersterPeak = 0;
    double kz = 0.0;
    float kzBis = 0.0f;
};

class AuswertungTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Main({.waitMs = 0, .elementDatabase = {}});  // carbon of the demonstration data
        gfrmMain->resize(1200, 800);
        gfrmMain->show();
        QCoreApplication::processEvents();
        probe = Kohlenstoffprobe::AusDatenbank();
    }
    void TearDown() override { Sitzung_Beenden(); }

    void Starten()
    {
        gCommon->Set_Dateiname(probe.Rohspektrum(env.Root() / "probe.dat", zufall));
        Projekteinstellungen_Uebernehmen(Kohlenstoffprobe::Einstellungen(env.Root().string() + "/"));
    }

    void Bild(const std::string& name)
    {
        QCoreApplication::processEvents();
        foto::Ablegen(*gfrmMain, QString::fromStdString("mainwindow/" + bilder + name + ".png"));
    }

    // From J(K) (step 6) to the coordination number, as a user does it: the first time with Weiter,
    // the separation point and the support points, after a step back with the Fit tool.
    Ergebnis Ab_JK(bool erstesMal)
    {
        Drueck(erstesMal ? 23 : 11);
        EXPECT_EQ(gSchritt, ST_Fit);
        if (!gCalc->Trennstelle_OK()) {
            EXPECT_TRUE(gModus_Fit);
            Klick(Bei(kTrennstelleK, gCalc->Y(101)));
        }
        EXPECT_TRUE(gfrmMain->conFit1->isVisible());
        const int32_t T = gCalc->Trennstelle();
        Tippen(gfrmMain->conFit1->txtParam[0], Chi(1, T + 5));
        Tippen(gfrmMain->conFit1->txtParam[1], Chi(T - 5, gCalc->Punkte()));
        Bild("4_seitenfit");
        QTest::mouseClick(gfrmMain->conFit1->cmdFit[8], Qt::LeftButton);
        EXPECT_EQ(gSchritt, ST_Fit_Fertig);
        EXPECT_TRUE(Tool(23).isEnabled());

        Drueck(23);
        EXPECT_EQ(gSchritt, ST_UG);
        EXPECT_TRUE(gfrmMain->conUG1->isVisible());
        if (erstesMal) {
            for (const double K : Kohlenstoffprobe::kStuetzstellen) {
                // Zoomed in around the point, so that one pixel is a small part of the value.
                const double u = Kohlenstoffprobe::Untergrund(K);
                gGrafik->Zoomen(float(K - 3), float(K + 3), float(u * 1.01), float(u * 0.99), true, true);
                Klick(Bei(float(K), float(u)));
            }
            EXPECT_EQ(gUntergrund->Anzahl(), 8);
            gGrafik->setZoom(false);
            gGrafik->Zeichne(false);
        }
        Bild("5_untergrund");

        Drueck(15);
        EXPECT_EQ(gSchritt, ST_IK);
        EXPECT_TRUE(gfrmMain->conFTR1->isVisible());
        // The damping is chosen once, as a user does; the next I(K) is damped as the list still shows.
        QComboBox* daempfung = gfrmMain->conFTR1->cmbDaempfung;
        if (erstesMal) {
            Auswaehlen(daempfung, int(DA_Lorch));
        } else {
            EXPECT_EQ(daempfung->currentData().toInt(), int(DA_Lorch));
            EXPECT_TRUE(Gedaempft_Wie_Die_Liste(daempfung));
        }
        Bild("6_ik");

        Drueck(16);
        EXPECT_EQ(gSchritt, ST_GR);
        Ergebnis e;
        // The density from the low-r line, picked where the program proposes it.
        Klick(Bei(gGR->R(gGR->Dichte_Exp_Index()), gGR->Y(gGR->Dichte_Exp_Index())));
        e.dichte = gMFE->Dichte_Experimentell();
        e.ersterPeak = gGR->First_Peak_Index();
        Bild("7_gr");

        Drueck(17);
        EXPECT_EQ(gSchritt, ST_KZ);
        EXPECT_EQ(gGrafik->LetzteKurve(), KT_RDF);
        // The shell ends at the first minimum of the RDF after the first peak.
        int32_t ende = e.ersterPeak;
        while (ende < gGR->Punkte() && gGR->RDF(ende + 1) >= gGR->RDF(ende)) ++ende;
        while (ende < gGR->Punkte() && gGR->RDF(ende + 1) < gGR->RDF(ende)) ++ende;
        Klick(Bei(0.0f));
        Klick(Bei(gGR->R(ende)), Qt::RightButton);
        e.kz = gGR->KZ_Wert();
        e.kzBis = gGR->KZ_r2();
        Bild("8_nc");
        return e;
    }

    TempEnvironment env;
    RecordingSeam seam;
    Kohlenstoffprobe probe;
    std::mt19937_64 zufall{20261207};
    // The name the pictures of a test begin with.
    std::string bilder = "auswertung_";
};

}

TEST_F(AuswertungTest, RawSpectrumToCoordinationNumberByClicks)
{
    Starten();
    ASSERT_EQ(gSchritt, ST_Rohdaten);
    EXPECT_EQ(gfrmMain->lblStep1->text(), "Rohdaten bearbeiten");
    Bild("1_rohdaten");

    Drueck(23);
    EXPECT_EQ(gSchritt, ST_Gefaltet);
    EXPECT_EQ(gfrmMain->lblStep1->text(), "Seiten mitteln");
    Bild("2_gefaltet");

    // The averaging dialog takes both halves.
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<frmMittel*>(QApplication::activeModalWidget()))
            QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    });
    Drueck(6);
    ASSERT_EQ(gSchritt, ST_JK);
    ASSERT_TRUE(gCalc->IstGefaltet());
    Bild("3_jk");

    const Ergebnis e = Ab_JK(true);
    EXPECT_NEAR(e.dichte, probe.rho, 0.02 * probe.rho);
    EXPECT_NEAR(e.kz, probe.KZ(e.kzBis), 0.3);

    // Back to J(K), confirmed, and the same road again.
    seam.answers = {zelo::MsgResult::Yes};
    Drueck(13);
    ASSERT_EQ(gSchritt, ST_JK);
    // J(K) keeps the fitted curve as the working curve, so the side fit runs once more on it: the
    // results agree to well within the physics' bounds, not to the last digit.
    const Ergebnis wieder = Ab_JK(false);
    EXPECT_NEAR(wieder.dichte, e.dichte, 2e-3 * probe.rho);
    EXPECT_EQ(wieder.ersterPeak, e.ersterPeak);
    EXPECT_NEAR(wieder.kz, e.kz, 0.02);

    // The first maximum the model's exact I(K) gives through the same damping and transform.
    const int32_t ftr = gIK->FTR_Index();
    for (int32_t i = 1; i <= gIK->Punkte(); ++i) gIK->Set_Y(i, static_cast<float>(probe.I(gIK->x(i))));
    gIK->setFTR_Index(ftr);
    gIK->Daempfen(DA_Lorch);
    ASSERT_TRUE(gGR->Berechnen());
    EXPECT_NEAR(e.ersterPeak, gGR->First_Peak_Index(), 1);
}

namespace {

// The result files a save writes, and those written as their curves are made.
constexpr const char* kBeimSpeichern[] = {".ugs", ".ug", ".ugf", ".ik", ".ikk", ".Gr", ".rdf", ".g_r", ".rho",
                                          ".fmk", ".f2m", ".fm2"};
constexpr const char* kBeimEntstehen[] = {".mitt", ".fit", ".ik1", ".Gr0"};

// The x, y pairs of a curve file.
std::vector<std::pair<float, float>> Paare(const std::string& datei)
{
    std::ifstream in(datei, std::ios::binary);
    std::vector<std::pair<float, float>> paare;
    for (std::string zeile; std::getline(in, zeile);) {
        char* ende = nullptr;
        const float x = std::strtof(zeile.c_str(), &ende);
        paare.emplace_back(x, std::strtof(ende, nullptr));
    }
    return paare;
}

// The largest deviation of a file's pairs from the curve (x(i), y(i)), relative to the curve's
// largest value; the files hold seven significant digits.
template <class X, class Y>
double Abweichung(const std::vector<std::pair<float, float>>& paare, X x, Y y)
{
    double groesste = 0.0, abweichung = 0.0;
    for (size_t i = 0; i < paare.size(); ++i) {
        const auto index = static_cast<int32_t>(i + 1);
        groesste = std::max({groesste, std::fabs(double(x(index))), std::fabs(double(y(index)))});
        abweichung = std::max({abweichung, std::fabs(double(paare[i].first) - x(index)),
                               std::fabs(double(paare[i].second) - y(index))});
    }
    return abweichung / groesste;
}

class ErgebnisTest : public AuswertungTest {
protected:
    void SetUp() override
    {
        AuswertungTest::SetUp();
        bilder = "ergebnisse_";
    }

    // A user's road from opening probe.dat, with the results folder the project start proposes, to
    // the coordination number.
    void Bis_Nc()
    {
        gCommon->Set_Dateiname(probe.Rohspektrum(env.Root() / "probe.dat", zufall));
        Projekteinstellungen_Uebernehmen(Kohlenstoffprobe::Einstellungen(gCommon->Ordner()));
        Drueck(23);
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<frmMittel*>(QApplication::activeModalWidget()))
                QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        });
        Drueck(6);
        ASSERT_EQ(gSchritt, ST_JK);
        Ab_JK(true);
        ASSERT_EQ(gSchritt, ST_KZ);
        stamm = (env.Root() / "probe1" / "probe").string();
    }
    bool Gibt(const char* endung) const { return std::filesystem::exists(stamm + endung); }
    // Log lines that hold the text.
    size_t Geloggt(const std::string& text) const
    {
        return static_cast<size_t>(std::count_if(seam.logLines.begin(), seam.logLines.end(),
                                                 [&](const std::string& z) { return z.find(text) != std::string::npos; }));
    }
    // Log lines that name the file as written.
    size_t Protokolliert(const char* endung) const
    {
        return static_cast<size_t>(std::count_if(seam.logLines.begin(), seam.logLines.end(),
                                                 [&](const std::string& z) { return z.ends_with(": " + stamm + endung); }));
    }

    std::string stamm;
};

}

TEST_F(ErgebnisTest, SaveWritesTheFileOfEveryTickedResultAsItIsInMemory)
{
    for (int32_t kurve = KT_JK_Bearbeitet; kurve <= KT_KIK; ++kurve) gOptions->setKurveSpeichern(kurve, true);
    Bis_Nc();
    seam.messages.clear();
    Drueck(2);  // the toolbar's "Projekt speichern"
    EXPECT_TRUE(gGespeichert);
    EXPECT_EQ(gCommon->Ordner(), (env.Root() / "probe1").string() + "/");
    for (const char* endung : kBeimSpeichern) {
        EXPECT_TRUE(Gibt(endung)) << endung;
        EXPECT_EQ(Protokolliert(endung), 1u) << endung << ": written and logged once, when Nc was entered";
    }
    for (const char* endung : kBeimEntstehen) EXPECT_TRUE(Gibt(endung)) << endung;
    for (const char* endung : {".f_r", ".uge", ".elb"}) EXPECT_FALSE(Gibt(endung)) << endung;
    EXPECT_TRUE(seam.messages.empty());

    const auto ik = Paare(stamm + ".ik");
    ASSERT_EQ(ik.size(), size_t(gIK->Punkte()));
    EXPECT_LT(Abweichung(ik, [](int32_t i) { return gIK->x(i); }, [](int32_t i) { return gIK->Y(i); }), 1e-6);
    const auto gr = Paare(stamm + ".Gr");
    ASSERT_EQ(gr.size(), size_t(gGR->Punkte()));
    EXPECT_LT(Abweichung(gr, [](int32_t i) { return gGR->R(i); }, [](int32_t i) { return gGR->Y(i); }), 1e-6);

    // The support points come back through the background panel's "öffnen" as they were.
    std::vector<std::pair<float, float>> punkte;
    for (int32_t i = 1; i <= gUntergrund->Anzahl(); ++i) punkte.emplace_back(gUntergrund->UX(i), gUntergrund->UY(i));
    std::vector<float> untergrund;
    for (int32_t i = 1; i <= gUntergrund->Anzahl_Fit(); ++i) untergrund.push_back(gUntergrund->Y(i));
    seam.answers = {zelo::MsgResult::Yes};
    Drueck(14);
    ASSERT_EQ(gSchritt, ST_UG);
    seam.dialogAnswers = {stamm + ".ugs"};
    QTest::mouseClick(gfrmMain->conUG1->cmdUG[1], Qt::LeftButton);
    std::vector<std::pair<float, float>> gelesen;
    for (int32_t i = 1; i <= gUntergrund->Anzahl(); ++i) gelesen.emplace_back(gUntergrund->UX(i), gUntergrund->UY(i));
    EXPECT_EQ(gelesen, punkte);
    std::vector<float> neu;
    for (int32_t i = 1; i <= gUntergrund->Anzahl_Fit(); ++i) neu.push_back(gUntergrund->Y(i));
    EXPECT_EQ(neu, untergrund);
}

TEST_F(ErgebnisTest, ASaveBeforeAnyResultMakesNoFolderAndSaysNothing)
{
    gCommon->Set_Dateiname(probe.Rohspektrum(env.Root() / "probe.dat", zufall));
    Projekteinstellungen_Uebernehmen(Kohlenstoffprobe::Einstellungen(gCommon->Ordner()));
    ASSERT_EQ(gSchritt, ST_Rohdaten);
    seam.messages.clear();
    gGespeichert = false;  // as the new-project command leaves it
    Drueck(2);  // the toolbar's "Projekt speichern", the options as they come
    EXPECT_FALSE(std::filesystem::exists(env.Root() / "probe1"));
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_FALSE(gGespeichert) << "nothing was saved, so the end still asks";
}

TEST_F(ErgebnisTest, NothingForAnOptionThatIsOffAndAFailureIsToldOnce)
{
    for (int32_t kurve = KT_JK_Bearbeitet; kurve <= KT_KIK; ++kurve) gOptions->setKurveSpeichern(kurve, false);
    Bis_Nc();
    seam.messages.clear();
    Drueck(2);
    EXPECT_FALSE(gGespeichert) << "nothing was written";
    EXPECT_FALSE(std::filesystem::exists(env.Root() / "probe1")) << "nothing to write makes no folder";
    EXPECT_TRUE(seam.messages.empty());

    // The options as they come; after a save, a folder stands where the background's file should go.
    for (const int32_t kurve : {KT_UG_Stuetzstellen, KT_IK, KT_GR, KT_g_r, KT_RDF, KT_Rho, KT_UG})
        gOptions->setKurveSpeichern(kurve, true);
    Drueck(2);
    ASSERT_TRUE(gGespeichert);
    gGespeichert = false;  // as a changed result leaves it
    std::filesystem::remove(stamm + ".ug");
    std::filesystem::create_directory(stamm + ".ug");
    // The others are gone too, so that they must be written past the failure.
    for (const char* endung : {".ugs", ".ik", ".Gr", ".g_r", ".rdf", ".rho"}) std::filesystem::remove(stamm + endung);
    seam.logLines.clear();
    Drueck(2);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, gLanguage->Caption(481) + "\r\n" + stamm + ".ug (" + gLanguage->Caption(676) + ")");
    EXPECT_EQ(Protokolliert(".ug"), 0u);
    for (const char* endung : {".ugs", ".ik", ".Gr", ".g_r", ".rdf", ".rho"})
        EXPECT_EQ(Protokolliert(endung), 1u) << endung << ": the others are written";
    EXPECT_FALSE(gGespeichert) << "a ticked file is missing";
    for (const auto& eintrag : std::filesystem::directory_iterator(env.Root() / "probe1"))
        EXPECT_EQ(eintrag.path().string().find(".tmp-"), std::string::npos) << "no half-written file";

    // A results folder that cannot be made: one message names it, and nothing is written.
    const std::string ordner = gCommon->Ordner();
    std::ofstream(env.Root() / "blockiert") << "a file where the folder should be";
    gCommon->setOrdner((env.Root() / "blockiert" / "ergebnisse").string());
    seam.messages.clear();
    seam.logLines.clear();
    Drueck(2);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_TRUE(seam.messages[0].text.starts_with(gLanguage->Caption(480) + "\r\n" + gCommon->Ordner() + " ("));
    EXPECT_TRUE(std::none_of(seam.logLines.begin(), seam.logLines.end(),
                             [](const std::string& z) { return z.find("gespeichert") != std::string::npos; }));
    EXPECT_FALSE(gGespeichert);

    // "Ja" when the program ends writes what is missing.
    gCommon->setOrdner(ordner);
    std::filesystem::remove(stamm + ".ug");
    seam.answers = {zelo::MsgResult::Yes};
    gfrmMain->close();
    EXPECT_TRUE(Gibt(".ug"));
}

TEST_F(ErgebnisTest, NcAndExtrasWriteOnlyWhatChangedAndTheLogTellsWhatWasDone)
{
    for (int32_t kurve = KT_JK_Bearbeitet; kurve <= KT_KIK; ++kurve) gOptions->setKurveSpeichern(kurve, true);
    Bis_Nc();
    ASSERT_TRUE(Gibt(".rdf"));
    EXPECT_EQ(Geloggt(gLanguage->Caption(244)), 0u) << "Nc was entered before any shell was integrated";
    EXPECT_EQ(Geloggt(gLanguage->Caption(246)), 0u);

    // A second click on Nc: the results are as written, only the shell integrated since is told.
    const std::filesystem::path ordner = env.Root() / "probe1";
    const Ordnerstand geschrieben = Ordnerstand_Lesen(ordner);
    seam.logLines.clear();
    Drueck(17);
    EXPECT_TRUE(gGespeichert);
    EXPECT_EQ(Ordnerstand_Lesen(ordner), geschrieben) << "no file written or synced";
    EXPECT_EQ(Geloggt("gespeichert"), 0u);
    EXPECT_EQ(Geloggt(gLanguage->Caption(244) + zelo::FormatNumber(gGR->KZ_r1(), 3) + " nm"), 1u);
    EXPECT_EQ(Geloggt(gLanguage->Caption(246) + ": " + zelo::FormatNumber(gGR->KZ_Wert(), 2)), 1u);

    // Extras with nothing changed: nothing written, nothing logged, still saved.
    seam.logLines.clear();
    Drueck(18);
    ASSERT_EQ(gSchritt, ST_Extras);
    EXPECT_TRUE(gGespeichert);
    EXPECT_EQ(Ordnerstand_Lesen(ordner), geschrieben);
    EXPECT_TRUE(seam.logLines.empty());

    // A file the user deleted comes back, the others stay as they are.
    std::filesystem::remove(stamm + ".g_r");
    QTest::mouseClick(gfrmMain->conExtras1->cmdZurueck, Qt::LeftButton);
    ASSERT_EQ(gSchritt, ST_GR);
    Drueck(17);
    ASSERT_EQ(gSchritt, ST_KZ);
    EXPECT_TRUE(Gibt(".g_r"));
    EXPECT_EQ(Protokolliert(".g_r"), 1u);
    Ordnerstand ohneGr = Ordnerstand_Lesen(ordner), vorher = geschrieben;
    ohneGr.dateien.erase("probe.g_r");
    vorher.dateien.erase("probe.g_r");
    EXPECT_EQ(ohneGr.dateien, vorher.dateien);

    // The automatic transform makes a new G(r): the next save writes its files and tells the density
    // they were made with, not the coordination number of the G(r) before.
    Drueck(16);
    Drueck(20);
    ASSERT_TRUE(gfrmMain->conFT_AI1->isVisible());
    seam.logLines.clear();
    QTest::mouseClick(gfrmMain->conFT_AI1->cmdStart, Qt::LeftButton);
    const std::string dichte = gLanguage->Caption(250) + ": ";
    EXPECT_EQ(Geloggt(dichte + rt::SingleText(gMFE->Dichte_Experimentell()) + " 1/nm³"), 1u);
    Drueck(17);
    ASSERT_EQ(gSchritt, ST_KZ);
    EXPECT_EQ(Protokolliert(".rdf"), 1u);
    EXPECT_EQ(Geloggt(gLanguage->Caption(242) + ": n = " + zelo::FormatNumber(gMFE->Dichte_Experimentell(), 3)), 1u);
    EXPECT_EQ(Geloggt(gLanguage->Caption(246)), 0u) << "no shell integrated on this G(r)";
    const auto rdf = Paare(stamm + ".rdf");
    ASSERT_EQ(rdf.size(), size_t(gGR->Punkte()));
    EXPECT_LT(Abweichung(rdf, [](int32_t i) { return gGR->R(i); }, [](int32_t i) { return gGR->RDF(i); }), 1e-6);
}

TEST_F(ErgebnisTest, InEnglishTheRecordOfTheRoadIsEnglishButForItsFixedGermanLines)
{
    // The road's lines that the program takes from its text table, by number, with their German texts.
    const std::vector<int32_t> nummern{189, 190, 169, 170, 272, 273, 274, 237, 235, 206, 207, 208, 217, 218,
                                       403, 404, 219, 220, 278, 279, 240, 241, 242, 243, 244, 246, 247, 248, 258};
    std::map<int32_t, std::string> deutsch;
    for (const int32_t n : nummern) deutsch[n] = gLanguage->Caption(n);
    gfrmMain->mnuLang_Click(3);
    for (int32_t kurve = KT_JK_Bearbeitet; kurve <= KT_KIK; ++kurve) gOptions->setKurveSpeichern(kurve, true);
    Bis_Nc();
    Drueck(17);  // the shell integrated since Nc was entered is told with this save
    for (const int32_t n : nummern) {
        EXPECT_GE(Geloggt(gLanguage->Caption(n)), 1u) << n << " " << gLanguage->Caption(n);
        EXPECT_EQ(Geloggt(deutsch[n]), 0u) << n << " " << deutsch[n];
    }
    for (const char* fest : {"Legierung:", "Projekttyp: Beugungsspektrum", ": Lorch - Dämpfung"})
        EXPECT_EQ(Geloggt(fest), 1u) << fest;
}

TEST_F(ErgebnisTest, TheSaveQuestionComesOnlyWhileASaveWouldWriteSomething)
{
    for (int32_t kurve = KT_JK_Bearbeitet; kurve <= KT_KIK; ++kurve) gOptions->setKurveSpeichern(kurve, true);
    Bis_Nc();
    const std::filesystem::path ordner = env.Root() / "probe1";
    const Ordnerstand geschrieben = Ordnerstand_Lesen(ordner);
    // "neues Projekt", its file dialog cancelled: whether the question came first.
    const auto gefragt = [this] {
        seam.messages.clear();
        seam.dialogs.clear();
        gfrmMain->mnuNeuesProjekt->trigger();
        EXPECT_TRUE(gSchritt == ST_KZ || gSchritt == ST_GR) << "the evaluation goes on";
        return !seam.messages.empty() && seam.messages[0].text.starts_with(gLanguage->Caption(191));
    };

    // Nc wrote every file; the shell integrated since is in none of them.
    EXPECT_FALSE(gGespeichert);
    EXPECT_FALSE(gefragt());
    EXPECT_EQ(seam.dialogs.size(), 1u) << "on to the file dialog at once";
    EXPECT_EQ(Ordnerstand_Lesen(ordner), geschrieben);

    // A new density line changes what the G(r) files hold: the question comes, and only "Ja" writes.
    Drueck(16);
    EXPECT_FALSE(gefragt()) << "back at G(r), as it was";
    Klick(Bei(gGR->R(gGR->Dichte_Exp_Index() + 3), gGR->Y(gGR->Dichte_Exp_Index() + 3)));
    seam.answers = {zelo::MsgResult::Cancel};
    EXPECT_TRUE(gefragt());
    EXPECT_TRUE(seam.dialogs.empty()) << "Abbrechen keeps the project";
    seam.answers = {zelo::MsgResult::No};
    EXPECT_TRUE(gefragt());
    EXPECT_EQ(Ordnerstand_Lesen(ordner), geschrieben);
    seam.answers = {zelo::MsgResult::Yes};
    EXPECT_TRUE(gefragt());
    EXPECT_NE(Ordnerstand_Lesen(ordner).dateien.at("probe.rdf"), geschrieben.dateien.at("probe.rdf"));
    EXPECT_FALSE(gefragt()) << "saved";

    // The I(K) written there, opened as the next project: the end asks nothing while nothing is done.
    bedienung::Wenn_Modal<frmSettings>([](frmSettings& w) { w.cmdOK->Click(); });
    seam.dialogAnswers = {stamm + ".ik"};
    seam.answers = {zelo::MsgResult::No};
    gfrmMain->mnuNeuesProjekt->trigger();
    ASSERT_EQ(gCommon->ProjektTyp(), PT_IK);
    ASSERT_EQ(gSchritt, ST_IK);
    Bild("ik_geoeffnet");
    seam.messages.clear();
    gfrmMain->close();
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_FALSE(gOptions) << "the program has ended";
}

TEST_F(ErgebnisTest, NcShowsANumberOnlyWhileItHoldsAndTheFourierPanelTheWeightingOfARun)
{
    Bis_Nc();
    const auto label = [] { return gfrmMain->lblSS->text().toStdString(); };
    const auto gezaehlt = [] {
        return gLanguage->Caption(61) + gGR->KZ() + "\n" + gLanguage->Caption(62) + gGR->KZ_Hoyer();
    };
    const std::string null = zelo::FormatNumber(0.0, 3);
    const std::string keine = gLanguage->Caption(61) + null + "\n" + gLanguage->Caption(62) + null;
    ASSERT_NE(gGR->KZ(), null);
    EXPECT_EQ(label(), gezaehlt());

    // A new inner limit: the number shown was counted from the old one, until the shell is closed again.
    const float bis = gGR->KZ_r2();
    Klick(Bei(gGR->R(gGR->First_Peak_Index()) * 0.5f));
    EXPECT_EQ(label(), keine);
    Klick(Bei(bis), Qt::RightButton);
    EXPECT_EQ(label(), gezaehlt());

    // The automatic transform makes a new G(r) with a new density: Nc shows no number of the old one.
    Drueck(16);
    Drueck(20);
    ASSERT_TRUE(gfrmMain->conFT_AI1->isVisible());
    QTest::mouseClick(gfrmMain->conFT_AI1->cmdStart, Qt::LeftButton);
    Drueck(17);
    ASSERT_EQ(gSchritt, ST_KZ);
    EXPECT_FALSE(gGR->KZ_Gilt());
    EXPECT_EQ(label(), "") << "a step begins with an empty label";
    Klick(Bei(gGR->R(gGR->First_Peak_Index()) * 0.5f));
    EXPECT_EQ(label(), keine);
    Bild("nc_nach_automatik");
    Klick(Bei(bis), Qt::RightButton);
    EXPECT_EQ(label(), gezaehlt());

    // A run at the I(K) step sets the weighting; the Fourier panel under it shows that one when it closes.
    Drueck(15);
    ASSERT_EQ(gSchritt, ST_IK);
    QLabel* wichtung = gfrmMain->conFTR1->lblWichtung;
    // The run at the G(r) step left 10 %; the user steps it down to 0 %.
    for (int32_t i = 0; i < 2; ++i) QTest::mouseClick(gfrmMain->conFTR1->cmdWichtung[1], Qt::LeftButton);
    ASSERT_TRUE(wichtung->text().endsWith("\n0 %")) << wichtung->text().toStdString();
    Drueck(20);
    ASSERT_TRUE(gfrmMain->conFT_AI1->isVisible());
    Tippen(gfrmMain->conFT_AI1->Text2, 2);
    QTest::mouseClick(gfrmMain->conFT_AI1->cmdStart, Qt::LeftButton);
    ASSERT_FLOAT_EQ(gIK->Wichtung(), 0.1f);
    Drueck(20);
    ASSERT_TRUE(gfrmMain->conFTR1->isVisible());
    EXPECT_TRUE(wichtung->isVisible());
    EXPECT_EQ(wichtung->text().toStdString(), gLanguage->Caption(412) + "\n10 %");
    Bild("fourier_nach_automatik");
}
