#pragma once
// Curve math on a private copy of one curve (I(K), G(r) or the fitted background): first and second
// differences, a baseline through the curve's low points, a smoothed version, and the search of
// its peaks into the peak list gGauss. The step panels that need it make a new gMath when they
// open; the owners of the curve take the smoothed version back through CopyArray_Smooth.
// Indices are 1-based; a read outside the filled part of an array gives 0.
#include "analysis/GR_Suche.h"

#include <cstdint>
#include <span>
#include <vector>

class clsMath {
    // Takes the search that lets a run-time error pass to its own handler.
    friend std::vector<float> Peakabstaende_K();

public:
    // The differences: the first one points backwards (positive where the curve falls).
    float Y_Ableitung_1(int32_t Index) const;
    float Y_Ableitung_2(int32_t Index) const;
    // The copy less its baseline; 0 before Baseline_Berechnen.
    float Y_ohne_Baseline(int32_t Index) const;
    // The copy less its baseline averaged over Fenster points: it decides which maxima the Gauss
    // view lists and where another peak's flank begins. The copy less its baseline before
    // Baseline_Berechnen.
    float Y_Gemittelt(int32_t Index) const;
    // The points over which noise and the cut-off's ripple fade: one period 2π/K_F of the ripple on
    // a G(r) transformed from an I(K), whatever its damping; five points on any other copy.
    float Fenster() const { return fenster_; }
    // Whether the copy carries its noise point by point (I(K), a G(r) read from a file); a G(r)
    // the program transformed has its noise and ripple at the cut-off's period, smooth at the grid's.
    bool Punktweise_Verrauscht() const { return punktweise_; }
    // The prominence, on Y_Gemittelt, of the top that point Index leads up to.
    double Prominenz(int32_t Index) const;
    // The top of Y_Gemittelt that point Index leads up to: one shell of the curve; Index itself
    // outside the curve or before the baseline.
    int32_t Gipfel(int32_t Index) const;
    // Fills both differences at 2..Punkte-1 from the curve less its baseline (ohneBaseline), the
    // smoothed curve (geglaettet) or the curve itself, each per step Delta_X. Always true.
    bool Ableitungen_Berechnen(bool ohneBaseline, bool geglaettet);
    // Fits the baseline through the first point and every point below 0 where a descent turns
    // into a rise (on a G(r) with the cut-off's ripple, past the density line those of the curve
    // averaged over its period: the ripple's troughs are no low points of the curve), kept within
    // the heights of the low points on either side; all 0 when that fit fails.
    void Baseline_Berechnen();
    float Baseline(int32_t Index) const;
    // Fits the smoothing spline with bound Chi through every point into Y_G; all 0 when it fails.
    void Glaetten(float Chi);
    // Copies curve kind 6 or 10 (I(K), as shown or, with Ungedaempft, before its damping), 7 (G(r))
    // or 16 (the fitted background) with its step and display range; false, with everything kept,
    // for any other kind.
    bool CopyArrayFromCurve(int32_t Kurve, bool Ungedaempft = false);
    int32_t Punkte() const { return punkte_; }
    void setPunkte(int32_t value);
    int32_t Kurve() const { return kurve_; }
    float Delta_X() const { return deltaX_; }
    void setDelta_X(float value) { deltaX_ = value; }
    float Minimum_Y() const { return minimumY_; }
    float Maximum_Y() const { return maximumY_; }
    // (Index - 1)·Delta_X, also outside the curve.
    float x(int32_t Index) const;
    float Y(int32_t Index) const;
    float Y_G(int32_t Index) const;
    // Copies Y_G(1..Punkte) into ToArray from its first element on; false, reported and with
    // ToArray untouched, when ToArray is shorter or nothing has been smoothed.
    bool CopyArray_Smooth(std::span<float> ToArray) const;
    // Fills gGauss with the peaks of the copy: the local maxima of the curve less its baseline after
    // a rise that stand out of the noise, one a top of Y_Gemittelt (Herausragende_Maxima), with its
    // height as A; with ExtSearch, every point up to Punkte - Breite where the second difference
    // starts to rise and the ratio of the second difference Breite points further on to its own is
    // below Hoehe (0 where its own is 0), on a top that stands out of the noise. A point below the
    // first peak is left out: on G(r)'s density line, or at or below zero before the curve's first
    // maximum above zero. Without a peak list, reported.
    void Search_Peaks(int32_t Breite, float Hoehe, bool ExtSearch = false);
    // Searches the peaks as Search_Peaks does and estimates each one's Gauss curve (gGauss's
    // Berechnen), fitting the baseline first when the copy has none.
    void Peaks_Schaetzen(int32_t Breite, float Hoehe, bool ExtSearch = false);

private:
    void Search_Peaks_Ungeschuetzt(int32_t Breite, float Hoehe, bool ExtSearch);
    // Where the copy's peaks may begin: past G(r)'s density line, and not at or below zero before
    // the curve's first maximum above zero (G(r)'s ripples, the side fits' bumps on I(K)).
    Schalenbeginn Schalenbeginn_Der_Kopie() const;
    // Y_ohne_Baseline at every point.
    std::vector<float> Ohne_Baseline() const;
    // The maxima of the curve less its baseline that stand out of the noise, one a top of
    // Y_Gemittelt (which it averages first when the baseline did not).
    std::vector<int32_t> Herausragende_Maxima_Suchen();
    // Whether the copy is a G(r) whose cut-off's ripple the baseline's low points average out.
    bool Mit_Abbruchperiode() const;
    static float Wert(const std::vector<float>& values, int32_t Index);
    // a / b, and 0 when b is 0.
    static float Teilen(double a, double b);

    std::vector<float> y_, ableitung1_, ableitung2_, baseline_, yG_;
    int32_t punkte_ = 0;
    float deltaX_ = 0.0f;
    int32_t kurve_ = 0;
    float minimumY_ = 0.0f;
    float maximumY_ = 0.0f;
    float randOben_ = 0.0f;  // the display range's margin above the curve
    // The last point of G(r)'s density line when the copy is G(r), else 0.
    int32_t dichteEnde_ = 0;
    // One period of the cut-off's ripple on a G(r) transformed from an undamped I(K), else 0.
    float abbruchperiode_ = 0.0f;
    float fenster_ = 5.0f;
    bool punktweise_ = true;
    // Y_Gemittelt once the baseline is fitted, else empty.
    std::vector<float> gemittelt_;
};
