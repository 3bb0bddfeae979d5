// The step keys work at once after each step a user takes with the mouse: "Weiter" (which disables
// itself and would hand the keyboard to an axis-limit box), the averaging dialog and the click that
// sets the separation point leave the keyboard on the diagram, and a letter typed next acts.
#include "mainwindow/ui/frmMain.h"

#include "mainwindow/Kohlenstoffprobe.h"
#include "analysis/clsUntergrund.h"
#include "core/clsCommon.h"
#include "core/modCommon.h"
#include "core/ui/modStartup.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "curves/ui/frmMittel.h"
#include "mainwindow/modProjektEinstellungen.h"
#include "panels/conFit.h"
#include "panels/conUG.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"
#include "support/ui/Fensterpruefungen.h"
#include "support/ui/Hauptfensterbedienung.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <random>

using namespace bedienung;

namespace {

class TastenNachSchrittenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Main({.waitMs = 0});
        gfrmMain->resize(1200, 800);
        gfrmMain->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(gfrmMain));
        probe = Kohlenstoffprobe::AusDatenbank();
        gCommon->Set_Dateiname(probe.Rohspektrum(env.Root() / "probe.dat", zufall));
        Projekteinstellungen_Uebernehmen(Kohlenstoffprobe::Einstellungen(env.Root().string() + "/"));
    }
    void TearDown() override { Sitzung_Beenden(); }
    // Where the keyboard is, for the message of a failed check.
    static std::string Fokus()
    {
        const QWidget* w = gfrmMain->focusWidget();
        return w ? w->metaObject()->className() : "nothing";
    }

    TempEnvironment env;
    RecordingSeam seam;
    Kohlenstoffprobe probe;
    std::mt19937_64 zufall{20261207};
};

}

TEST_F(TastenNachSchrittenTest, TheStepKeysWorkRightAfterWeiterTheAveragingAndTheSideFitClick)
{
    ASSERT_EQ(gSchritt, ST_Rohdaten);
    // A limit box used before: the user typed a zoom there.
    Diagramm().txtAchse[0]->setFocus();
    Drueck(23);
    ASSERT_EQ(gSchritt, ST_Gefaltet);
    EXPECT_TRUE(pruefen::Fokus_Im_Diagramm(Diagramm())) << Fokus();
    const float vorher = gCalc->X_Shifted(1, true);
    pruefen::Taste_Tippen(*gfrmMain, Qt::Key_X);
    EXPECT_NEAR(gCalc->X_Shifted(1, true) - vorher, 0.1f, 1e-4f) << "X moves the fold at once";
    EXPECT_EQ(Diagramm().txtAchse[0]->text().contains('x', Qt::CaseInsensitive), false) << "no letter in a limit box";

    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<frmMittel*>(QApplication::activeModalWidget()))
            QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    });
    Drueck(6);
    ASSERT_EQ(gSchritt, ST_JK);
    EXPECT_TRUE(pruefen::Fokus_Im_Diagramm(Diagramm())) << "after the averaging dialog: " << Fokus();

    Drueck(23);
    ASSERT_EQ(gSchritt, ST_Fit);
    EXPECT_TRUE(pruefen::Fokus_Im_Diagramm(Diagramm())) << "after Weiter to the side fit: " << Fokus();
    // The user clicked into a limit box meanwhile; the separation point is then clicked in the diagram.
    Diagramm().txtAchse[3]->setFocus();
    Klick(Bei(10.1f, gCalc->Y(101)));
    ASSERT_TRUE(gfrmMain->conFit1->isVisible());
    EXPECT_TRUE(pruefen::Fokus_Im_Diagramm(Diagramm())) << "after the side-fit click: " << Fokus();

    Seitenfit_Uebernehmen();
    ASSERT_EQ(gSchritt, ST_Fit_Fertig);
    Drueck(23);
    ASSERT_EQ(gSchritt, ST_UG);
    EXPECT_TRUE(pruefen::Fokus_Im_Diagramm(Diagramm())) << "after Weiter to the background: " << Fokus();
    for (const double K : Kohlenstoffprobe::kStuetzstellen) gUntergrund->Plus_Punkt(float(K), float(Kohlenstoffprobe::Untergrund(K)));
    gfrmMain->conUG1->Aktualisieren();
    // A button of the background panel had the keyboard; I hides the panel with it.
    gfrmMain->conUG1->cmdUG[2]->setFocus();
    pruefen::Taste_Tippen(*gfrmMain, Qt::Key_I);
    EXPECT_EQ(gSchritt, ST_IK) << "I computes I(K) at once";
    EXPECT_EQ(qobject_cast<QLineEdit*>(gfrmMain->focusWidget()), nullptr) << "no text field took the keyboard";
    pruefen::Taste_Tippen(*gfrmMain, Qt::Key_G);
    EXPECT_EQ(gSchritt, ST_GR) << "G goes on to G(r)";
}
