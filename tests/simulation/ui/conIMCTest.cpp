// The simulation panel on the demonstration experiment: what the load shows, the run's buttons and
// times, and the file dialog that is cancelled.
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "graphics/conDisplay.h"
#include "simulation/ui/conIMC.h"
#include "simulation/ui/frmMD.h"
#include "support/ui/UiTestWorld.h"
#include "support/ui/Bildschirmfoto.h"
#include "widgets/fxbutton.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QThread>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>


class conIMCTest : public ::testing::Test, protected UiTestWorld {
protected:
    void SetUp() override
    {
        panel.resize(1000, 600);
        panel.show();
        panel.Uhr = [this] { return jetzt; };
    }
    static void Bild(QWidget& fenster, const QString& name) { foto::Ablegen(fenster, "simulation/" + name); }
    // Lets the window's events run until fertig() holds; false after a minute.
    template <class Bedingung>
    static bool Warten(Bedingung fertig)
    {
        QElapsedTimer uhr;
        uhr.start();
        while (!fertig()) {
            if (uhr.elapsed() > 60000) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(2);
        }
        return true;
    }

    QDateTime jetzt = QDateTime(QDate(2026, 1, 5), QTime(10, 0, 0));
    conIMC panel;
};

TEST_F(conIMCTest, DemonstrationLoadShowsTheBox)
{
    EXPECT_FALSE(panel.Command2->isEnabled());
    panel.cmdIKladen_Click(0);
    // The set-up runs on the worker.
    ASSERT_TRUE(Warten([this] { return !panel.Beschaeftigt(); }));
    EXPECT_EQ(panel.lblDichte->text(), "Dichte: 46 1/nm³");
    EXPECT_TRUE(panel.lblLaenge->text().startsWith("Boxlänge: 2.2151")) << panel.lblLaenge->text().toStdString();
    EXPECT_EQ(panel.lblAtome->text(), "500 insges.");
    EXPECT_TRUE(panel.Command2->isEnabled());
}

TEST_F(conIMCTest, RunsAddUpTheirTimes)
{
    panel.cmdIKladen_Click(0);
    ASSERT_TRUE(Warten([this] { return !panel.Beschaeftigt(); }));
    // A long pause, so that no cycle of the run's own comes between the one asked for and the stop.
    panel.HScroll1->setValue(1000);
    panel.Simulation_Starten();
    EXPECT_TRUE(panel.Laeuft());
    EXPECT_FALSE(panel.Command2->isEnabled()) << "a second start cannot enter the run";
    panel.Zyklus();
    ASSERT_TRUE(Warten([this] { return panel.lblZyklus->text() == "Zyklus: 1"; }));
    Bild(panel, "conIMC_Lauf.png");
    jetzt = jetzt.addSecs(65);
    panel.Simulation_Stoppen();
    EXPECT_EQ(panel.lblStop->text(), "Simulation beendet um 10:01:05, Dauer (Gesamt)00:01:05");
    panel.Simulation_Starten();
    jetzt = jetzt.addSecs(10);
    panel.Simulation_Stoppen();
    EXPECT_EQ(panel.lblStop->text(), "Simulation beendet um 10:01:15, Dauer (Gesamt)00:01:15");
    EXPECT_EQ(panel.lblZyklus->text(), "Zyklus: 1");
}

TEST_F(conIMCTest, ANewLoadStartsFromACleanBestState)
{
    panel.txtAtome->setText("3");
    panel.cmdIKladen_Click(0);
    ASSERT_TRUE(Warten([this] { return !panel.Beschaeftigt(); }));
    panel.HScroll1->setValue(0);
    panel.Simulation_Starten();
    ASSERT_TRUE(Warten([this] { return panel.Bild().zyklus >= 5; }));
    panel.Simulation_Stoppen();
    ASSERT_GT(panel.Modell().Bester_Zyklus(), 0);

    // The same experiment again: nothing of the run before is the best state of the new one.
    panel.cmdIKladen_Click(0);
    ASSERT_TRUE(Warten([this] { return !panel.Beschaeftigt(); }));
    EXPECT_EQ(panel.Modell().Bester_Zyklus(), 0);
    EXPECT_EQ(panel.Bild().besterZyklus, 0);
    EXPECT_TRUE(panel.lblBester->text().isEmpty());
    const std::vector<AtomRecord> geladen = panel.Bild().atome;
    const auto gleich = [](const std::vector<AtomRecord>& a, const std::vector<AtomRecord>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const AtomRecord& p, const AtomRecord& q) {
            return p.x == q.x && p.y == q.y && p.z == q.z;
        });
    };
    // A stop before the first cycle shows the atoms as loaded.
    panel.HScroll1->setValue(1000);
    panel.Simulation_Starten();
    panel.Simulation_Stoppen();
    EXPECT_TRUE(gleich(panel.Bild().atome, geladen)) << "Stop shows the new experiment's atoms";
    EXPECT_TRUE(panel.lblBester->text().isEmpty());

    panel.Zyklus();
    ASSERT_TRUE(Warten([this] { return !panel.Beschaeftigt(); }));
    EXPECT_EQ(panel.Modell().Bester_Zyklus(), 1);
    EXPECT_EQ(panel.lblBester->text(), QString::fromStdString(gLanguage->Caption(570)) + " 1");
    const std::vector<AtomRecord> nachZyklus1 = panel.Bild().atome;
    panel.Simulation_Starten();
    panel.Simulation_Stoppen();
    EXPECT_EQ(panel.lblBester->text(), QString::fromStdString(gLanguage->Caption(571)) + " 1");
    EXPECT_TRUE(gleich(panel.Bild().atome, nachZyklus1));
}

TEST_F(conIMCTest, TheSKPictureIsThereOnEveryDrawnCycle)
{
    panel.txtAtome->setText("3");
    panel.txtAktualisieren->setText("2");
    panel.cmdIKladen_Click(0);
    ASSERT_TRUE(Warten([this] { return !panel.Beschaeftigt(); }));
    // A run stopped before its first cycle; the cycles after it are drawn one by one.
    panel.HScroll1->setValue(1000);
    panel.Simulation_Starten();
    panel.Simulation_Stoppen();
    for (int32_t zyklus = 1; zyklus <= 3; ++zyklus) {
        panel.Zyklus();
        ASSERT_TRUE(Warten([this] { return !panel.Beschaeftigt(); }));
        ASSERT_EQ(panel.Bild().zyklus, zyklus);
        const std::vector<float>& sk = panel.Bild().SK;
        EXPECT_EQ(sk.size(), 1000u) << "cycle " << zyklus;
        EXPECT_TRUE(std::all_of(sk.begin(), sk.end(), [](float s) { return std::isfinite(s); })) << "cycle " << zyklus;
    }
    Bild(panel, "conIMC_SK_Zyklus3.png");
}

TEST_F(conIMCTest, AStopBeforeTheFirstCycleShowsNoSimulatedStructureFactor)
{
    panel.txtAtome->setText("3");
    panel.cmdIKladen_Click(0);
    ASSERT_TRUE(Warten([this] { return !panel.Beschaeftigt(); }));
    const QImage geladen = panel.conDisplay_sk->grab().toImage();
    // A long pause: the stop comes before the run's first cycle.
    panel.HScroll1->setValue(1000);
    panel.Simulation_Starten();
    panel.Simulation_Stoppen();
    EXPECT_EQ(panel.Bild().zyklus, 0);
    EXPECT_TRUE(panel.Bild().SK.empty());
    EXPECT_TRUE(panel.conDisplay_sk->grab().toImage() == geladen) << "the experiment's i(K) alone, as loaded";
    Bild(panel, "conIMC_Stopp_vor_Zyklus.png");

    // After a cycle, a stop shows the S(K) of the state it leaves.
    panel.Zyklus();
    ASSERT_TRUE(Warten([this] { return !panel.Beschaeftigt(); }));
    panel.Simulation_Starten();
    panel.Simulation_Stoppen();
    EXPECT_EQ(panel.Bild().SK.size(), 1000u);
    EXPECT_FALSE(panel.conDisplay_sk->grab().toImage() == geladen);
    Bild(panel, "conIMC_Stopp_nach_Zyklus.png");
}

TEST_F(conIMCTest, CancelledOpenDialogChangesNothing)
{
    panel.cmdIKladen_Click(0);
    ASSERT_TRUE(Warten([this] { return !panel.Beschaeftigt(); }));
    const int32_t typ = gCommon->ProjektTyp();
    panel.cmdIKladen_Click(1);
    EXPECT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(panel.lblAtome->text(), "500 insges.");
    EXPECT_EQ(gCommon->ProjektTyp(), typ);
    EXPECT_TRUE(seam.messages.empty());
}

TEST(frmMDTest, RunNeedsAConfigurationAndListsOneStep)
{
    UiTestWorld welt;
    frmMD fenster;
    fenster.show();
    EXPECT_FALSE(fenster.Command2->isEnabled());
    fenster.txtAtome->setText("2");
    fenster.Cluster_Erzeugen();
    EXPECT_EQ(fenster.txtDichte->text(), "20,954");
    EXPECT_TRUE(fenster.Command2->isEnabled());
    fenster.Schritt();
    fenster.Schritt();
    EXPECT_EQ(fenster.List1->count(), 32);
    foto::Ablegen(fenster, "simulation/frmMD.png");
}
