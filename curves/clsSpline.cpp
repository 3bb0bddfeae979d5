#include "curves/clsSpline.h"

#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace {

// The work arrays reach index n + 1 and keep the fixed size of the point limit plus a margin.
constexpr size_t WorkSize = clsSpline::MaxPoints + 5;
// Newton on p converges in a few dozen steps at most; the cap only stops a run-away iteration.
constexpr int MaxIterations = 200;
// How close to S, relative to S, the residual ends once it has reached S; short of S the
// iteration goes on while it gains.
constexpr double Tolerance = 1e-3;

// Stores a value computed in double as single precision; a value outside the single range (or NaN)
// raises Overflow, as storing it did in the run time.
float Sng(double value)
{
    if (!(std::fabs(value) <= std::numeric_limits<float>::max())) rt::Raise(rt::errOverflow);
    return static_cast<float>(value);
}

double Sq(double value) { return value * value; }

}

clsSpline::clsSpline()
{
    for (auto* work : {&a_, &b_, &c_, &d_, &r_, &r1_, &r2_, &t_, &t1_, &u_, &v_}) work->assign(WorkSize, 0.0f);
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
    if (Stuetzstellen() < 1) rt::Raise(rt::errSubscript);
    return x_.back();
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
    if (n < MinPoints || n > MaxPoints) return false;

    // Everything is computed aside and taken over only when the whole fit succeeded, so that a
    // failure leaves the grid, the values and their count of the last good fit together.
    float p = 0.0f;
    try {
        CheckSupportPoints();
        if (!std::isfinite(Fits_Chi)) rt::Raise(rt::errInvalidCall);
        p = SmoothingIteration(Fits_Chi);
        Coefficients(p);
    } catch (const rt::RuntimeError& error) {
        gError->Report("clsSpline", "Fit", error, true);
        return false;
    }

    std::vector<float> grid;
    std::vector<float> values;
    try {
        grid = OutputGrid(Fits_DeltaX, Fits_Punkte);
        values.resize(grid.size());
    } catch (const rt::RuntimeError& error) {
        gError->Report("clsSpline", "X_Achse", error);
        return false;
    } catch (const std::bad_alloc&) {
        gError->Report("clsSpline", "X_Achse", rt::RuntimeError(rt::errOutOfMemory));
        return false;
    }

    Evaluate(grid, values);
    fitX_ = std::move(grid);
    fitY_ = std::move(values);
    deltaX_ = Fits_DeltaX;
    p_ = p;
    return true;
}

// Not-a-number, infinity and a zero weight would make the iteration meaningless or endless.
void clsSpline::CheckSupportPoints() const
{
    for (int32_t i = 1; i <= Stuetzstellen(); ++i) {
        if (!std::isfinite(x_[i]) || !std::isfinite(y_[i]) || !std::isfinite(dy_[i]) || dy_[i] == 0.0f)
            rt::Raise(rt::errInvalidCall);
    }
}

std::vector<float> clsSpline::OutputGrid(float step, int32_t count) const
{
    if (count < 1) rt::Raise(rt::errSubscript);
    std::vector<float> grid(static_cast<size_t>(count));
    for (int32_t i = 1; i <= count; ++i) grid[static_cast<size_t>(i - 1)] = Sng(x_[1] + (i - 1) * double(step));
    return grid;
}

// The band of the system (p·Q'D²Q + T)·u = Q'y: a = Q'y, t and t1 the diagonals of T, and
// b, c, d the diagonal and the two upper diagonals of Q'D²Q.
void clsSpline::SetUpBand()
{
    const int32_t n = Stuetzstellen();
    std::vector<float>& r = r_;
    std::vector<float>& r1 = r1_;
    std::vector<float>& r2 = r2_;
    r[0] = r[1] = r[n] = r[n + 1] = 0.0f;
    r1[1] = r1[n] = 0.0f;
    r2[0] = r2[1] = 0.0f;
    u_[0] = u_[1] = u_[n] = u_[n + 1] = 0.0f;

    // The three diagonals of D·Q go into r (above the diagonal), r1 (on it) and r2 (below it);
    // the zeros at r(n), r(n+1) and r1(n) close the band.
    float h = Sng(double(x_[2]) - x_[1]);
    float f = Sng((double(y_[2]) - y_[1]) / h);
    for (int32_t i = 2; i <= n - 1; ++i) {
        const float g = h;
        h = Sng(double(x_[i + 1]) - x_[i]);
        const float e = f;
        f = Sng((double(y_[i + 1]) - y_[i]) / h);
        a_[i] = Sng(double(f) - e);
        t_[i] = Sng(2.0 * (double(g) + h) / 3.0);
        t1_[i] = Sng(h / 3.0);
        r[i] = Sng(dy_[i - 1] / double(g));
        r2[i] = Sng(dy_[i + 1] / double(h));
        r1[i] = Sng(-dy_[i] / double(g) - dy_[i] / double(h));
    }
    for (int32_t i = 2; i <= n - 1; ++i) {
        b_[i] = Sng(Sq(r2[i]) + Sq(r1[i]) + Sq(r[i]));
        c_[i] = Sng(double(r2[i]) * r1[i + 1] + double(r1[i]) * r[i + 1]);
        d_[i] = Sng(double(r2[i]) * r[i + 2]);
    }
}

// Factorises the band for p (Cholesky: r holds the reciprocal diagonal, r1 and r2 the two
// sub-diagonals), solves for u, and forms v = D²Q·u. Returns e = u'Q'D²Q·u, so that the weighted
// residual of the spline for p is e·p².
float clsSpline::SolveForP(float p)
{
    const int32_t n = Stuetzstellen();
    std::vector<float>& r = r_;
    std::vector<float>& r1 = r1_;
    std::vector<float>& r2 = r2_;
    std::vector<float>& u = u_;
    // The forward substitution runs in the same pass as the factorisation, so that the processor
    // overlaps the two chains of dependent operations.
    for (int32_t i = 2; i <= n - 1; ++i) {
        const double w = double(p) * b_[i] + t_[i] - Sq(r1[i - 1]) - Sq(r2[i - 2]);
        if (w == 0.0) rt::Raise(rt::errDivisionByZero);
        r[i] = Sng(1.0 / std::sqrt(std::fabs(w)));
        r1[i] = Sng((double(p) * c_[i] + t1_[i] - double(r1[i - 1]) * r2[i - 1]) * r[i]);
        r2[i] = Sng(double(p) * d_[i] * r[i]);
        u[i] = Sng((double(a_[i]) - double(r1[i - 1]) * u[i - 1] - double(r2[i - 2]) * u[i - 2]) * r[i]);
    }
    for (int32_t i = n - 1; i >= 2; --i)
        u[i] = Sng((double(u[i]) - double(r1[i]) * u[i + 1] - double(r2[i]) * u[i + 2]) * r[i]);

    float e = 0.0f;
    float h = 0.0f;
    for (int32_t i = 1; i <= n - 1; ++i) {
        const float g = h;
        h = Sng((double(u[i + 1]) - u[i]) / (double(x_[i + 1]) - x_[i]));
        v_[i] = Sng((double(h) - g) * Sq(dy_[i]));
        e = Sng(e + double(v_[i]) * (double(h) - g));
    }
    v_[n] = Sng(-double(h) * Sq(dy_[n]));
    return Sng(e - double(v_[n]) * h);
}

// f = |L⁻¹Q'v|² for the factor L of the last SolveForP; e - p·f is half the slope of the
// residual over p, divided by p. Uses r as work space.
float clsSpline::ResidualSlopeTerm()
{
    const int32_t n = Stuetzstellen();
    std::vector<float>& r = r_;
    float f = 0.0f;
    float h = Sng((double(v_[2]) - v_[1]) / (double(x_[2]) - x_[1]));
    for (int32_t i = 2; i <= n - 1; ++i) {
        const float g = h;
        h = Sng((double(v_[i + 1]) - v_[i]) / (double(x_[i + 1]) - x_[i]));
        r[i] = Sng((double(h) - g - double(r1_[i - 1]) * r[i - 1] - double(r2_[i - 2]) * r[i - 2]) * r[i]);
        f = Sng(f + Sq(r[i]));
    }
    return f;
}

// Newton iteration on p until the weighted residual f2 = e·p² reaches S. Returns p.
// A Newton step can overshoot S by several per cent; p is then brought back by further steps kept
// between the last p below S and the first one above it, until the residual is within the tolerance.
float clsSpline::SmoothingIteration(float S)
{
    SetUpBand();
    float p = 0.0f;
    float f2 = Sng(-double(S));
    float below = 0.0f;
    float above = 0.0f;
    bool overshot = false;
    for (int iteration = 1;; ++iteration) {
        if (iteration > MaxIterations) rt::Raise(rt::errInvalidCall);
        const float e = SolveForP(p);
        const float previousF2 = f2;
        f2 = Sng(double(e) * p * p);
        const double miss = double(f2) - S;
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

        const float h = Sng(e - double(p) * ResidualSlopeTerm());
        if (h <= 0.0f) break;
        double next = p + (S - double(f2)) / ((std::sqrt(S / double(e)) + p) * h);
        if (overshot && !(next > below && next < above)) next = (double(below) + above) / 2.0;
        p = Sng(next);
    }
    return p;
}

// The cubic pieces a + b·h + c·h² + d·h³ from each support point on.
void clsSpline::Coefficients(float p)
{
    const int32_t n = Stuetzstellen();
    for (int32_t i = 1; i <= n; ++i) {
        a_[i] = Sng(y_[i] - double(p) * v_[i]);
        c_[i] = u_[i];
    }
    for (int32_t i = 1; i <= n - 1; ++i) {
        const float h = Sng(double(x_[i + 1]) - x_[i]);
        d_[i] = Sng((double(c_[i + 1]) - c_[i]) / (3.0 * h));
        b_[i] = Sng((double(a_[i + 1]) - a_[i]) / h - (double(h) * d_[i] + c_[i]) * h);
    }
}

// Before x(1) the first piece and beyond x(n) the last piece continue the curve.
void clsSpline::Evaluate(const std::vector<float>& grid, std::vector<float>& values) const
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
