// The step machine's entries "Weiter" and the step buttons.
#include "mainwindow/clsSchritte.h"

#include "analysis/Analysestufe.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsPot.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "curves/clsSSC.h"
#include "mainwindow/MainWindowView.h"
#include "mainwindow/modErgebnisse.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"

#include <string>

namespace {

clsSchritte instanz;

std::string Text(int32_t nummer) { return nummer == kKeinText ? std::string() : gLanguage->Caption(nummer); }

int32_t ProjektTyp() { return rt::Object(gCommon).ProjektTyp(); }
// Projects that began with I(K) or G(r) have no background to go back to.
bool Ohne_Untergrund() { return ProjektTyp() == PT_IK || ProjektTyp() == PT_GR; }

// The analysis curves (background, I(K), G(r)) are saved with their own values.
void Sichern(int32_t kurve) { Analysestufe_Sichern(kurve); }

void Hinweis(const std::string& text, const std::string& titel)
{
    zelo::Ui().MsgBox(text, zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, titel);
}

void Panels_Verbergen(std::initializer_list<Panel> panels)
{
    for (Panel p : panels) MainView().ShowPanel(p, false);
}

}

clsSchritte& Schritte() { return instanz; }

void Schritte_Zuruecksetzen() { instanz = clsSchritte{}; }

bool clsSchritte::Trennstelle_Anbieten(const clsCalc& calc, MainWindowView& view)
{
    if (calc.Trennstelle_OK()) {
        view.CallPanel(Panelaufruf::Fit_NeueTrennstelle);
        view.ShowPanel(Panel::Fit, true);
        return false;
    }
    // The user marks the separation point in the diagram.
    gModus_Fit = true;
    view.ShowMenu(Menue::Mitteln, false);
    return true;
}

void clsSchritte::Tools_Zeigen() { MainView().ToolsChanged(); }

void clsSchritte::Tags_Setzen(int32_t aktuell, int32_t naechster)
{
    tag1_ = aktuell;
    tag2_ = naechster;
}

void clsSchritte::StepLabels()
{
    MainView().SetStepLabels(Text(tag1_), Text(tag2_));
    MainView().SetStepHint(Klickhinweistext());
}

int32_t clsSchritte::Klickhinweis()
{
    if (gSchritt == ST_Fit && gModus_Fit) return 490;
    if (gSchritt == ST_KZ) return 491;
    return kKeinText;
}

std::string clsSchritte::Klickhinweistext() { return Text(Klickhinweis()); }

void clsSchritte::Weiter()
{
    try {
        MainWindowView& view = MainView();
        clsCalc& calc = rt::Object(gCalc);
        switch (gSchritt) {
        case ST_Rohdaten:
            gSchritt = ST_Gefaltet;
            Tags_Setzen(27, 73);
            Sichern(KT_JK_Bearbeitet);
            view.ShowMenu(Menue::Mitteln, false);
            Werkzeuge.setEnabled(kWerkzeug_Weiter, false);
            Tools_Zeigen();
            calc.Falten();
            zelo::Ui().Redraw(true);
            break;
        case ST_Gefaltet:
        case ST_JK:
            gSchritt = ST_Fit;
            Tags_Setzen(73, 285);
            Werkzeuge.setEnabled(kWerkzeug_Weiter, false);
            Tools_Zeigen();
            Trennstelle_Anbieten(calc, view);
            view.DrawCurve(KT_Fit);
            break;
        case ST_UG:
            if (ProjektTyp() != PT_Fit) {
                calc.FitUebernehmen();
                view.DrawCurve(KT_Fit);
            }
            Sichern(KT_Fit);
            view.ShowPanel(Panel::Fit, false);
            rt::Object(gFMK).Formfaktoren_Berechnen();
            letzteKurvenWahl_ = 0;
            break;
        case ST_KZ:
            if (rt::Object(gMFE).Dichte_Experimentell() == 0.0f) {
                Hinweis("Bitte experimentelle Dichte bestimmen!", "ZELO - RDF");
                gSchritt = ST_GR;
                return;
            }
            Panels_Verbergen({Panel::FT_AI, Panel::FTR});
            view.DrawCurve(KT_RDF);
            break;
        case ST_Extras: Gespeichert_Setzen(); break;
        // An I(K) or G(r) project starts with "Weiter" on: it leads where the step box says.
        case ST_IK: OptionKurve_Click(kSchritt_GR); break;
        case ST_GR: OptionKurve_Click(kSchritt_KZ); break;
        case ST_Fit_Fertig:
            gSchritt = ST_UG;
            Tags_Setzen(285, 286);
            Werkzeuge.setEnabled(kWerkzeug_Weiter, false);
            Werkzeuge.setValue(kSchritt_JK, false);
            Werkzeuge.setEnabled(kSchritt_UG, true);
            Werkzeuge.setValue(kSchritt_UG, true);
            Tools_Zeigen();
            OptionKurve_Click(kSchritt_UG);
            break;
        default:
            Hinweis("Schritt " + std::to_string(gSchritt) + " nicht definiert.",
                    gLoader->ApplicationName() + " - nächster Schritt");
            break;
        }
        StepLabels();
    } catch (const rt::RuntimeError& e) {
        gError->Report("frmMain", "Weiter", e);
    }
}

bool clsSchritte::Zurueckgehen_Bestaetigt(int16_t Index)
{
    std::string text;
    if (Index == kSchritt_UG && rt::Object(gGR).Anzahl_FFT() > 0)
        text = Text(63) + "\r\n" + Text(64) + "\r\n" + Text(65) + "\r\n" + Text(66);
    else if (Index == kSchritt_JK && gSchritt >= ST_UG)
        text = Text(63) + "\r\n" + Text(68) + "\r\n" + Text(69);
    else
        return true;
    return zelo::Ui().MsgBox(text, zelo::MsgButtons::YesNoCancel, zelo::MsgIcon::Critical,
                             gLoader->ApplicationName()) == zelo::MsgResult::Yes;
}

bool clsSchritte::OptionKurve_Click(int16_t Index)
{
    try {
        // Asked before anything changes, so that declining leaves the step as it was.
        if (!Zurueckgehen_Bestaetigt(Index)) return false;
        // Computed before anything changes too: a refused I(K) leaves the background step as it was,
        // and the next press computes it again.
        const bool neuesIK = Index == kSchritt_IK && IK_Neu();
        if (neuesIK && !IK_Berechnen()) return false;
        MainWindowView& view = MainView();
        view.ClearValueLabel();
        // Only the step chosen is drawn pressed, whether a click, a key or "Weiter" chose it.
        Werkzeuge.Option_Waehlen(Index);
        Werkzeuge.Toggle_Tool_0_Visible(Index == kSchritt_JK);
        Werkzeuge.setEnabled(kWerkzeug_Extras, Index >= kSchritt_IK && Index <= kSchritt_KZ);
        // The automatic transform runs on the I(K) and G(r) of these two steps.
        Werkzeuge.setEnabled(kWerkzeug_AutoFTR, Index == kSchritt_IK || Index == kSchritt_GR);
        Werkzeuge.Toggle_Tool_Kurve_Visible(Index == kSchritt_IK || Index == kSchritt_GR);
        Tools_Zeigen();
        Panels_Verbergen({Panel::UG, Panel::FT_AI, Panel::AddCurves, Panel::Extras, Panel::FTR, Panel::Fit,
                          Panel::Smoothing});
        switch (Index) {
        case kSchritt_UG: Untergrund_Waehlen(); break;
        case kSchritt_IK: IK_Waehlen(neuesIK); break;
        case kSchritt_GR: GR_Waehlen(); break;
        case kSchritt_JK: JK_Waehlen(); break;
        case kSchritt_KZ:
            if (!KZ_Waehlen()) return true;
            break;
        case kSchritt_vK:
            if (ProjektTyp() == PT_Potential) rt::Object(gPot).Berechne_v_K();
            view.DrawCurve(KT_v_K);
            break;
        case kSchritt_vr:
            if (ProjektTyp() == PT_Potential_K) rt::Object(gPot).Berechne_v_r();
            view.DrawCurve(KT_v_r);
            break;
        default: break;
        }
        Tools_Zeigen();
        letzteKurvenWahl_ = Index;
        StepLabels();
    } catch (const rt::RuntimeError& e) {
        gError->Report("frmMain", "OptionKurve_Click", e);
    }
    return true;
}

void clsSchritte::Untergrund_Waehlen()
{
    MainWindowView& view = MainView();
    rt::Object(gFMK).Formfaktoren_Berechnen();
    rt::Object(gGR).setAnzahl_FFT(0);
    gSchritt = ST_UG;
    view.ShowPanel(Panel::FTR, false);
    view.ShowPanel(Panel::UG, true);
    view.DrawCurve(KT_UG_Stuetzstellen);
    view.CallPanel(Panelaufruf::UG_Aktualisieren);
    Werkzeuge.setEnabled(kSchritt_UG, true);
    Werkzeuge.setEnabled(kSchritt_IK, true);
    view.ClearValueLabel();
    Werkzeuge.setEnabled(kSchritt_KZ, false);
    Werkzeuge.setEnabled(kWerkzeug_Weiter, false);
    Tags_Setzen(285, 286);
}

bool clsSchritte::IK_Neu() const
{
    return gSchritt != ST_Extras && gSchritt != ST_Keiner && letzteKurvenWahl_ == kSchritt_UG;
}

bool clsSchritte::IK_Berechnen()
{
    if (!rt::Object(gIK).Berechnen(rt::Object(gMFE).Dichte_Theoretisch())) return false;
    MainWindowView& view = MainView();
    view.CallPanel(Panelaufruf::UG_SS_Speichern);
    // The stage holds I(K) as computed; what G(r) is transformed from is damped as the list shows.
    Sichern(KT_IK);
    Sichern(KT_UG_Stuetzstellen);
    view.CallPanel(Panelaufruf::FTR_Daempfen);
    return true;
}

void clsSchritte::IK_Waehlen(bool neu)
{
    MainWindowView& view = MainView();
    view.ShowPanel(Panel::UG, false);
    Werkzeuge.setEnabled(kSchritt_GR, true);
    Werkzeuge.setEnabled(kWerkzeug_Weiter, false);
    if (gSchritt == ST_Extras) {
        view.DrawCurve(KT_IK);
    } else {
        if (gSchritt != ST_Keiner) {
            if (neu) {
                // Fresh from the background: I(K) from the measured curve, computed already.
                view.DrawCurve(KT_IK);
            } else {
                // Back from G(r): I(K) from the transform of G(r).
                rt::Object(gIK).RTR_Berechnen();
                view.DrawCurve(KT_IK_Wichtung);
                view.ShowPanel(Panel::Extras, false);
            }
            Werkzeuge.setEnabled(kSchritt_UG, !Ohne_Untergrund());
        }
        view.RedrawPreviews();
        Werkzeuge.setEnabled(kSchritt_KZ, false);
        Tags_Setzen(286, 287);
        gSchritt = ST_IK;
        view.InfoChange(0, KT_IK);
    }
    view.CallPanel(Panelaufruf::FTR_Zeigen, KT_IK_Wichtung);
}

void clsSchritte::GR_Waehlen()
{
    MainWindowView& view = MainView();
    if (gSchritt == ST_Extras) {
        view.DrawCurve(KT_GR);
    } else {
        if (gSchritt != ST_Keiner) {
            const bool neu = rt::Object(gGR).Berechnen();
            // Without an I(K) to transform (a G(r) project before its back-transform) the G(r) the
            // project has is shown as it is.
            view.DrawCurve(KT_GR);
            if (neu) {
                view.RedrawPreviews();
                Sichern(KT_GR);
            }
        }
        Werkzeuge.setEnabled(kSchritt_KZ, true);
        gSchritt = ST_GR;
        view.InfoChange(0, KT_GR);
    }
    view.CallPanel(Panelaufruf::FTR_Zeigen, KT_GR);
    Werkzeuge.setEnabled(kSchritt_UG, !Ohne_Untergrund());
    Werkzeuge.setEnabled(kWerkzeug_Weiter, false);
    Tags_Setzen(287, 288);
}

void clsSchritte::JK_Waehlen()
{
    Werkzeuge.setEnabled(kWerkzeug_Weiter, false);
    clsSSC& ssc = rt::Object(gSSC);
    if (gSchritt >= ST_UG) ssc.Kurve_Zurueck(ssc.Aktuelles_Level(), KT_JK);
    rt::Object(gGR).setAnzahl_FFT(0);
    gSchritt = ST_JK;
    MainView().DrawCurve(KT_JK);
    Tags_Setzen(283, 285);
}

bool clsSchritte::KZ_Waehlen()
{
    // Without a density Nc asks for one, which says all the save's note on the density would.
    const bool ohneDichte = letzteKurvenWahl_ == kSchritt_GR && rt::Object(gMFE).Dichte_Experimentell() == 0.0f;
    Gespeichert_Setzen(!ohneDichte);
    Werkzeuge.setEnabled(kWerkzeug_Weiter, false);
    Tools_Zeigen();
    // The coordination number needs the G(r) just computed.
    if (letzteKurvenWahl_ != kSchritt_GR) return false;
    if (ohneDichte) {
        // The step stays G(r), and so does its button.
        Werkzeuge.Option_Waehlen(kSchritt_GR);
        Tools_Zeigen();
        Hinweis(Text(70), "ZELO - RDF");
        gSchritt = ST_GR;
        return false;
    }
    gSchritt = ST_KZ;
    Panels_Verbergen({Panel::FT_AI, Panel::FTR});
    MainView().DrawCurve(KT_RDF);
    Tags_Setzen(288, kKeinText);
    return true;
}
