// The simulation panel stays answering while the worker sets up and runs a box of 32,000 atoms
// (20 cells per direction): the window's events go on, Stop ends the run in the middle of its cycle,
// and a stopped run shows its best state and says which cycle that is. How long the window pauses
// and how long Stop takes is measured by the benchmarks.
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "simulation/ui/conIMC.h"
#include "support/ui/UiTestWorld.h"
#include "support/ui/Bildschirmfoto.h"
#include "widgets/fxbutton.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

class conIMCArbeiterTest : public ::testing::Test, protected UiTestWorld {
protected:
    void SetUp() override
    {
        panel.resize(1000, 640);
        panel.show();
    }
    // Lets the window's events run until fertig() holds; false after two minutes.
    template <class Bedingung>
    static bool Warten(Bedingung fertig)
    {
        QElapsedTimer uhr;
        uhr.start();
        while (!fertig()) {
            if (uhr.elapsed() > 120000) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(2);
        }
        return true;
    }
    // Whether the window's events run while beschaeftigt() holds: a timer started now fires three
    // times before the work ends (a window held by the work would see it only afterwards).
    template <class Bedingung>
    static bool Antwortet_Waehrend(Bedingung beschaeftigt)
    {
        int takte = 0;
        QTimer takt;
        takt.setInterval(10);
        QObject::connect(&takt, &QTimer::timeout, [&] {
            if (beschaeftigt()) ++takte;
        });
        takt.start();
        return Warten([&] { return takte >= 3 || !beschaeftigt(); }) && takte >= 3;
    }

    conIMC panel;
};

TEST_F(conIMCArbeiterTest, TwentyCellsPerDirectionWindowAnswersAndStopEndsTheCycle)
{
    panel.txtAtome->setText("20");
    panel.cmdIKladen_Click(0);
    EXPECT_TRUE(panel.Beschaeftigt());
    EXPECT_FALSE(panel.cmdIKladen[0]->isEnabled()) << "no second set-up during the first";
    EXPECT_TRUE(Antwortet_Waehrend([this] { return panel.Beschaeftigt(); })) << "the window answers during the set-up";
    ASSERT_TRUE(Warten([this] { return !panel.Beschaeftigt(); }));
    ASSERT_EQ(panel.lblAtome->text(), "32000 insges.");

    panel.HScroll1->setValue(0);
    panel.Command2->Click();
    ASSERT_TRUE(panel.Laeuft());
    // A cycle of 32,000 atoms takes seconds; the window goes on answering meanwhile.
    EXPECT_TRUE(Antwortet_Waehrend([this] { return panel.Laeuft(); })) << "the window answers during the run";

    panel.Command3->Click();
    EXPECT_FALSE(panel.Laeuft());
    EXPECT_FALSE(panel.Beschaeftigt());
    EXPECT_TRUE(panel.Command2->isEnabled());
    EXPECT_EQ(panel.lblZyklus->text(), "Zyklus: 0") << "the cycle under way does not count";
    EXPECT_TRUE(panel.lblAktzeptiert->text().endsWith("zuletzt vor 0 Zyklen")) << panel.lblAktzeptiert->text().toStdString();
}

TEST_F(conIMCArbeiterTest, StoppedRunShowsItsBestCycle)
{
    panel.cmdIKladen_Click(0);
    ASSERT_TRUE(Warten([this] { return !panel.Beschaeftigt(); }));
    panel.HScroll1->setValue(0);
    panel.Command2->Click();
    ASSERT_TRUE(Warten([this] { return panel.Bild().zyklus >= 30; }));
    panel.Command3->Click();
    const int32_t bester = panel.Modell().Bester_Zyklus();
    ASSERT_GT(bester, 0);
    EXPECT_EQ(panel.lblBester->text(), QString::fromStdString(gLanguage->Caption(571)) + " " + QString::number(bester));
    EXPECT_EQ(panel.Bild().chi2, panel.Modell().Bestes_chi2());
    EXPECT_EQ(panel.Label13->text().toStdString().find("Convergenz: "), 0u);
    foto::Ablegen(panel, "simulation/conIMC_Bester.png");
}
