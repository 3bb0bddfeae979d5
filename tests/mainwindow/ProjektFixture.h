#pragma once
// A project started without any window: the program's world, a main window that only records what
// it is told, generated raw spectra and the project settings as the window hands them over.
#include "analysis/Peakabstaende.h"
#include "analysis/clsGR.h"
#include "analysis/clsGauss.h"
#include "analysis/clsIK.h"
#include "analysis/clsMath.h"
#include "core/KurvenTyp.h"
#include "core/clsCommon.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "mainwindow/MainWindowView.h"
#include "mainwindow/clsSchritte.h"
#include "mainwindow/modProjektEinstellungen.h"
#include "materials/clsFMK.h"
#include "materials/clsFMK_Intern.h"
#include "materials/clsMFE.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <numbers>

class RecordingView final : public MainWindowView {
public:
    void SetTitle(const std::string& text) override { title = text; }
    void SetAlloyMenu(const std::vector<std::string>& captions) override { alloyMenu = captions; }
    void ShowProjectMenus(bool alloy) override { alloyMenuShown = alloy; }
    void DrawCurve(int32_t kind) override { drawnKinds.push_back(kind); }
    void GUI_SET_TOOLS() override {}
    void ShowPanel(Panel p, bool visible) override { panels[p] = visible; }
    void CallPanel(Panelaufruf aufruf, int32_t kurve) override { panelCalls.push_back({aufruf, kurve}); }
    void ShowMenu(Menue m, bool visible) override { menusShown[m] = visible; }
    void EnableMenu(Menue m, bool enabled) override { menusEnabled[m] = enabled; }
    void SetStepLabels(const std::string& a, const std::string& b) override { labels = {a, b}; }
    void ShowStepBox(bool visible) override { stepBox = visible; }
    // The averaging dialog's default choice: both halves.
    void Mitteln_Dialog() override { gCalc->Mitteln(2); }
    bool Panel_Shown(Panel p) const { return panels.count(p) && panels.at(p); }
    std::string title;
    std::vector<std::string> alloyMenu;
    bool alloyMenuShown = false;
    std::vector<int32_t> drawnKinds;
    std::map<Panel, bool> panels;
    std::vector<std::pair<Panelaufruf, int32_t>> panelCalls;
    std::map<Menue, bool> menusShown;
    std::map<Menue, bool> menusEnabled;
    std::pair<std::string, std::string> labels;
    bool stepBox = false;
};

class ProjektFixture : public ::testing::Test, protected TestWorld {
protected:
    void SetUp() override
    {
        SetMainView(&view);
        Schritte_Zuruecksetzen();
    }
    void TearDown() override { SetMainView(nullptr); }

    // A raw spectrum from −kMax to kMax in steps of 0.1 1/nm: 100 ms per point, so that the reader's
    // counts / time × 100 is the count itself.
    std::string Rohspektrum(const std::string& name, double kMax, const std::function<double(double K)>& zaehlung)
    {
        const auto path = env.Root() / name;
        std::ofstream file(path, std::ios::binary);
        file << "Bemerkungen: generated\r\n";
        const auto n = static_cast<int>(std::lround(kMax / 0.1));
        for (int i = -n; i <= n; ++i) file << i * 0.1 << " 100 " << std::llround(zaehlung(i * 0.1)) << "\r\n";
        return path.string();
    }

    // The project settings for one element of the default database at 200 kV, results in the
    // test's folder.
    Projekteinstellungen Einstellungen(const std::string& symbol, int32_t projektTyp = PT_Beugung) const
    {
        Projekteinstellungen e;
        e.Ordner = env.Root().string() + "/";
        e.ProjektTyp = projektTyp;
        e.Faktor_X = 1.0f;
        e.Komponenten = {{symbol, 100.0f, gMFE->Element_Dichte(symbol, DQ_Fluessig),
                          gMFE->Element_Valenz(symbol, kValenz_Element), ElectronTable(symbol)}};
        e.Beschleunigungsspannung = -200.0f;
        e.Temperatur = "300";
        return e;
    }

    // The Gauss view over the curve of the given kind as its panel makes it (smoothed with the
    // panel's Chi, a baseline, the derivatives, the peaks searched, with the extended search or not,
    // and estimated): the peaks stand in gGauss; its three figures.
    static Peakabstaende Gauss_Ansicht(int32_t kurve, bool erweitert = false)
    {
        gMath = std::make_unique<clsMath>();
        EXPECT_TRUE(gMath->CopyArrayFromCurve(kurve));
        gGauss->setKurve(kurve);
        gMath->Glaetten(kurve == KT_GR ? 1E+11f : 1E+07f);
        gMath->Baseline_Berechnen();
        gMath->Ableitungen_Berechnen(false, true);
        gMath->Peaks_Schaetzen(5, 0.99f, erweitert);
        return Peakabstaende_Berechnen(*gGauss);
    }
    static Peakabstaende Gauss_Ansicht_GR(bool erweitert = false) { return Gauss_Ansicht(KT_GR, erweitert); }

    // The I(K) damped as given, transformed and seen in the Gauss view, whose list must begin at
    // the first shell of G(r); the shells' spacings.
    static Peakabstaende Gauss_Ansicht_Ab_Erster_Schale(int32_t daempfung)
    {
        gIK->Daempfen(daempfung);
        EXPECT_TRUE(gGR->Berechnen());
        const Peakabstaende abstaende = Gauss_Ansicht_GR();
        EXPECT_GE(gGauss->Anzahl(), 3);
        if (gGauss->Anzahl() >= 1) {
            EXPECT_NEAR(gGauss->x(1), gGR->R(gGR->First_Peak_Index()), 2 * gOptions->Delta_r());
        }
        return abstaende;
    }

    // The Gauss view lists one peak a coordination shell: neighbours lie one period 2π/K of the
    // shells apart, K at the main peak of I(K), within 30 % (two maxima on one top lie closer, a
    // shell lost between two listed ones leaves twice the period), so that K0 = 2π/Δr comes within
    // 10 % of the main peak and a_r = r1/Δr near 1.2; at least mindestens shells stand out.
    static void Eine_Spitze_Je_Schale(const Peakabstaende& abstaende, double hauptpeak, int32_t mindestens = 6)
    {
        const double periode = 2.0 * std::numbers::pi / hauptpeak;
        EXPECT_GE(gGauss->Anzahl(), mindestens);
        for (int32_t i = 2; i <= gGauss->Anzahl(); ++i)
            EXPECT_NEAR(gGauss->x(i) - gGauss->x(i - 1), periode, 0.3 * periode)
                << "peaks at " << gGauss->x(i - 1) << " and " << gGauss->x(i) << " nm";
        Schalenabstand_Pruefen(abstaende, hauptpeak, 0.1, 1.2);
    }

    // The mean spacing Δr of the listed shells: K0 = 2π/Δr within share of the main peak of I(K),
    // a_r = r1/Δr within 0.1 of the model's.
    static void Schalenabstand_Pruefen(const Peakabstaende& abstaende, double hauptpeak, double anteil, double a_r)
    {
        EXPECT_NEAR(2.0 * std::numbers::pi / abstaende.Delta, hauptpeak, anteil * hauptpeak) << "K0";
        EXPECT_NEAR(gGauss->x(1) / abstaende.Delta, a_r, 0.1) << "a_r";
    }

    // Where the model's I(K) is highest between K = von and bis, in 1/nm.
    template <class Probe>
    static double Hauptpeak_K(const Probe& probe, double von, double bis)
    {
        double hauptpeak = von;
        for (double K = von; K < bis; K += 0.01)
            if (probe.I(K) > probe.I(hauptpeak)) hauptpeak = K;
        return hauptpeak;
    }

    RecordingView view;
};
