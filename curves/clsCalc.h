#pragma once
// The working curve: the measured spectrum J(K) of the current project on an equidistant grid,
// x(i) = (i - 1) * Schrittweite + Minimum_X, with its loading, its grid arithmetic and the figures
// that describe the whole curve. Indices are 1-based.
#include <cstdint>
#include <string>
#include <vector>

class clsCalc {
public:
    // The curve is folded, or one-sided from the start.
    bool IstGefaltet() const { return istGefaltet_; }
    void setIstGefaltet(bool value) { istGefaltet_ = value; }
    // Always true.
    bool Goto_UG() const { return true; }
    // The quality of the side fits: "L: smoothness % / deviation %" CR LF "R: ...", two decimals.
    std::string Fit_Guete() const;
    // The smoothness figure of the whole curve: 100 plus 100 times the summed relative deviations of
    // each inner point from the line through its neighbours; 100 below 3 points. A zero step or a
    // zero inner point raises "Division by zero" (or "Overflow").
    float Glattheit() const;
    // Whether X lies at a grid point or less than Toleranz steps above it; a hit becomes the current
    // index. False for a zero step.
    bool IstPunkt(float X, float Toleranz);
    // Writes the curve as a raw spectrum (x times Faktor_X, time 1000, counts 10 y) into the project
    // folder under Dateiname; a failure is reported and not logged.
    void Speichern(const std::string& Dateiname) const;
    // The grid, also outside 1..Punkte.
    float x(int32_t i) const;
    // x of point i on the scale of a folded half (Links: the left half), centred on the middle point.
    float X_Shifted(int32_t i, bool Links) const;
    // The index the last successful IstPunkt found.
    int32_t Index() const { return aktuellerIndex_; }
    // The grid index nearest to XX, halves to the even index; 0 after a reported error (zero step).
    int32_t Index(float XX) const;
    // Value Index; 0 outside the curve. Setting outside the curve does nothing.
    float Y(int32_t Index) const;
    void setY(int32_t Index, float value);
    int32_t Punkte() const { return punkte_; }
    // Sets the count without resizing the values.
    void setPunkte(int32_t value) { punkte_ = value; }

    // The loaders: each replaces the curve, logs it and saves it as a stage; false (curve unchanged)
    // when nothing could be loaded.
    // An electron-microscope spectrum (curve file through gInput), one-sided.
    bool ELMI_Oeffnen();
    // The radial average of a diffraction image held by the image panel, one-sided.
    bool ELMI_Oeffnen_Bild();
    // A fitted, folded or averaged curve file, from x = 0.
    bool Faltung_Oeffnen();
    // A raw diffraction spectrum, centred so that its middle point lies at x = 0.
    bool Beugung_oeffnen();
    // The demonstration spectrum compiled into the program, one-sided from K = 0. A missing or
    // damaged resource raises its error.
    bool Demo_JK();

    // Appends a point: the first sets Minimum_X and the extremes, the second the step (from its x),
    // later ones widen the extremes (their x is not used).
    void Punkte_Plus(float X, float Wert);
    // Empties the curve.
    void Punkte_Loeschen();
    // Sets the lowest value and Maximum_Y from the values.
    void Extremwerte_suchen();

    float Minimum_X() const { return minimumX_; }
    void setMinimum_X(float value) { minimumX_ = value; }
    // Half the lowest value found by the last loader or scan.
    float Minimum_Y() const { return tiefsterWert_ / 2.0f; }
    float Maximum_X() const { return maximumX_; }
    void setMaximum_X(float value) { maximumX_ = value; }
    // The clip level: after loading the highest value.
    float Maximum_Y() const { return maximumY_; }
    // x of the middle: 0 after centring.
    float Mitte() const { return mitte_; }
    int32_t Mitte_Index() const { return mitteIndex_; }
    float Schrittweite() const { return schrittweite_; }
    void setSchrittweite(float value) { schrittweite_ = value; }

protected:
    // The grid index of x X given on the scale of a folded half; the inverse of X_Shifted. A zero
    // step raises "Division by zero".
    int32_t X_Unshifted(float X, bool Links) const;

private:
    // x of the point nearest to the middle, the origin of the halves' scales.
    double Halbe_Mitte() const;
    // Takes over a loaded curve with its extremes.
    void Uebernehmen(std::vector<float> werte, float tiefster, float hoechster);
    // Saves the curve as a stage of the given kind in gSSC.
    void Stufe_Sichern(int32_t typ) const;

    std::vector<float> y_;
    float schrittweite_ = 0.0f;
    int32_t punkte_ = 0;
    float minimumX_ = 0.0f;
    float maximumX_ = 0.0f;
    float tiefsterWert_ = 0.0f;
    float maximumY_ = 0.0f;
    int32_t mitteIndex_ = 0;
    float mitte_ = 0.0f;
    int32_t aktuellerIndex_ = 0;
    bool istGefaltet_ = false;
    // Shift of the folded halves against each other (set by the folding).
    float faltungVerschiebung_ = 0.0f;
    // Quality figures of the side fits, fractions (set by the side fits).
    float abweichungLinks_ = 0.0f;
    float glattheitLinks_ = 0.0f;
    float abweichungRechts_ = 0.0f;
    float glattheitRechts_ = 0.0f;
};
