#pragma once
// The sample of the end-to-end tests: a Percus–Yevick hard-sphere liquid of carbon at the default
// database's density, scattered with carbon's electron form factor from that database over a smooth
// background, and measured with counting noise on both sides of the primary beam.
#include "analysis/SynthetischeStruktur.h"
#include "core/clsCommon.h"
#include "core/modCommon.h"
#include "mainwindow/modProjektEinstellungen.h"
#include "materials/clsFMK.h"
#include "materials/clsFMK_Intern.h"
#include "materials/clsMFE.h"
#include "support/TestWorld.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>
#include <string>

struct Kohlenstoffprobe {
    static constexpr double kEta = 0.45;       // packing fraction of the hard spheres
    static constexpr double kKMax = 160.0;     // 1/nm measured on either side of the primary beam
    static constexpr double kStreuung0 = 4e6;  // counts of the sample's <f²> at K = 0
    // Support points on the true background, as a user would place them.
    static constexpr double kStuetzstellen[] = {5.0, 12.0, 20.0, 30.0, 45.0, 70.0, 105.0, 155.0};

    double rho = 0.0;    // atoms per nm³
    double sigma = 0.0;  // hard-sphere diameter, nm
    // The share of the full exposure measured: the counts' relative noise grows as 1/√belichtung.
    double belichtung = 1.0;

    // Carbon's liquid density in the program's element database, or its crystalline one where the
    // database knows no liquid (as the installed database for solids), in g/cm³.
    static float Dichte()
    {
        const float fluessig = gMFE->Element_Dichte("C", DQ_Fluessig);
        return fluessig > 0.0f ? fluessig : gMFE->Element_Dichte("C", DQ_Kristallin);
    }

    // The sample at carbon's density in the program's element database.
    static Kohlenstoffprobe AusDatenbank()
    {
        Kohlenstoffprobe p;
        p.rho = Dichte() * 6.02214076e23 / 1e21 / 12.011;
        p.sigma = std::cbrt(6.0 * kEta / (std::numbers::pi * p.rho));
        return p;
    }

    double I(double K) const { return synthetisch::S_PercusYevick(K, kEta, sigma) - 1.0; }

    // The tail of the primary beam, a cubic that ends smoothly at 20 1/nm, over a slowly falling
    // rest: at K = 0 it carries almost all of the intensity, as the background fit's anchor at the
    // curve's first point assumes, and a spline through a few points can follow it.
    static double Untergrund(double K)
    {
        const double schweif = std::max(0.0, 1.0 - K / 20.0);
        return 8e6 * schweif * schweif * schweif + 3e3 * (1.0 + 0.5 * std::exp(-K / 50.0));
    }

    // Counts at ±K: <f>²·S(K) with the table's form factor over the background, Poisson-drawn.
    double Zaehlung(double K, std::mt19937_64& zufall) const
    {
        const clsFMK_Intern& tabelle = gFMK->Tabelle(TestWorld::ElectronTable("C"));
        K = std::fabs(K);
        const double f = tabelle.Y(static_cast<float>(K)) / tabelle.Y(0.0f);
        const double mittel = belichtung * (kStreuung0 * f * f * (1.0 + I(K)) + Untergrund(K));
        return double(std::poisson_distribution<long long>(mittel)(zufall));
    }

    // The raw spectrum as an electron diffractometer writes it: both sides of the primary beam in
    // steps of 0.1 1/nm, 100 ms a point, so that the reader's counts / time × 100 are the counts.
    std::string Rohspektrum(const std::filesystem::path& pfad, std::mt19937_64& zufall) const
    {
        std::ofstream datei(pfad, std::ios::binary);
        datei << "Bemerkungen: generated\r\n";
        const auto n = static_cast<int>(std::lround(kKMax / 0.1));
        for (int i = -n; i <= n; ++i) datei << i * 0.1 << " 100 " << Zaehlung(i * 0.1, zufall) << "\r\n";
        return pfad.string();
    }

    // The settings of a raw-spectrum project of the sample at 200 kV, results in ordner.
    static Projekteinstellungen Einstellungen(const std::string& ordner)
    {
        Projekteinstellungen e;
        e.Ordner = ordner;
        e.ProjektTyp = PT_Beugung;
        e.Komponenten = {{"C", 100.0f, Dichte(), gMFE->Element_Valenz("C", kValenz_Element),
                          TestWorld::ElectronTable("C")}};
        e.Beschleunigungsspannung = -200.0f;
        e.Temperatur = "300";
        return e;
    }

    // Atoms within R of an atom, (4/3)πρR³ + ∫₀^R r·G(r) dr, with ∫₀^R r·G dr written in K as
    // (2/π)∫ I(K)·(sin(KR)/K − R·cos(KR)) dK, whose integrand falls as 1/K².
    double KZ(double R) const
    {
        constexpr double dK = 0.005;
        constexpr int n = 1000000;
        double s = 0.0;
        for (int i = 1; i <= n; ++i) {
            const double K = i * dK;
            s += I(K) * (std::sin(K * R) / K - R * std::cos(K * R)) * (i == n ? 0.5 : 1.0);
        }
        return 4.0 / 3.0 * std::numbers::pi * rho * R * R * R + 2.0 / std::numbers::pi * s * dK;
    }
};
