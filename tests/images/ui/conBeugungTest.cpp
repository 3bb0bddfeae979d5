#include "images/ui/conBeugung.h"

#include "../../mainwindow/ui/MainWindowFixture.h"
#include "core/NumberFormat.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "images/Kalibrierung.h"
#include "images/ui/Bildfeld.h"
#include "materials/ui/frmSettings.h"
#include "mainwindow/clsSchritte.h"
#include "mainwindow/ui/frmMain.h"
#include "support/TestBilder.h"
#include "support/ui/Hauptfensterbedienung.h"
#include "support/ui/Bildschirmfoto.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QElapsedTimer>
#include <QTest>
#include <QPointer>
#include <QTimer>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>

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
    // Opens datei as a new project; ja answers the picture question (Yes: diffraction image). The
    // picture is decoded on a worker and follows, waited for unless abwarten is false.
    conBeugung& Oeffnen(const std::string& datei, bool ja = true, bool abwarten = true)
    {
        seam.dialogAnswers = {(env.Root() / datei).string()};
        seam.answers = {ja ? zelo::MsgResult::Yes : zelo::MsgResult::No};
        gfrmMain->resize(900, 640);
        gfrmMain->mnuNeuesProjekt->trigger();
        if (abwarten) {
            EXPECT_TRUE(bedienung::Bild_Abwarten());
        }
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
    // The panel, or the window, as the screenshot images/beugung_<name>.png, for a look.
    void Foto(QWidget& panel, const QString& name) { foto::Ablegen(panel, "images/beugung_" + name + ".png"); }
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

    // Without a ring there is no centre to average about: one message, nothing computed, and no
    // settings window (one that opened all the same is cancelled).
    Einstellungen(false);
    seam.messages.clear();
    panel.cmdCalc->Click();
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, gLanguage->Caption(549));
    EXPECT_EQ(panel.Kurve_Punkte(), 0);
    EXPECT_TRUE(panel.isVisible());
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
    panel.pic_MouseMove(kMx, kMy + 40);
    Ring(panel, 40);
    EXPECT_TRUE(panel.lblPunkt->text().contains("(K ~ " + QString::fromStdString(FixedText(40 * panel.CF(), 2))))
        << "the third click reads K from the ring's centre: " << panel.lblPunkt->text().toStdString();
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

TEST_F(BeugungTest, APictureChosenWhileTheRadialAverageRunsIsRefusedWithAMessage)
{
    Bild_Schreiben(env.Root() / "ringe.png", 400, 300, Ringbild);
    Bild_Schreiben(env.Root() / "andere.png", 100, 80, Ringbild);
    conBeugung& panel = Oeffnen("ringe.png");
    Ring(panel, 40);
    seam.messages.clear();
    // The scan lets window events through from its start on: the user chooses another picture.
    bool rechnete = false;
    QTimer::singleShot(0, [&] {
        rechnete = panel.Rechnet();
        Oeffnen("andere.png", true, false);
    });
    Berechnen(panel, false);
    ASSERT_TRUE(rechnete);
    ASSERT_EQ(seam.messages.size(), 2u) << "the picture question, then the refusal";
    EXPECT_EQ(seam.messages[1].text, gLanguage->Caption(673));
    EXPECT_FALSE(panel.Laedt()) << "no load under the running scan";
    EXPECT_EQ(panel.pic->size(), QSize(400, 300)) << "the picture of the average stays";
    EXPECT_TRUE(gfrmMain->isEnabled()) << "the window takes input";
    EXPECT_EQ(gCommon->Dateiname_Rohdaten(), (env.Root() / "ringe.png").string());
}

TEST_F(BeugungTest, AnAverageWhosePictureProjectWasGivenUpMeanwhileEndsWithoutTakingAnything)
{
    Bild_Schreiben(env.Root() / "ringe.png", 400, 300, Ringbild);
    const auto spektrum = env.Root() / "probe.dat";
    std::ofstream(spektrum, std::ios::binary) << "-1 100 5\r\n0 100 1\r\n1 100 5\r\n2 100 9\r\n";
    conBeugung& panel = Oeffnen("ringe.png");
    Ring(panel, 40);
    // Every settings window is accepted and counted, so that one opened at the average's end
    // cannot hang the test.
    int32_t fenster = 0;
    QTimer annehmen;
    QObject::connect(&annehmen, &QTimer::timeout, [&fenster, letztes = QPointer<frmSettings>()]() mutable {
        auto* settings = qobject_cast<frmSettings*>(QApplication::activeModalWidget());
        if (!settings) return;
        if (settings != letztes) {
            ++fenster;
            letztes = settings;
        }
        settings->cmdOK->Click();
    });
    annehmen.start(5);
    // The scan lets window events through: the user starts a raw spectrum as the next project.
    QTimer::singleShot(0, [&] {
        seam.dialogAnswers = {spektrum.string()};
        gfrmMain->mnuNeuesProjekt->trigger();
    });
    panel.cmdCalc->Click();
    ASSERT_EQ(gCommon->Dateiname_Rohdaten(), spektrum.string());
    EXPECT_EQ(fenster, 1) << "only the new project's settings window";
    EXPECT_EQ(gSchritt, ST_Rohdaten);
    EXPECT_EQ(panel.Kurve_Punkte(), 0) << "the picture went with its project";
    EXPECT_FALSE(panel.isVisible());
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

TEST_F(BeugungTest, ALargePictureIsDecodedWhileTheWindowAnswersAndShownWithoutACopy)
{
    // 4096 x 4096 pixels with rings about the middle.
    Bild_Schreiben(env.Root() / "gross.png", 4096, 4096, [](int32_t x, int32_t y) {
        return Grau(static_cast<int32_t>(std::hypot(x - 2048, y - 2048)) % 200 < 20 ? 224 : 48);
    });
    gfrmMain->show();
    // A timer of 10 ms on the window thread: the longest time between two of its ticks.
    QElapsedTimer uhr;
    uhr.start();
    qint64 letzter = 0;
    qint64 laengste = 0;
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&] {
        laengste = std::max(laengste, uhr.elapsed() - letzter);
        letzter = uhr.elapsed();
    });
    takt.start(10);
    QTest::qWait(50);
    laengste = 0;
    letzter = uhr.elapsed();
    conBeugung& panel = Oeffnen("gross.png", true, false);
    EXPECT_TRUE(panel.Laedt());
    // The window shows that it waits for the picture, and takes no input meanwhile.
    EXPECT_FALSE(gfrmMain->isEnabled());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Foto(*gfrmMain, "wartet");
    ASSERT_TRUE(bedienung::Bild_Abwarten());
    EXPECT_TRUE(gfrmMain->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // The first drawing of the picture counts too.
    QTest::qWait(100);
    takt.stop();
    std::cout << "longest pause of the window while opening a picture of 4096 x 4096 pixels: " << laengste << " ms"
              << std::endl;
    RecordProperty("longest_pause_ms", static_cast<int>(laengste));
    EXPECT_LT(laengste, 2000) << "a sanity bound only";

    EXPECT_TRUE(panel.lblImage->text().contains("4096 Pixel"));
    EXPECT_EQ(panel.pic->size(), QSize(4096, 4096));
    // The window shows the library's own pixels, drawn turned over, not a copy of them.
    EXPECT_EQ(panel.pic->Bild().constBits(), panel.Bild()->Zeilen().bits);
    panel.pic_MouseMove(2048 + 10, 2048);
    EXPECT_TRUE(panel.lblPunkt->text().endsWith("Graustufe: 224")) << panel.lblPunkt->text().toStdString();
    Foto(panel, "gross");
}

TEST_F(BeugungTest, ASecondPictureOpenedWhileTheFirstDecodesIsTheOneShownAndAShownPictureOutlivesTheProject)
{
    Bild_Schreiben(env.Root() / "gross.png", 3000, 3000, [](int32_t x, int32_t y) { return static_cast<uint32_t>(x * 97 + y); });
    Bild_Schreiben(env.Root() / "ringe.png", 400, 300, Ringbild);
    conBeugung& panel = Oeffnen("gross.png", true, false);
    // Meanwhile there is no picture to act on: clicks do nothing, the picture's buttons are off.
    EXPECT_EQ(panel.Bild(), nullptr);
    Ring(panel, 40);
    EXPECT_EQ(panel.lstKreise->count(), 0);
    EXPECT_FALSE(panel.cmdCalc->isEnabled());
    EXPECT_FALSE(panel.cmdGrau->isEnabled());
    Oeffnen("ringe.png");
    EXPECT_EQ(panel.pic->size(), QSize(400, 300));
    EXPECT_TRUE(panel.cmdCalc->isEnabled());
    EXPECT_TRUE(panel.lblImage->text().contains("400 Pixel"));
    QTest::qWait(50);
    EXPECT_EQ(panel.pic->size(), QSize(400, 300)) << "the first picture never shows";

    // A copy of what the window showed keeps its pixels after the panel let the picture go.
    const QImage gezeigt = panel.pic->Bild();
    panel.Clear();
    EXPECT_EQ(panel.Bild(), nullptr);
    EXPECT_EQ(qGray(gezeigt.pixel(kMx + 40, 300 - 1 - kMy)), 220);
}

TEST_F(BeugungTest, WithoutAPictureThePictureButtonsAreOff)
{
    // A picture whose pixel data end halfway, in both kinds of image project.
    Bild_Schreiben(env.Root() / "ganz.bmp", 400, 300, Ringbild);
    std::filesystem::copy_file(env.Root() / "ganz.bmp", env.Root() / "halb.bmp");
    std::filesystem::resize_file(env.Root() / "halb.bmp", std::filesystem::file_size(env.Root() / "ganz.bmp") / 2);
    const auto aus = [](conBeugung& panel) {
        for (fxbutton* knopf : {panel.cmdCalc, panel.cmdGrau, panel.cmdInvert, panel.cmdUebernehmen})
            EXPECT_FALSE(knopf->isEnabled()) << knopf->Caption().toStdString();
    };
    for (const bool beugung : {true, false}) {
        SCOPED_TRACE(beugung ? "diffraction image" : "picture to digitise");
        seam.messages.clear();
        conBeugung& panel = Oeffnen("halb.bmp", beugung);
        // The picture question, then the refusal: its reason and the file, as any file refused.
        ASSERT_EQ(seam.messages.size(), 2u) << "the refused file is reported";
        EXPECT_EQ(seam.messages[1].text, "Bild kann nicht gelesen werden. " + gLanguage->Caption(547) + "\r\n" +
                                             (env.Root() / "halb.bmp").string());
        EXPECT_EQ(seam.errorWindows, 0) << "no internal error";
        EXPECT_EQ(panel.Bild(), nullptr) << "a refused picture is not taken";
        EXPECT_FALSE(panel.isVisible()) << "nor shown";
        aus(panel);
        // A click on a button that is off reaches nothing: no message about the image library.
        seam.messages.clear();
        panel.optBild_Click(beugung ? 1 : 2);
        QTest::mouseClick(beugung ? panel.cmdCalc : panel.cmdUebernehmen, Qt::LeftButton);
        panel.optBild_Click(0);
        QTest::mouseClick(panel.cmdGrau, Qt::LeftButton);
        EXPECT_TRUE(seam.messages.empty());
    }

    // The whole picture brings them back; a new project without a picture takes them away again.
    conBeugung& panel = Oeffnen("ganz.bmp");
    EXPECT_TRUE(panel.cmdCalc->isEnabled());
    EXPECT_TRUE(panel.cmdGrau->isEnabled());
    panel.Clear();
    aus(panel);
}
