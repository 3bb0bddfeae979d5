// The main window's diagrams: their places in one- and two-diagram view, a started raw spectrum
// drawn in the main diagram, and tick labels of a zoomed G(r) that name their ticks.
#include "mainwindow/ui/frmMain.h"
#include "MainWindowFixture.h"

#include "core/KurvenTyp.h"
#include "core/clsCommon.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"
#include "mainwindow/modProjektStart.h"
#include "panels/conFTR.h"
#include "panels/conPeakTest.h"
#include "widgets/fxbutton.h"
#include "support/ui/Fensterpruefungen.h"
#include "support/ui/Hauptfensterbedienung.h"
#include "support/ui/Bildschirmfoto.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <fstream>

using MainDiagramTest = MainWindowFixture;

TEST_F(MainDiagramTest, TwoDiagramsShareTheHeightAboveThePanelFrame)
{
    gOptions->setAnsicht_2_Fenster(true);
    // Wider than the window's smallest size.
    gfrmMain->centralWidget()->resize(1200, 500);
    // (500 − 68 − 129) / 2 = 151.5 goes to the even 152.
    EXPECT_EQ(gfrmMain->conDisplay[1]->geometry(), QRect(0, 68, 1200, 152));
    EXPECT_EQ(gfrmMain->conDisplay[0]->geometry(), QRect(0, 220, 1200, 152));

    gOptions->setAnsicht_2_Fenster(false);
    gfrmMain->Toggle_2Fenster();
    EXPECT_TRUE(gfrmMain->conDisplay[1]->isHidden());
    EXPECT_EQ(gfrmMain->conDisplay[0]->geometry(), QRect(0, 68, 1200, 303));
}

TEST_F(MainDiagramTest, StartedRawSpectrumIsDrawnInTheMainDiagram)
{
    EXPECT_TRUE(gfrmMain->conDisplay[0]->isHidden()) << "no diagram before a project";
    const auto path = (env.Root() / "probe.dat").string();
    {
        std::ofstream file(path, std::ios::binary);
        for (int i = -200; i <= 200; ++i) file << i * 0.1 << " 100 " << 1000 + i * i << "\r\n";
    }
    Neues_Projekt_Reset();
    gCommon->Set_Dateiname(path);
    gCommon->setProjektTyp(PT_Beugung);
    gOptions->setFaktor_X(1.0f);
    Datei_Einlesen_Endgueltig();

    const conDisplay& diagramm = *gfrmMain->conDisplay[0];
    ASSERT_TRUE(diagramm.isVisible());
    EXPECT_EQ(gGrafik->LetzteKurve(), KT_JK);
    EXPECT_NEAR(diagramm.Skala().xmin, -20.0f, 1e-3f);
    // The parabola's low point in the middle of the plot is drawn.
    const QImage& bild = diagramm.pic->Image;
    const int32_t mitte = *PixelX(diagramm.Skala(), 0);
    int32_t dunkel = 0;
    for (int32_t y = 0; y < bild.height() - kRandUnten; ++y)
        if (bild.pixel(mitte, y) != qRgb(255, 255, 255)) ++dunkel;
    EXPECT_GT(dunkel, 0);
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(MainDiagramTest, InformationEventsRewriteTheValueLabel)
{
    gfrmMain->conDisplay[1]->RaiseInfoChange(2);
    EXPECT_TRUE(gfrmMain->lblSS->text().startsWith("Zoom: ")) << "either diagram reports";
    gSchritt = 13;
    gfrmMain->conDisplay[0]->RaiseInfoChange(7);
    EXPECT_TRUE(gfrmMain->lblSS->text().startsWith("Koordinationszahl: "));
    gSchritt = 0;
}

TEST_F(MainDiagramTest, FourierPanelHandsOverToTheTestCurvePanelInTheFrame)
{
    ASSERT_EQ(gfrmMain->conFTR1->parentWidget(), gfrmMain->Frame1);
    ASSERT_EQ(gfrmMain->conPeakTest1->parentWidget(), gfrmMain->Frame1);
    EXPECT_TRUE(gfrmMain->conFTR1->isHidden());
    EXPECT_TRUE(gfrmMain->conPeakTest1->isHidden());
    gfrmMain->conFTR1->show();
    emit gfrmMain->conFTR1->cmdPBGr->Click();
    EXPECT_TRUE(gfrmMain->conFTR1->isHidden());
    EXPECT_FALSE(gfrmMain->conPeakTest1->isHidden());
}

TEST_F(MainDiagramTest, AZoomedGrNamesEveryTickInNanometresAndAngstrom)
{
    gfrmMain->resize(1200, 800);
    gfrmMain->show();
    gfrmMain->mnuDemoIK->trigger();
    bedienung::Drueck(16);
    ASSERT_EQ(gSchritt, ST_GR);
    conDisplay& d = *gfrmMain->conDisplay[0];
    // The user types the range 0.02..1.1 nm into the X limit boxes.
    d.txtAchse[2]->setText("0.02");
    d.txtAchse[3]->setText("1.1");
    QTest::keyClick(d.txtAchse[3], Qt::Key_Return);
    ASSERT_NEAR(d.Skala().xmin, 0.02f, 1e-6f);
    EXPECT_EQ(pruefen::Strichtexte_Abseits(d), std::vector<std::string>{});
    bool zweiterStrich = false;
    for (const AchsenText& t : d.Achsen().texte) zweiterStrich |= t.text == "0.24";
    EXPECT_TRUE(zweiterStrich) << "the tick at 0.236 reads 0.24";
    EXPECT_EQ(d.txtAchse[2]->text(), "0.0") << "the limit boxes keep their one decimal";
    QCoreApplication::processEvents();
    foto::Ablegen(d, "mainwindow/gr_0.02_1.1_nm.png");

    gOptions->setEinheit_NM(false);
    gGrafik->Zeichne(true);
    EXPECT_EQ(pruefen::Strichtexte_Abseits(d), std::vector<std::string>{}) << "in Å";
    foto::Ablegen(d, "mainwindow/gr_0.02_1.1_A.png");
    gOptions->setEinheit_NM(true);
}
