#include "mainwindow/modProjektStart.h"

#include "analysis/clsFFT.h"
#include "analysis/clsGR.h"
#include "analysis/clsGauss.h"
#include "analysis/clsUntergrund.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "curves/clsSSC.h"
#include "curves/clsSpline.h"
#include "mainwindow/MainWindowView.h"

namespace {

constexpr int32_t kKein_Schritt = -1000;

void Protokoll(const std::string& line) { gCommon->Record(line); }

void Projekttyp_Protokollieren(int32_t typ)
{
    switch (typ) {
    case PT_Beugung: Protokoll("Projekttyp: Beugungsspektrum"); break;
    case PT_ELMI: Protokoll("Projekttyp: ELMI Beugungsspektrum"); break;
    case PT_IK: Protokoll("Projekttyp: S(K), I(K)"); break;
    case PT_GR: Protokoll("Projekttyp: G(r)"); break;
    default: break;
    }
}

// Loads the project's curve into the working curve and puts the step machine on the project's
// first step; false when nothing could be loaded.
bool Kurve_Laden(const clsCommon& common)
{
    clsCalc& calc = rt::Object(gCalc);
    bool geladen = false;
    switch (common.ProjektTyp()) {
    case PT_Beugung:
        if (!calc.Beugung_oeffnen()) return false;
        gSchritt = 2;
        MainView().DrawCurve(KT_JK);
        return true;
    case PT_ELMI:
        geladen = common.ProjektTyp_Spezial() == PTS_Demo_JK ? calc.Demo_JK() : calc.ELMI_Oeffnen();
        break;
    // Averaged halves are stored as two-column curve files under either extension, which only the
    // curve reader reads.
    case PT_Fit:
    case PT_Mittel:
        geladen = calc.Faltung_Oeffnen();
        break;
    case PT_ELMI_Bild:
        geladen = calc.ELMI_Oeffnen_Bild();
        break;
    case PT_IK:
    case PT_GR:
    case PT_Potential:
        // Their readers belong to the I(K), G(r) and potential objects, which do not read files yet.
        gSchritt = kKein_Schritt;
        return false;
    default:
        return true;  // no curve of its own
    }
    if (!geladen) return false;
    calc.setIstGefaltet(true);
    gSchritt = 6;
    // Fitted, folded and averaged curves are shown as averaged halves.
    const bool gemittelt = common.ProjektTyp() == PT_Fit || common.ProjektTyp() == PT_Mittel;
    MainView().DrawCurve(gemittelt ? KT_JK_Gemittelt : KT_JK);
    return true;
}

// What every loaded project shares: the window names the file, the menus follow the project, and
// no side fit is pending.
void Abschliessen(const clsCommon& common)
{
    MainWindowView& view = MainView();
    view.SetTitle("KPW - ZELO (DEMO) " + gLoader->Version_Kurz() + " - [" + common.Dateiname() + "]");
    view.ShowProjectMenus(common.ProjektTyp_Spezial() == PTS_Keiner);
    // The diagram may rescale y for the project.
    zelo::Ui().Redraw(false);
    rt::Object(gCalc).setTrennstelle_OK(false);
    rt::Object(gOptions).setAnsicht_2_Fenster(false);
}

}

void Neues_Projekt_Reset()
{
    try {
        rt::Object(gCalc).Punkte_Loeschen();
        rt::Object(gSpline).Clear();
        rt::Object(gUntergrund).Clear();
        // A stored transform size out of range raises here.
        rt::Object(gFFT).SetupFFT_Ungeschuetzt();
        rt::Object(gGR).Clear();
        rt::Object(gGauss).Clear();
        // The mouse modes of the previous project's tools end with it.
        gModus_Hoehe = gModus_Breite = gModus_Bereich = gModus_Verschieben = gModus_Fit = false;
        MainView().GUI_SET_TOOLS();
        rt::Object(gCommon).setProjektTyp_Spezial(PTS_Keiner);
        gGespeichert = false;
    } catch (const rt::RuntimeError& e) {
        gError->Report("modCommon", "Neues_Projekt_Reset", e);
    }
}

void Datei_Einlesen_Endgueltig()
{
    try {
        const clsCommon& common = rt::Object(gCommon);
        Projekttyp_Protokollieren(common.ProjektTyp());
        Protokoll(gLanguage->Caption(189) + ": " + common.Ordner());
        Protokoll(gLanguage->Caption(190) + ": " + common.Dateiname_Rohdaten());
        // Before loading, so that a file that fails to load is still offered again.
        rt::Object(gOptions).MRU_Set(common.Dateiname_Rohdaten());
        gSSC = std::make_unique<clsSSC>();
        gSSC->ESC_HEADER();
        if (!Kurve_Laden(common)) return;
        Abschliessen(common);
    } catch (const rt::RuntimeError& e) {
        gError->Report("modCommon", "Datei_Einlesen_Endgueltig", e);
    }
}
