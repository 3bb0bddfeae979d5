// Three projects one after the other in one main window, by clicks and keys: a two-sided raw
// spectrum through the whole road, then a folded curve file, then a ring image through the image
// panel. Each start must look like the first start of a session: the same tools, "Weiter" on,
// empty value labels, no panel, preview or mark of the previous project; previews opened in a
// project show it as it stands; the damping chosen once holds for the next project's I(K) and
// follows the cut-off set there, in the drawing, the values and the written file; the steps that wait for a click in the diagram say so; the extras step and the simulation panel lead
// back to a working step; the saved mark tells the truth.
#include "mainwindow/ui/frmMain.h"

#include "mainwindow/Kohlenstoffprobe.h"
#include "analysis/Daempfung.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/KurvenTyp.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/modStartup.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "curves/ui/frmCalcWerte.h"
#include "curves/ui/frmMittel.h"
#include "graphics/Abbildung.h"
#include "graphics/Vorschau.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"
#include "graphics/DiagrammFlaeche.h"
#include "graphics/frmSmall.h"
#include "images/ui/conBeugung.h"
#include "mainwindow/Wertanzeige.h"
#include "mainwindow/modProjektEinstellungen.h"
#include "mainwindow/modProjektStart.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"
#include "materials/ui/frmSettings.h"
#include "panels/conExtras.h"
#include "panels/conFT_AI.h"
#include "panels/conFTR.h"
#include "panels/conFit.h"
#include "panels/conUG.h"
#include "simulation/ui/conIMC.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"
#include "support/TestBilder.h"
#include "support/TestWorld.h"
#include "widgets/fxbutton.h"
#include "support/ui/Hauptfensterbedienung.h"
#include "support/ui/Bildschirmfoto.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

using namespace bedienung;

namespace {

constexpr float kTrennstelleK = 10.1f;

class DreiProjekteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Main({.waitMs = 0});
        gfrmMain->resize(1200, 800);
        gfrmMain->show();
        QCoreApplication::processEvents();
        probe = Kohlenstoffprobe::AusDatenbank();
        seam.previews = [] { ShowWindowPreview(); };
    }
    void TearDown() override { Sitzung_Beenden(); }

    std::string Rohspektrum() { return probe.Rohspektrum(env.Root() / "probe.dat", zufall); }
    // The averaged halves of the same sample as a two-column curve file.
    std::string Gefaltete_Kurve()
    {
        const auto path = env.Root() / "gefaltet.fi1";
        std::ofstream file(path, std::ios::binary);
        const auto n = static_cast<int>(std::lround(Kohlenstoffprobe::kKMax / 0.1));
        for (int i = 0; i <= n; ++i) file << i * 0.1 << "\t" << probe.Zaehlung(i * 0.1, zufall) << "\r\n";
        return path.string();
    }

    void Erstes_Projekt()
    {
        // As the window's new-project entry does before it describes the project.
        Neues_Projekt_Reset();
        gCommon->Set_Dateiname(Rohspektrum());
        Projekteinstellungen_Uebernehmen(Kohlenstoffprobe::Einstellungen(env.Root().string() + "/"));
    }

    // The first project on to its averaged halves, with everything saved.
    void Gemittelt_Und_Gespeichert()
    {
        Erstes_Projekt();
        Drueck(23);
        Mitteln();
        ASSERT_EQ(gSchritt, ST_JK);
        gGespeichert = true;  // as after a save
    }

    // The project settings window that opens next is accepted.
    void Einstellungen_Annehmen()
    {
        Wenn_Modal<frmSettings>([](frmSettings& settings) { settings.cmdOK->Click(); });
    }
    // "neues Projekt" with file datei; the answers go to the questions on the way.
    void Neues_Projekt(const std::string& datei, std::deque<zelo::MsgResult> antworten)
    {
        seam.dialogAnswers = {datei};
        seam.answers = std::move(antworten);
        gfrmMain->mnuNeuesProjekt->trigger();
    }

    // Pixels of the fits' pure red in the main diagram.
    static int Rote_Punkte()
    {
        QCoreApplication::processEvents();
        const QImage bild = Diagramm().grab().toImage();
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) n += bild.pixel(x, y) == qRgb(255, 0, 0);
        return n;
    }
    static QImage Ansicht_Hauptdiagramm()
    {
        QCoreApplication::processEvents();
        return Diagramm().grab().toImage();
    }
    static void Bild(const std::string& name)
    {
        QCoreApplication::processEvents();
        foto::Ablegen(*gfrmMain, QString::fromStdString("mainwindow/dreiprojekte_" + name + ".png"));
    }

    // The preview window opened last.
    static frmSmall& Vorschau_Oeffnen(int32_t kind)
    {
        frmSmall* fenster = NewPreviewWindow(kind);
        if (!fenster) throw std::logic_error("no new preview window");
        return *fenster;
    }
    static QImage Ansicht(frmSmall& f)
    {
        QCoreApplication::processEvents();
        return f.conDisplay1->grab().toImage();
    }
    // An open preview shows what a preview opened now shows: the evaluation as it stands.
    static void Zeigt_Aktuelles(frmSmall& offen, const std::string& wo)
    {
        const int32_t kind = offen.cmbkRaum->currentData().toInt();
        frmSmall& frisch = Vorschau_Oeffnen(kind);
        frisch.resize(offen.size());
        EXPECT_EQ(offen.windowTitle(), frisch.windowTitle()) << wo;
        EXPECT_TRUE(Ansicht(offen) == Ansicht(frisch)) << wo << ": preview of kind " << kind << " is stale";
        frisch.close();
        delete &frisch;
    }

    // What every project start shows, whatever the previous project left.
    void Startzustand(const std::string& schritt1, const std::string& wo)
    {
        SCOPED_TRACE(wo);
        EXPECT_TRUE(Tool(23).isVisible());
        EXPECT_TRUE(Tool(23).isEnabled()) << "Weiter";
        EXPECT_FALSE(gfrmMain->Werkzeuge.Value(18)) << "Extras released";
        EXPECT_FALSE(gfrmMain->Werkzeuge.Value(20)) << "Auto FTR released";
        EXPECT_TRUE(gfrmMain->lblStep->isVisible());
        EXPECT_EQ(gfrmMain->lblStep1->text().toStdString(), schritt1);
        EXPECT_FALSE(gfrmMain->lblHinweis->isVisible());
        EXPECT_EQ(gfrmMain->lblSS->text(), "");
        EXPECT_EQ(Diagramm().lblPos->text(), "");
        EXPECT_FALSE(gfrmMain->conFT_AI1->isVisible());
        EXPECT_EQ(gfrmMain->conFT_AI1->lblInfo->text(), "") << "no status of the previous project's run";
        EXPECT_FALSE(gfrmMain->conExtras1->isVisible());
        EXPECT_FALSE(gfrmMain->conFit1->isVisible());
        EXPECT_FALSE(gfrmMain->conDisplay[1]->isVisible()) << "one diagram";
        EXPECT_TRUE(Diagramm().isVisible());
        EXPECT_FALSE(gGespeichert);
        EXPECT_EQ(gGR->Punkte(), 0);
        EXPECT_EQ(gIK->Punkte(), 0) << "no I(K) of the previous project";
        EXPECT_EQ(gMFE->Dichte_Experimentell(), 0.0f) << "no density of the previous project";
        const std::map<std::string, QPointer<QWidget>> offen = colSmall;
        for (const auto& [schluessel, fenster] : offen) Zeigt_Aktuelles(*qobject_cast<frmSmall*>(fenster.data()), wo);
    }

    // The averaging dialog takes both halves.
    static void Mitteln()
    {
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<frmMittel*>(QApplication::activeModalWidget()))
                QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        });
        Drueck(6);
    }

    // A picture of two bright rings, radii 40 and 80, about (200, 150).
    static void Ringbild_Schreiben(const std::filesystem::path& datei)
    {
        Bild_Schreiben(datei, 400, 300, [](int32_t x, int32_t y) {
            const double r = std::nearbyint(std::hypot(x - 200, y - 150));
            return Grau(r == 40 ? 220 : r == 80 ? 180 : 60);
        });
    }
    // Three clicks on each ring of that picture, then "Spektrum berechnen" and OK in the project
    // settings.
    void Spektrum_Aus_Ringen(conBeugung& panel)
    {
        for (const double r : {40.0, 80.0}) {
            panel.pic_MouseDown(200, 150 - r);
            panel.pic_MouseDown(200 + r, 150);
            panel.pic_MouseDown(200, 150 + r);
        }
        Einstellungen_Annehmen();
        panel.cmdCalc->Click();
    }

    // What the user has of the open project, to be found unchanged after a refusal.
    struct Offener_Stand {
        int32_t schritt = gSchritt;
        int32_t punkte = gCalc->Punkte();
        float wert = gCalc->Y(100);
        QString titel = gfrmMain->windowTitle();
        std::string datei = gCommon->Dateiname_Rohdaten();
        std::string ordner = gCommon->Ordner();
        int32_t typ = gCommon->ProjektTyp();
        std::string startordner = gOptions->Reg_Folder();
        bool gespeichert = gGespeichert;
        std::vector<bool> panels = Sichtbare_Panels();

        static std::vector<bool> Sichtbare_Panels()
        {
            return {gfrmMain->conFit1->isVisible(), gfrmMain->conUG1->isVisible(), gfrmMain->conFTR1->isVisible(),
                    gfrmMain->conExtras1->isVisible(), gfrmMain->conBeugung1->isVisible()};
        }
        void Pruefen(const std::string& wo) const
        {
            SCOPED_TRACE(wo);
            EXPECT_EQ(gSchritt, schritt);
            EXPECT_EQ(gCalc->Punkte(), punkte);
            EXPECT_EQ(gCalc->Y(100), wert);
            EXPECT_EQ(gfrmMain->windowTitle(), titel);
            EXPECT_TRUE(Diagramm().isVisible());
            EXPECT_TRUE(Tool(23).isVisible()) << "Weiter";
            EXPECT_TRUE(gfrmMain->lblStep->isVisible());
            EXPECT_EQ(Sichtbare_Panels(), panels);
            EXPECT_EQ(gCommon->Dateiname_Rohdaten(), datei);
            EXPECT_EQ(gCommon->Ordner(), ordner);
            EXPECT_EQ(gCommon->ProjektTyp(), typ);
            EXPECT_EQ(gOptions->Reg_Folder(), startordner) << "the next run's open dialog starts where it did";
            EXPECT_EQ(gGespeichert, gespeichert) << "nothing new to save";
        }
    };

    // The side fit waits for the separation point, and says so until it has it.
    void Seitenfit()
    {
        Drueck(23);
        ASSERT_EQ(gSchritt, ST_Fit);
        ASSERT_TRUE(gModus_Fit);
        EXPECT_TRUE(gfrmMain->lblHinweis->isVisible());
        EXPECT_EQ(gfrmMain->lblHinweis->text().toStdString(), gLanguage->Caption(490));
        EXPECT_EQ(Rote_Punkte(), 0) << "no side fit is drawn before its separation point";
        Bild("fit_hinweis");
        Klick(Bei(kTrennstelleK, gCalc->Y(101)));
        EXPECT_FALSE(gfrmMain->lblHinweis->isVisible()) << "the point is set";
        EXPECT_GT(Rote_Punkte(), 0) << "the side fits are drawn";
        EXPECT_TRUE(gfrmMain->conFit1->isVisible());
    }

    // From the raw spectrum by the step buttons to the I(K) over the true background.
    void Bis_IK()
    {
        Drueck(23);
        ASSERT_EQ(gSchritt, ST_Gefaltet);
        Mitteln();
        ASSERT_EQ(gSchritt, ST_JK);
        Seitenfit();
        Seitenfit_Uebernehmen();
        ASSERT_EQ(gSchritt, ST_Fit_Fertig);
        Drueck(23);
        ASSERT_EQ(gSchritt, ST_UG);
        for (const double K : Kohlenstoffprobe::kStuetzstellen) gUntergrund->Plus_Punkt(float(K), float(Kohlenstoffprobe::Untergrund(K)));
        gfrmMain->conUG1->Aktualisieren();
        Drueck(15);
        ASSERT_EQ(gSchritt, ST_IK);
    }
    // The values of a written curve file, one a line after its K.
    static std::vector<double> Gelesen(const std::string& datei)
    {
        std::vector<double> werte;
        std::ifstream f(datei);
        double K = 0.0, y = 0.0;
        for (std::string zeile; std::getline(f, zeile);) {
            std::istringstream(zeile) >> K >> y;
            werte.push_back(y);
        }
        return werte;
    }

    TempEnvironment env;
    RecordingSeam seam;
    Kohlenstoffprobe probe;
    std::mt19937_64 zufall{20261207};
    QPointer<frmSmall> gr;
    QPointer<frmSmall> ik;
    QPointer<frmSmall> ug;
};

}

TEST_F(DreiProjekteTest, EveryProjectStartsLikeTheFirst)
{
    // ---- 1: a raw spectrum through the whole road.
    Erstes_Projekt();
    ASSERT_EQ(gSchritt, ST_Rohdaten);
    gr = &Vorschau_Oeffnen(KT_GR);
    ik = &Vorschau_Oeffnen(KT_IK_Wichtung);
    ug = &Vorschau_Oeffnen(KT_UG);
    Startzustand("Rohdaten bearbeiten", "first raw spectrum");
    Bild("1_start");

    Bis_IK();
    // The damping is chosen once, as a user does.
    Auswaehlen(gfrmMain->conFTR1->cmbDaempfung, int(DA_Lorch));
    Zeigt_Aktuelles(*ik, "I(K) computed");
    Zeigt_Aktuelles(*gr, "I(K) computed");
    // The cut-off by a right click: the G(r) that I(K) gives follows at once.
    const QImage vorher = Ansicht(*gr);
    Klick(Bei(gIK->x(gIK->FTR_Index()) * 0.8f), Qt::RightButton);
    EXPECT_FALSE(Ansicht(*gr) == vorher) << "the G(r) preview follows the cut-off";
    Zeigt_Aktuelles(*gr, "after the cut-off");
    Zeigt_Aktuelles(*ik, "after the cut-off");

    Drueck(16);
    ASSERT_EQ(gSchritt, ST_GR);
    Klick(Bei(gGR->R(gGR->Dichte_Exp_Index()), gGR->Y(gGR->Dichte_Exp_Index())));
    ASSERT_GT(gMFE->Dichte_Experimentell(), 0.0f);
    Zeigt_Aktuelles(*gr, "density picked");
    Zeigt_Aktuelles(*ug, "density picked");

    // The simulation panel covers the evaluation; closing it brings the G(r) step back.
    gfrmMain->mnuIMC->trigger();
    EXPECT_TRUE(gfrmMain->conIMC1->isVisible());
    QTest::mouseClick(gfrmMain->conIMC1->cmdIKladen[0], Qt::LeftButton);
    QTest::mouseClick(gfrmMain->conIMC1->cmdClose, Qt::LeftButton);
    EXPECT_FALSE(gfrmMain->conIMC1->isVisible());
    EXPECT_TRUE(Diagramm().isVisible());
    EXPECT_TRUE(gfrmMain->lblStep->isVisible());
    EXPECT_TRUE(Tool(16).isVisible() && Tool(16).isEnabled());
    EXPECT_TRUE(Tool(17).isVisible() && Tool(17).isEnabled());
    Bild("2_nach_simulation");

    // Nc writes the results; a new limit makes them unsaved again.
    Drueck(17);
    ASSERT_EQ(gSchritt, ST_KZ);
    EXPECT_TRUE(gGespeichert);
    EXPECT_TRUE(gfrmMain->lblHinweis->isVisible());
    EXPECT_EQ(gfrmMain->lblHinweis->text().toStdString(), gLanguage->Caption(491));
    Bild("3_nc_hinweis");
    Klick(Bei(0.0f));
    Klick(Bei(gGR->R(gGR->First_Peak_Index()) * 1.3f), Qt::RightButton);
    EXPECT_FALSE(gGespeichert) << "the limits changed after the results were written";

    // Extras writes them again; its way back leads to a working G(r) step.
    Drueck(18);
    ASSERT_EQ(gSchritt, ST_Extras);
    EXPECT_TRUE(gGespeichert);
    EXPECT_FALSE(gfrmMain->lblHinweis->isVisible());
    Bild("4_extras");
    QTest::mouseClick(gfrmMain->conExtras1->cmdZurueck, Qt::LeftButton);
    EXPECT_EQ(gSchritt, ST_GR);
    EXPECT_FALSE(gfrmMain->conExtras1->isVisible());
    EXPECT_FALSE(gfrmMain->conDisplay[1]->isVisible());
    EXPECT_TRUE(Tool(15).isVisible() && Tool(16).isVisible() && Tool(17).isEnabled());
    EXPECT_TRUE(gGespeichert) << "going back changes nothing";

    // The automatic transform changes the density: the results are no longer those written.
    Drueck(20);
    ASSERT_TRUE(gfrmMain->conFT_AI1->isVisible());
    QTest::mouseClick(gfrmMain->conFT_AI1->cmdStart, Qt::LeftButton);
    EXPECT_FALSE(gGespeichert) << "the automatic transform computed a new G(r)";
    Drueck(17);
    ASSERT_EQ(gSchritt, ST_KZ);
    EXPECT_TRUE(gGespeichert) << "Nc writes them again";
    Drueck(16);
    Klick(Bei(gGR->R(gGR->Dichte_Exp_Index() + 3), gGR->Y(gGR->Dichte_Exp_Index() + 3)));
    EXPECT_FALSE(gGespeichert) << "a new density line";
    Bild("5_auto_ftr");

    // ---- 2: a folded curve; the unsaved results are asked for first.
    const size_t fragen = seam.messages.size();
    Einstellungen_Annehmen();
    Neues_Projekt(Gefaltete_Kurve(), {zelo::MsgResult::No});
    QCoreApplication::processEvents();
    ASSERT_GT(seam.messages.size(), fragen);
    EXPECT_NE(seam.messages[fragen].text.find(gLanguage->Caption(191)), std::string::npos);
    ASSERT_EQ(gCommon->ProjektTyp(), PT_Fit);
    ASSERT_EQ(gSchritt, ST_JK);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(colSmall.empty()) << "the previous project's previews are closed";
    EXPECT_TRUE(gr.isNull() && ik.isNull() && ug.isNull());
    Startzustand("Fit", "folded curve after a raw spectrum");
    Bild("6_gefaltet_start");
    Seitenfit();
    // On to this project's I(K), with the damping list as the first project left it.
    Seitenfit_Uebernehmen();
    Drueck(23);
    ASSERT_EQ(gSchritt, ST_UG);
    for (const double K : Kohlenstoffprobe::kStuetzstellen) gUntergrund->Plus_Punkt(float(K), float(Kohlenstoffprobe::Untergrund(K)));
    Drueck(15);
    ASSERT_EQ(gSchritt, ST_IK);
    EXPECT_EQ(gfrmMain->conFTR1->cmbDaempfung->currentData().toInt(), int(DA_Lorch)) << "the list as it was left";
    EXPECT_TRUE(Gedaempft_Wie_Die_Liste(gfrmMain->conFTR1->cmbDaempfung)) << "the next project's I(K)";

    // ---- 3: a ring image through the image panel into J(K).
    Ringbild_Schreiben(env.Root() / "ringe.png");
    Neues_Projekt((env.Root() / "ringe.png").string(), {zelo::MsgResult::Yes});
    ASSERT_TRUE(Bild_Abwarten());
    conBeugung& panel = *gfrmMain->conBeugung1;
    ASSERT_TRUE(panel.isVisible());
    Spektrum_Aus_Ringen(panel);
    ASSERT_EQ(gSchritt, ST_JK);
    Startzustand("Rohdaten bearbeiten", "ring image after a folded curve");
    Bild("7_bild_start");
}

TEST_F(DreiProjekteTest, ANewProjectThatIsCancelledOrCannotBeReadLeavesTheOpenOneAsItWas)
{
    ASSERT_NO_FATAL_FAILURE(Gemittelt_Und_Gespeichert());
    const Offener_Stand offen;
    ASSERT_EQ(offen.typ, PT_Beugung);

    Wenn_Modal<frmSettings>([](frmSettings& w) { w.cmdCancel->Click(); });
    Neues_Projekt(Gefaltete_Kurve(), {});
    offen.Pruefen("Abbrechen");

    // A raw spectrum without a data line, an I(K) file of words, and a stage store and a processing
    // log, which are no projects: OK tells why, once and plainly, and the window stays for another
    // choice.
    const auto leer = env.Root() / "leer.dat";
    std::ofstream(leer, std::ios::binary) << "T=1000\r\nHV=200\r\nBemerkungen\r\n";
    const auto woerter = env.Root() / "woerter.ik";
    std::ofstream(woerter, std::ios::binary) << "keine Zahlen\r\nnur Text\r\n";
    const auto stufen = env.Root() / "probe.ssc";
    std::ofstream(stufen, std::ios::binary) << "1\t2\r\n";
    const auto protokoll = env.Root() / "probe.rex";
    std::ofstream(protokoll, std::ios::binary) << "Projekttyp: Beugungsspektrum\r\n";
    for (const auto& unlesbar : {leer, woerter, stufen, protokoll}) {
        seam.messages.clear();
        seam.errorWindows = 0;
        bool bleibtOffen = false;
        Wenn_Modal<frmSettings>([&bleibtOffen](frmSettings& w) {
            w.cmdOK->Click();
            bleibtOffen = w.isVisible();
            w.cmdCancel->Click();
        });
        Neues_Projekt(unlesbar.string(), {});
        EXPECT_TRUE(bleibtOffen) << unlesbar;
        ASSERT_EQ(seam.messages.size(), 1u) << unlesbar;
        EXPECT_TRUE(seam.messages[0].text.starts_with(gLanguage->Caption(631) + "\r\n" + unlesbar.string() + "\r\n"))
            << seam.messages[0].text;
        EXPECT_EQ(seam.errorWindows, 0) << unlesbar;
        offen.Pruefen(unlesbar.string());
    }
    Bild("unlesbar_bleibt");
    EXPECT_EQ(offen.startordner, env.Root().string() + "/") << "the folder of the open project's file";
    EXPECT_TRUE(std::filesystem::is_directory(clsCommon().Ordner())) << "the next run starts in a folder that exists";

    // A file that reads starts as usual after a refusal.
    Einstellungen_Annehmen();
    Neues_Projekt(Gefaltete_Kurve(), {});
    EXPECT_EQ(gCommon->ProjektTyp(), PT_Fit);
    EXPECT_EQ(gSchritt, ST_JK);
    EXPECT_FALSE(gGespeichert);
}

TEST_F(DreiProjekteTest, APictureThatCannotBeLoadedLeavesTheOpenProjectAsItWas)
{
    ASSERT_NO_FATAL_FAILURE(Gemittelt_Und_Gespeichert());
    const Offener_Stand offen;
    const std::string ganz = (env.Root() / "ringe.bmp").string();
    Ringbild_Schreiben(ganz);
    // Pixel data that end halfway, and words under a picture's name.
    const std::string halb = (env.Root() / "halb.bmp").string();
    std::filesystem::copy_file(ganz, halb);
    std::filesystem::resize_file(halb, std::filesystem::file_size(ganz) / 2);
    const std::string text = (env.Root() / "text.png").string();
    std::ofstream(text, std::ios::binary) << "kein Bild\r\n";
    gOptions->MRU_Set(halb);

    // Chosen as a new project, either kind, or from the recent files: the window waits for the
    // picture, then says once which file it refused, and the open project goes on.
    const auto verweigert = [&](const std::string& datei, zelo::MsgResult beugung, bool zuletzt) {
        const std::string wo = datei + (zuletzt ? " from the recent files" : "");
        seam.messages.clear();
        seam.errorWindows = 0;
        if (zuletzt) {
            seam.answers = {beugung};
            gfrmMain->mnuLast_Click(QString::fromStdString(datei));
        } else {
            Neues_Projekt(datei, {beugung});
        }
        EXPECT_FALSE(gfrmMain->isEnabled()) << wo << ": no input while the picture is read";
        ASSERT_TRUE(Bild_Abwarten());
        QCoreApplication::processEvents();
        EXPECT_TRUE(gfrmMain->isEnabled()) << wo;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << wo;
        EXPECT_EQ(seam.errorWindows, 0) << wo << ": a refusal is no internal error";
        ASSERT_EQ(seam.messages.size(), 2u) << wo;
        EXPECT_TRUE(seam.messages[0].text.starts_with(gLanguage->Caption(233))) << "the picture question";
        EXPECT_TRUE(seam.messages[1].text.ends_with("\r\n" + datei)) << "then the reason and the file: "
                                                                      << seam.messages[1].text;
        offen.Pruefen(wo);
    };
    verweigert(halb, zelo::MsgResult::Yes, false);
    verweigert(text, zelo::MsgResult::No, false);
    verweigert(halb, zelo::MsgResult::No, true);
    Bild("bild_verweigert");

    // A picture that loads starts the image project: the open one is given up.
    Neues_Projekt(ganz, {zelo::MsgResult::Yes});
    ASSERT_TRUE(Bild_Abwarten());
    QCoreApplication::processEvents();
    conBeugung& panel = *gfrmMain->conBeugung1;
    EXPECT_TRUE(gfrmMain->isEnabled());
    EXPECT_TRUE(panel.isVisible());
    ASSERT_NE(panel.Bild(), nullptr);
    EXPECT_EQ(panel.Bild()->Image_Width(), 400);
    EXPECT_TRUE(panel.cmdCalc->isEnabled());
    EXPECT_EQ(gCommon->ProjektTyp(), PT_ELMI_Bild);
    EXPECT_EQ(gCommon->Dateiname_Rohdaten(), ganz);
    EXPECT_EQ(gCalc->Punkte(), 0);
    EXPECT_FALSE(Diagramm().isVisible());
    EXPECT_FALSE(Tool(23).isVisible());
    EXPECT_NE(gfrmMain->windowTitle(), offen.titel);
    EXPECT_FALSE(gGespeichert);
    Bild("bild_angenommen");

    // A refused picture leaves the shown one with its rings.
    panel.pic_MouseDown(200, 110);
    panel.pic_MouseDown(240, 150);
    panel.pic_MouseDown(200, 190);
    ASSERT_EQ(panel.lstKreise->count(), 1);
    Neues_Projekt(halb, {zelo::MsgResult::Yes});
    ASSERT_TRUE(Bild_Abwarten());
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.Bild()->Image_Width(), 400);
    EXPECT_EQ(panel.lstKreise->count(), 1);
    EXPECT_EQ(gCommon->Dateiname_Rohdaten(), ganz);

    // A picture from the recent files goes to the panel as from the new-project dialog, and its
    // rings give the spectrum.
    gGespeichert = true;
    seam.answers = {zelo::MsgResult::Yes};
    gfrmMain->mnuLast_Click(QString::fromStdString(ganz));
    ASSERT_TRUE(Bild_Abwarten());
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.lstKreise->count(), 0) << "a picture taken anew";
    Spektrum_Aus_Ringen(panel);
    EXPECT_EQ(gSchritt, ST_JK);
    EXPECT_EQ(gCommon->ProjektTyp(), PT_ELMI_Bild);
    EXPECT_GT(gCalc->Punkte(), 100);
}

TEST_F(DreiProjekteTest, StepBackToTheRawDataShowsItsWholeSymmetricRange)
{
    // The spectrum's x values are channels: a factor of 0.1 channel per 1/nm puts K at ten times them.
    gCommon->Set_Dateiname(Rohspektrum());
    Projekteinstellungen e = Kohlenstoffprobe::Einstellungen(env.Root().string() + "/");
    e.Faktor_X = 0.1f;
    Projekteinstellungen_Uebernehmen(e);
    ASSERT_EQ(gSchritt, ST_Rohdaten);
    const DiagrammSkala zuerst = Diagramm().Skala();
    EXPECT_NEAR(zuerst.xmin, -zuerst.xmax, 1e-3f * zuerst.xmax);
    // Folded with the fold tool, which offers the way back to the raw data.
    Drueck(12);
    ASSERT_EQ(gSchritt, ST_Gefaltet);
    gfrmMain->mnuSeperatorBack[0]->trigger();
    ASSERT_EQ(gSchritt, ST_Rohdaten);
    const DiagrammSkala danach = Diagramm().Skala();
    EXPECT_NEAR(danach.xmin, zuerst.xmin, 1e-3f * zuerst.xmax);
    EXPECT_NEAR(danach.xmax, zuerst.xmax, 1e-3f * zuerst.xmax);
    Bild("rohdaten_zurueck");
}

TEST_F(DreiProjekteTest, TheSecondProjectsCutOffTakesTheDampingWithIt)
{
    // Lorch chosen in the first project damps the second project's fresh I(K) up to its end.
    gOptions->setKurveSpeichern(KT_IK, true);
    Erstes_Projekt();
    Bis_IK();
    Auswaehlen(gfrmMain->conFTR1->cmbDaempfung, int(DA_Lorch));
    // The settings window takes the spectrum's x as K in 1/nm.
    Wenn_Modal<frmSettings>([](frmSettings& settings) {
        settings.Text1->setText("1");
        settings.Option1[1]->click();
        settings.cmdOK->Click();
    });
    Neues_Projekt(Rohspektrum(), {zelo::MsgResult::No});
    QCoreApplication::processEvents();
    ASSERT_EQ(gSchritt, ST_Rohdaten);
    Bis_IK();
    ASSERT_EQ(gIK->Daempfung(), DA_Lorch);
    const size_t meldungen = seam.messages.size();

    // The cut-off by a right click at four fifths of the range: I(K) runs to 0 there.
    Klick(Bei(gIK->x(gIK->Punkte()) * 0.8f), Qt::RightButton);
    const int32_t F = gIK->FTR_Index();
    ASSERT_NEAR(gIK->x(F), gIK->x(gIK->Punkte()) * 0.8f, 1.0f);
    EXPECT_EQ(seam.messages.size(), meldungen) << "Lorch follows any cut-off";
    EXPECT_EQ(gfrmMain->conFTR1->cmbDaempfung->currentData().toInt(), int(DA_Lorch));
    for (const auto form : {&clsIK::Y, &clsIK::Y_2, &clsIK::Y_RTR, &clsIK::Y_Wichtung})
        EXPECT_NEAR(((*gIK).*form)(F), 0.0, 1e-6);
    EXPECT_EQ(gfrmMain->lblSS->text().toStdString(), Wertanzeige(KT_IK));
    const QImage bewegt = Ansicht_Hauptdiagramm();
    const std::string label = gfrmMain->lblSS->text().toStdString();
    // What a save writes into the ".ik" file.
    std::vector<float> werte;
    for (int32_t i = 1; i <= gIK->Punkte(); ++i) werte.push_back(gIK->Y_RTR(i));
    Bild("lorch_bei_80");

    // Lorch chosen anew after the cut-off: the same drawing and label.
    Auswaehlen(gfrmMain->conFTR1->cmbDaempfung, int(DA_Keine));
    Auswaehlen(gfrmMain->conFTR1->cmbDaempfung, int(DA_Lorch));
    EXPECT_TRUE(Ansicht_Hauptdiagramm() == bewegt) << "the drawn I(K) is Lorch's for the new cut-off";
    EXPECT_EQ(gfrmMain->lblSS->text().toStdString(), label);

    // G(r) with its density line, and Nc writes the results: the ".ik" file holds what was drawn.
    Drueck(16);
    ASSERT_EQ(gSchritt, ST_GR);
    Klick(Bei(gGR->R(gGR->Dichte_Exp_Index()), gGR->Y(gGR->Dichte_Exp_Index())));
    ASSERT_GT(gMFE->Dichte_Experimentell(), 0.0f);
    Drueck(17);
    ASSERT_EQ(gSchritt, ST_KZ);
    ASSERT_TRUE(gGespeichert);
    const std::vector<double> datei = Gelesen(gCommon->Ordner() + gCommon->Dateiname() + ".ik");
    ASSERT_EQ(datei.size(), werte.size());
    for (size_t i = 0; i < werte.size(); ++i) ASSERT_NEAR(datei[i], werte[i], 1e-5) << "K = " << gIK->x(int32_t(i + 1));
    EXPECT_NEAR(datei[size_t(F - 1)], 0.0, 1e-6);
}

TEST_F(DreiProjekteTest, AFormulaOnADampedIKIsDampedAnewAsTheListShows)
{
    Erstes_Projekt();
    Bis_IK();
    QComboBox* liste = gfrmMain->conFTR1->cmbDaempfung;
    Auswaehlen(liste, int(DA_Lorch));
    std::vector<float> doppelt(static_cast<size_t>(gIK->Punkte()));
    gIK->CopyArray_Ungedaempft(doppelt);
    for (float& y : doppelt) y *= 2.0f;
    // F5 with a formula, as the user enters it.
    const auto formel = [](const char* text) {
        Wenn_Modal<frmCalcWerte>([text](frmCalcWerte& dialog) {
            dialog.Text1->setText(text);
            dialog.Command1->Click();
        });
        gfrmMain->mnuWerteUmrechnen->trigger();
    };
    formel("y*2");
    // The cut-off by a right click: Lorch damps the converted curve once, for the new cut-off.
    Klick(Bei(gIK->x(gIK->Punkte()) * 0.8f), Qt::RightButton);
    EXPECT_EQ(liste->currentData().toInt(), int(DA_Lorch));
    const std::vector<float> lorch = gIK->Wie_Gedaempft(doppelt);
    for (int32_t i = 2; i <= gIK->Punkte(); ++i) {
        ASSERT_NEAR(gIK->Y(i), lorch[size_t(i - 1)], 1e-5) << "the drawn I(K) at K = " << gIK->x(i);
        ASSERT_NEAR(gIK->Y_Wichtung(i), lorch[size_t(i - 1)], 1e-5) << "what the transform takes at K = " << gIK->x(i);
    }
    const QImage bewegt = Ansicht_Hauptdiagramm();
    Bild("formel_lorch_bei_80");
    Auswaehlen(liste, int(DA_Lorch_Shifted));
    Auswaehlen(liste, int(DA_Lorch));
    EXPECT_TRUE(Ansicht_Hauptdiagramm() == bewegt) << "Lorch chosen again damps once";
    EXPECT_TRUE(Gedaempft_Wie_Die_Liste(liste));

    // Exponential damping cannot damp a curve turned negative at the cut-off: it stays undamped,
    // and the list says so.
    int32_t F = gIK->FTR_Index();
    while (F > 2 && gIK->x(F) * doppelt[size_t(F - 1)] <= 0.001f) --F;
    gIK->setFTR_Index(F);
    Auswaehlen(liste, int(DA_Exp));
    ASSERT_EQ(gIK->Daempfung(), DA_Exp);
    formel("0-y");
    EXPECT_EQ(gIK->Daempfung(), DA_Keine);
    EXPECT_EQ(liste->currentData().toInt(), int(DA_Keine));
    EXPECT_TRUE(Gedaempft_Wie_Die_Liste(liste));
    EXPECT_EQ(gfrmMain->lblSS->text().toStdString(), Wertanzeige(KT_IK));
}
