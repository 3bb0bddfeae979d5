#pragma once
// The state of the main window's 25 tool buttons and the mode rules behind them: which display-mode
// flags (gModus_*) a click sets and clears, which buttons are shown, enabled and pressed, and which
// entries of the step-back menu are on. The window mirrors this state onto its buttons after every
// change and carries out the returned command; tests drive it without a window.
#include "mainwindow/Werkzeugtabelle.h"

#include <array>
#include <cstddef>
#include <cstdint>

enum class Werkzeugaktion {
    Keine,
    NeuesProjekt,
    Speichern,
    // "1:1": zoom off, the whole curve with the y scale recomputed.
    GanzeKurve,
    OK,
    Spiegeln,
    Fit,
    Falten,
    // The step selector for the tool in Werkzeugbefehl::Werkzeug.
    Schritt,
    Extras,
    // A preview window of the curve kind in Werkzeugbefehl::Kurventyp.
    Vorschau,
    // The automatic-transform panel shown (Value of tool 20) or hidden.
    AutoFTR,
    FT_AI_Umschalten,
    Weiter,
    SchrittZurueckMenue,
    // The Gauss peak view on or off (gModus_Peaks).
    Peaks,
    // The fold position moved by Werkzeugbefehl::Verschiebung.
    Falten_Verschieben,
};

struct Werkzeugbefehl {
    Werkzeugaktion Aktion = Werkzeugaktion::Keine;
    int32_t Werkzeug = 0;
    int32_t Kurventyp = 0;
    float Verschiebung = 0;
};

class clsWerkzeuge {
public:
    clsWerkzeuge();

    // Per tool 1..25; other indices read as hidden, disabled and released and cannot be set.
    bool Visible(int32_t index) const;
    bool Enabled(int32_t index) const;
    bool Value(int32_t index) const;
    int32_t Width(int32_t index) const;
    void setVisible(int32_t index, bool visible);
    void setEnabled(int32_t index, bool enabled);
    // Set by the program: changes only this button, as the button control does.
    void setValue(int32_t index, bool value);
    // Presses the option button and releases the other option buttons, as a click on it does.
    void Option_Waehlen(int32_t index);

    // Clicks count once the window is built.
    bool Bereit() const { return bereit_; }
    void setBereit(bool bereit) { bereit_ = bereit; }

    // A user's click: the button's own change (a toggle flips, an option presses itself and
    // releases the other options), then the mode rules. Hidden or disabled tools do nothing.
    Werkzeugbefehl cmdTool_Click(int32_t index);
    // A key of the main window (Qt key code of the letter) at evaluation step schritt. A key acts
    // only through a tool that is shown and enabled; N always, X and Y only on the folded spectrum.
    Werkzeugbefehl Form_KeyUp(int32_t taste, int32_t schritt);

    void Toggle_Zoom_Visible(bool visible);
    void Toggle_Tool_0_Enabled(bool enabled);
    void Toggle_Tool_0_Visible(bool visible);
    void Toggle_Tool_Kurve_Visible(bool visible);
    void Toggle_Tool_1_Visible(bool visible);
    void Toggle_Tool_2_Visible(bool visible);

    // True when none of zoom, range, move, height, width and fit is on (the peak view does not count).
    static bool GUI_SET_IS_NICHTS();
    // Range, move, height, width and fit off; the buttons follow.
    void GUI_SET_TOOLS_NICHTS();
    // Tools 5, 7, 9 and 10 show the range, move, height and width flags.
    void GUI_SET_TOOLS();

    // Offers step back to stage index 0..3 (J(K) narrowed, arrow shown, that menu entry on) or
    // withdraws it (all four entries off).
    void Toggle_RohdatenSeperator(int32_t index, bool show = false);
    bool SeperatorBack(int32_t index) const;
    // The step buttons 13 to 17 released and disabled.
    void ResetControls();

private:
    struct Knopf {
        bool visible = false;
        bool enabled = true;
        bool value = false;
        int32_t width = 0;
    };
    static bool Gueltig(int32_t index) { return index >= 1 && index <= kWerkzeuge; }
    Knopf& K(int32_t index) { return knoepfe_[static_cast<size_t>(index - 1)]; }
    const Knopf& K(int32_t index) const { return knoepfe_[static_cast<size_t>(index - 1)]; }
    bool Bedienbar(int32_t index) const { return Visible(index) && Enabled(index); }
    void Eigene_Aenderung(int32_t index);
    void Bearbeitungsmodus(int32_t index);

    std::array<Knopf, kWerkzeuge> knoepfe_{};
    std::array<bool, 4> seperatorBack_{true, false, false, false};
    bool bereit_ = false;
};
