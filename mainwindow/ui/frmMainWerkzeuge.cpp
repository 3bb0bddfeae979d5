// The main window's tool buttons: their creation, style and captions, the click dispatcher and the
// groups; the rules behind them are clsWerkzeuge's.
#include "mainwindow/ui/frmMain.h"

#include "core/KurvenTyp.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "graphics/Vorschau.h"
#include "graphics/clsGrafik.h"
#include "graphics/frmSmall.h"
#include "graphics/conDisplay.h"
#include "mainwindow/ui/WerkzeugBilder.h"
#include "panels/conFT_AI.h"
#include "widgets/fxbutton.h"

#include <QMenu>

#include <algorithm>

QFont Werkzeug_Schrift(QFont schrift)
{
    // The buttons are sized for captions such as "Vorschau" in a small face.
    schrift.setPointSizeF(std::min(schrift.pointSizeF(), 8.0));
    return schrift;
}

void frmMain::Werkzeuge_Erstellen()
{
    const int32_t style = gOptions->ButtonStyle();
    for (const Werkzeug& w : Werkzeugtabelle()) AddButton(w, style);
    Werkzeuge.setEnabled(2, false);
    // The step-back popup: only the raw data are offered until a later stage exists.
    mnuSeperator_1 = new QMenu(this);
    const char* stufen[] = {"Rohdaten", "bearbeitete Rohdaten", "gemittelte Rohdaten", "Fit"};
    for (size_t k = 0; k < mnuSeperatorBack.size(); ++k) {
        mnuSeperatorBack[k] = mnuSeperator_1->addAction(stufen[k]);
        const auto index = static_cast<int16_t>(k);
        connect(mnuSeperatorBack[k], &QAction::triggered, this, GuardedSlot("frmMain", "mnuSeperatorBack_Click", [index] {
                    Schritte().mnuSeperatorBack_Click(index);
                }));
    }
    Werkzeuge_Anzeigen();
}

void frmMain::AddButton(const Werkzeug& w, int32_t style)
{
    auto* knopf = new fxbutton(centralWidget());
    // "Weiter" stands at the top of the panel frame.
    const int32_t top = w.Index == 23 ? Frame1->y() + w.Top : w.Top;
    knopf->setGeometry(w.Left, top, w.Width, w.Height);
    knopf->setMode(w.Mode);
    knopf->setFont(Werkzeug_Schrift(knopf->font()));
    knopf->setButtonStyle(style);
    knopf->setCaption(w.Caption == kLiteralText ? QString::fromUtf8(w.Literal) : Text(w.Caption));
    knopf->setToolTip(Text(w.ToolTip));
    if (w.Icon > 0) knopf->setPictureNormal(Werkzeug_Bild(w.Icon));
    knopf->setVisible(w.Visible);
    const int32_t index = w.Index;
    connect(knopf, &fxbutton::Click, this, [this, index] { cmdTool_Click(index); });
    cmdTool[static_cast<size_t>(index)] = knopf;
}

void frmMain::Tools_Style_Setzen()
{
    for (int32_t i = 1; i <= kWerkzeuge; ++i) cmdTool[static_cast<size_t>(i)]->setButtonStyle(gOptions->ButtonStyle());
}

void frmMain::Werkzeuge_Anzeigen()
{
    for (int32_t i = 1; i <= kWerkzeuge; ++i) {
        fxbutton* knopf = cmdTool[static_cast<size_t>(i)];
        knopf->resize(Werkzeuge.Width(i), knopf->height());
        knopf->setEnabled(Werkzeuge.Enabled(i));
        if (knopf->Value() != Werkzeuge.Value(i)) knopf->setValue(Werkzeuge.Value(i));
        knopf->setVisible(Werkzeuge.Visible(i));
    }
    for (size_t k = 0; k < mnuSeperatorBack.size(); ++k)
        mnuSeperatorBack[k]->setEnabled(Werkzeuge.SeperatorBack(static_cast<int32_t>(k)));
}

void frmMain::cmdTool_Click(int32_t index)
{
    UiGuard("frmMain", "cmdTool_Click", [&] {
        const clsWerkzeuge vorher = Werkzeuge;
        const Werkzeugbefehl befehl = Werkzeuge.cmdTool_Click(index);
        Werkzeuge_Anzeigen();
        Befehl_Ausfuehren(befehl, vorher);
    });
}

void frmMain::Befehl_Ausfuehren(const Werkzeugbefehl& befehl, const clsWerkzeuge& vorher)
{
    using A = Werkzeugaktion;
    switch (befehl.Aktion) {
    case A::NeuesProjekt: mnuNeuesProjekt_Click(); break;
    case A::Speichern: Gespeichert_Setzen(); break;
    case A::GanzeKurve:
        gGrafik->setZoom(false);
        gGrafik->Zeichne(false);
        break;
    case A::Spiegeln:
        if (gCalc->Temp_Punkte() > 0) {
            gCalc->Punkte_Spiegeln();
            conDisplay[0]->Zeichne_Spiegelung();
        }
        break;
    case A::Falten_Verschieben:
        gCalc->Verschieben_X_Falten(befehl.Verschiebung);
        gGrafik->Zeichne(true);
        break;
    case A::SchrittZurueckMenue: {
        const fxbutton* jk = cmdTool[13];
        mnuSeperator_1->popup(centralWidget()->mapToGlobal(QPoint(jk->x(), jk->y() + jk->height())));
        break;
    }
    case A::Peaks: Peaks_Zeigen(gModus_Peaks); break;
    case A::Vorschau: Vorschau_Oeffnen(befehl.Kurventyp); break;
    case A::OK: Schritte().OK_Click(); break;
    case A::Fit: Schritte().Fit_Click(); break;
    case A::Falten: Schritte().Falten_Click(); break;
    case A::Schritt: Schritt_Waehlen(befehl.Werkzeug, vorher); break;
    case A::Extras: Schritte().Extras_Zeigen(); break;
    case A::Weiter:
        Schritte().Weiter();
        Tasten_Ans_Diagramm();
        break;
    case A::AutoFTR: FT_AI_Zeigen(Werkzeuge.Value(kWerkzeug_AutoFTR)); break;
    case A::FT_AI_Umschalten: FT_AI_Zeigen(!conFT_AI1->isVisible()); break;
    default: break;
    }
    Werkzeuge_Anzeigen();
}

void frmMain::Vorschau_Oeffnen(int32_t kurve)
{
    frmSmall* fenster = NewPreviewWindow(kurve);
    if (!fenster) return;
    connect(fenster, &QObject::destroyed, this, [this] {
        fxbutton* vorschau = cmdTool[kWerkzeug_Vorschau];
        if (focusWidget() != vorschau) return;
        vorschau->clearFocus();
        Tasten_Ans_Diagramm();
    });
}

void frmMain::Toggle_Zoom_Visible(bool visible)
{
    Werkzeuge.Toggle_Zoom_Visible(visible);
    Werkzeuge_Anzeigen();
}

void frmMain::Toggle_Tool_0_Enabled(bool enabled)
{
    Werkzeuge.Toggle_Tool_0_Enabled(enabled);
    Werkzeuge_Anzeigen();
}

void frmMain::Toggle_Tool_0_Visible(bool visible)
{
    Werkzeuge.Toggle_Tool_0_Visible(visible);
    Werkzeuge_Anzeigen();
}

void frmMain::Toggle_Tool_Kurve_Visible(bool visible)
{
    Werkzeuge.Toggle_Tool_Kurve_Visible(visible);
    Werkzeuge_Anzeigen();
}

void frmMain::Toggle_Tool_1_Visible(bool visible)
{
    Werkzeuge.Toggle_Tool_1_Visible(visible);
    Werkzeuge_Anzeigen();
}

void frmMain::Toggle_Tool_2_Visible(bool visible)
{
    Werkzeuge.Toggle_Tool_2_Visible(visible);
    Werkzeuge_Anzeigen();
}

void frmMain::GUI_SET_TOOLS_NICHTS()
{
    Werkzeuge.GUI_SET_TOOLS_NICHTS();
    Werkzeuge_Anzeigen();
}

void frmMain::GUI_SET_TOOLS()
{
    Werkzeuge.GUI_SET_TOOLS();
    Werkzeuge_Anzeigen();
}

void frmMain::Toggle_RohdatenSeperator(int32_t index, bool show)
{
    Werkzeuge.Toggle_RohdatenSeperator(index, show);
    Werkzeuge_Anzeigen();
}
