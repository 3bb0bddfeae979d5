// The left click in I(K) takes the low-K model of the options' row for the keys held: LM alone,
// LM with Ctrl, LM with Shift.
#include "DiagrammFixture.h"

#include "analysis/clsIK.h"
#include "core/KurvenTyp.h"
#include "core/clsOptions.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <vector>

namespace {

constexpr int32_t kPolynom = 0;
constexpr int32_t kParabel = 1;
constexpr int32_t kGauss = 5;

class TiefK_MausTest : public DiagrammFixture {
protected:
    void SetUp() override
    {
        DiagrammFixture::SetUp();
        gIK->Lorch_100();
        display.Skalieren(53, 0, 2, -1.5f, KT_IK);
        gSchritt = 11;
    }
    void TearDown() override { gSchritt = 0; }

    // A left click at K with the keys held; the low-K curve it leaves.
    std::vector<float> Klick(float K, Qt::KeyboardModifiers tasten)
    {
        const QPointF ort(*PixelX(display.Skala(), K), *PixelY(display.Skala(), 0.0f));
        for (const auto art : {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButton knopf = art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
            const Qt::MouseButtons gehalten = art == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QMouseEvent ereignis(art, ort, display.pic->mapToGlobal(ort), knopf, gehalten, tasten);
            QCoreApplication::sendEvent(display.pic, &ereignis);
        }
        std::vector<float> kurve;
        for (int32_t i = 1; i <= gIK->Parabel_Index(); ++i) kurve.push_back(gIK->Y_Parabel(i));
        return kurve;
    }
    // The low-K curve of a plain click with the given model in the row LM.
    std::vector<float> Modell(float K, int32_t modell)
    {
        const int32_t vorher = gOptions->LM_IK(0);
        gOptions->LM_IK_Set(0, modell);
        auto kurve = Klick(K, {});
        gOptions->LM_IK_Set(0, vorher);
        return kurve;
    }
};

}

TEST_F(TiefK_MausTest, CtrlAndShiftChooseTheirRowsModel)
{
    gOptions->LM_IK_Set(0, kPolynom);
    gOptions->LM_IK_Set(1, kParabel);
    gOptions->LM_IK_Set(2, kGauss);

    const auto ohne = Klick(20.0f, {});
    const auto mitStrg = Klick(20.0f, Qt::ControlModifier);
    const auto mitUmschalt = Klick(20.0f, Qt::ShiftModifier);
    ASSERT_EQ(gIK->Parabel_Index(), 201);

    EXPECT_EQ(ohne, Modell(20.0f, kPolynom));
    EXPECT_EQ(mitStrg, Modell(20.0f, kParabel));
    EXPECT_EQ(mitUmschalt, Modell(20.0f, kGauss));
    EXPECT_NE(ohne, mitStrg) << "the models differ, so the rows are told apart";
    EXPECT_NE(mitStrg, mitUmschalt);

    // Both keys held name no row: the plain model.
    EXPECT_EQ(Klick(20.0f, Qt::ControlModifier | Qt::ShiftModifier), ohne);
}
