// A new user's session of three projects on the installed element database, by clicks and keys:
// a raw spectrum of an alloy of two solid elements with the density the settings window offers, then
// the demonstration I(K), then another raw spectrum averaged with itself. On the way the traps of
// such a session must not be met: a density kind without a value, an I(K) refused and entered all
// the same, a density line that gives a negative density, a demonstration with the previous
// project's figures or a "Weiter" that knows no next step, values that are not current, a preview
// left from the last project, a damping that the list shows but G(r) does not get, panels of the
// frame over each other or gone, step buttons pressed beside the chosen one, an I(K) wiped by a
// back-transform of no G(r), tick labels that name no tick, titles cut, words run together, a read-
// out or hint left from a step that has ended, a density line of no density, the keys lost after
// "Weiter", an averaging that moves the spectrum, and a quit question that cannot be taken back.
#include "mainwindow/ui/frmMain.h"

#include "mainwindow/Legierungsprobe.h"
#include "analysis/Daempfung.h"
#include "analysis/clsGR.h"
#include "analysis/clsGauss.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/KurvenTyp.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/QtUiSeam.h"
#include "core/ui/modStartup.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"
#include "curves/ui/frmMittel.h"
#include "graphics/Vorschau.h"
#include "graphics/clsGrafik.h"
#include "graphics/frmSmall.h"
#include "mainwindow/Wertanzeige.h"
#include "materials/clsMFE.h"
#include "materials/ui/frmChangeLeg.h"
#include "materials/ui/frmSettings.h"
#include "panels/Peakbeschriftung.h"
#include "panels/conAddCurves.h"
#include "panels/conExtras.h"
#include "panels/conFT_AI.h"
#include "panels/conFTR.h"
#include "panels/conFit.h"
#include "panels/conGauss.h"
#include "panels/conSmoothing.h"
#include "panels/conUG.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"
#include "support/ui/Fensterpruefungen.h"
#include "support/ui/Hauptfensterbedienung.h"
#include "support/ui/Bildschirmfoto.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

using namespace bedienung;

namespace {

constexpr float kTrennstelleK = 10.1f;

// Picks the entry with this text, as the user does.
void Waehle(QComboBox* liste, const QString& text)
{
    const int index = liste->findText(text);
    liste->setCurrentIndex(index);
    emit liste->activated(index);
}

class NeuerNutzerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Main({.waitMs = 0});
        gfrmMain->resize(1200, 800);
        gfrmMain->show();
        QApplication::setActiveWindow(gfrmMain);
        QCoreApplication::processEvents();
        probe = Legierungsprobe::AusDatenbank();
    }
    void TearDown() override { Sitzung_Beenden(); }

    // "neues Projekt" with a new raw spectrum of the alloy; the settings window gets its rows from
    // einstellen and is accepted.
    void Neues_Projekt(const std::string& name, std::function<void(frmSettings&)> einstellen)
    {
        seam.dialogAnswers = {probe.Rohspektrum(env.Root() / (name + ".dat"), zufall)};
        Wenn_Modal<frmSettings>([name, einstellen](frmSettings& w) {
            einstellen(w);
            Bild(name + "_einstellungen", &w);
            w.cmdOK->Click();
            // A window that refused OK would wait for the user.
            EXPECT_FALSE(w.isVisible()) << "OK was refused";
            if (w.isVisible()) w.reject();
        });
        gfrmMain->mnuNeuesProjekt->trigger();
    }

    // Cu and Zr at 50 at% each, as a user picks them, with the spectrum's x already in 1/nm.
    static void Legierung_Waehlen(frmSettings& w)
    {
        while (w.Komponenten() != 2) w.CmdKomponente[1]->Click();
        for (size_t i = 0; i < 2; ++i) Waehle(w.cmbElement[i], Legierungsprobe::kSymbole[i]);
        w.txtProzent[0]->setText("50");
        w.Text1->setText("1");
        w.Option1[1]->click();
        w.txtUH->setText("-200");
    }

    // The alloy menu's dialog for component 1 takes the density text; its title shows whole and its
    // concentration keeps the blank between word and number.
    static void Dichte_Im_Legierungsmenue(const QString& dichte)
    {
        Wenn_Modal<frmChangeLeg>([dichte](frmChangeLeg& d) {
            EXPECT_TRUE(pruefen::Titel_Ganz(d)) << d.windowTitle().toStdString();
            EXPECT_EQ(d.Label2->text().toStdString(), gLanguage->Caption(94) + " 50 at%");
            foto::Ablegen(pruefen::Mit_Titelleiste(d), Name("legierung_titel"));
            d.Text2->setText(dichte);
            d.Command1->Click();
        });
        gfrmMain->mnuKomponente[0]->trigger();
    }

    // From the raw spectrum to the background step with the true background's support points.
    void Bis_Untergrund()
    {
        Drueck(23);
        ASSERT_EQ(gSchritt, ST_Gefaltet);
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<frmMittel*>(QApplication::activeModalWidget())) {
                EXPECT_TRUE(pruefen::Titel_Ganz(*dialog)) << dialog->windowTitle().toStdString();
                foto::Ablegen(pruefen::Mit_Titelleiste(*dialog), Name("kurventeil_titel"));
                QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
            }
        });
        Drueck(6);
        ASSERT_EQ(gSchritt, ST_JK);
        Drueck(23);
        ASSERT_EQ(gSchritt, ST_Fit);
        Klick(Bei(kTrennstelleK, gCalc->Y(101)));
        Seitenfit_Uebernehmen();
        ASSERT_EQ(gSchritt, ST_Fit_Fertig);
        Drueck(23);
        ASSERT_EQ(gSchritt, ST_UG);
        for (const double K : Kohlenstoffprobe::kStuetzstellen)
            gUntergrund->Plus_Punkt(float(K), float(Kohlenstoffprobe::Untergrund(K)));
        gfrmMain->conUG1->Aktualisieren();
    }

    static std::string Wert() { return gfrmMain->lblSS->text().toStdString(); }
    static std::string Schrittfeld()
    {
        return gfrmMain->lblStep1->text().toStdString() + " / " + gfrmMain->lblStep2->text().toStdString();
    }
    // The screenshot a picture called name goes to.
    static QString Name(const std::string& name)
    {
        return "mainwindow/neuer_nutzer_" + QString::fromStdString(name) + ".png";
    }
    static void Bild(const std::string& name, QWidget* fenster = nullptr)
    {
        QCoreApplication::processEvents();
        foto::Ablegen(fenster ? *fenster : *gfrmMain, Name(name));
    }
    // The panels the frame shows: one at most.
    static std::vector<QWidget*> Panels_Gezeigt()
    {
        std::vector<QWidget*> gezeigt;
        for (QWidget* p : gfrmMain->Frame1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (p != gfrmMain->lblHinweis && p->isVisible()) gezeigt.push_back(p);
        return gezeigt;
    }
    // The step buttons (and Extras) drawn pressed.
    static std::vector<int32_t> Gedrueckt()
    {
        std::vector<int32_t> knoepfe;
        for (const int32_t i : {13, 14, 15, 16, 17, 18})
            if (Tool(i).Value()) knoepfe.push_back(i);
        return knoepfe;
    }
    // The I(K) the I(K) step draws and transforms.
    static std::vector<float> IK_Werte()
    {
        std::vector<float> y;
        for (int32_t i = 1; i <= gIK->Punkte(); ++i) y.push_back(gIK->Y_Wichtung(i));
        return y;
    }
    // Pure red pixels of the main diagram on the row of G(r) = 0, from a tenth to nine tenths of
    // the way to the end of the density line.
    static int Rot_Auf_Null()
    {
        const float ende = gGR->R(gGR->Dichte_Exp_Index());
        const QImage& bild = Diagramm().pic->Image;
        const int32_t y0 = Bei(0.0f, 0.0f).y();
        int rot = 0;
        for (int32_t y = y0 - 1; y <= y0 + 1; ++y)
            for (int32_t x = Bei(0.1f * ende).x(); x <= Bei(0.9f * ende).x(); ++x)
                rot += bild.pixel(x, y) == qRgb(255, 0, 0);
        return rot;
    }
    // The last line of the value label that starts with the text.
    static std::string Zeile_Mit(const std::string& anfang)
    {
        std::string gefunden;
        std::istringstream zeilen(Wert());
        for (std::string z; std::getline(zeilen, z);)
            if (z.rfind(anfang, 0) == 0) gefunden = z;
        return gefunden;
    }
    size_t Meldungen_Mit(const std::string& teil) const
    {
        return static_cast<size_t>(std::count_if(seam.messages.begin(), seam.messages.end(), [&](const RecordedMessage& m) {
            return m.text.find(teil) != std::string::npos;
        }));
    }

    TempEnvironment env;
    RecordingSeam seam;
    Legierungsprobe probe;
    std::mt19937_64 zufall{20261207};
};

}

TEST_F(NeuerNutzerTest, AlloyDemonstrationAndRawSpectrumWithoutTraps)
{
    // ---- 1: the alloy. The installed database knows only the crystalline density of Cu and Zr.
    Neues_Projekt("cuzr", [](frmSettings& w) {
        Legierung_Waehlen(w);
        for (size_t i = 0; i < 2; ++i) {
            EXPECT_EQ(w.cmdDichte[i]->currentText().toStdString(), gLanguage->Caption(183)) << "kristallin";
            EXPECT_EQ(w.txtDichte[i]->text().toFloat(), gMFE->Element_Dichte(Legierungsprobe::kSymbole[i], DQ_Kristallin));
        }
    });
    ASSERT_EQ(gSchritt, ST_Rohdaten);
    ASSERT_NEAR(gMFE->Dichte_Theoretisch(), probe.rho, 1e-3 * probe.rho);
    Bis_Untergrund();

    // Without a density the I(K) is refused: the background step stays as it was, and the message
    // says where the density is set.
    Dichte_Im_Legierungsmenue("");
    ASSERT_EQ(gMFE->Dichte_Theoretisch(), 0.0f);
    seam.messages.clear();
    Drueck(15);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, gLanguage->Caption(436) + "\r\n" + gLanguage->Caption(540));
    EXPECT_EQ(gSchritt, ST_UG);
    EXPECT_TRUE(Tool(14).Value());
    EXPECT_FALSE(Tool(15).Value());
    EXPECT_FALSE(Tool(16).isEnabled());
    EXPECT_TRUE(gfrmMain->conUG1->isVisible());
    EXPECT_FALSE(gfrmMain->conFTR1->isVisible());
    EXPECT_EQ(Schrittfeld(), "Untergrund / I(K)");
    EXPECT_EQ(gIK->Punkte(), 0) << "no empty I(K) is entered";
    Bild("1_ik_verweigert");

    // The density set in the alloy menu, the same button computes I(K) at once.
    Dichte_Im_Legierungsmenue(QString::number(gMFE->Element_Dichte("Cu", DQ_Kristallin)));
    Drueck(15);
    ASSERT_EQ(gSchritt, ST_IK);
    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(Panels_Gezeigt(), std::vector<QWidget*>{gfrmMain->conFTR1});
    EXPECT_EQ(Gedrueckt(), std::vector<int32_t>{15});
    // The label names where the low-K fit of the fresh I(K) ends, not a K before the curve.
    EXPECT_GE(gIK->Parabel_Index(), 2);
    EXPECT_EQ(Zeile_Mit(gLanguage->Caption(54)).find('-'), std::string::npos) << Wert();
    // The damping is chosen once, as a user does; the label shows the damped I(K) at once, with the
    // density of the sum rule, which takes I(K) before the damping, as it was.
    const std::string ungedaempft = Zeile_Mit(gLanguage->Caption(95));
    ASSERT_FALSE(ungedaempft.empty()) << Wert();
    Auswaehlen(gfrmMain->conFTR1->cmbDaempfung, int(DA_Lorch));
    EXPECT_EQ(Wert(), Wertanzeige(KT_IK));
    EXPECT_EQ(Zeile_Mit(gLanguage->Caption(95)), ungedaempft);
    Bild("2_ik_lorch");

    // A preview opened with its tool holds the tool down until the window closes.
    gfrmMain->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(gfrmMain));
    Drueck(19);
    ASSERT_EQ(colSmall.size(), 1u);
    QPointer<QWidget> vorschau = colSmall.begin()->second;
    EXPECT_TRUE(Tool(19).hasFocus());
    vorschau->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(vorschau.isNull());
    EXPECT_FALSE(Tool(19).hasFocus()) << "the preview tool is released";
    EXPECT_EQ(QApplication::focusWidget(), gfrmMain->conDisplay[0]->pic) << "the keys go to the diagram";

    // G(r) with the density from the line below its first peak; a line that reaches so far past
    // the peak that it rises is refused with one message, and the density stays.
    Drueck(16);
    ASSERT_EQ(gSchritt, ST_GR);
    const float dichte = gMFE->Dichte_Experimentell();
    ASSERT_GT(dichte, 0.0f);
    EXPECT_NEAR(dichte, probe.rho, 0.05 * probe.rho);
    const std::string werte = Wert();
    EXPECT_EQ(werte, Wertanzeige(KT_GR));
    seam.messages.clear();
    // The first end past the peak up to which r·G(r) holds as much area above 0 as below.
    int32_t ende = 1;
    double flaeche = 0.0;
    do {
        ++ende;
        flaeche += double(gGR->R(ende)) * gGR->Y(ende);
    } while ((ende <= gGR->First_Peak_Index() || flaeche < 0.0) && ende < gGR->Punkte());
    Klick(Bei(gGR->R(ende), gGR->Y(ende)));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, gLanguage->Caption(542));
    EXPECT_EQ(gMFE->Dichte_Experimentell(), dichte);
    EXPECT_EQ(Wert(), werte);
    Bild("3_gr_dichtegerade_verweigert");

    // The Gauss peaks open in place of the Fourier panel; the first peak of G(r) is labelled with
    // its position to three significant digits. Closing them gives the Fourier panel back.
    Drueck(25);
    EXPECT_EQ(Panels_Gezeigt(), std::vector<QWidget*>{gfrmMain->conGauss1});
    const float erster = gGR->R(gGR->First_Peak_Index());
    float peak = 0.0f;
    for (int32_t j = 1; j <= gGauss->Anzahl(); ++j)
        if (std::fabs(gGauss->x(j) - erster) < std::fabs(peak - erster)) peak = gGauss->x(j);
    ASSERT_NEAR(peak, erster, 0.01) << "a Gauss peak on the first peak of G(r)";
    double gelesen = 0.0;
    ASSERT_TRUE(pruefen::Zahl_Gelesen(Peak_Text(peak, 1.0f), gelesen));
    EXPECT_NEAR(gelesen, peak, 0.0005 * 1.0001) << "0.xyz nm";
    EXPECT_GE(gelesen, 0.1);
    Bild("3b_gauss_peaks");

    // The automatic transform opens over the Gauss peaks, whose view ends with them: the passes
    // draw G(r). After it the label shows the density and deviation it ended with, and the Gauss
    // peaks pressed again view G(r) and give the Fourier panel back.
    Drueck(20);
    ASSERT_TRUE(gfrmMain->conFT_AI1->isVisible());
    EXPECT_EQ(Panels_Gezeigt(), std::vector<QWidget*>{gfrmMain->conFT_AI1});
    EXPECT_EQ(gGrafik->LetzteKurve(), KT_GR);
    QTest::mouseClick(gfrmMain->conFT_AI1->cmdStart, Qt::LeftButton);
    ASSERT_NE(gMFE->Dichte_Experimentell(), dichte) << "the run moved the density line";
    EXPECT_GT(gMFE->Dichte_Experimentell(), 0.0f);
    EXPECT_EQ(Wert(), Wertanzeige(KT_GR));
    EXPECT_NE(Wert(), werte);
    Bild("4_auto_ftr");
    Drueck(20);
    EXPECT_EQ(Panels_Gezeigt(), std::vector<QWidget*>{gfrmMain->conFTR1});
    Drueck(25);
    EXPECT_EQ(gGrafik->LetzteKurve(), KT_GR_Peaks);
    EXPECT_EQ(gGauss->Kurve(), KT_GR);
    Drueck(25);
    EXPECT_EQ(Panels_Gezeigt(), std::vector<QWidget*>{gfrmMain->conFTR1});
    EXPECT_EQ(gGrafik->LetzteKurve(), KT_GR);

    // Left open, the automatic transform closes when the extras step opens: the extras panel
    // shows alone, and neither the tool nor F brings the automatic transform over it.
    Drueck(20);
    Drueck(18);
    ASSERT_EQ(gSchritt, ST_Extras);
    EXPECT_EQ(Panels_Gezeigt(), std::vector<QWidget*>{gfrmMain->conExtras1});
    EXPECT_FALSE(Tool(20).Value());
    pruefen::Taste_Tippen(*gfrmMain, Qt::Key_F);
    EXPECT_EQ(Panels_Gezeigt(), std::vector<QWidget*>{gfrmMain->conExtras1});
    Bild("4b_extras");
    // The Gauss peaks open over the extras and give them back.
    ASSERT_TRUE(Tool(25).isVisible());
    Drueck(25);
    EXPECT_EQ(Panels_Gezeigt(), std::vector<QWidget*>{gfrmMain->conGauss1});
    Drueck(25);
    EXPECT_EQ(Panels_Gezeigt(), std::vector<QWidget*>{gfrmMain->conExtras1});
    QTest::mouseClick(gfrmMain->conExtras1->cmdZurueck, Qt::LeftButton);
    ASSERT_EQ(gSchritt, ST_GR);
    EXPECT_EQ(Panels_Gezeigt(), std::vector<QWidget*>{gfrmMain->conFTR1});

    // Back to the background and on: the new I(K) is damped as the list, untouched, shows.
    seam.answers = {zelo::MsgResult::Yes};
    Drueck(14);
    ASSERT_EQ(gSchritt, ST_UG);
    EXPECT_EQ(Panels_Gezeigt(), std::vector<QWidget*>{gfrmMain->conUG1});
    // By its key this time: only I(K) is drawn chosen.
    pruefen::Taste_Tippen(*gfrmMain, Qt::Key_I);
    ASSERT_EQ(gSchritt, ST_IK);
    EXPECT_EQ(Gedrueckt(), std::vector<int32_t>{15}) << "U(K) released";
    EXPECT_EQ(gfrmMain->conFTR1->cmbDaempfung->currentData().toInt(), int(DA_Lorch));
    EXPECT_TRUE(Gedaempft_Wie_Die_Liste(gfrmMain->conFTR1->cmbDaempfung));
    Drueck(16);
    Drueck(19);
    ASSERT_EQ(colSmall.size(), 1u);

    // Closing the program with these results unsaved: Escape at the question keeps both.
    {
        QtUiSeam echt;
        zelo::SetUi(&echt);
        pruefen::Meldungsantwort antwort;
        pruefen::Meldung_Beantworten(antwort, Qt::Key_Escape, QMessageBox::NoButton, Name("4c_beenden_frage"));
        EXPECT_FALSE(gfrmMain->close());
        zelo::SetUi(&seam);
        EXPECT_TRUE(antwort.gesehen);
        EXPECT_TRUE(antwort.knoepfe.contains("Abbrechen")) << antwort.knoepfe.join(", ").toStdString();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(gfrmMain) << "the program runs on";
    EXPECT_TRUE(gfrmMain->isVisible());
    EXPECT_FALSE(gGespeichert);
    EXPECT_GT(gGR->Punkte(), 0) << "with its G(r)";

    // ---- 2: the demonstration I(K), after the question about the unsaved results.
    seam.answers = {zelo::MsgResult::No};
    gfrmMain->mnuDemoIK->trigger();
    ASSERT_EQ(gSchritt, ST_IK);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(colSmall.empty()) << "the previous project's preview is closed";
    EXPECT_FALSE(Tool(19).hasFocus());
    EXPECT_EQ(Wert(), "");
    EXPECT_EQ(gMFE->Dichte_Theoretisch(), 0.0f) << "no alloy of the previous project";
    // An I(K) a project starts from is shown undamped, and the list says so.
    EXPECT_EQ(gfrmMain->conFTR1->cmbDaempfung->currentData().toInt(), int(DA_Keine));
    EXPECT_TRUE(Gedaempft_Wie_Die_Liste(gfrmMain->conFTR1->cmbDaempfung));
    Bild("5_demo_ik");

    // "Weiter" leads where the step box says: G(r), with the demonstration's own figures; there it
    // is off, as on every road, and Nc is the button's.
    seam.messages.clear();
    ASSERT_EQ(Schrittfeld(), "I(K) / G(r)");
    ASSERT_TRUE(Tool(23).isEnabled());
    Drueck(23);
    EXPECT_EQ(gSchritt, ST_GR);
    EXPECT_EQ(Schrittfeld(), "G(r) / Nc");
    ASSERT_GT(gMFE->Dichte_Experimentell(), 0.0f);
    EXPECT_EQ(Wert(), Wertanzeige(KT_GR));
    EXPECT_EQ(Wert().substr(0, Wert().find('\n')), gLanguage->Caption(56) + "n/a");
    EXPECT_EQ(Wert().find("Theorie"), std::string::npos);
    EXPECT_EQ(Rot_Auf_Null(), 0) << "no line of the theoretical density the demonstration lacks";
    Bild("6_demo_gr");
    EXPECT_FALSE(Tool(23).isEnabled());
    Drueck(17);
    EXPECT_EQ(gSchritt, ST_KZ);
    EXPECT_EQ(Meldungen_Mit("nicht definiert"), 0u);
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_FALSE(gfrmMain->lblHinweis->isHidden()) << "the hint of the shell limits";
    // The mouse over the RDF gives its read-out, which goes with the RDF view.
    Senden(QEvent::MouseMove, Bei(0.3f, 0.0f), Qt::NoButton, {});
    EXPECT_TRUE(Diagramm().lblPos->text().contains("RDF=")) << Diagramm().lblPos->text().toStdString();
    Bild("7_demo_nc");
    pruefen::Taste_Tippen(*gfrmMain, Qt::Key_I);
    ASSERT_EQ(gSchritt, ST_IK);
    EXPECT_EQ(Gedrueckt(), std::vector<int32_t>{15}) << "Nc released";
    EXPECT_EQ(Diagramm().lblPos->text(), "");
    Bild("7b_demo_ik_nach_nc");
    pruefen::Taste_Tippen(*gfrmMain, Qt::Key_G);
    ASSERT_EQ(gSchritt, ST_GR);
    EXPECT_EQ(Gedrueckt(), std::vector<int32_t>{16});

    // A G(r) limited to 0.02..1.1 nm in its limit boxes: every tick label names its tick.
    conDisplay& d = Diagramm();
    d.txtAchse[2]->setText("0.02");
    d.txtAchse[3]->setText("1.1");
    QTest::keyClick(d.txtAchse[3], Qt::Key_Return);
    ASSERT_NEAR(d.Skala().xmin, 0.02f, 1e-6f);
    EXPECT_EQ(pruefen::Strichtexte_Abseits(d), std::vector<std::string>{});
    Bild("7c_demo_gr_0.02_1.1");
    Drueck(17);
    ASSERT_EQ(gSchritt, ST_KZ);

    // ---- 3: another raw spectrum of the alloy, with the rows the settings window restores.
    seam.answers = {zelo::MsgResult::No};
    Neues_Projekt("cuzr2", [](frmSettings& w) {
        for (size_t i = 0; i < 2; ++i)
            EXPECT_EQ(w.cmbElement[i]->currentText().toStdString(), Legierungsprobe::kSymbole[i]);
        w.Text1->setText("1");
        w.Option1[1]->click();
    });
    ASSERT_EQ(gSchritt, ST_Rohdaten);
    EXPECT_TRUE(gfrmMain->lblHinweis->isHidden()) << "no hint of the last project's shell";
    EXPECT_TRUE(Tool(23).isEnabled());
    EXPECT_EQ(Wert(), "");
    EXPECT_EQ(gMFE->Dichte_Experimentell(), 0.0f);
    EXPECT_NEAR(gMFE->Dichte_Theoretisch(), probe.rho, 1e-3 * probe.rho);
    Bild("8_rohspektrum");
    // The extras and the automatic transform wait for an I(K): a raw spectrum has none to run them on.
    EXPECT_FALSE(Tool(18).isEnabled());
    EXPECT_FALSE(Tool(20).isEnabled());
    Diagramm().pic->setFocus();
    pruefen::Taste_Tippen(*gfrmMain, Qt::Key_F);
    EXPECT_TRUE(Panels_Gezeigt().empty());

    // The spectrum averaged with itself: the copy lies point on point and is the one chosen, and
    // the average is the spectrum.
    std::vector<float> roh;
    for (int32_t i = 1; i <= gCalc->Punkte(); ++i) roh.push_back(gCalc->Y(i));
    gfrmMain->mnuMitteln->trigger();
    conAddCurves& mitteln = *gfrmMain->conAddCurves1;
    EXPECT_EQ(Panels_Gezeigt(), std::vector<QWidget*>{&mitteln});
    seam.dialogAnswers = {gCommon->Dateiname_Rohdaten()};
    QTest::mouseClick(mitteln.cmdPlusMinus[0], Qt::LeftButton);
    ASSERT_EQ(mitteln.List1->count(), 1);
    EXPECT_TRUE(mitteln.List1->item(0)->isSelected());
    EXPECT_EQ(mitteln.Kurve_Index(), 1);
    EXPECT_NEAR(mitteln.Spektren().Spektrum(1).X_Start(), gCalc->x(1), 1e-4f);
    Bild("9_mitteln_mit_sich");
    QTest::mouseClick(mitteln.cmdMitteln, Qt::LeftButton);
    ASSERT_EQ(gCalc->Punkte(), static_cast<int32_t>(roh.size()));
    for (int32_t i = 1; i <= gCalc->Punkte(); ++i) ASSERT_EQ(gCalc->Y(i), roh[size_t(i - 1)]) << "point " << i;
    EXPECT_TRUE(Panels_Gezeigt().empty());

    // "Weiter" folds, and the keys work at once: X moves the fold.
    Drueck(23);
    ASSERT_EQ(gSchritt, ST_Gefaltet);
    EXPECT_TRUE(pruefen::Fokus_Im_Diagramm(Diagramm()));
    const float falte = gCalc->X_Shifted(1, true);
    pruefen::Taste_Tippen(*gfrmMain, Qt::Key_X);
    EXPECT_NEAR(gCalc->X_Shifted(1, true) - falte, 0.1f, 1e-4f);
    Bild("10_gefaltet");
}

TEST_F(NeuerNutzerTest, TheDemonstrationIkChosenAgainBeforeAnyGrStaysAndShowsItsLowKFit)
{
    gfrmMain->mnuDemoIK->trigger();
    ASSERT_EQ(gSchritt, ST_IK);
    ASSERT_EQ(gGR->Punkte(), 0);
    const std::vector<float> demo = IK_Werte();
    Drueck(15);
    ASSERT_EQ(gSchritt, ST_IK);
    EXPECT_EQ(IK_Werte(), demo) << "nothing to transform back: the I(K) stays";
    EXPECT_EQ(Panels_Gezeigt(), std::vector<QWidget*>{gfrmMain->conFTR1});
    EXPECT_EQ(Wert(), Wertanzeige(KT_IK));
    EXPECT_GE(gIK->Parabel_Index(), 2);
    EXPECT_EQ(Zeile_Mit(gLanguage->Caption(54)).find('-'), std::string::npos) << Wert();
    // In English the deviation and "Parabola" stay two words.
    gfrmMain->mnuLang_Click(3);
    EXPECT_NE(Wert().find("Deviation Parabola/I(K): "), std::string::npos) << Wert();
    Bild("demo_ik_english");
    gfrmMain->mnuLang_Click(0);

    // Smoothing opens in place of the Fourier panel, which comes back after its OK.
    gfrmMain->mnuKurveGlaetten->trigger();
    EXPECT_EQ(Panels_Gezeigt(), std::vector<QWidget*>{gfrmMain->conSmoothing1});
    Bild("demo_ik_glaetten");
    QTest::mouseClick(gfrmMain->conSmoothing1->cmdOK, Qt::LeftButton);
    EXPECT_EQ(Panels_Gezeigt(), std::vector<QWidget*>{gfrmMain->conFTR1});
    Bild("demo_ik_geglaettet");
}
