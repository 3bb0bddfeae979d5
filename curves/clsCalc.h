#pragma once
// Calc is the curve the calculations work on; its one instance is gCalc.
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
    // zero inner point reports "Division by zero" (or "Overflow") and gives 0.
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
    // The points digitised in a picture, resampled by gInput from x = 0, one-sided.
    bool Digitalisiert_Oeffnen();
    // A fitted, folded or averaged curve file, from x = 0.
    bool Faltung_Oeffnen();
    // A raw diffraction spectrum, centred so that its middle point lies at x = 0; an edited one
    // (gInput's Bearbeitet) on the axis it was written with.
    bool Beugung_oeffnen();
    // The demonstration spectrum compiled into the program, one-sided from K = 0. A missing or
    // damaged resource is reported and gives false.
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
    // The halves' start indices are X_StartIndex and X_StartIndex_Rechts (point editing below).

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
    // Fitted values; 0 outside. The blend of both fits over the overlap is YU (point editing below),
    // which shares its buffer with the mirror buffer.
    float Y_Fit_L(int32_t Index) const;
    float Y_Fit_R(int32_t Index) const;
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
    // ---- Point editing (clsCalc_Editing.cpp): the copy buffer, the selected range and the cuts.
    // Failures are reported under the member's name unless said otherwise.
    // Copies the points from the first x at or above the smaller of X1, X2 up to, not including, the
    // first x at or above the larger one. A range reaching beyond the last point or holding no grid
    // step is reported and leaves the buffer and the range as they were.
    void Punkte_Kopieren(float X1, float X2);
    // The number of copied values, and copied value Index (0 outside 1..Temp_Punkte).
    int32_t Temp_Punkte() const { return static_cast<int32_t>(yTemp_.size()); }
    float Y_Temp(int32_t Index) const;
    // The copy buffer holds a piece that has not been written back.
    bool Punkte_Kopiert() const { return punkteKopiert_; }
    void setPunkte_Kopiert(bool value) { punkteKopiert_ = value; }
    // Reverses the piece and starts it at the mirror image, about x = 0, of its right end.
    void Punkte_Spiegeln();
    // Moves the piece by dX (in whole grid steps, halves to even) and lifts its values by dY;
    // a zero step or an overflow is reported.
    void Punkte_Positionieren(float dX, float dY);
    // X_StartIndex grows and X_StartIndex_Rechts shrinks by Value; an overflow is reported.
    void Verschieben_X(int32_t Value);
    // Adds Value to every copied value.
    void Verschieben_Y(float Value);
    // Writes the piece back from X_StartIndex, replacing the old values (Ersetzen) or taking the mean
    // with them. Values that fall outside the curve are not written, and that is reported.
    void Punkte_Einfuegen(bool Ersetzen);
    // Replaces the grid point nearest to X by the mean of its neighbours.
    void Loesche_Punkt(float X);
    // A cut at the left for a negative Value, else at the right.
    void Reduzieren(float Value);
    // Keeps the points below max; max becomes Maximum_X. A cut leaving no point is refused.
    void Breite_reduzieren(float max);
    // Keeps the points above min at their own x. A cut leaving no point is refused.
    void Links_reduzieren(float min);
    // The mirror buffer (the piece as it was before the last mirroring), which the side fits also
    // fill with their blend; 0 outside it.
    float YU(int32_t Index) const;
    // The selected range (copied piece, range tool); after folding the halves' start indices.
    int32_t X_StartIndex() const { return xStartIndex_; }
    void setX_StartIndex(int32_t value) { xStartIndex_ = value; }
    int32_t X_StartIndex_Rechts() const { return xStartIndexRechts_; }
    void setX_StartIndex_Rechts(int32_t value) { xStartIndexRechts_ = value; }

    // ---- Jump correction, clip level, centre and restore (clsCalc_Jumps.cpp).
    // Corrects a step of the counts in the selected range (pairs with a ratio below 0.7) and redraws.
    void Sprunganalyse();
    // Sets the clip level (or lowers it by 1 when Wert lies above it) and clips the curve by the
    // project type: a raw spectrum, then its outliers and centre; an electron-microscope spectrum
    // from its first point.
    void Hoehe_Reduzieren(int32_t Wert);
    // Raises the points between the first and the last one at the clip level to it.
    void Ausreiser();
    // Centres the axis on the middle of the clipped peak; without a point at the clip level the
    // curve stays as it is.
    void Mitte_suchen();
    // Makes the stage selected in gSSC the working curve; false (reported) when that fails.
    bool Sicherheit_Zurueck();
    // The curve is a taken-over side fit (set by the restore).
    bool IstGefittet() const { return istGefittet_; }

    // ---- Values by formula (clsCalc_Formula.cpp).
    // Recomputes the whole curve (with the clip level and the lowest value) or the selected range by
    // a formula in which y stands for each value. Nothing changes unless every value succeeds; the
    // first failure is reported.
    void WerteUmrechnen(const std::string& Formel, bool ganzeKurve);

    // The centre point of a spectrum of n points: the middle one of an odd count, the last of the
    // first half of an even count.
    static int32_t Mittlerer_Punkt(int32_t n) { return n % 2 == 1 ? (n + 1) / 2 : n / 2; }

protected:
    // The grid index of x X given on the scale of a folded half; the inverse of X_Shifted. A zero
    // step raises "Division by zero".
    int32_t X_Unshifted(float X, bool Links) const;

private:
    // Mitte_suchen with its errors passed to the caller, for the members that handle them.
    void Mitte_suchen_Ungeschuetzt();
    // x of the point nearest to the middle, the origin of the halves' scales.
    double Halbe_Mitte() const;
    // Takes over a loaded curve with its extremes.
    void Uebernehmen(std::vector<float> werte, float tiefster, float hoechster);
    // Takes over a one-sided curve that starts at x = 0 and logs its size and maximum.
    void Von_Null_Uebernehmen(std::vector<float> werte, float tiefster, float hoechster, float schritt);
    // Adds a line to the processing log.
    static void Protokoll(const std::string& zeile);
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
    std::vector<float> peakX_;
    std::vector<float> peakY_;
    // Point editing: the copied piece, the mirror buffer and the selected range.
    std::vector<float> yTemp_;
    std::vector<float> yu_;
    int32_t xStartIndex_ = 0;
    int32_t xStartIndexRechts_ = 0;
    bool punkteKopiert_ = false;
    bool istGefittet_ = false;
};
