// The Fourier transform panel on a generated evaluation: the groups of each view, damping,
// weighting, the smoothing parameter, the truncation oscillations and the peak-distance marks.
#include "PanelImRahmen.h"

#include "core/KurvenTyp.h"
#include "panels/conFTR.h"
#include "widgets/fxbutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace {

class FTR : public PanelImRahmen<conFTR> {
protected:
    void SetUp() override
    {
        PanelImRahmen::SetUp();
        Auswertung();
    }
    bool Sichtbar(const QWidget* w) const { return w->isVisibleTo(&rahmen); }
    QString Prozent() const { return panel->lblWichtung->text().section('\n', 1); }
};

}

TEST_F(FTR, EachViewShowsItsGroup)
{
    panel->Zeigen(KT_IK_Wichtung);
    EXPECT_TRUE(Sichtbar(panel->lblWichtung));
    EXPECT_TRUE(Sichtbar(panel->cmdWichtung[0]));
    EXPECT_TRUE(Sichtbar(panel->chkFFTImag));
    EXPECT_TRUE(Sichtbar(panel->lblIK));
    EXPECT_FALSE(Sichtbar(panel->picTool_Gr));
    Bilder("conFTR_IK", [this] { panel->SpracheUmstellen(); panel->Zeigen(KT_IK_Wichtung); });

    panel->Zeigen(KT_GR);
    EXPECT_TRUE(Sichtbar(panel->picTool_Gr));
    EXPECT_FALSE(Sichtbar(panel->picTool_IK1));
    EXPECT_FALSE(Sichtbar(panel->lblIK));
    Bilder("conFTR_GR", [this] { panel->SpracheUmstellen(); panel->Zeigen(KT_GR); });

    panel->Zeigen(KT_IK);
    EXPECT_TRUE(Sichtbar(panel->picTool_IK1));
    EXPECT_TRUE(Sichtbar(panel->cmbDaempfung));
    EXPECT_EQ(panel->cmbDaempfung->itemText(DA_Lorch_Shifted).toStdString(), "Lorchdämpfung shifted");
    EXPECT_FALSE(Sichtbar(panel->lblWichtung));
    EXPECT_FALSE(Sichtbar(panel->chkFFTImag));
    Bilder("conFTR_IK_Start", [this] { panel->SpracheUmstellen(); panel->Zeigen(KT_IK); });

    panel->Zeigen(KT_JK_Bearbeitet);
    EXPECT_TRUE(panel->isHidden());
}

TEST_F(FTR, AnIKToStartFromIsUndamped)
{
    panel->Zeigen(KT_IK_Wichtung);
    panel->cmbDaempfung->setCurrentIndex(DA_Lorch);
    clsIK ungedaempft = *gIK;
    ungedaempft.Daempfen(DA_Keine);
    const int32_t i = gIK->FTR_Index() - 10;
    ASSERT_NE(gIK->Y(i), ungedaempft.Y(i));

    panel->Zeigen(KT_IK);
    EXPECT_EQ(panel->cmbDaempfung->currentIndex(), 0);
    EXPECT_EQ(panel->Daempfung(), DA_Keine);
    EXPECT_EQ(gIK->Y(i), ungedaempft.Y(i));
}

TEST_F(FTR, TheListNamesTheDampingOfTheIKItShows)
{
    panel->Zeigen(KT_IK_Wichtung);
    panel->cmbDaempfung->setCurrentIndex(DA_Lorch);
    ASSERT_EQ(gIK->Daempfung(), DA_Lorch);
    // An undamped I(K) the list did not make, as the back-transform of a G(r) a project started from.
    gIK->Daempfen(DA_Keine);
    panel->Zeigen(KT_IK_Wichtung);
    EXPECT_EQ(panel->cmbDaempfung->currentIndex(), DA_Keine);
    EXPECT_EQ(panel->Daempfung(), DA_Keine);
    EXPECT_EQ(gIK->Daempfung(), DA_Keine);
}

TEST_F(FTR, ADampingThatCannotDampLeavesTheListOnTheDampingInForce)
{
    panel->Zeigen(KT_IK_Wichtung);
    panel->cmbDaempfung->setCurrentIndex(DA_Lorch);
    ASSERT_EQ(gIK->Daempfung(), DA_Lorch);
    // A cut-off where K·I(K) is not above 0.001: exponential damping cannot end there.
    std::vector<float> y0(size_t(gIK->Punkte()));
    gIK->CopyArray_Ungedaempft(y0);
    int32_t F = gIK->FTR_Index();
    while (F > 2 && gIK->x(F) * y0[size_t(F - 1)] > 0.001f) --F;
    gIK->setFTR_Index(F);
    ASSERT_EQ(gIK->FTR_Index(), F);
    std::vector<float> vorher(y0.size());
    gIK->CopyArray(vorher);

    seam.messages.clear();
    panel->cmbDaempfung->setCurrentIndex(DA_Exp);
    EXPECT_EQ(panel->cmbDaempfung->currentIndex(), DA_Lorch);
    EXPECT_EQ(panel->Daempfung(), DA_Lorch);
    EXPECT_EQ(gIK->Daempfung(), DA_Lorch);
    std::vector<float> nachher(y0.size());
    gIK->CopyArray(nachher);
    EXPECT_EQ(nachher, vorher);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, gLanguage->Caption(600) + "\r\n" + gLanguage->Caption(602));
}

TEST_F(FTR, WeightingCyclesAndShowsItsWholePerCent)
{
    gIK->setWichtung(0.7f);
    panel->Zeigen(KT_IK_Wichtung);
    EXPECT_EQ(Prozent(), "70 %");
    EXPECT_TRUE(panel->lblWichtung->text().startsWith("Wichtungsfaktor:"));

    gIK->setWichtung(1.0f);
    emit panel->cmdWichtung[0]->Click();
    EXPECT_EQ(gIK->Wichtung(), 0.0f);
    EXPECT_EQ(Prozent(), "0 %");
    emit panel->cmdWichtung[1]->Click();
    EXPECT_EQ(gIK->Wichtung(), 1.0f);
    EXPECT_EQ(Prozent(), "100 %");
}

TEST_F(FTR, ChiStartsAtTenThousandAtEveryShowing)
{
    panel->Zeigen(KT_IK_Wichtung);
    emit panel->cmdChi[0]->Click();
    emit panel->cmdChi[0]->Click();
    EXPECT_EQ(panel->Chi(), 40000.0f);
    EXPECT_EQ(panel->lblChi->text(), "Chi = 40000");
    emit panel->cmdChi[1]->Click();
    EXPECT_EQ(panel->Chi(), 20000.0f);

    panel->Zeigen(KT_IK_Wichtung);
    EXPECT_EQ(panel->Chi(), 10000.0f);
}

TEST_F(FTR, TruncationOscillationsFromTheAmplitudeBoxAndThePositionBar)
{
    panel->Zeigen(KT_GR);
    panel->chkAOShow->setChecked(true);
    panel->txtA->setText("");
    panel->scrC->setValue(1500);
    EXPECT_FALSE(gGR->AO_Berechnet()) << "an empty box computes nothing";

    clsGR erwartet = *gGR;
    erwartet.AO_Berechnen(0.7f, 1.5f);
    for (const char* text : {"0,7", "0.7"}) {
        panel->txtA->setText(text);
        ASSERT_TRUE(gGR->AO_Berechnet()) << text;
        for (int32_t i = 1; i <= gGR->Punkte(); i += 50) ASSERT_EQ(gGR->yt(i), erwartet.yt(i)) << text << " " << i;
        EXPECT_EQ(panel->Label2->text(), "1.500");
        gGR->AO_Berechnen(0.0f, 0.0f);
    }
}

TEST_F(FTR, PeakDistanceMarksAfterTheFirstTransform)
{
    gGrafik->Zeichne_Kurve(KT_IK_Wichtung);
    const auto peak = [](float r, float r0) { return std::exp(-(r - r0) * (r - r0) / (2 * 0.02f * 0.02f)); };
    for (int32_t i = 1; i <= gGR->Punkte(); ++i) gGR->Set_Y(i, peak(gGR->R(i), 0.25f) + peak(gGR->R(i), 0.45f));
    const auto magenta = [this](int32_t& links, int32_t& rechts, int32_t& oben, int32_t& unten) {
        const QImage& bild = haupt.pic->Image;
        int32_t n = 0;
        links = oben = 1 << 20;
        rechts = unten = -1;
        for (int32_t y = 0; y < bild.height(); ++y)
            for (int32_t x = 0; x < bild.width(); ++x)
                if (bild.pixel(x, y) == qRgb(255, 0, 255)) {
                    ++n;
                    links = std::min(links, x), rechts = std::max(rechts, x);
                    oben = std::min(oben, y), unten = std::max(unten, y);
                }
        return n;
    };
    // Which distances exist (none before the first transform) is the model's rule; here the drawing.
    int32_t links, rechts, oben, unten;
    gGR->setAnzahl_FFT(1);
    panel->Check2->click();
    ASSERT_GT(magenta(links, rechts, oben, unten), 0);
    // One mark, within a grid step of r of K = 2π/0.2 nm, from the maximum down by a tenth.
    const float dK = 6.2832f / (0.2f - gGR->R(2)) - 31.4159f;
    EXPECT_GE(links, *PixelX(haupt.Skala(), 31.4159f - dK) - 1);
    EXPECT_LE(rechts, *PixelX(haupt.Skala(), 31.4159f + dK) + 1);
    EXPECT_LE(rechts - links, 1);
    EXPECT_NEAR(oben, *PixelY(haupt.Skala(), gIK->Maximum()), 1);
    EXPECT_NEAR(unten, *PixelY(haupt.Skala(), 0.9f * gIK->Maximum()), 1);
}
