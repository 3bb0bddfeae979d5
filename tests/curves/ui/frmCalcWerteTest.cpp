#include "curves/ui/frmCalcWerte.h"

#include "CurveDialogTest.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "core/KurvenTyp.h"
#include "widgets/fxbutton.h"

#include <QLineEdit>
#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

class CalcValuesDialogTest : public CurveDialogTest {
protected:
    // Opens the dialog for the curve kind, enters the formula, optionally picks the range and confirms.
    static int Convert(int32_t kind, const char* formula, bool range = false, bool ok = true)
    {
        gGrafik->setLetzteKurve(kind);
        frmCalcWerte dialog(nullptr);
        dialog.Text1->setText(formula);
        if (range) QTest::mouseClick(dialog.Option1[1], Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseClick(ok ? dialog.Command1 : dialog.Command2, Qt::LeftButton);
        return dialog.result();
    }
};

}

TEST_F(CalcValuesDialogTest, WorkingCurveKindsConvertTheWholeCurveOrTheRange)
{
    EXPECT_EQ(Convert(KT_JK_Bearbeitet, "y*2"), QDialog::Accepted);
    EXPECT_EQ(Values(), (std::vector<float>{20, 40, 60, 80}));
    gCalc->setX_StartIndex(2);
    gCalc->setX_StartIndex_Rechts(3);
    Convert(KT_JK_Bearbeitet, "Y+1", true);
    EXPECT_EQ(Values(), (std::vector<float>{20, 41, 61, 80}));
}

TEST_F(CalcValuesDialogTest, OtherKindsAndCancelChangeNothing)
{
    for (const int32_t kind : {KT_Keine, KT_UG, KT_v_r}) EXPECT_EQ(Convert(kind, "y*2"), QDialog::Accepted);
    EXPECT_EQ(Convert(KT_JK, "y*2", false, false), QDialog::Rejected);
    EXPECT_EQ(Values(), (std::vector<float>{10, 20, 30, 40}));
}

TEST_F(CalcValuesDialogTest, InterferenceFunctionAndGGoToTheirOwners)
{
    gIK->setPunkte(2);
    gIK->Set_Y(2, 1.5f);
    gGR->setPunkte(2);
    gGR->Set_Y(1, -4.0f);
    Convert(KT_IK, "y*2");
    Convert(KT_IK_Wichtung, "y+1");
    EXPECT_EQ(gIK->Y(2), 4.0f);
    EXPECT_EQ(gIK->Y_RTR(2), 4.0f);
    Convert(KT_GR, "y*2");
    Convert(KT_RDF, "y-1");
    EXPECT_EQ(gGR->Y(1), -9.0f);
    EXPECT_EQ(Values(), (std::vector<float>{10, 20, 30, 40}));
}

TEST_F(CalcValuesDialogTest, TheMenuItemRedrawsKeepingTheScalingAfterTheDialog)
{
    gGrafik->setLetzteKurve(KT_JK);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmCalcWerte*>(QApplication::activeModalWidget());
        if (!dialog) return;
        dialog->Text1->setText("y-10");
        QTest::mouseClick(dialog->Command1, Qt::LeftButton);
    });
    frmCalcWerte::Zeigen(nullptr);
    EXPECT_EQ(Values(), (std::vector<float>{0, 10, 20, 30}));
    EXPECT_EQ(seam.redraws, 1);
    EXPECT_TRUE(seam.redrawKeptYScaling);
}
