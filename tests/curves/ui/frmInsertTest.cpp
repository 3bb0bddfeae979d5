#include "curves/ui/frmInsert.h"

#include "CurveDialogTest.h"
#include "core/clsLanguage.h"
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

TEST_F(InsertDialogTest, CaptionsInTheChosenLanguageAndTheUsersButtonStyle)
{
    gOptions->setButtonStyle(5);
    frmInsert german(nullptr);
    EXPECT_EQ(german.windowTitle(), "Kurvenstück");
    EXPECT_EQ(german.optKurve[0]->Caption(), "Punkte ersetzen");
    EXPECT_EQ(german.optKurve[1]->Caption(), "mit alten Punkten mitteln");
    EXPECT_EQ(german.cmdCancel->Caption(), "Abbrechen");
    EXPECT_EQ(german.cmdOK->ButtonStyle(), 5);
    EXPECT_EQ(german.cmdCancel->ButtonStyle(), 5);
    EXPECT_TRUE(german.optKurve[0]->Value());
    EXPECT_TRUE(german.isModal());
    gLanguage->OpenLanguageEx(3);
    frmInsert english(nullptr);
    EXPECT_EQ(english.windowTitle(), "Curvepiece");
    EXPECT_EQ(english.cmdCancel->Caption(), "Cancel");
}

TEST_F(InsertDialogTest, OkWritesThePieceBackAsChosen)
{
    frmInsert replace(nullptr);
    QTest::mouseClick(replace.cmdOK, Qt::LeftButton);
    EXPECT_EQ(replace.result(), QDialog::Accepted);
    EXPECT_EQ(Values(), (std::vector<float>{10, 20, 10, 20}));
    EXPECT_FALSE(gCalc->Punkte_Kopiert());

    frmInsert average(nullptr);
    QTest::mouseClick(average.optKurve[1], Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(average.optKurve[0]->Value());
    QTest::mouseClick(average.cmdOK, Qt::LeftButton);
    EXPECT_EQ(Values(), (std::vector<float>{10, 20, 10, 20})) << "the mean of equal values";
}

TEST_F(InsertDialogTest, CancelChangesNothing)
{
    frmInsert dialog(nullptr);
    QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(Values(), (std::vector<float>{10, 20, 30, 40}));
    EXPECT_TRUE(gCalc->Punkte_Kopiert());
}
