// A new user's session of three projects on the installed element database, by clicks and keys:
// a raw spectrum of an alloy of two solid elements with the density the settings window offers, then
// the demonstration I(K), then another raw spectrum. On the way the traps of such a session must
// not be met: a density kind without a value, an I(K) refused and entered all the same, a density
// line that gives a negative density, a demonstration with the previous project's figures or a
// "Weiter" that knows no next step, values that are not current, a preview left from the last
// project, and a damping that the list shows but G(r) does not get.
#include "mainwindow/ui/frmMain.h"

#include "mainwindow/Legierungsprobe.h"
#include "analysis/Daempfung.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/KurvenTyp.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/modStartup.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "curves/ui/frmMittel.h"
#include "graphics/Vorschau.h"
#include "graphics/frmSmall.h"
#include "mainwindow/Wertanzeige.h"
#include "materials/clsMFE.h"
#include "materials/ui/frmChangeLeg.h"
#include "materials/ui/frmSettings.h"
#include "panels/conFT_AI.h"
#include "panels/conFTR.h"
#include "panels/conFit.h"
#include "panels/conUG.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"
#include "support/ui/Hauptfensterbedienung.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

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

    // The alloy menu's dialog for component 1 takes the density text.
    static void Dichte_Im_Legierungsmenue(const QString& dichte)
    {
        Wenn_Modal<frmChangeLeg>([dichte](frmChangeLeg& d) {
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
            if (auto* dialog = qobject_cast<frmMittel*>(QApplication::activeModalWidget()))
                QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
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
    static void Bild(const std::string& name, QWidget* fenster = nullptr)
    {
        QCoreApplication::processEvents();
        EXPECT_TRUE((fenster ? fenster : gfrmMain.data())->grab().save(QString::fromStdString("neuer_nutzer_" + name + ".png")));
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
    // The damping is chosen once, as a user does.
    Auswaehlen(gfrmMain->conFTR1->cmbDaempfung, int(DA_Lorch));
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
    EXPECT_EQ(QApplication::focusWidget(), gfrmMain->conDisplay[0]) << "the keys go to the diagram";

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

    // After the automatic transform the label shows the density and deviation it ended with.
    Drueck(20);
    ASSERT_TRUE(gfrmMain->conFT_AI1->isVisible());
    QTest::mouseClick(gfrmMain->conFT_AI1->cmdStart, Qt::LeftButton);
    ASSERT_NE(gMFE->Dichte_Experimentell(), dichte) << "the run moved the density line";
    EXPECT_GT(gMFE->Dichte_Experimentell(), 0.0f);
    EXPECT_EQ(Wert(), Wertanzeige(KT_GR));
    EXPECT_NE(Wert(), werte);
    Bild("4_auto_ftr");
    Drueck(20);

    // Back to the background and on: the new I(K) is damped as the list, untouched, shows.
    seam.answers = {zelo::MsgResult::Yes};
    Drueck(14);
    ASSERT_EQ(gSchritt, ST_UG);
    Drueck(15);
    ASSERT_EQ(gSchritt, ST_IK);
    EXPECT_EQ(gfrmMain->conFTR1->cmbDaempfung->currentData().toInt(), int(DA_Lorch));
    EXPECT_TRUE(Gedaempft_Wie_Die_Liste(gfrmMain->conFTR1->cmbDaempfung));
    Drueck(16);
    Drueck(19);
    ASSERT_EQ(colSmall.size(), 1u);

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
    Bild("6_demo_gr");
    EXPECT_FALSE(Tool(23).isEnabled());
    Drueck(17);
    EXPECT_EQ(gSchritt, ST_KZ);
    EXPECT_EQ(Meldungen_Mit("nicht definiert"), 0u);
    EXPECT_TRUE(seam.messages.empty());
    Bild("7_demo_nc");

    // ---- 3: another raw spectrum of the alloy, with the rows the settings window restores.
    seam.answers = {zelo::MsgResult::No};
    Neues_Projekt("cuzr2", [](frmSettings& w) {
        for (size_t i = 0; i < 2; ++i)
            EXPECT_EQ(w.cmbElement[i]->currentText().toStdString(), Legierungsprobe::kSymbole[i]);
        w.Text1->setText("1");
        w.Option1[1]->click();
    });
    ASSERT_EQ(gSchritt, ST_Rohdaten);
    EXPECT_TRUE(Tool(23).isEnabled());
    EXPECT_EQ(Wert(), "");
    EXPECT_EQ(gMFE->Dichte_Experimentell(), 0.0f);
    EXPECT_NEAR(gMFE->Dichte_Theoretisch(), probe.rho, 1e-3 * probe.rho);
    Bild("8_rohspektrum");
}
