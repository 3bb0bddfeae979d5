// The step machine's tool actions: OK, Fit, fold, the extras step and the step back to a stored stage.
#include "mainwindow/clsSchritte.h"

#include "analysis/Analysestufe.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "curves/clsSSC.h"
#include "mainwindow/MainWindowView.h"
#include "mainwindow/modErgebnisse.h"

namespace {

void Sichern(int32_t kurve) { Analysestufe_Sichern(kurve); }

std::string Text(int32_t nummer) { return gLanguage->Caption(nummer); }

}

void clsSchritte::mnuSeperatorBack_Click(int16_t Index)
{
    try {
        if (Index >= 0 && Index <= 3) {
            clsSSC& ssc = rt::Object(gSSC);
            clsCalc& calc = rt::Object(gCalc);
            if (ssc.Kurve_Zurueck(ssc.Aktuelles_Level(), Index + 1) && calc.Sicherheit_Zurueck()) {
                const bool gefaltet = Index >= 2;
                calc.setIstGefaltet(gefaltet);
                if (Index <= 1) Werkzeuge.setEnabled(kWerkzeug_Falten, true);
                Werkzeuge.setEnabled(kWerkzeug_Weiter, Index != 3);
                if (Index <= 2) {
                    for (int32_t i = kSchritt_UG; i <= kSchritt_KZ; ++i) Werkzeuge.setEnabled(i, false);
                    // Back before the background: no I(K) or G(r) for the extras or the automatic transform.
                    for (int32_t i : {kWerkzeug_Extras, kWerkzeug_AutoFTR}) Werkzeuge.setEnabled(i, false);
                }
                static constexpr int32_t kTags[4][2] = {{283, 27}, {283, 27}, {27, 73}, {73, 285}};
                Tags_Setzen(kTags[Index][0], kTags[Index][1]);
                static constexpr int32_t kKurve[4] = {KT_JK, KT_JK_Bearbeitet, KT_JK_Gemittelt, KT_JK};
                gSchritt = Index <= 1 ? ST_Rohdaten : Index == 2 ? ST_Gefaltet : ST_JK;
                Tools_Zeigen();
                MainView().DrawCurve(kKurve[Index]);
                // The fit stage is drawn as J(K) and then waits for OK.
                if (Index == 3) gSchritt = ST_Fit;
            }
        }
        Werkzeuge.setValue(kSchritt_JK, true);
        Tools_Zeigen();
        StepLabels();
    } catch (const rt::RuntimeError& e) {
        gError->Report("frmMain", "mnuSeperatorBack_Click", e);
    }
}

void clsSchritte::OK_Click()
{
    try {
        MainWindowView& view = MainView();
        clsCalc& calc = rt::Object(gCalc);
        if (gSchritt == ST_Gefaltet) {
            gSchritt = ST_JK;
            view.Mitteln_Dialog();
            view.DrawCurve(KT_JK_Gemittelt);
            Sichern(KT_JK_Gemittelt);
            Werkzeuge.Toggle_Zoom_Visible(true);
            Werkzeuge.Toggle_Tool_0_Visible(true);
            Werkzeuge.Toggle_RohdatenSeperator(2, true);
            Werkzeuge.Toggle_RohdatenSeperator(1, true);
            Werkzeuge.setEnabled(kWerkzeug_Falten, false);
            Werkzeuge.setEnabled(kWerkzeug_Fit, true);
            Werkzeuge.setEnabled(kWerkzeug_Weiter, true);
            Tools_Zeigen();
        }
        // Tested after the branch above, which leaves step 6.
        if (gSchritt == ST_Fit) {
            gSchritt = ST_JK;
            Sichern(KT_JK_Gemittelt);
            calc.FitUebernehmen();
            Sichern(KT_Fit);
            view.DrawCurve(KT_JK);
            view.ShowPanel(Panel::Fit, false);
            Werkzeuge.Toggle_RohdatenSeperator(2, true);
            Werkzeuge.Toggle_RohdatenSeperator(3, true);
            Werkzeuge.setEnabled(kWerkzeug_Weiter, true);
            Werkzeuge.setEnabled(kSchritt_UG, true);
            Tools_Zeigen();
        }
        if (calc.Punkte_Kopiert()) {
            view.Einfuegen_Dialog();
            calc.setPunkte_Kopiert(false);
            view.DrawCurve(KT_JK);
            Werkzeuge.GUI_SET_TOOLS_NICHTS();
        }
        Werkzeuge.Toggle_Tool_0_Enabled(true);
        Tools_Zeigen();
    } catch (const rt::RuntimeError& e) {
        gError->Report("frmMain", "OK_Click", e);
    }
}

void clsSchritte::Fit_Click()
{
    try {
        MainWindowView& view = MainView();
        clsCalc& calc = rt::Object(gCalc);
        if (!calc.IstGefaltet()) {
            zelo::Ui().MsgBox(Text(52), zelo::MsgButtons::OK, zelo::MsgIcon::None, gLoader->ApplicationName());
            return;
        }
        gSchritt = ST_Fit;
        Werkzeuge.Toggle_Tool_0_Enabled(false);
        Sichern(KT_JK_Gemittelt);
        Werkzeuge.Toggle_RohdatenSeperator(2, true);
        if (Trennstelle_Anbieten(calc, view)) view.ClearValueLabel();
        Werkzeuge.setEnabled(kSchritt_JK, true);
        Tools_Zeigen();
        Tags_Setzen(73, 285);
        StepLabels();
        view.DrawCurve(KT_Fit);
    } catch (const rt::RuntimeError& e) {
        gError->Report("frmMain", "Fit_Click", e);
    }
}

void clsSchritte::Falten_Click()
{
    try {
        gSchritt = ST_Gefaltet;
        Sichern(KT_JK_Bearbeitet);
        Werkzeuge.Toggle_RohdatenSeperator(0, true);
        Tags_Setzen(27, 73);
        StepLabels();
        MainView().ShowMenu(Menue::Mitteln, false);
        Werkzeuge.Toggle_Zoom_Visible(false);
        Werkzeuge.Toggle_Tool_0_Enabled(false);
        Tools_Zeigen();
        rt::Object(gCalc).Falten();
        zelo::Ui().Redraw(true);
    } catch (const rt::RuntimeError& e) {
        gError->Report("frmMain", "Falten_Click", e);
    }
}

void clsSchritte::Extras_Verlassen()
{
    try {
        if (gSchritt != ST_Extras) return;
        MainWindowView& view = MainView();
        rt::Object(gOptions).setAnsicht_2_Fenster(false);
        view.Toggle_2Fenster();
        Werkzeuge.Toggle_Tool_1_Visible(true);
        Werkzeuge.setValue(18, false);
        // G(r) is shown as it was left, not computed again.
        gSchritt = ST_Keiner;
        OptionKurve_Click(kSchritt_GR);
        view.DrawCurve(KT_GR);
    } catch (const rt::RuntimeError& e) {
        gError->Report("frmMain", "Extras_Verlassen", e);
    }
}

void clsSchritte::Extras_Zeigen()
{
    // Errors inside are ignored: the extras show what could be computed.
    try {
        MainWindowView& view = MainView();
        gSchritt = ST_Extras;
        if (rt::Object(gIK).Punkte() == 0) gIK->RTR_Berechnen();
        if (rt::Object(gGR).Punkte() == 0) gGR->Berechnen();
        // Saved after the computations, so that the files hold the curves the step shows.
        Gespeichert_Setzen();
        view.SetStepLabels(Text(28), "");
        view.SetStepHint("");
        Werkzeuge.setEnabled(kWerkzeug_Weiter, false);
        Werkzeuge.Toggle_Tool_0_Visible(false);
        Werkzeuge.Toggle_Tool_1_Visible(false);
        Tools_Zeigen();
        view.ShowPanel(Panel::Extras, true);
        view.CallPanel(Panelaufruf::Extras_Init);
        view.ClearValueLabel();
        rt::Object(gOptions).setAnsicht_2_Fenster(true);
        view.Toggle_2Fenster();
        view.DrawCurve(KT_GR);
    } catch (const rt::RuntimeError&) {
    }
}
