#include "curves/ui/frmInsert.h"

#include "CurveDialogTest.h"
#include "widgets/fxbutton.h"

#include <QTest>

using InsertDialogTest = CurveDialogTest;

TEST_F(InsertDialogTest, OkWritesThePieceBackAsChosenAndCancelChangesNothing)
{
    gCalc->Punkte_Kopieren(0.0f, 2.0f);  // the piece 10, 20 moved onto points 3 and 4
    gCalc->Verschieben_X(2);
    gOptions->setButtonStyle(5);
    frmInsert cancelled(nullptr);
    EXPECT_EQ(cancelled.cmdOK->ButtonStyle(), 5);
    EXPECT_TRUE(cancelled.optKurve[0]->Value()) << "replacing is chosen";
    QTest::mouseClick(cancelled.cmdCancel, Qt::LeftButton);
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(Values(), (std::vector<float>{10, 20, 30, 40}));
    frmInsert average(nullptr);
    QTest::mouseClick(average.optKurve[1], Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(average.cmdOK, Qt::LeftButton);
    EXPECT_EQ(average.result(), QDialog::Accepted);
    EXPECT_EQ(Values(), (std::vector<float>{10, 20, 20, 30}));
}
