#include "curves/clsSpline.h"

#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace {

// Newton on p converges in a few dozen steps at most; the cap only stops a run-away iteration.
constexpr int MaxIterations = 200;
// How close to S, relative to S, the residual ends once it has reached S; short of S the
// iteration goes on while it gains.
constexpr double Tolerance = 1e-3;
// A finished fit's residual may lie this far above S (relative), plus a floor for S = 0, before it
// counts as inconsistent with the data.
constexpr double ResidualMargin = 0.05;
constexpr double ResidualFloor = 1e-6;

// Stores a value computed in double as single precision; a value outside the single range (or NaN)
// raises Overflow, as storing it did in the run time.
float Sng(double value)
{
    if (!(std::fabs(value) <= std::numeric_limits<float>::max())) rt::Raise(rt::errOverflow);
    return static_cast<float>(value);
}

// The band is solved in double precision: in single precision a support point whose weight is far
// below its neighbours' (a value substituted for a missing count) gives finite nonsense. A value
// outside the double range still raises Overflow.
double Endlich(double value)
{
    if (!std::isfinite(value)) rt::Raise(rt::errOverflow);
    return value;
}

double Quadrat(double value) { return value * value; }

}

void clsSpline::CopyArray(std::span<float> ToArray) const
{
    if (ToArray.size() < fitY_.size()) {
        gError->Report("cSpline", "CopyArray", rt::RuntimeError(rt::errSubscript));
        return;
    }
    std::copy(fitY_.begin(), fitY_.end(), ToArray.begin());
}

void clsSpline::Clear()
{
    x_.assign(1, 0.0f);
    y_.assign(1, 0.0f);
    dy_.assign(1, 0.0f);
    fitX_.clear();
    fitY_.clear();
}

float clsSpline::Fit_X(int32_t Index) const
{
    return Index >= 1 && Index <= Fit_Punkte() ? fitX_[static_cast<size_t>(Index - 1)] : 0.0f;
}

float clsSpline::Fit_Y(int32_t Index) const
{
    return Index >= 1 && Index <= Fit_Punkte() ? fitY_[static_cast<size_t>(Index - 1)] : 0.0f;
}

float clsSpline::X_Max() const
{
    return Guarded("clsSpline", "X_Max", [this] {
        if (Stuetzstellen() < 1) rt::Raise(rt::errSubscript);
        return x_.back();
    });
}

int32_t clsSpline::Erster_Rueckschritt() const
{
    for (size_t i = 2; i < x_.size(); ++i)
        if (!(x_[i] > x_[i - 1])) return static_cast<int32_t>(i);
    return 0;
}

void clsSpline::AddPoint(float x, float y, float dy)
{
    try {
        const int32_t previous = Stuetzstellen();
        // Of several points with the same x only the first is kept.
        if (previous >= 1 && x == x_.back()) return;
        x_.push_back(x);
        y_.push_back(y);
        dy_.push_back(dy);
        // A running mean of the spacing that weighs the latest spacing most.
        deltaX_ = previous == 0 ? 0.0f : Sng((double(deltaX_) + (double(x) - x_[previous])) / 2.0);
    } catch (const rt::RuntimeError& error) {
        gError->Report("clsSpline", "AddPoint", error);
    } catch (const std::bad_alloc&) {
        gError->Report("clsSpline", "AddPoint", rt::RuntimeError(rt::errOutOfMemory));
    }
}

bool clsSpline::Fitten(float Fits_DeltaX, float Fits_Chi, int32_t Fits_Punkte)
{
    const int32_t n = Stuetzstellen();
    if (n < MinPoints || n > MaxStuetzstellen) return false;

    // Everything is computed aside and taken over only when the whole fit succeeded, so that a
    // failure leaves the grid, the values and their count of the last good fit together.
    float p = 0.0f;
    try {
        // The work arrays reach index n + 1; they only grow, so a fit finds what the last one left.
        for (auto* work : {&a_, &b_, &c_, &d_, &r_, &r1_, &r2_, &t_, &t1_, &u_, &v_})
            if (work->size() < static_cast<size_t>(n) + 2) work->resize(static_cast<size_t>(n) + 2, 0.0);
        Stuetzstellen_Pruefen();
        if (!std::isfinite(Fits_Chi)) rt::Raise(rt::errInvalidCall);
        p = Glaettungsschritt(Fits_Chi);
        Koeffizienten(p);
        Rest_Pruefen(Fits_Chi);
    } catch (const rt::RuntimeError& error) {
        gError->Report("clsSpline", "Fit", error, true);
        return false;
    } catch (const std::bad_alloc&) {
        gError->Report("clsSpline", "Fit", rt::RuntimeError(rt::errOutOfMemory), true);
        return false;
    }

    std::vector<float> grid;
    std::vector<float> values;
    try {
        grid = Ausgabegitter(Fits_DeltaX, Fits_Punkte);
        values.resize(grid.size());
    } catch (const rt::RuntimeError& error) {
        gError->Report("clsSpline", "X_Achse", error);
        return false;
    } catch (const std::bad_alloc&) {
        gError->Report("clsSpline", "X_Achse", rt::RuntimeError(rt::errOutOfMemory));
        return false;
    }

    Auswerten(grid, values);
    fitX_ = std::move(grid);
    fitY_ = std::move(values);
    deltaX_ = Fits_DeltaX;
    p_ = p;
    return true;
}

// Not-a-number, infinity and the no-value marker (-3E+38) would make the iteration meaningless.
// A deviation dy of 0 is an exact point: the spline passes through it.
void clsSpline::Stuetzstellen_Pruefen() const
{
    constexpr float keinWert = 3e38f;
    for (int32_t i = 1; i <= Stuetzstellen(); ++i) {
        if (!std::isfinite(x_[i]) || !(std::fabs(y_[i]) < keinWert) || !std::isfinite(dy_[i]))
            rt::Raise(rt::errInvalidCall);
    }
}

std::vector<float> clsSpline::Ausgabegitter(float step, int32_t count) const
{
    if (count < 1) rt::Raise(rt::errSubscript);
    std::vector<float> grid(static_cast<size_t>(count));
    for (int32_t i = 1; i <= count; ++i) grid[static_cast<size_t>(i - 1)] = Sng(x_[1] + (i - 1) * double(step));
    return grid;
}

// The band of the system (p·Q'D²Q + T)·u = Q'y: a = Q'y, t and t1 the diagonals of T, and
// b, c, d the diagonal and the two upper diagonals of Q'D²Q.
void clsSpline::Band_Aufstellen()
{
    const int32_t n = Stuetzstellen();
    std::vector<double>& r = r_;
    std::vector<double>& r1 = r1_;
    std::vector<double>& r2 = r2_;
    r[0] = r[1] = r[n] = r[n + 1] = 0.0;
    r1[1] = r1[n] = 0.0;
    r2[0] = r2[1] = 0.0;
    u_[0] = u_[1] = u_[n] = u_[n + 1] = 0.0;

    // The three diagonals of D·Q go into r (above the diagonal), r1 (on it) and r2 (below it);
    // the zeros at r(n), r(n+1) and r1(n) close the band.
    double h = Endlich(double(x_[2]) - x_[1]);
    double f = Endlich((double(y_[2]) - y_[1]) / h);
    for (int32_t i = 2; i <= n - 1; ++i) {
        const double g = h;
        h = Endlich(double(x_[i + 1]) - x_[i]);
        const double e = f;
        f = Endlich((double(y_[i + 1]) - y_[i]) / h);
        a_[i] = Endlich(f - e);
        t_[i] = Endlich(2.0 * (g + h) / 3.0);
        t1_[i] = Endlich(h / 3.0);
        r[i] = Endlich(dy_[i - 1] / g);
        r2[i] = Endlich(dy_[i + 1] / h);
        r1[i] = Endlich(-dy_[i] / g - dy_[i] / h);
    }
    for (int32_t i = 2; i <= n - 1; ++i) {
        b_[i] = Endlich(Quadrat(r2[i]) + Quadrat(r1[i]) + Quadrat(r[i]));
        c_[i] = Endlich(r2[i] * r1[i + 1] + r1[i] * r[i + 1]);
        d_[i] = Endlich(r2[i] * r[i + 2]);
    }
}

// Factorises the band for p (Cholesky: r holds the reciprocal diagonal, r1 and r2 the two
// sub-diagonals), solves for u, and forms v = D²Q·u. Returns e = u'Q'D²Q·u, so that the weighted
// residual of the spline for p is e·p².
double clsSpline::P_Loesen(float p)
{
    const int32_t n = Stuetzstellen();
    std::vector<double>& r = r_;
    std::vector<double>& r1 = r1_;
    std::vector<double>& r2 = r2_;
    std::vector<double>& u = u_;
    // The forward substitution runs in the same pass as the factorisation, so that the processor
    // overlaps the two chains of dependent operations.
    for (int32_t i = 2; i <= n - 1; ++i) {
        const double w = double(p) * b_[i] + t_[i] - Quadrat(r1[i - 1]) - Quadrat(r2[i - 2]);
        if (w == 0.0) rt::Raise(rt::errDivisionByZero);
        r[i] = Endlich(1.0 / std::sqrt(std::fabs(w)));
        r1[i] = Endlich((double(p) * c_[i] + t1_[i] - r1[i - 1] * r2[i - 1]) * r[i]);
        r2[i] = Endlich(double(p) * d_[i] * r[i]);
        u[i] = Endlich((a_[i] - r1[i - 1] * u[i - 1] - r2[i - 2] * u[i - 2]) * r[i]);
    }
    for (int32_t i = n - 1; i >= 2; --i)
        u[i] = Endlich((u[i] - r1[i] * u[i + 1] - r2[i] * u[i + 2]) * r[i]);

    double e = 0.0;
    double h = 0.0;
    for (int32_t i = 1; i <= n - 1; ++i) {
        const double g = h;
        h = Endlich((u[i + 1] - u[i]) / (double(x_[i + 1]) - x_[i]));
        v_[i] = Endlich((h - g) * Quadrat(dy_[i]));
        e = Endlich(e + v_[i] * (h - g));
    }
    v_[n] = Endlich(-h * Quadrat(dy_[n]));
    return Endlich(e - v_[n] * h);
}

// f = |L⁻¹Q'v|² for the factor L of the last P_Loesen; e - p·f is half the slope of the
// residual over p, divided by p. Uses r as work space.
double clsSpline::Restanstieg()
{
    const int32_t n = Stuetzstellen();
    std::vector<double>& r = r_;
    double f = 0.0;
    double h = Endlich((v_[2] - v_[1]) / (double(x_[2]) - x_[1]));
    for (int32_t i = 2; i <= n - 1; ++i) {
        const double g = h;
        h = Endlich((v_[i + 1] - v_[i]) / (double(x_[i + 1]) - x_[i]));
        r[i] = Endlich((h - g - r1_[i - 1] * r[i - 1] - r2_[i - 2] * r[i - 2]) * r[i]);
        f = Endlich(f + Quadrat(r[i]));
    }
    return f;
}

// Newton iteration on p until the weighted residual f2 = e·p² reaches S. Returns p.
// A Newton step can overshoot S by several per cent; p is then brought back by further steps kept
// between the last p below S and the first one above it, until the residual is within the tolerance.
float clsSpline::Glaettungsschritt(float S)
{
    Band_Aufstellen();
    float p = 0.0f;
    double f2 = Endlich(-double(S));
    double below = 0.0;
    double above = 0.0;
    bool overshot = false;
    for (int iteration = 1;; ++iteration) {
        if (iteration > MaxIterations) rt::Raise(rt::errInvalidCall);
        const double e = P_Loesen(p);
        const double previousF2 = f2;
        f2 = Endlich(e * p * p);
        const double miss = f2 - S;
        // S <= 0 asks for the interpolating spline, which p = 0 gives at once.
        if (S <= 0.0f && miss >= 0.0) break;
        if ((miss >= 0.0 || overshot) && std::fabs(miss) <= Tolerance * S) break;
        const bool progress = overshot ? std::fabs(miss) < std::fabs(double(previousF2) - S) : f2 > previousF2;
        if (!progress) break;
        if (miss > 0.0) {
            overshot = true;
            above = p;
        } else {
            below = p;
        }

        const double h = Endlich(e - double(p) * Restanstieg());
        if (h <= 0.0f) break;
        double next = p + (S - f2) / ((std::sqrt(S / e) + p) * h);
        if (overshot && !(next > below && next < above)) next = (below + above) / 2.0;
        // Data that a straight line fits within S never reach it: p would grow without bound,
        // and the last p already gives a fit within S.
        if (!(std::fabs(next) <= std::numeric_limits<float>::max())) break;
        p = Sng(next);
    }
    return p;
}

// The cubic pieces a + b·h + c·h² + d·h³ from each support point on.
void clsSpline::Koeffizienten(float p)
{
    const int32_t n = Stuetzstellen();
    for (int32_t i = 1; i <= n; ++i) {
        a_[i] = Endlich(y_[i] - double(p) * v_[i]);
        c_[i] = u_[i];
    }
    for (int32_t i = 1; i <= n - 1; ++i) {
        const double h = Endlich(double(x_[i + 1]) - x_[i]);
        d_[i] = Endlich((c_[i + 1] - c_[i]) / (3.0 * h));
        b_[i] = Endlich((a_[i + 1] - a_[i]) / h - (h * d_[i] + c_[i]) * h);
    }
}

// The weighted residual of the fitted values at the support points can never exceed the bound S
// the iteration aimed at; when it does, the solution is not one of the data.
void clsSpline::Rest_Pruefen(float S) const
{
    double residual = 0.0;
    // An exact point (dy 0) is met exactly and adds nothing.
    for (int32_t i = 1; i <= Stuetzstellen(); ++i)
        if (dy_[i] != 0.0f) residual += Quadrat((a_[i] - y_[i]) / dy_[i]);
    if (!(residual <= std::max(double(S), 0.0) * (1.0 + ResidualMargin) + ResidualFloor)) rt::Raise(rt::errOverflow);
}

// Before x(1) the first piece and beyond x(n) the last piece continue the curve.
void clsSpline::Auswerten(const std::vector<float>& grid, std::vector<float>& values) const
{
    constexpr double singleMax = std::numeric_limits<float>::max();
    const int32_t n = Stuetzstellen();
    int32_t k = 2;
    for (size_t i = 0; i < grid.size(); ++i) {
        while (k < n && grid[i] >= x_[k]) ++k;
        // A value beyond the single range stays 0: the evaluation passes over its errors.
        const double offset = double(grid[i]) - x_[k - 1];
        if (!(std::fabs(offset) <= singleMax)) continue;
        const double h = static_cast<float>(offset);
        const double value = a_[k - 1] + b_[k - 1] * h + c_[k - 1] * h * h + d_[k - 1] * h * h * h;
        if (std::fabs(value) <= singleMax) values[i] = static_cast<float>(value);
    }
}
