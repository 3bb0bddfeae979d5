#pragma once
// The weighted cubic smoothing spline (Reinsch): the smoothest cubic spline whose weighted squared
// deviation from the support points stays within a bound S, evaluated on an equidistant grid.
// Values are stored in single precision; every expression, and the band of the fit, is computed in
// double.
#include <cstdint>
#include <span>
#include <vector>

class clsSpline {
public:
    static constexpr int32_t MinPoints = 3;
    // The most points a curve has.
    static constexpr int32_t MaxPoints = 5000;
    // The most support points a fit takes: a curve's points and the point at x = 0 that a reader
    // puts in front of a curve that starts right of it.
    static constexpr int32_t MaxStuetzstellen = MaxPoints + 1;

    // Copies Fit_Y(1..Fit_Punkte) into ToArray[0..]; a target too short is reported and left untouched.
    void CopyArray(std::span<float> ToArray) const;
    // Fits the support points with bound Fits_Chi and evaluates the spline on Fits_Punkte points from
    // x(1) on with step Fits_DeltaX. On failure every output keeps the value of the last good fit.
    bool Fitten(float Fits_DeltaX, float Fits_Chi, int32_t Fits_Punkte);
    // Erases the support points and the fit; DeltaX stays.
    void Clear();
    int32_t Fit_Punkte() const { return static_cast<int32_t>(fitX_.size()); }
    // Output grid value and fitted value; 0 outside 1..Fit_Punkte.
    float Fit_X(int32_t Index) const;
    float Fit_Y(int32_t Index) const;
    // Appends a support point; one with the same x as the point before it is dropped.
    void AddPoint(float x, float y, float dy);
    float DeltaX() const { return deltaX_; }
    void setDeltaX(float value) { deltaX_ = value; }
    int32_t Stuetzstellen() const { return static_cast<int32_t>(x_.size()) - 1; }
    // x of the last support point; 0, reported as "Subscript out of range", when there is none.
    float X_Max() const;
    // The first support point (1-based) whose x does not lie above the one before; 0 when x rises throughout.
    int32_t Erster_Rueckschritt() const;
    // The smoothing parameter the last fit ended with: the spline minimises
    // sum(((g(x) - y) / dy)^2) + P / 2 * integral(g''^2).
    float P() const { return p_; }

private:
    // Support points from index 1 on; element 0 is unused so the loops read as the formulas.
    std::vector<float> x_{0.0f}, y_{0.0f}, dy_{0.0f};
    float deltaX_ = 0.0f;
    float p_ = 0.0f;
    std::vector<float> fitX_, fitY_;

    // Coefficients and band factors of the iteration, reused by every fit (indices 0..n+1).
    std::vector<double> a_, b_, c_, d_, r_, r1_, r2_, t_, t1_, u_, v_;

    void Stuetzstellen_Pruefen() const;
    std::vector<float> Ausgabegitter(float step, int32_t count) const;
    void Band_Aufstellen();
    double P_Loesen(float p);
    double Restanstieg();
    float Glaettungsschritt(float S);
    void Koeffizienten(float p);
    void Rest_Pruefen(float S) const;
    void Auswerten(const std::vector<float>& grid, std::vector<float>& values) const;
};
