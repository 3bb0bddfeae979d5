#pragma once
// The evaluation step machine: "Weiter", the step buttons, the step-back menu, OK, Fit, fold and the
// extras step move gSchritt. Each transition sets the tool buttons, the step labels' text numbers,
// the panels and the curve shown, and saves the stages into gSSC; the main window only mirrors the
// tools and shows what MainWindowView is told, so the whole road also runs headless.
#include "mainwindow/clsWerkzeuge.h"

#include <cstdint>
#include <string>

class clsCalc;
class MainWindowView;

inline constexpr int32_t ST_Keiner = -1000;
inline constexpr int32_t ST_Rohdaten = 2;
inline constexpr int32_t ST_Gefaltet = 4;
inline constexpr int32_t ST_JK = 6;
inline constexpr int32_t ST_Fit = 9;
inline constexpr int32_t ST_UG = 10;
inline constexpr int32_t ST_IK = 11;
inline constexpr int32_t ST_GR = 12;
inline constexpr int32_t ST_KZ = 13;
inline constexpr int32_t ST_Extras = 14;
inline constexpr int32_t ST_Fit_Fertig = 15;

// Step-button indices of the tool row.
inline constexpr int16_t kSchritt_JK = 13;
inline constexpr int16_t kSchritt_UG = 14;
inline constexpr int16_t kSchritt_IK = 15;
inline constexpr int16_t kSchritt_GR = 16;
inline constexpr int16_t kSchritt_KZ = 17;
inline constexpr int16_t kSchritt_vK = 21;
inline constexpr int16_t kSchritt_vr = 22;

// A step label without text.
inline constexpr int32_t kKeinText = -1;

class clsSchritte {
public:
    clsWerkzeuge Werkzeuge;

    // The next step from gSchritt; a step without one says so and changes only the labels.
    void Weiter();
    // The step button index (13..17, 21, 22). False when nothing changed: the user declined the
    // question of going back, or the I(K) computation was refused.
    bool OptionKurve_Click(int16_t Index);
    // Back to the stored stage Index 0..3 (raw, edited, averaged, fit) when the store has it.
    void mnuSeperatorBack_Click(int16_t Index);
    // Tool 6: averages the folded halves, takes a side fit, inserts copied points.
    void OK_Click();
    // Tool 11: the side fit of a folded curve.
    void Fit_Click();
    // Tool 12: folds the raw spectrum at the middle.
    void Falten_Click();
    void Extras_Zeigen();
    // Back from the extras step to G(r) as it stands, with the step buttons and one diagram.
    void Extras_Verlassen();

    // The captions of both step labels from their text numbers, in the current language.
    void StepLabels();
    void Tags_Setzen(int32_t aktuell, int32_t naechster);
    // The text number of what the step waits for in the diagram (the separation point of the side
    // fit, the limits of the coordination shell), or kKeinText.
    static int32_t Klickhinweis();
    static std::string Klickhinweistext();
    int32_t Tag1() const { return tag1_; }
    int32_t Tag2() const { return tag2_; }

    int32_t LetzteKurvenWahl() const { return letzteKurvenWahl_; }
    void setLetzteKurvenWahl(int32_t index) { letzteKurvenWahl_ = index; }

private:
    // The window mirrors the tools.
    static void Tools_Zeigen();
    // The fit panel at a known separation point, else the mode in which the user marks one (true).
    static bool Trennstelle_Anbieten(const clsCalc& calc, MainWindowView& view);
    // The U(K) and J(K) questions; true to go on.
    static bool Zurueckgehen_Bestaetigt(int16_t Index);
    void Untergrund_Waehlen();
    // Whether the I(K) button computes I(K) from the background (else it shows or back-transforms).
    bool IK_Neu() const;
    // I(K) from the background with the alloy's density, its stages saved and damped as the
    // Fourier panel's list shows; false when the computation was refused.
    bool IK_Berechnen();
    // neu: IK_Berechnen has just made I(K).
    void IK_Waehlen(bool neu);
    void GR_Waehlen();
    void JK_Waehlen();
    // False when Nc ends early (the previous button was not G(r), or no experimental density).
    bool KZ_Waehlen();

    int32_t tag1_ = kKeinText;
    int32_t tag2_ = kKeinText;
    int32_t letzteKurvenWahl_ = 0;
};

// The main window's step machine, one for the program (entries in clsSchritte.cpp, the tool
// actions and the step back in clsSchritte_Werkzeuge.cpp).
clsSchritte& Schritte();
// A fresh step machine with the tools as the window creates them.
void Schritte_Zuruecksetzen();
