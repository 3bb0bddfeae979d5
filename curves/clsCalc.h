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
    // Empties the curve and drops the halves.
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

    // --- Folding and averaging of the halves ---
    // A spectrum measured on both sides of the primary beam is folded at its middle into a left half
    // (the curve reversed) and a right half (a copy); the user slides them against each other and
    // then replaces the curve by one half or by the mean of both, starting at K = 0.

    // Builds the halves from the curve, takes their start indices from the middle, Minimum_X = 0.
    void Falten();
    // Value Index of the left half (yl(i) = Y(Punkte - i + 1)) and of the right half (YR(i) = Y(i));
    // 0 outside the half or without halves.
    float yl(int32_t Index) const;
    float YR(int32_t Index) const;
    // Slides the halves against each other by Value x units: the left half up, the right half down.
    void Verschieben_X_Falten(float Value);
    // Moves the selected range by Value points (its start up, its end down); Overflow is raised
    // with both unchanged.
    void Verschieben_X(int32_t Value);
    // Adds Value to every value of the copy buffer.
    void Verschieben_Y(float Value);
    // Replaces the curve by the left half (Seite 0), the right half (1) or the smoothed mean of both
    // (2), each from the halves' common x = 0, writes it as the averaged curve, marks it folded and
    // drops the halves. False, with the curve, its flags, the halves and the files unchanged, when
    // it fails (reported; "no fit!" when the mean cannot be smoothed).
    bool Mitteln(int16_t Seite);
    // Drops the leading points before the first pair of neighbours above 100 that differ by less
    // than 10 %; the kept points stay at their x.
    void NullWerte();
    // Mirrors a one-sided curve into a symmetric one of twice the length: reversed, then as it is.
    void Faltung_Spiegeln();
    // First index of the selected range; after folding the left half's start.
    int32_t X_StartIndex() const { return xStartIndex_; }
    void setX_StartIndex(int32_t value) { xStartIndex_ = value; }
    // Last index of the selected range; after folding the right half's start.
    int32_t X_StartIndex_Rechts() const { return xStartIndexRechts_; }
    void setX_StartIndex_Rechts(int32_t value) { xStartIndexRechts_ = value; }

    // --- Side fits ---
    // The averaged curve is fitted left and right of a separation point by the smoothing spline on
    // the Delta_k grid, each side with its own smoothing number chi; the two fits overlap by
    // Fit_Ueberlapp curve points and are blended there before they are taken over.

    int32_t Trennstelle() const { return trennstelle_; }
    // A new separation point: sizes both fits (zeros) and marks both sides pending.
    void setTrennstelle(int32_t value);
    // True from a new separation point until the fit is taken over.
    bool Trennstelle_OK() const { return trennstelleOK_; }
    void setTrennstelle_OK(bool value) { trennstelleOK_ = value; }
    // Chi of the last left fit; 1000 while the left side is pending. Setting it fits the left side.
    float Chi_Links() const;
    void setChi_Links(float value);
    // Chi of the last right fit; 100 while the right side is pending. Setting it fits the right side.
    float Chi_Rechts() const;
    void setChi_Rechts(float value);
    // Searches chi for one side from its current value (curves/ChiSuche.h) and leaves the side
    // fitted with the chi kept.
    void Best_Fit_L();
    void Best_Fit_R();
    // K of fit point i: (i - 1) * Delta_k.
    float X_Fit(int32_t i) const;
    // Fitted values, and the blend of both fits over the overlap (YU is also the mirror buffer of
    // the point editing); 0 outside.
    float Y_Fit_L(int32_t Index) const;
    float Y_Fit_R(int32_t Index) const;
    float YU(int32_t Index) const;
    int32_t Fit_Punkte_Links() const { return static_cast<int32_t>(yFitL_.size()); }
    int32_t Fit_Punkte_Rechts() const { return static_cast<int32_t>(yFitR_.size()); }
    // Curve points that enter the left fit (from point 1) and the right fit (up to the last point).
    int32_t Daten_Links() const { return datenLinks_; }
    int32_t Daten_Rechts() const { return datenRechts_; }
    // Quality of each side's last successful fit, fractions: smoothness 1 and deviation 0 are ideal.
    float Glattheit_Links() const { return glattheitLinks_; }
    float Abweichung_Links() const { return abweichungLinks_; }
    float Glattheit_Rechts() const { return glattheitRechts_; }
    float Abweichung_Rechts() const { return abweichungRechts_; }
    // Joins the fits, blended over the overlap, into the curve on the Delta_k grid from K = 0 and
    // writes it as the fit curve. False, with nothing changed, until both sides have been fitted
    // since the separation point was set.
    bool FitUebernehmen();
    // Lists the turning points of the curve (its minima and maxima) as the marked points.
    void Minima_Markieren();
    int32_t Peak_Count() const { return static_cast<int32_t>(peakX_.size()); }
    // x and value of marked point Index; 0 outside.
    float Peak_X(int32_t Index) const;
    float Peak_Y(int32_t Index) const;

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

    // --- Folding and averaging of the halves ---
    // Builds the curve that Mitteln takes over for one side (see there); raises on failure.
    std::vector<float> Halbe_Uebernehmen(bool Links, int32_t start) const;
    std::vector<float> Beide_Seiten_Mitteln(int32_t startLinks, int32_t startRechts) const;

    std::vector<float> yl_;
    std::vector<float> yr_;
    int32_t xStartIndex_ = 0;
    int32_t xStartIndexRechts_ = 0;
    // The copy buffer of the point editing, which Verschieben_Y lifts.
    std::vector<float> yTemp_;
    int32_t tempPunkte_ = 0;

    // --- Side fits ---
    // Fit one side with chi; true when the spline fitted.
    bool Fit_Links(float chi);
    bool Fit_Rechts(float chi);
    void Berechne_Fit_Ueberlapp();

    int32_t trennstelle_ = 0;
    bool trennstelleOK_ = false;
    int32_t datenLinks_ = 0;
    int32_t datenRechts_ = 0;
    float chiLinks_ = 0.0f;
    float chiRechts_ = 0.0f;
    // Not fitted since the separation point was set, whatever the outcome of a fit.
    bool fitLinksAusstehend_ = false;
    bool fitRechtsAusstehend_ = false;
    // The fit array holds a successful fit for the current separation point.
    bool fitLinksVorhanden_ = false;
    bool fitRechtsVorhanden_ = false;
    std::vector<float> yFitL_;
    std::vector<float> yFitR_;
    std::vector<float> yu_;
    std::vector<float> peakX_;
    std::vector<float> peakY_;
};
