// The main window's diagrams: the value label they rewrite and the panels in the frame below them.
#include "mainwindow/ui/frmMain.h"
#include "MainWindowFixture.h"

#include "core/modCommon.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/conDisplay.h"
#include "panels/conFTR.h"
#include "panels/conPeakTest.h"
#include "widgets/fxbutton.h"

#include <QLabel>
#include <gtest/gtest.h>

using MainDiagramTest = MainWindowFixture;

TEST_F(MainDiagramTest, InformationEventsRewriteTheValueLabel)
{
    gfrmMain->conDisplay[1]->RaiseInfoChange(2);
    EXPECT_TRUE(gfrmMain->lblSS->text().startsWith("Zoom: ")) << "either diagram reports";
    gSchritt = 13;
    gfrmMain->conDisplay[0]->RaiseInfoChange(7);
    EXPECT_TRUE(gfrmMain->lblSS->text().startsWith("Koordinationszahl: "));
    gSchritt = 0;

    // Fourier panel hands over to the test curve panel in the frame.
    ASSERT_EQ(gfrmMain->conPeakTest1->parentWidget(), gfrmMain->Frame1);
    gfrmMain->conFTR1->show();
    emit gfrmMain->conFTR1->cmdPBGr->Click();
    EXPECT_TRUE(gfrmMain->conFTR1->isHidden());
    EXPECT_FALSE(gfrmMain->conPeakTest1->isHidden());
}
