#include "curves/ui/frmInsert.h"

#include "CurveDialogTest.h"
#include "widgets/fxbutton.h"

#include <QTest>

namespace {

class InsertDialogTest : public CurveDialogTest {
protected:
    void SetUp() override
    {
        CurveDialogTest::SetUp();
        // The piece 10, 20 moved onto points 3 and 4.
        gCalc->Punkte_Kopieren(0.0f, 2.0f);
        gCalc->Verschieben_X(2);
    }
};

}

TEST_F(InsertDialogTest, OpensWithReplacingChosenInTheUsersButtonStyle)
{
    gOptions->setButtonStyle(5);
    frmInsert dialog(nullptr);
    EXPECT_EQ(dialog.cmdOK->ButtonStyle(), 5);
    EXPECT_TRUE(dialog.optKurve[0]->Value());
}

TEST_F(InsertDialogTest, OkWritesThePieceBackAsChosenAndCancelChangesNothing)
{
    frmInsert cancelled(nullptr);
    QTest::mouseClick(cancelled.cmdCancel, Qt::LeftButton);
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(Values(), (std::vector<float>{10, 20, 30, 40}));
    frmInsert average(nullptr);
    QTest::mouseClick(average.optKurve[1], Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(average.cmdOK, Qt::LeftButton);
    EXPECT_EQ(average.result(), QDialog::Accepted);
    EXPECT_EQ(Values(), (std::vector<float>{10, 20, 20, 30}));
    EXPECT_FALSE(gCalc->Punkte_Kopiert());
}
