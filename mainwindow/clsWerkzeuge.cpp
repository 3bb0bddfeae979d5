#include "mainwindow/clsWerkzeuge.h"

#include "core/KurvenTyp.h"
#include "core/modCommon.h"

namespace {

constexpr int32_t kSchritt_Gefaltet = 4;
constexpr float kFaltungsschritt = 0.1f;

// The preview shows the I(K) of the Fourier step at the background and G(r) steps, G(r) at every other.
int32_t Vorschau_Kurventyp(int32_t schritt) { return schritt == 10 || schritt == 12 ? KT_IK_Wichtung : KT_GR; }

void Bearbeitung_Aus() { gModus_Bereich = gModus_Verschieben = gModus_Hoehe = gModus_Breite = false; }

}

clsWerkzeuge::clsWerkzeuge()
{
    for (const Werkzeug& w : Werkzeugtabelle()) {
        K(w.Index).visible = w.Visible;
        K(w.Index).width = w.Width;
    }
}

bool clsWerkzeuge::Visible(int32_t index) const { return Gueltig(index) && K(index).visible; }
bool clsWerkzeuge::Enabled(int32_t index) const { return Gueltig(index) && K(index).enabled; }
bool clsWerkzeuge::Value(int32_t index) const { return Gueltig(index) && K(index).value; }
int32_t clsWerkzeuge::Width(int32_t index) const { return Gueltig(index) ? K(index).width : 0; }

void clsWerkzeuge::setVisible(int32_t index, bool visible)
{
    if (Gueltig(index)) K(index).visible = visible;
}

void clsWerkzeuge::setEnabled(int32_t index, bool enabled)
{
    if (Gueltig(index)) K(index).enabled = enabled;
}

void clsWerkzeuge::setValue(int32_t index, bool value)
{
    // A push button has no lasting value.
    if (Gueltig(index) && Werkzeug_Daten(index).Mode != kModusPush) K(index).value = value;
}

void clsWerkzeuge::Option_Waehlen(int32_t index)
{
    if (!Gueltig(index) || Werkzeug_Daten(index).Mode != kModusOption) return;
    for (const Werkzeug& w : Werkzeugtabelle())
        if (w.Mode == kModusOption) K(w.Index).value = (w.Index == index);
}

void clsWerkzeuge::Eigene_Aenderung(int32_t index)
{
    const int32_t mode = Werkzeug_Daten(index).Mode;
    if (mode == kModusToggle) K(index).value = !K(index).value;
    Option_Waehlen(index);
}

void clsWerkzeuge::Bearbeitungsmodus(int32_t index)
{
    gModus_Bereich = index == 5;
    gModus_Verschieben = index == 7;
    gModus_Hoehe = index == 9;
    gModus_Breite = index == 10;
    GUI_SET_TOOLS();
}

Werkzeugbefehl clsWerkzeuge::cmdTool_Click(int32_t index)
{
    if (!bereit_ || !Bedienbar(index)) return {};
    Eigene_Aenderung(index);
    using A = Werkzeugaktion;
    switch (index) {
    case 1: return {A::NeuesProjekt};
    case 2: return {A::Speichern};
    case 3:
        gModus_Zoom = Value(3);
        if (gModus_Zoom) {
            Bearbeitung_Aus();
            GUI_SET_TOOLS();
        }
        return {};
    case 4:
        K(3).value = false;
        gModus_Zoom = false;
        Bearbeitung_Aus();
        GUI_SET_TOOLS();
        return {A::GanzeKurve};
    case 5:
    case 7:
    case 9:
    case 10: Bearbeitungsmodus(index); return {};
    case 6: return {A::OK};
    case 8: return {A::Spiegeln};
    case 11: return {A::Fit};
    case 12: return {A::Falten};
    case 18: return {A::Extras};
    case 19: return {.Aktion = A::Vorschau, .Kurventyp = Vorschau_Kurventyp(gSchritt)};
    case 20: return {A::AutoFTR};
    case 23: return {A::Weiter};
    case 24: return {A::SchrittZurueckMenue};
    case 25: gModus_Peaks = Value(25); return {A::Peaks};
    default: return {A::Schritt, index};  // 13 to 17, 21, 22
    }
}

Werkzeugbefehl clsWerkzeuge::Form_KeyUp(int32_t taste, int32_t schritt)
{
    using A = Werkzeugaktion;
    switch (taste) {
    case 'N': return {A::NeuesProjekt};
    case 'X':
    case 'Y':
        if (schritt != kSchritt_Gefaltet) return {};
        return {.Aktion = A::Falten_Verschieben, .Verschiebung = taste == 'X' ? kFaltungsschritt : -kFaltungsschritt};
    case 'I':
        if (!Bedienbar(15)) return {};
        setValue(16, false);
        return {A::Schritt, 15};
    case 'G':
        if (!Bedienbar(16)) return {};
        setValue(15, false);
        return {A::Schritt, 16};
    case 'T': {
        const int32_t ziel = Value(15) ? 16 : 15;
        if (!Bedienbar(ziel)) return {};
        if (ziel == 16) setValue(15, false);
        return {A::Schritt, ziel};
    }
    case 'F': return Bedienbar(20) ? Werkzeugbefehl{A::FT_AI_Umschalten} : Werkzeugbefehl{};
    default: return {};
    }
}

void clsWerkzeuge::Toggle_Zoom_Visible(bool visible)
{
    for (int32_t i : {3, 4}) setVisible(i, visible);
}

void clsWerkzeuge::Toggle_Tool_0_Enabled(bool enabled)
{
    for (int32_t i : {7, 8, 9, 10}) setEnabled(i, enabled);
}

void clsWerkzeuge::Toggle_Tool_0_Visible(bool visible)
{
    for (int32_t i = 5; i <= 12; ++i) setVisible(i, visible);
}

void clsWerkzeuge::Toggle_Tool_Kurve_Visible(bool visible) { setVisible(25, visible); }

void clsWerkzeuge::Toggle_Tool_1_Visible(bool visible)
{
    for (int32_t i = 13; i <= 20; ++i) setVisible(i, visible);
    setVisible(24, visible);
}

void clsWerkzeuge::Toggle_Tool_2_Visible(bool visible)
{
    for (int32_t i : {21, 22}) setVisible(i, visible);
}

bool clsWerkzeuge::GUI_SET_IS_NICHTS()
{
    return !(gModus_Zoom || gModus_Bereich || gModus_Verschieben || gModus_Hoehe || gModus_Breite || gModus_Fit);
}

void clsWerkzeuge::GUI_SET_TOOLS_NICHTS()
{
    Bearbeitung_Aus();
    gModus_Fit = false;
    GUI_SET_TOOLS();
}

void clsWerkzeuge::GUI_SET_TOOLS()
{
    K(5).value = gModus_Bereich;
    K(7).value = gModus_Verschieben;
    K(9).value = gModus_Hoehe;
    K(10).value = gModus_Breite;
}

void clsWerkzeuge::Toggle_RohdatenSeperator(int32_t index, bool show)
{
    K(13).width = show ? 35 : 50;
    K(24).visible = show;
    if (!show)
        seperatorBack_.fill(false);
    else if (index >= 0 && index < static_cast<int32_t>(seperatorBack_.size()))
        seperatorBack_[static_cast<size_t>(index)] = true;
}

bool clsWerkzeuge::SeperatorBack(int32_t index) const
{
    return index >= 0 && index < static_cast<int32_t>(seperatorBack_.size()) && seperatorBack_[static_cast<size_t>(index)];
}

void clsWerkzeuge::ResetControls()
{
    for (int32_t i = 13; i <= 17; ++i) {
        K(i).value = false;
        K(i).enabled = false;
    }
}

