// The main window's set-up, tool buttons, keys, layout of "Weiter" and the panels, the step-back
// offer and the reset, and screenshots of the window at start and with a started project.
#include "mainwindow/ui/frmMain.h"
#include "MainWindowFixture.h"

#include "analysis/clsGR.h"
#include "core/clsCommon.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "graphics/conDisplay.h"
#include "mainwindow/modProjektStart.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>

namespace {

class MainToolsTest : public MainWindowFixture {
protected:
    static fxbutton& Tool(int32_t index) { return *gfrmMain->cmdTool[static_cast<size_t>(index)]; }
    static void Aktivieren()
    {
        QApplication::setActiveWindow(gfrmMain);
        ASSERT_TRUE(QTest::qWaitForWindowActive(gfrmMain));
    }
    // A raw spectrum started as a project, shown in the main diagram.
    void Projekt_Starten()
    {
        const auto path = (env.Root() / "probe.dat").string();
        {
            std::ofstream file(path, std::ios::binary);
            for (int i = -200; i <= 200; ++i) file << i * 0.1 << " 100 " << 1000 + 3000 / (1 + i * i / 400.0) << "\r\n";
        }
        gfrmMain->ResetControls();
        Neues_Projekt_Reset();
        gCommon->Set_Dateiname(path);
        gCommon->setProjektTyp(PT_Beugung);
        gOptions->setFaktor_X(1.0f);
        Datei_Einlesen_Endgueltig();
    }
};

}

TEST_F(MainToolsTest, SetUpShowsNewAndSaveAndFillsTheStyleAndLanguageMenus)
{
    for (int32_t i = 1; i <= kWerkzeuge; ++i) EXPECT_EQ(Tool(i).isHidden(), i > 2) << "tool " << i;
    EXPECT_TRUE(Tool(1).isEnabled());
    EXPECT_FALSE(Tool(2).isEnabled());
    EXPECT_FALSE(Tool(1).PictureNormal().isNull());
    EXPECT_EQ(Tool(23).geometry(), QRect(4, gfrmMain->Frame1->y() + 4, 105, 40));
    EXPECT_FALSE(gfrmMain->mnuSave->isEnabled());
    EXPECT_EQ(gfrmMain->mnuButtonStyle.size(), 7u);
    EXPECT_EQ(gfrmMain->mnuLang.size(), 2u);
}

TEST_F(MainToolsTest, LanguageAndStyleSwitchesReachEveryButton)
{
    gfrmMain->mnuLang[1]->trigger();
    EXPECT_EQ(Tool(23).Caption(), "Next") << "captions follow their text number";
    EXPECT_NE(gfrmMain->mnuDatei->title(), "Datei") << "and so do the menus";
    EXPECT_EQ(Tool(1).ToolTip(), "Neues Projekt beginnen ('N')") << "tooltips keep their language";

    gfrmMain->mnuButtonStyle.back()->trigger();
    EXPECT_EQ(gOptions->ButtonStyle(), 10);
    for (int32_t i = 1; i <= kWerkzeuge; ++i) EXPECT_EQ(Tool(i).ButtonStyle(), 10) << "tool " << i;
}

TEST_F(MainToolsTest, WeiterStepBoxAndPanelsFollowThePanelFrame)
{
    auto* panel = new QWidget(gfrmMain->Frame1);
    // Wider than the window's smallest size.
    gfrmMain->centralWidget()->resize(1200, 500);
    EXPECT_EQ(gfrmMain->Frame1->geometry(), QRect(112, 371, 1088, 129));
    EXPECT_EQ(Tool(23).y(), 375);
    EXPECT_EQ(gfrmMain->lblStep->y(), 419);
    // Inside the frame's 1-pixel border, 4 pixels to every side.
    EXPECT_EQ(panel->geometry(), QRect(5, 5, 1078, 119));
    EXPECT_EQ(gfrmMain->lblSS->geometry().right(), 1199);
}

TEST_F(MainToolsTest, ToolClicksMirrorTheModesOnTheButtons)
{
    gfrmMain->Toggle_Zoom_Visible(true);
    gfrmMain->Toggle_Tool_0_Visible(true);
    // The mode rules are the tool model's; here only that the buttons mirror them.
    QTest::mouseClick(&Tool(7), Qt::LeftButton);
    QTest::mouseClick(&Tool(5), Qt::LeftButton);
    EXPECT_TRUE(gModus_Bereich && Tool(5).Value() && !Tool(7).Value());
    QTest::mouseClick(&Tool(4), Qt::LeftButton);
    EXPECT_FALSE(gModus_Bereich || Tool(5).Value());

    // Mirroring with nothing copied leaves the curve alone.
    const int32_t punkte = gCalc->Punkte();
    QTest::mouseClick(&Tool(8), Qt::LeftButton);
    EXPECT_EQ(gCalc->Punkte(), punkte);

    // The preview tool opens a preview window beside the main window.
    gfrmMain->Toggle_Tool_1_Visible(true);
    const size_t offen = colSmall.size();
    QTest::mouseClick(&Tool(19), Qt::LeftButton);
    EXPECT_EQ(colSmall.size(), offen + 1);
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(MainToolsTest, KeysActOnlyOutsideTextFieldsAndThroughUsableTools)
{
    auto* feld = new QLineEdit(gfrmMain->centralWidget());
    feld->setGeometry(600, 10, 80, 20);
    feld->show();
    Aktivieren();
    gSchritt = 4;
    const float start = gCalc->X_Shifted(1, true);
    QTest::keyClick(gfrmMain, Qt::Key_X);
    EXPECT_NEAR(gCalc->X_Shifted(1, true) - start, 0.1f, 1e-5f);
    QTest::keyClick(gfrmMain, Qt::Key_Y);
    QTest::keyClick(gfrmMain, Qt::Key_Y);
    EXPECT_NEAR(gCalc->X_Shifted(1, true) - start, -0.1f, 1e-5f);

    QTest::keyClick(gfrmMain, Qt::Key_N);
    EXPECT_EQ(seam.dialogs.size(), 1u) << "N opens the project file dialog";

    feld->setFocus();
    gSchritt = 4;
    QTest::keyClicks(feld, "nxy");
    EXPECT_EQ(feld->text(), "nxy");
    EXPECT_EQ(seam.dialogs.size(), 1u);
    EXPECT_NEAR(gCalc->X_Shifted(1, true) - start, -0.1f, 1e-5f);

    // Which tool a key reaches is the tool model's rule; here only that the buttons follow it.
    gfrmMain->setFocus();
    gfrmMain->Werkzeuge.setValue(16, true);
    gfrmMain->Toggle_Tool_1_Visible(true);
    QTest::keyClick(gfrmMain, Qt::Key_I);
    EXPECT_FALSE(Tool(16).Value());
    EXPECT_TRUE(Tool(15).Value());
}

TEST_F(MainToolsTest, StepBackOfferAndResetControls)
{
    // The rules live in the tool model; here only that the buttons and menu mirror them.
    gfrmMain->Toggle_RohdatenSeperator(0);
    gfrmMain->Toggle_RohdatenSeperator(2, true);
    EXPECT_EQ(Tool(13).width(), 35);
    EXPECT_FALSE(Tool(24).isHidden());
    for (size_t k = 0; k < 4; ++k) EXPECT_EQ(gfrmMain->mnuSeperatorBack[k]->isEnabled(), k == 2);

    Projekt_Starten();
    gfrmMain->lblStep->show();
    gOptions->setAnsicht_2_Fenster(true);
    gfrmMain->Toggle_2Fenster();
    ASSERT_FALSE(gfrmMain->conDisplay[1]->isHidden());
    gfrmMain->Toggle_Tool_1_Visible(true);
    QTest::mouseClick(&Tool(14), Qt::LeftButton);
    gfrmMain->ResetControls();
    EXPECT_TRUE(gfrmMain->conDisplay[0]->isHidden());
    EXPECT_TRUE(gfrmMain->conDisplay[1]->isHidden());
    EXPECT_TRUE(gfrmMain->lblStep->isHidden());
    EXPECT_FALSE(gOptions->Ansicht_2_Fenster());
    for (int32_t i = 13; i <= 17; ++i) EXPECT_FALSE(Tool(i).Value() || Tool(i).isEnabled()) << "tool " << i;
}

TEST_F(MainToolsTest, Screenshots)
{
    gfrmMain->resize(1000, 700);
    QApplication::processEvents();
    Bild(*gfrmMain, "mainwindow_start.png");

    Projekt_Starten();
    // All tool rows as the evaluation steps show them, with the step box and "Weiter".
    gfrmMain->Toggle_Zoom_Visible(true);
    gfrmMain->Toggle_Tool_0_Visible(true);
    gfrmMain->Toggle_Tool_1_Visible(true);
    gfrmMain->Toggle_RohdatenSeperator(0, true);
    gfrmMain->Werkzeuge.setVisible(23, true);
    gfrmMain->GUI_SET_TOOLS();
    gfrmMain->lblStep->show();
    gfrmMain->lblSS->setText("K = 12.3  I = 456");
    QApplication::processEvents();
    Bild(*gfrmMain, "mainwindow_project.png");
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(MainToolsTest, DecliningToGoBackRestoresTheStepButtons)
{
    Projekt_Starten();
    gSchritt = 12;
    gGR->setAnzahl_FFT(1);
    gfrmMain->Werkzeuge.setEnabled(14, true);
    gfrmMain->Werkzeuge.setEnabled(16, true);
    gfrmMain->ToolsChanged();
    QTest::mouseClick(&Tool(16), Qt::LeftButton);
    gSchritt = 12;
    gGR->setAnzahl_FFT(1);
    ASSERT_TRUE(Tool(16).Value());

    seam.answers = {zelo::MsgResult::No};
    QTest::mouseClick(&Tool(14), Qt::LeftButton);
    EXPECT_EQ(gSchritt, 12);
    EXPECT_TRUE(Tool(16).Value()) << "G(r) stays the pressed step";
    EXPECT_FALSE(Tool(14).Value());
}
