#pragma once
// The program's world with one diagram control of 600 × 400 pixels registered as the main
// diagram, and a working curve made from a function.
#include "core/modCommon.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"
#include "support/ui/UiTestWorld.h"

#include <gtest/gtest.h>

#include <functional>

class DiagrammFixture : public ::testing::Test, protected UiTestWorld {
protected:
    void SetUp() override
    {
        display.resize(600, 400);
        display.show();
        gGrafik->setDisplay(0, &display);
    }

    // Points x = von, von + schritt, ... up to bis, as a loader leaves them.
    static void Arbeitskurve(float von, float bis, float schritt, const std::function<float(float)>& y)
    {
        gCalc->Punkte_Loeschen();
        const auto n = static_cast<int32_t>(std::lround((bis - von) / schritt));
        for (int32_t i = 0; i <= n; ++i) gCalc->Punkte_Plus(von + i * schritt, y(von + i * schritt));
        gCalc->setMaximum_X(bis);
        gCalc->Extremwerte_suchen();
    }

    // The pixels of the plot area inside the axes that are not white.
    int32_t DunklePixelImPlot() const
    {
        const QImage& bild = display.pic->Image;
        int32_t n = 0;
        for (int32_t y = 0; y < bild.height() - kRandUnten; ++y)
            for (int32_t x = kRandLinks + 1; x < bild.width(); ++x)
                if (bild.pixel(x, y) != qRgb(255, 255, 255)) ++n;
        return n;
    }

    conDisplay display;
};
