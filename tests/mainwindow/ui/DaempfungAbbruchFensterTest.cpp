// The damping follows the cut-off in the window, where a user meets it: Lorch chosen in the first
// project damps the second project's fresh I(K) up to its end; a right click then moves the cut-off,
// and the drawn I(K) and the value label are those of Lorch chosen after it, which the ".ik" file
// that Nc writes holds.
#include "mainwindow/ui/frmMain.h"

#include "mainwindow/Kohlenstoffprobe.h"
#include "analysis/Daempfung.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/KurvenTyp.h"
#include "core/clsCommon.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/modStartup.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "curves/ui/frmMittel.h"
#include "graphics/conDisplay.h"
#include "mainwindow/Wertanzeige.h"
#include "mainwindow/modProjektEinstellungen.h"
#include "mainwindow/modProjektStart.h"
#include "materials/clsMFE.h"
#include "materials/ui/frmSettings.h"
#include "panels/conFTR.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"
#include "support/TestWorld.h"
#include "support/ui/Hauptfensterbedienung.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <random>
#include <sstream>

using namespace bedienung;

namespace {

constexpr float kTrennstelleK = 10.1f;

class DaempfungAbbruchFensterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Main({.waitMs = 0});
        gfrmMain->resize(1200, 800);
        gfrmMain->show();
        QCoreApplication::processEvents();
        probe = Kohlenstoffprobe::AusDatenbank();
        gOptions->setKurveSpeichern(KT_IK, true);
    }
    void TearDown() override { Sitzung_Beenden(); }

    std::string Rohspektrum(const std::string& name) { return probe.Rohspektrum(env.Root() / name, zufall); }

    // From the raw spectrum by the step buttons to the fresh I(K) over the true background.
    static void Bis_IK()
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
        Drueck(23);
        ASSERT_EQ(gSchritt, ST_UG);
        for (const double K : Kohlenstoffprobe::kStuetzstellen)
            gUntergrund->Plus_Punkt(float(K), float(Kohlenstoffprobe::Untergrund(K)));
        Drueck(15);
        ASSERT_EQ(gSchritt, ST_IK);
    }

    static QImage Gezeichnet()
    {
        QCoreApplication::processEvents();
        return Diagramm().grab().toImage();
    }
    static void Bild(const std::string& name)
    {
        QCoreApplication::processEvents();
        const QString pfad = QCoreApplication::applicationDirPath() + "/../daempfung_abbruch_" +
                             QString::fromStdString(name) + ".png";
        EXPECT_TRUE(gfrmMain->grab().save(pfad));
    }
    // The values of a written curve file, one a line after its K.
    static std::vector<double> Gelesen(const std::filesystem::path& datei)
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
};

}

TEST_F(DaempfungAbbruchFensterTest, TheSecondProjectsCutOffTakesTheDampingWithIt)
{
    // ---- 1: Lorch is chosen once, as a user does.
    Neues_Projekt_Reset();
    gCommon->Set_Dateiname(Rohspektrum("erstes.dat"));
    Projekteinstellungen_Uebernehmen(Kohlenstoffprobe::Einstellungen(env.Root().string() + "/"));
    Bis_IK();
    Auswaehlen(gfrmMain->conFTR1->cmbDaempfung, int(DA_Lorch));

    // ---- 2: the fresh I(K) is damped by the list up to its end.
    Wenn_Modal<frmSettings>([](frmSettings& settings) { settings.cmdOK->Click(); });
    seam.dialogAnswers = {Rohspektrum("zweites.dat")};
    seam.answers = {zelo::MsgResult::No};
    gfrmMain->mnuNeuesProjekt->trigger();
    QCoreApplication::processEvents();
    ASSERT_EQ(gSchritt, ST_Rohdaten);
    Bis_IK();
    ASSERT_EQ(gIK->Daempfung(), DA_Lorch);
    const size_t meldungen = seam.messages.size();

    // The cut-off by a right click at four fifths of the range.
    Klick(Bei(gIK->x(gIK->Punkte()) * 0.8f), Qt::RightButton);
    const int32_t F = gIK->FTR_Index();
    ASSERT_NEAR(gIK->x(F), gIK->x(gIK->Punkte()) * 0.8f, 1.0f);
    EXPECT_EQ(seam.messages.size(), meldungen) << "Lorch follows any cut-off";
    EXPECT_EQ(gfrmMain->conFTR1->cmbDaempfung->currentData().toInt(), int(DA_Lorch));
    for (const auto form : {&clsIK::Y, &clsIK::Y_2, &clsIK::Y_RTR, &clsIK::Y_Wichtung})
        EXPECT_NEAR(((*gIK).*form)(F), 0.0, 1e-6) << "I(K) runs to 0 at the cut-off";
    EXPECT_EQ(gfrmMain->lblSS->text().toStdString(), Wertanzeige(KT_IK));
    const QImage bewegt = Gezeichnet();
    const std::string label = gfrmMain->lblSS->text().toStdString();
    // What a save writes into the ".ik" file.
    std::vector<float> werte;
    for (int32_t i = 1; i <= gIK->Punkte(); ++i) werte.push_back(gIK->Y_RTR(i));
    Bild("lorch_bei_80");

    // Lorch chosen anew after the cut-off: the same drawing and label.
    Auswaehlen(gfrmMain->conFTR1->cmbDaempfung, int(DA_Keine));
    Auswaehlen(gfrmMain->conFTR1->cmbDaempfung, int(DA_Lorch));
    EXPECT_TRUE(Gezeichnet() == bewegt) << "the drawn I(K) is Lorch's for the new cut-off";
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
