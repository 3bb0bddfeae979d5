#include "mainwindow/modProjektStart.h"

#include "analysis/clsFFT.h"
#include "analysis/clsGR.h"
#include "analysis/clsGauss.h"
#include "analysis/clsIK.h"
#include "analysis/clsPot.h"
#include "analysis/clsUntergrund.h"
#include "core/Dateiart.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/Ergebnisdatei.h"
#include "curves/clsCalc.h"
#include "curves/clsSSC.h"
#include "curves/clsSpline.h"
#include "mainwindow/MainWindowView.h"
#include "mainwindow/Probelesen.h"
#include "mainwindow/clsSchritte.h"
#include "mainwindow/modErgebnisse.h"
#include "materials/clsMFE.h"

#include <filesystem>
#include <system_error>

namespace {

uint64_t projektwechsel = 0;

bool Datei_Existiert(const std::string& pfad)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(pfad, ec);
}

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

std::string Titel_Ohne_Datei() { return "KPW - ZELO (DEMO) " + gLoader->Version_Kurz(); }

// The first step of a spectrum project: J(K) pressed, fold off, the background panel hidden.
void Spektrum_Beginnen(int32_t schritt, bool gefaltet, int32_t kurve, int32_t tag1, int32_t tag2)
{
    clsWerkzeuge& w = Schritte().Werkzeuge;
    gSchritt = schritt;
    rt::Object(gCalc).setIstGefaltet(gefaltet);
    MainView().ShowMenu(Menue::Mitteln, true);
    MainView().ShowPanel(Panel::UG, false);
    w.setEnabled(kSchritt_JK, true);
    w.setValue(kSchritt_JK, true);
    w.setEnabled(kWerkzeug_Fit, schritt != ST_Rohdaten);
    if (gefaltet) w.setEnabled(kWerkzeug_Falten, false);
    Schritte().Tags_Setzen(tag1, tag2);
    MainView().DrawCurve(kurve);
}

// I(K) and G(r) projects start at the Fourier step with their curve drawn.
void Transformschritt_Beginnen(int32_t typ)
{
    clsWerkzeuge& w = Schritte().Werkzeuge;
    const bool ik = typ == PT_IK;
    w.setEnabled(kSchritt_IK, true);
    w.setEnabled(kSchritt_GR, true);
    if (!ik) w.setEnabled(kSchritt_KZ, true);
    w.setValue(ik ? kSchritt_IK : kSchritt_GR, true);
    MainView().ShowMenu(Menue::Mitteln, false);
    MainView().ShowPanel(Panel::UG, false);
    Schritte().Tags_Setzen(ik ? 286 : 287, ik ? 287 : 288);
    // The curve shown counts as chosen with its button, so that Nc follows a loaded G(r).
    Schritte().setLetzteKurvenWahl(ik ? kSchritt_IK : kSchritt_GR);
    MainView().DrawCurve(ik ? KT_IK : KT_GR);
    gSchritt = ik ? ST_IK : ST_GR;
}

bool IK_Laden(int32_t spezial)
{
    clsIK& ik = rt::Object(gIK);
    switch (spezial) {
    case PTS_Rechteck_IK: return ik.Rechteck();
    case PTS_Lorch_IK: return ik.Lorch_100();
    case PTS_Demo_IK: return ik.Demo_IK();
    case PTS_Testpeaks_IK: return ik.PeakTest();
    default: return ik.Einlesen();
    }
}

// Reads the project's curve by its type (generated and demonstration curves by their special
// code) into the model objects; false when nothing could be read or the type has no reader here.
bool Kurve_Lesen(const clsCommon& common)
{
    clsCalc& calc = rt::Object(gCalc);
    const int32_t spezial = common.ProjektTyp_Spezial();
    switch (common.ProjektTyp()) {
    case PT_Beugung: return calc.Beugung_oeffnen();
    case PT_ELMI: return spezial == PTS_Demo_JK ? calc.Demo_JK() : calc.ELMI_Oeffnen();
    // Averaged halves, also those this program writes under ".mitt", are two-column curve files,
    // which only the curve reader reads.
    case PT_Fit:
    case PT_Mittel: return calc.Faltung_Oeffnen();
    case PT_ELMI_Bild: return calc.ELMI_Oeffnen_Bild();
    case PT_Bild_Digitalisieren: return calc.Digitalisiert_Oeffnen();
    case PT_IK: return IK_Laden(spezial);
    case PT_GR: return spezial == PTS_Testpeaks_GR ? rt::Object(gGR).PeakTest() : rt::Object(gGR).Einlesen();
    case PT_Potential: return rt::Object(gPot).Einlesen_R_Raum();
    default:
        zelo::Ui().MsgBox(gLanguage->Caption(521), zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation,
                          gLoader->ApplicationName());
        return false;
    }
}

// Puts the step machine on the first step of the project whose curve was just read.
void Ersten_Schritt_Zeigen(const clsCommon& common)
{
    const int32_t typ = common.ProjektTyp();
    switch (typ) {
    case PT_Beugung: Spektrum_Beginnen(ST_Rohdaten, false, KT_JK, 283, 27); return;
    case PT_ELMI:
    case PT_ELMI_Bild:
    case PT_Bild_Digitalisieren: Spektrum_Beginnen(ST_JK, true, KT_JK, 283, 73); return;
    case PT_Fit:
        Schritte().Werkzeuge.setEnabled(kSchritt_UG, true);
        Spektrum_Beginnen(ST_JK, true, KT_JK_Gemittelt, 73, 285);
        return;
    case PT_Mittel: Spektrum_Beginnen(ST_JK, true, KT_JK_Gemittelt, 283, 73); return;
    case PT_IK:
    case PT_GR:
        // Curves handed over by the structure simulation stay without a step.
        if (common.ProjektTyp_Spezial() != PTS_Simulation) Transformschritt_Beginnen(typ);
        return;
    case PT_Potential:
        Schritte().Werkzeuge.setValue(kSchritt_vr, true);
        MainView().ShowMenu(Menue::Mitteln, false);
        MainView().ShowPanel(Panel::UG, false);
        Schritte().Tags_Setzen(kKeinText, kKeinText);
        MainView().DrawCurve(KT_v_r);
        gSchritt = ST_GR;
        return;
    default: return;
    }
}

// Loads the project's curve and puts the step machine on the project's first step; false when
// nothing could be loaded or the type has no reader here.
bool Kurve_Laden(const clsCommon& common)
{
    const int32_t typ = common.ProjektTyp();
    if (typ == PT_IK || typ == PT_GR || typ == PT_Potential) gSchritt = ST_Keiner;
    const bool gelesen = Kurve_Lesen(common);
    // The image panel has handed over its curve, or failed to.
    if (typ == PT_ELMI_Bild || typ == PT_Bild_Digitalisieren) MainView().ShowPanel(Panel::Beugung, false);
    if (!gelesen) return false;
    Ersten_Schritt_Zeigen(common);
    return true;
}

// What every loaded project shares: the window names the file, the menus, tool groups and panels
// follow the project, and no side fit is pending.
void Abschliessen(const clsCommon& common)
{
    MainWindowView& view = MainView();
    clsSchritte& schritte = Schritte();
    clsWerkzeuge& w = schritte.Werkzeuge;
    const int32_t typ = common.ProjektTyp();
    const int32_t spezial = common.ProjektTyp_Spezial();
    const bool transform = typ == PT_IK || typ == PT_GR;
    const bool potential = typ == PT_Potential || typ == PT_Potential_K;
    view.SetTitle(Titel_Ohne_Datei() + " - [" + common.Dateiname() + "]");

    view.EnableMenu(Menue::DiagrammCopy, true);
    view.EnableMenu(Menue::Export, true);
    view.ShowMenu(Menue::Kurve, true);
    view.EnableMenu(Menue::KurveGlaetten, true);
    view.ShowProjectMenus(spezial == PTS_Keiner);
    view.EnableMenu(Menue::Sprung, !transform);

    w.Toggle_Zoom_Visible(true);
    w.setVisible(kWerkzeug_Weiter, true);
    // The previous project may have left "Weiter" off at a later step; it is on wherever the step
    // box names a next step, and leads there.
    w.setEnabled(kWerkzeug_Weiter, schritte.Tag2() != kKeinText);
    w.setValue(kWerkzeug_Peaks, false);
    view.ShowStepBox(true);
    view.ClearValueLabel();

    const bool simulation = spezial == PTS_Simulation;
    view.ShowPanel(Panel::Frame1, !simulation);
    view.ShowPanel(Panel::Diagramm, !simulation);
    view.ShowPanel(Panel::IMC, simulation);
    // The automatic transform, the averaging and the test curves belong to the previous project.
    for (Panel p : {Panel::Fit, Panel::FTR, Panel::Smoothing, Panel::Gauss, Panel::FT_AI, Panel::AddCurves,
                    Panel::PeakTest})
        view.ShowPanel(p, false);
    if (!transform) view.CallPanel(Panelaufruf::UG_Init);
    view.ShowPanel(Panel::Extras, gSchritt == ST_Extras);
    if (typ == PT_IK) {
        if (spezial == PTS_Testpeaks_IK) {
            view.ShowPanel(Panel::FTR, false);
            view.ShowPanel(Panel::PeakTest, true);
            view.CallPanel(Panelaufruf::PeakTest_Init, KT_IK);
        } else {
            view.CallPanel(Panelaufruf::FTR_Zeigen, KT_IK);
        }
    }
    if (typ == PT_GR && spezial == PTS_Testpeaks_GR) {
        view.ShowPanel(Panel::FTR, false);
        view.CallPanel(Panelaufruf::FTR_ShowPeakBuilder);
        view.ShowPanel(Panel::PeakTest, true);
        view.CallPanel(Panelaufruf::PeakTest_Init, KT_GR);
    }
    view.EnableMenu(Menue::Save, false);
    zelo::Ui().Redraw(false);
    view.EnableMenu(Menue::Record, true);
    rt::Object(gCalc).setTrennstelle_OK(false);
    rt::Object(gOptions).setAnsicht_2_Fenster(false);

    const bool rohdaten = typ == PT_Beugung || typ == PT_ELMI || typ == PT_Fit || typ == PT_Mittel ||
                          typ == PT_Bild_Digitalisieren || typ == PT_ELMI_Bild;
    w.Toggle_Tool_0_Visible(rohdaten);
    w.Toggle_Tool_1_Visible(!potential);
    w.Toggle_Tool_2_Visible(potential);
    w.Toggle_Tool_Kurve_Visible(transform);
    // The extras and the automatic transform work on an I(K) or G(r): a raw spectrum has neither yet.
    w.setEnabled(kWerkzeug_Extras, transform);
    w.setEnabled(kWerkzeug_AutoFTR, transform);
    w.Toggle_RohdatenSeperator(0, false);
    w.setEnabled(kWerkzeug_Falten, typ == PT_Beugung);
    view.ToolsChanged();
    schritte.StepLabels();
    // Open previews show the new project's curves, or nothing before they exist.
    view.RedrawPreviews();
}

}

bool Projektdatei_Lesbar()
{
    const clsCommon& common = rt::Object(gCommon);
    std::string grund;
    // Refused before any reader opens it: a named pipe would keep the reader waiting for a writer.
    if (Dateiart_Von(common.Dateiname_Rohdaten()) == Dateiart::Andere)
        grund = gLanguage->Caption(675);
    else if (Probelesen([&common] { return Kurve_Lesen(common); }, grund))
        return true;
    zelo::Ui().MsgBox(gLanguage->Caption(631) + "\r\n" + common.Dateiname_Rohdaten() + "\r\n" +
                          (grund.empty() ? gLanguage->Caption(632) : grund),
                      zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, gLoader->ApplicationName());
    return false;
}

void Ruhezustand_Zeigen()
{
    MainWindowView& view = MainView();
    clsSchritte& schritte = Schritte();
    clsWerkzeuge& w = schritte.Werkzeuge;
    w.ResetControls();
    w.Toggle_Tool_0_Visible(false);
    w.Toggle_Tool_1_Visible(false);
    w.Toggle_Tool_2_Visible(false);
    w.Toggle_Tool_Kurve_Visible(false);
    w.Toggle_RohdatenSeperator(0, false);
    w.setVisible(kWerkzeug_Weiter, false);
    view.ToolsChanged();
    for (Panel p : {Panel::Fit, Panel::UG, Panel::FTR, Panel::FT_AI, Panel::AddCurves, Panel::Extras, Panel::Smoothing,
                    Panel::Gauss, Panel::PeakTest, Panel::IMC, Panel::Diagramm})
        view.ShowPanel(p, false);
    view.ShowStepBox(false);
    schritte.Tags_Setzen(kKeinText, kKeinText);
    schritte.StepLabels();
    // The step the hint belongs to has ended, though gSchritt still names it until the project starts.
    view.SetStepHint("");
    view.SetTitle(Titel_Ohne_Datei());
    view.ClosePreviews();
}

uint64_t Projektwechsel() { return projektwechsel; }

void Neues_Projekt_Reset()
{
    ++projektwechsel;
    try {
        rt::Object(gCalc).Punkte_Loeschen();
        rt::Object(gSpline).Clear();
        rt::Object(gUntergrund).Clear();
        // A stored transform size out of range raises here.
        rt::Object(gFFT).SetupFFT_Ungeschuetzt();
        // The previous project's G(r) with its density line, and its I(K), must not stand in the
        // next project's previews, value labels and extras.
        rt::Object(gGR) = clsGR{};
        rt::Object(gIK).Clear();
        rt::Object(gGauss).Clear();
        // Neither is its alloy nor the density its G(r) gave: a project gets its own alloy from its
        // settings, and a demonstration without them has none.
        rt::Object(gMFE) = clsMFE{};
        // The mouse modes of the previous project's tools end with it.
        gModus_Hoehe = gModus_Breite = gModus_Bereich = gModus_Verschieben = gModus_Fit = false;
        MainView().GUI_SET_TOOLS();
        MainView().CallPanel(Panelaufruf::Beugung_Clear);
        MainView().CallPanel(Panelaufruf::PeakTest_Clear);
        MainView().CallPanel(Panelaufruf::FT_AI_Clear);
        rt::Object(gCommon).setProjektTyp_Spezial(PTS_Keiner);
        gGespeichert = false;
    } catch (const rt::RuntimeError& e) {
        gError->Report("modCommon", "Neues_Projekt_Reset", e);
    }
}

void Datei_Einlesen_Endgueltig()
{
    ++projektwechsel;
    try {
        const clsCommon& common = rt::Object(gCommon);
        Projekttyp_Protokollieren(common.ProjektTyp());
        Protokoll(gLanguage->Caption(189) + ": " + common.Ordner());
        Protokoll(gLanguage->Caption(190) + ": " + common.Dateiname_Rohdaten());
        // Before loading, so that a file that fails to load is still offered again; the name a special
        // curve carries is no file (its menu starts it) and is not offered. The next run's open
        // dialog starts in the file's folder.
        if (Datei_Existiert(common.Dateiname_Rohdaten())) {
            rt::Object(gOptions).MRU_Set(common.Dateiname_Rohdaten());
            common.Ordner_Merken();
        }
        gSSC = std::make_unique<clsSSC>();
        gSSC->ESC_HEADER();
        // The files of an earlier project under the same name are no results of this one.
        Ergebnisdatei::Vergessen();
        // The previous project's tools and panels must not stand over a curve that failed to load,
        // and every project starts with the tools of a first one.
        clsWerkzeuge& w = Schritte().Werkzeuge;
        const bool bereit = w.Bereit();
        w = clsWerkzeuge{};
        w.setBereit(bereit);
        w.ResetControls();
        Schritte().setLetzteKurvenWahl(0);
        Schritte().Tags_Setzen(kKeinText, kKeinText);
        if (!Kurve_Laden(common)) {
            Ruhezustand_Zeigen();
            return;
        }
        Abschliessen(common);
        // The project as it starts is no work of the user's that a question would have to keep.
        Ausgangsstand_Merken();
    } catch (const rt::RuntimeError& e) {
        gError->Report("modCommon", "Datei_Einlesen_Endgueltig", e);
    }
}
