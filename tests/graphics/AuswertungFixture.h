#pragma once
// A generated evaluation on the way to G(r), as the main road makes it without windows: a hard-
// sphere liquid of carbon measured on both sides of the primary beam over a smooth background,
// folded, averaged, side-fitted, freed of its background, normalised into I(K), damped,
// transformed and back-transformed. Two diagram controls are registered with the drawing engine.
#include "mainwindow/ProjektFixture.h"

#include "analysis/SynthetischeStruktur.h"
#include "analysis/Daempfung.h"
#include "analysis/clsFFT.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/clsOptions.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"
#include "mainwindow/modProjektStart.h"
#include "support/ui/Bildschirmfoto.h"

#include <QCoreApplication>

#include <numbers>

class AuswertungFixture : public ProjektFixture {
protected:
    static constexpr double kKMax = 120.0;
    static constexpr int32_t kTrennstelle = 101;

    void SetUp() override
    {
        ProjektFixture::SetUp();
        gGrafik = std::make_unique<clsGrafik>();
        for (conDisplay* d : {&haupt, &zweites}) {
            d->resize(900, 500);
            d->show();
        }
        gGrafik->setDisplay(0, &haupt);
        gGrafik->setDisplay(1, &zweites);
    }
    void TearDown() override
    {
        gGrafik.reset();
        ProjektFixture::TearDown();
    }

    static double Untergrund(double K)
    {
        const double schweif = std::max(0.0, 1.0 - K / 20.0);
        return 8e6 * schweif * schweif * schweif + 3e3 * (1.0 + 0.5 * std::exp(-K / 50.0));
    }

    // The raw spectrum of the project, read and set up (step 2).
    void Rohspektrum_Starten()
    {
        const double rho = gMFE->Element_Dichte("C", DQ_Fluessig) * 6.02214076e23 / 1e21 / 12.011;
        const double sigma = std::cbrt(6.0 * 0.45 / (std::numbers::pi * rho));
        gCommon->Set_Dateiname(Rohspektrum("probe.dat", kKMax, [&](double K) {
            const double k = std::fabs(K);
            const double f = 1.0 / (1.0 + k * k / 400.0);
            // A slight tilt between the two sides, as a detector's drift makes it.
            const double neigung = 1.0 + 0.03 * K / kKMax;
            return (4e6 * f * f * synthetisch::S_PercusYevick(k, 0.45, sigma) + Untergrund(k)) * neigung;
        }));
        Projekteinstellungen_Uebernehmen(Einstellungen("C"));
    }

    // From the folded, averaged spectrum through the side fits (step 9, fits not yet taken).
    void Seitenfit()
    {
        gCalc->setTrennstelle(kTrennstelle);
        gCalc->setChi_Links(1e5f);
        gCalc->setChi_Rechts(1e5f);
    }

    // Takes the fits, places the background and goes on to the back-transformed I(K) and G(r).
    void Bis_GR()
    {
        ASSERT_TRUE(gCalc->FitUebernehmen());
        for (const double K : {5.0, 12.0, 20.0, 30.0, 45.0, 70.0, 100.0, 118.0})
            gUntergrund->Plus_Punkt(static_cast<float>(K), static_cast<float>(Untergrund(K)));
        ASSERT_TRUE(gIK->Berechnen(gMFE->Dichte_Theoretisch()));
        gIK->Daempfen(DA_Lorch);
        ASSERT_TRUE(gGR->Berechnen());
        gIK->RTR_Berechnen();
    }

    // The raw spectrum folded and its halves averaged.
    void Gemittelt()
    {
        Rohspektrum_Starten();
        gCalc->Falten();
        ASSERT_TRUE(gCalc->Mitteln(2));
    }

    void Auswertung()
    {
        Gemittelt();
        Seitenfit();
        Bis_GR();
    }

    // The widget's picture as the screenshot diagram/name, for a look.
    static void Speichern(QWidget& w, const QString& name) { foto::Ablegen(w, "diagram/" + name); }

    conDisplay haupt;
    conDisplay zweites;
};
