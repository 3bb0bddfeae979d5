// Smoothing an I(K) under Lorch damping, on the generated liquid's I(K) and on its weighted form
// after a return from G(r): the smoothed curve is the smoothing of the undamped I(K), damped once;
// damping off gives it back undamped, damping on damps it once, and so does the next transform.
#include "PanelFixture.h"

#include "analysis/clsMath.h"
#include "core/KurvenTyp.h"
#include "panels/conSmoothing.h"
#include "widgets/fxbutton.h"

#include <cmath>
#include <numbers>

class conSmoothingDaempfungTest : public PanelFixture {
protected:
    static std::vector<float> Werte(float (clsIK::*form)(int32_t) const)
    {
        std::vector<float> werte;
        for (int32_t i = 1; i <= gIK->Punkte(); ++i) werte.push_back((*gIK.*form)(i));
        return werte;
    }
    // The evaluation's undamped I(K) smoothed at the panel's first Chi by a spline of its own; the
    // evaluation is then left as it was: Lorch-damped, transformed and back-transformed.
    static std::vector<float> Geglaettet_Ungedaempft()
    {
        gIK->Daempfen(DA_Keine);
        clsMath math;
        EXPECT_TRUE(math.CopyArrayFromCurve(KT_IK));
        math.Glaetten(10000.0f);
        std::vector<float> y(static_cast<size_t>(gIK->Punkte()));
        EXPECT_TRUE(math.CopyArray_Smooth(y));
        gIK->Daempfen(DA_Lorch);
        EXPECT_TRUE(gGR->Berechnen());
        gIK->RTR_Berechnen();
        return y;
    }
    // y damped once by Lorch's factor sin(u)/u, u = π·K/K(F), up to the cut-off F and 0 above it;
    // the point at K = 0 keeps its value.
    static std::vector<float> Lorch(std::vector<float> y)
    {
        const int32_t F = gIK->FTR_Index();
        for (int32_t i = 2; i <= static_cast<int32_t>(y.size()); ++i) {
            const double u = std::numbers::pi * gIK->x(i) / gIK->x(F);
            y[size_t(i - 1)] = i <= F ? static_cast<float>(y[size_t(i - 1)] * std::sin(u) / u) : 0.0f;
        }
        return y;
    }
    static void Gleich(const std::vector<float>& ist, const std::vector<float>& soll, const char* wann)
    {
        ASSERT_EQ(ist.size(), soll.size()) << wann;
        double groesste = 0.0;
        for (size_t i = 0; i < ist.size(); ++i) groesste = std::max(groesste, std::fabs(double(ist[i]) - soll[i]));
        EXPECT_LT(groesste, 1e-5) << wann;
    }

    void Glaetten_Unter_Lorch(int32_t kurve, const QString& bild)
    {
        Auswertung();
        ASSERT_EQ(gIK->Daempfung(), DA_Lorch);
        const std::vector<float> ungedaempft = Geglaettet_Ungedaempft();
        const std::vector<float> einmal = Lorch(ungedaempft);
        ASSERT_GT(std::fabs(einmal[200] - ungedaempft[200]), 0.01) << "the damping shows at K = 20";

        gGrafik->Zeichne_Kurve(kurve);
        Einsetzen(panel);
        panel.Start(kurve);
        Speichern(haupt, bild);
        Gleich(gIK->Wie_Gedaempft(ungedaempft), einmal, "the preview, as OK takes it over");
        panel.cmdOK->Click();
        Gleich(Werte(&clsIK::Y), einmal, "smoothed under Lorch damping");
        Gleich(Werte(&clsIK::Y_Wichtung), einmal, "the weighted curve the transform reads");

        gIK->Daempfen(DA_Keine);
        Gleich(Werte(&clsIK::Y), ungedaempft, "damping off");
        gIK->Daempfen(DA_Lorch);
        Gleich(Werte(&clsIK::Y), einmal, "damping on again");
        Gleich(Werte(&clsIK::Y_Wichtung), einmal, "what the next transform reads");
        ASSERT_TRUE(gGR->Berechnen());
        gIK->RTR_Berechnen();
        Gleich(Werte(&clsIK::Y), einmal, "after the next transform");
    }

    conSmoothing panel;
};

TEST_F(conSmoothingDaempfungTest, SmoothedIKIsTheSmoothedUndampedCurveDampedOnce)
{
    Glaetten_Unter_Lorch(KT_IK, "smoothing_lorch_ik.png");
}

TEST_F(conSmoothingDaempfungTest, SmoothedWeightedIKIsTheSmoothedUndampedCurveDampedOnce)
{
    Glaetten_Unter_Lorch(KT_IK_Wichtung, "smoothing_lorch_weighted.png");
}
