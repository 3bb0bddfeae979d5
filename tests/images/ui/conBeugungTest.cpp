#include "images/ui/conBeugung.h"

#include "../../mainwindow/ui/MainWindowFixture.h"
#include "core/clsCommon.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "images/Kalibrierung.h"
#include "images/ui/Bildfeld.h"
#include "materials/ui/frmSettings.h"
#include "mainwindow/ui/frmMain.h"
#include "support/TestBilder.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include <cmath>

namespace {

constexpr int32_t kMx = 200;
constexpr int32_t kMy = 150;

uint32_t Ringbild(int32_t x, int32_t y)
{
    const double r = std::nearbyint(std::hypot(x - kMx, y - kMy));
    return Grau(r == 40 ? 220 : r == 80 ? 180 : 60);
}

}

class BeugungTest : public MainWindowFixture {
protected:
    // Opens datei as a new project; ja answers the picture question (Yes: diffraction image).
    conBeugung& Oeffnen(const std::string& datei, bool ja = true)
    {
        seam.dialogAnswers = {(env.Root() / datei).string()};
        seam.answers = {ja ? zelo::MsgResult::Yes : zelo::MsgResult::No};
        gfrmMain->resize(900, 640);
        gfrmMain->mnuNeuesProjekt->trigger();
        return *gfrmMain->conBeugung1;
    }
    void Ring(conBeugung& panel, double r, double mx = kMx, double my = kMy)
    {
        panel.pic_MouseDown(mx, my - r);
        panel.pic_MouseDown(mx + r, my);
        panel.pic_MouseDown(mx, my + r);
    }
    // The project settings window that opens next is accepted or cancelled.
    void Einstellungen(bool annehmen)
    {
        auto* warten = new QTimer(gfrmMain);
        QObject::connect(warten, &QTimer::timeout, [warten, annehmen] {
            auto* settings = qobject_cast<frmSettings*>(QApplication::activeModalWidget());
            if (!settings) return;
            warten->deleteLater();
            if (annehmen) settings->cmdOK->Click();
            else settings->reject();
        });
        warten->start(5);
    }
    // The panel as <build>/images/beugung_<name>.png, for a look.
    void Foto(conBeugung& panel, const QString& name)
    {
        const QString ordner = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../images");
        QDir().mkpath(ordner);
        EXPECT_TRUE(panel.grab().save(ordner + "/beugung_" + name + ".png"));
    }
    // Presses "Spektrum berechnen" and answers the settings window that follows.
    std::vector<float> Berechnen(conBeugung& panel, bool annehmen)
    {
        Einstellungen(annehmen);
        panel.cmdCalc->Click();
        std::vector<float> y;
        for (int32_t i = 1; i <= panel.Kurve_Punkte(); ++i) y.push_back(panel.Kurve_Y(i));
        return y;
    }
};

TEST_F(BeugungTest, NewImageProjectShowsThePanelInsteadOfTheSettings)
{
    Bild_Schreiben(env.Root() / "ringe.png", 400, 300, Ringbild);
    conBeugung& panel = Oeffnen("ringe.png");
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(panel.Label5->text(), "FreeImage.dll");
    EXPECT_EQ(panel.lblCalibration->text(), "CF = C/1E6 *2Pi = 0.187239 1/(Pixel nm)");
    panel.txtUmrechnung->setText("kein Wert");
    EXPECT_NEAR(panel.CF(), 0.187239f, 1e-6f) << "the previous CF stays";
    EXPECT_TRUE(panel.lblImage->text().contains("400 Pixel"));
    panel.optBild_Click(0);
    Foto(panel, "bild");

    panel.pic_MouseMove(240, 150);
    EXPECT_TRUE(panel.lblPunkt->text().startsWith(" 240 - 150\n (K ~ ")) << panel.lblPunkt->text().toStdString();
    EXPECT_TRUE(panel.lblPunkt->text().endsWith("Graustufe: 220"));

    for (int k = 0; k < 21; ++k) Ring(panel, 20 + k);
    EXPECT_EQ(panel.lstKreise->count(), 20);
    EXPECT_EQ(panel.Label1->text(), "Ringe (20)");
}

TEST_F(BeugungTest, RingsAndTheRadialAverageStartAnImageProjectAtStepSix)
{
    Bild_Schreiben(env.Root() / "ringe.png", 400, 300, Ringbild);
    conBeugung& panel = Oeffnen("ringe.png");
    Ring(panel, 40);
    Ring(panel, 80);
    EXPECT_FLOAT_EQ(panel.Mittelpunkt_X(), kMx);
    EXPECT_FLOAT_EQ(panel.Mittelpunkt_Y(), kMy);
    EXPECT_TRUE(panel.lblMittelpunkt->text().startsWith("X = 200\nY = 150\nKmax ~ 37.45"));
    Foto(panel, "ringe");

    const std::vector<float> erste = Berechnen(panel, false);
    ASSERT_EQ(erste.size(), 299u);
    EXPECT_EQ(Berechnen(panel, true), erste) << "the bitmap stays for a second computation";

    EXPECT_EQ(gSchritt, 6);
    EXPECT_FALSE(panel.isVisible());
    const float cf = CF_Aus_Text("29800", 0.0f);
    EXPECT_FLOAT_EQ(gCalc->Schrittweite(), cf);
    int32_t plateauEnde = 1;
    while (plateauEnde < gCalc->Punkte() && gCalc->Y(plateauEnde + 1) == gCalc->Y(1)) ++plateauEnde;
    EXPECT_NEAR(gCalc->x(plateauEnde), 40 * cf, 1e-4) << "first peak at R·CF";
}

TEST_F(BeugungTest, ATraceTakenOverStartsAPictureProject)
{
    Bild_Schreiben(env.Root() / "kurve.png", 200, 100, [](int32_t x, int32_t y) { return y == 60 + x / 20 ? 0u : Grau(255); });
    conBeugung& panel = Oeffnen("kurve.png", false);
    EXPECT_TRUE(panel.optBild[2]->isVisible());
    EXPECT_FALSE(panel.optBild[1]->isVisible());
    panel.chkDigit->setValue(true);
    panel.pic_MouseDown(0, 60);
    EXPECT_EQ(panel.lblDigitPunkte->text(), "199 Punkte digitalisiert");
    Foto(panel, "digital");
    Einstellungen(true);
    panel.cmdUebernehmen->Click();
    EXPECT_EQ(gCommon->ProjektTyp(), PT_Bild_Digitalisieren);
    EXPECT_GT(gCalc->Punkte(), 100);
    EXPECT_FALSE(panel.isVisible());
}
