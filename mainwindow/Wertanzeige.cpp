#include "mainwindow/Wertanzeige.h"

#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "core/Prozent.h"
#include "core/RegionalFormat.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "curves/clsCalc.h"
#include "materials/clsMFE.h"

#include <cmath>

namespace {

std::string Text(int32_t nummer) { return gLanguage ? gLanguage->Caption(nummer) : std::string(); }

std::string F(double value, int decimals) { return zelo::FormatNumber(value, decimals); }

std::string K_Text(float k, bool nm) { return nm ? F(k, 2) + " 1/nm" : F(k / 10.0, 2) + " 1/Å"; }

// Only a positive density is one; 0 stands for a density that was never found.
std::string Dichte_Text(float rho, bool nm)
{
    if (!clsMFE::Dichte_Gueltig(rho)) return "n/a";
    return nm ? F(rho, 3) + " 1/nm³" : F(rho / 1000.0, 3) + " 1/Å³";
}

// A percentage, or "n/a" where it cannot mean anything.
std::string Prozent_Text(double prozent, int decimals, double von = -100.0)
{
    return Prozent_Sinnvoll(prozent, von) ? F(prozent, decimals) + " %" : "n/a";
}

std::string Experimentell(float theoretisch, float experimentell, bool nm)
{
    std::string zeile = Text(57) + Dichte_Text(experimentell, nm);
    if (clsMFE::Dichte_Gueltig(theoretisch) && clsMFE::Dichte_Gueltig(experimentell))
        zeile += " (" + F(double(experimentell) / theoretisch * 100.0, 1) + " % von Theorie)";
    return zeile;
}

}

std::string Wertanzeige_IK(const IKWerte& w, bool einheitNM)
{
    const char* kurve = einheitNM ? "I(K)" : "I(Q)";
    return Text(53) + K_Text(w.abbruchK, einheitNM) + "\n" + Text(54) + K_Text(w.parabelK, einheitNM) + "\n" +
           Text(95) + " (" + kurve + "): " + Dichte_Text(w.dichteIK, einheitNM) + "\n" + Woerter(Text(365), Text(344)) +
           "/" + kurve + ": " + Prozent_Text(std::fabs(w.abweichung), 2);
}

std::string Wertanzeige_GR(const GRWerte& w, bool einheitNM)
{
    const std::string theorie = Dichte_Text(w.theoretisch, einheitNM);
    // The running integral that never reaches the density gives 0: no density.
    const std::string hoyer = Dichte_Text(w.hoyer, einheitNM);
    // Without an experimental density there is neither a packing nor a density line to measure.
    const bool dichte = clsMFE::Dichte_Gueltig(w.experimentell);
    return Text(56) + theorie + "\n" + Experimentell(w.theoretisch, w.experimentell, einheitNM) + "\n" + Text(58) +
           hoyer + "\n" + Text(59) + (dichte ? Prozent_Text(w.raumerfuellung, 1, 0.0) : "n/a") + "\n" + Text(60) +
           (dichte ? Prozent_Text(std::fabs(w.abweichung), 2) : "n/a");
}

std::string Wertanzeige_Zwei(float parabelK, float theoretisch, float experimentell, bool einheitNM)
{
    return Text(54) + K_Text(parabelK, einheitNM) + "\n" + Experimentell(theoretisch, experimentell, einheitNM);
}

std::string Wertanzeige_KZ(const std::string& kz, const std::string& kzHoyer)
{
    return Text(61) + kz + "\n" + Text(62) + kzHoyer;
}

std::string Wertanzeige(int32_t k)
{
    if (k != 6 && k != 7) return {};
    const clsOptions& options = *gOptions;
    const bool nm = options.Einheit_NM();
    const bool zwei = options.Ansicht_2_Fenster();
    const float theoretisch = gMFE->Dichte_Theoretisch();
    const float experimentell = gMFE->Dichte_Experimentell();
    // The two-diagram view reads the parabola limit on the working curve's grid.
    const auto zweiDiagramme = [&] {
        return Wertanzeige_Zwei(gCalc->x(gIK->Parabel_Index()), theoretisch, experimentell, nm);
    };
    if (k == 6) {
        if (zwei) return zweiDiagramme();
        return Wertanzeige_IK({gIK->x(gIK->FTR_Index()), gIK->x(gIK->Parabel_Index()), gIK->Dichte_IK(),
                               gIK->Parabel_Abweichung_Prozent()},
                              nm);
    }
    if (gSchritt == 12) {
        if (zwei) return zweiDiagramme();
        return Wertanzeige_GR({theoretisch, experimentell, gGR->Dichte_Exp_Hoyer(), gGR->Raumerfuellung(),
                               gGR->Ausgleich_Abweichung()},
                              nm);
    }
    if (gSchritt == 13) {
        // A coordination number is shown only while it holds for the G(r), the density and the
        // shell limits in force; until the shell is integrated again the label reads as before any
        // integration.
        if (gGR->KZ_Gilt()) return Wertanzeige_KZ(gGR->KZ(), gGR->KZ_Hoyer());
        const std::string keine = F(0.0, 3);
        return Wertanzeige_KZ(keine, keine);
    }
    return {};
}
