#include "curves/ui/frmCalcWerte.h"

#include "CurveDialogTest.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "core/KurvenTyp.h"
#include "widgets/fxbutton.h"

#include <QLabel>
#include <QLineEdit>
#include <QApplication>
#include <QTest>
#include <QTimer>

using CalcValuesDialogTest = CurveDialogTest;

TEST_F(CalcValuesDialogTest, WorkingCurveKindsConvertTheWholeCurveOrTheRange)
{
    gGrafik->setLetzteKurve(KT_JK_Bearbeitet);
    frmCalcWerte whole(nullptr);
    whole.Text1->setText("y*2");
    QTest::mouseClick(whole.Command1, Qt::LeftButton);
    EXPECT_EQ(whole.result(), QDialog::Accepted);
    EXPECT_EQ(Values(), (std::vector<float>{20, 40, 60, 80}));
    EXPECT_EQ(gCalc->Maximum_Y(), 80.0f);

    gCalc->setX_StartIndex(2);
    gCalc->setX_StartIndex_Rechts(3);
    frmCalcWerte range(nullptr);
    range.Text1->setText("Y+1");
    QTest::mouseClick(range.Option1[1], Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(range.Command1, Qt::LeftButton);
    EXPECT_EQ(Values(), (std::vector<float>{20, 41, 61, 80}));
    EXPECT_EQ(gCalc->Maximum_Y(), 80.0f);
}

TEST_F(CalcValuesDialogTest, OtherKindsAndCancelChangeNothing)
{
    for (const int32_t kind : {KT_Keine, KT_UG, KT_v_r}) {
        gGrafik->setLetzteKurve(kind);
        frmCalcWerte dialog(nullptr);
        dialog.Text1->setText("y*2");
        QTest::mouseClick(dialog.Command1, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    gGrafik->setLetzteKurve(KT_JK);
    frmCalcWerte cancelled(nullptr);
    cancelled.Text1->setText("y*2");
    QTest::mouseClick(cancelled.Command2, Qt::LeftButton);
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(Values(), (std::vector<float>{10, 20, 30, 40}));
}

TEST_F(CalcValuesDialogTest, InterferenceFunctionAndGGoToTheirOwners)
{
    gIK->setPunkte(2);
    gIK->Set_Y(2, 1.5f);
    gGR->setPunkte(2);
    gGR->Set_Y(1, -4.0f);
    const auto convert = [](int32_t kind, const char* formula) {
        gGrafik->setLetzteKurve(kind);
        frmCalcWerte dialog(nullptr);
        dialog.Text1->setText(formula);
        QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    };
    convert(KT_IK, "y*2");
    convert(KT_IK_Wichtung, "y+1");
    EXPECT_EQ(gIK->Y(2), 4.0f);
    EXPECT_EQ(gIK->Y_RTR(2), 4.0f);
    convert(KT_GR, "y*2");
    convert(KT_RDF, "y-1");
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
