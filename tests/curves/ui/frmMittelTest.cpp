#include "curves/ui/frmMittel.h"

#include "core/clsCommon.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "support/ui/UiTestWorld.h"
#include "widgets/fxbutton.h"

#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

class SectionDialogTest : public ::testing::Test, protected UiTestWorld {
protected:
    void SetUp() override { gCommon->setEnable_Record(true); }

    // A folded spectrum of n points, symmetric about its middle point.
    static void FoldedSpectrum(int32_t n)
    {
        for (int32_t i = 1; i <= n; ++i) gCalc->Punkte_Plus(0.0f, float(100.0 + 1000.0 * std::exp(-std::abs(i - (n + 1) / 2) / 10.0)));
        gCalc->setSchrittweite(0.1f);
        gCalc->Falten();
    }

    static void Click(fxbutton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10)); }

    bool Logged(const std::string& text) const { return std::ranges::find(seam.logLines, text) != seam.logLines.end(); }
};

}

TEST_F(SectionDialogTest, OpensWithBothSidesChosenAndOkAveragesThem)
{
    FoldedSpectrum(1003);
    frmMittel window(nullptr);
    EXPECT_EQ(window.Seite(), 2);
    window.show();
    Click(window.cmdOK);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(gCalc->Punkte(), 502);
    EXPECT_TRUE(Logged("Mittelung beider Seiten gewählt"));
}

TEST_F(SectionDialogTest, ClosingByTheFrameOrAFailedAveragingLeavesTheCurve)
{
    FoldedSpectrum(1003);
    frmMittel closed(nullptr);
    closed.show();
    closed.close();
    EXPECT_EQ(closed.result(), QDialog::Rejected);
    EXPECT_EQ(gCalc->Punkte(), 1003);
    EXPECT_TRUE(seam.logLines.empty());

    gCalc->Punkte_Loeschen();
    FoldedSpectrum(4);
    frmMittel failed(nullptr);
    failed.show();
    Click(failed.cmdOK);
    EXPECT_EQ(failed.result(), QDialog::Rejected);
    EXPECT_EQ(gCalc->Punkte(), 4);
}
