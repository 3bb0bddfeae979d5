#pragma once
// IK stands for I(K).
// The interference function I(K) = S(K) - 1 of the current project on the grid
// K(i) = (i - 1)·Delta_k, with its undamped, measured and back-transformed forms, the low-K
// extrapolation, the weight between measured and back-transformed curve and the index range
// that the transform takes. Indices are 1-based; a read outside 1..Punkte reports
// "Subscript out of range" (Y alone silently) and gives 0.
#include "analysis/Daempfung.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class clsIK {
public:
    // Copies Y(1..Punkte) into ToArray from its first element on.
    void CopyArray(std::span<float> ToArray) const;
    // Copies the undamped I(K) the same way.
    void CopyArray_Ungedaempft(std::span<float> ToArray) const;
    // Sets point Index of every form of I(K); the display range follows.
    void Set_Y(int32_t Index, float YY);
    void UserSetScale(float UserMin, float UserMax);
    // The density from the sum rule, −1/(2π²)·∫K²·I(K) dK over the whole undamped I(K) by the
    // normalisation's trapezoid rule, in atoms per nm³; 0 without an I(K). It repeats the density
    // the normalisation of the measured curve was given: the damping, the low-K model and the
    // back-transforms, which only prepare or refine the transform, leave it as it is.
    float Dichte_IK() const;
    // Applies a formula of y (the value) and x (K) to the undamped I(K), which the damping in force
    // then damps anew into the other forms; a formula that fails at any point is reported and
    // changes nothing.
    void WerteUmrechnen(const std::string& Formel);
    // The integral of K²·(J - U) of the last computation.
    float Integration_K2Y() const { return integrationK2Y_; }
    // I(K) from the curve the stage store has selected; false while it selects none.
    bool Sicherheit_Zurueck();
    float Mittelwert() const { return mittelwert_; }
    // How far the low-K extrapolation departs from I(K) above K = 0, 0 to 100 %: "0.0 %" for a
    // perfect match, "100.0 %" when the extrapolation is I(K) itself.
    std::string Parabel_Abweichung() const;
    // The same number, rounded to one decimal, without the text.
    float Parabel_Abweichung_Prozent() const;
    float Y_Parabel(int32_t Index) const;
    // Generated test curves: 1 up to K = 100 and 0 beyond (1800 points); the Lorch function of a
    // cut-off at K = 100 (1500 points); zeros for the test-peak panel (1800 points).
    bool Rechteck();
    bool PeakTest();
    // The demonstration I(K) compiled into the program; false when it is missing or damaged.
    bool Demo_IK();
    bool Lorch_100();
    // I(K), K·I(K) (".ikk") or S(K) from the project's curve file, K in the project's unit;
    // false, with the previous I(K) kept, when the file gives no curve or a flat one.
    bool Einlesen();
    // Takes the smoothed curve of gMath, a smoothing of the undamped I(K), as the undamped I(K)
    // and damps it once by the damping in force (without a log line) into the other forms.
    void Glaetten_Uebernehmen();
    // Writing the count resizes every form of I(K) to it, keeping the values it holds.
    int32_t Punkte() const { return n_; }
    void setPunkte(int32_t value);
    float Y(int32_t Index) const;
    // The display range: the extremes widened by a tenth.
    float Maximum() const;
    float Minimum() const;
    // Last index replaced by the low-K extrapolation; a write (2 to FTR_Index - 1) recomputes it.
    int32_t Parabel_Index() const { return parabelIndex_; }
    void setParabel_Index(int32_t value);
    // Writes the back-transformed I(K) (".ik") and, when chosen, K·I(K) (".ikk").
    void Speichern() const;
    // Damps the undamped I(K) by kind Art (Daempfung) up to FTR_Index and sets it to 0 above; a
    // kind that cannot damp it leaves the damping in force, with a message.
    void Daempfen(int32_t Art);
    // The damping in force: the kind of the last damping that could damp, none for a new curve.
    int32_t Daempfung() const { return daempfung_; }
    // The undamped curve y (points 1..Punkte) damped as the damping in force damps I(K).
    std::vector<float> Wie_Gedaempft(std::vector<float> y) const;
    // I(K) from the averaged spectrum, the fitted background and the alloy's form factors, with
    // the number density rho in atoms per nm³ (0 when unknown). False, with a message and the
    // previous I(K) kept, when the inputs cannot give one.
    bool Berechnen(float rho);
    // Last index that the transform takes (2 to Punkte). The damping in force follows a new
    // cut-off; where it cannot damp I(K) for it, the cut-off stays, with a message.
    int32_t FTR_Index() const { return ftrIndex_; }
    void setFTR_Index(int32_t value);
    // First index that the transform takes (1 to FTR_Index - 1).
    int32_t FTR_Start_Index() const { return ftrStartIndex_; }
    void setFTR_Start_Index(int32_t value);
    // Weight of the back-transform against the measured I(K); a write above 1 wraps to 0 and
    // below 0 to 1, then the extrapolation is recomputed.
    float Wichtung() const { return w_; }
    void setWichtung(float value);
    // The measured I(K) mixed with the back-transform by the weight. With the option that prefers
    // the back-transform at small K, the first back-transform mixed into a measured curve takes
    // over from it towards K = 0; once the curve holds back-transformed values, later ones mix by
    // the weight alone.
    float Y_Wichtung(int32_t Index) const;
    // Y_RTR_Extra becomes the direct back-transform of G(r) between r1 and r2 alone (put in order),
    // which shows what that range contributes to I(K). It is a curve to look at only: the transform,
    // the weighting and the saved I(K) keep to Y_RTR, so the evaluation and its files stay as they
    // were. The range's ends stay as the user set them: a start beyond the end not yet set is taken
    // as the range from that end, not swapped into the diagram's fields.
    void RTR_Berechnen_Extra(float r1, float r2);
    // The back-transform of the last r range, on the grid of I(K) as it was then; empty before any.
    float Y_RTR_Extra(int32_t Index) const;
    // Back-transforms G(r) into Y_RTR (made with 1500 points of 0.1 1/nm when there is no I(K)) and
    // moves the measured Y_2 by the weight towards it; a G(r) that did not come from this I(K) gives
    // a new undamped I(K), damped by the damping in force into Y, Y_2 and Y_RTR. With the Fourier
    // panel's "remove truncation oscillations" on, the computed ripple of G(r) is left out of the
    // transform; otherwise the density line is logged.
    void RTR_Berechnen();
    float Y_RTR(int32_t Index) const;
    float Y_2(int32_t Index) const;
    // K(Index) in 1/nm.
    float x(int32_t Index) const;
    float K_pe() const { return kPe_; }
    void setK_pe(float value) { kPe_ = value; }
    float K_pp() const { return kPp_; }
    void setK_pp(float value) { kPp_ = value; }

    // What the ui tells the extrapolation: the Fourier panel's "front parabola" box, and the key
    // the diagram saw with the last left-button release (its CTRL value: 2 Ctrl, 1 Shift).
    void setParabel_Vorn(bool value) { parabelVorn_ = value; }
    // No I(K): what a new project starts with. The panel's options stay.
    void Clear();
    void setMausTaste(int32_t CTRL) { mausTaste_ = CTRL; }
    // The Fourier panel's option that the back-transform leaves out the truncation oscillations.
    void setAO_Weg(bool value) { aoWeg_ = value; }

private:
    void Parabel_Berechnen();
    void Index_Geaendert();
    // Y, Y_2 and Y_RTR become Y_0 damped by kind Art, with the extrapolation and the mean following
    // and Art in force; false, with nothing changed, when the kind cannot damp Y_0. b receives the
    // exponential constant.
    bool Daempfung_Anwenden(int32_t Art, double& b);
    // Moves the cut-off to F: Y becomes Y_0 damped for F by the damping in force, logged, and Y_2
    // and Y_RTR keep what the back-transforms added to them. False, with nothing changed, when that
    // kind cannot damp Y_0 at F.
    bool Abbruchstelle_Nachfuehren(int32_t F);
    // Logs the damping in force with its exponential constant b, for a new cut-off with that one.
    void Daempfung_Protokollieren(double b, bool neueAbbruchstelle) const;
    // The mean and the low-K extrapolation of a newly damped Y.
    void Gedaempft_Nachrechnen();
    // Every form of I(K) (Y, Y_0, Y_2, Y_RTR) becomes y, undamped: how every new curve starts.
    void Ungedaempft_Setzen(std::vector<float> y);
    // y becomes the undamped I(K), damped once by the damping in force into the other forms; a kind
    // that cannot damp it leaves it undamped.
    void Neu_Gedaempft_Setzen(std::vector<float> y);
    void Kopieren(const std::vector<float>& values, std::span<float> ToArray, const char* Prozedur) const;
    // Y_Wichtung for the members' own handlers: an index outside I(K) raises.
    float Gewichtet(int32_t Index) const;
    // The mouse action (0 plain, 1 Ctrl, 2 Shift) whose low-K model applies.
    int32_t MausAktion() const;
    // E becomes the extrapolation of the weighted curve yw (points 1..Parabel_Index + 1) by the
    // low-K model in force; with the front parabola its first 20 points run from 0 at K = 0 to
    // vorne, the back-transform at K(20). False when E is a copy of yw: the model does not exist
    // for this curve, or the front parabola has no 20 points.
    bool Extrapolation(const std::vector<float>& yw, float vorne, std::vector<float>& E) const;
    float Abweichung() const;
    void Protokoll(const std::string& text) const;
    // Makes y0 the whole I(K) state of a generated, loaded or stored curve, with the display range
    // from minimum to maximum and the transform range over all of it.
    void Kurve_Uebernehmen(std::vector<float> y0, float minimum, float maximum);

    static float& Wert(std::vector<float>& values, int32_t Index);
    static float Wert(const std::vector<float>& values, int32_t Index);

    int32_t n_ = 0;
    std::vector<float> y_, y0_, y2_, yRTR_, parabel_;
    std::vector<float> yRTRExtra_;
    float w_ = 0.0f;
    int32_t parabelIndex_ = 0;
    int32_t ftrIndex_ = 0;
    int32_t ftrStartIndex_ = 1;
    float mittelwert_ = 0.0f;
    float minimum_ = 0.0f;
    float maximum_ = 0.0f;
    float abweichung_ = 0.0f;
    float integrationK2Y_ = 0.0f;
    bool userScale_ = false;
    float kPe_ = 0.0f;
    float kPp_ = 0.0f;
    bool parabelVorn_ = false;
    // The low-K model of the last extrapolation (LM_IK), chosen by the mouse action of its click.
    int32_t tiefKModell_ = 0;
    int32_t mausTaste_ = 0;
    bool aoWeg_ = false;
    int32_t daempfung_ = DA_Keine;
    // Y_2 is still the measured curve: no back-transform has been mixed into it since it was set.
    bool y2Gemessen_ = true;
};
