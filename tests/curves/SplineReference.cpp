#include "SplineReference.h"

#include <cmath>
#include <random>
#include <stdexcept>

namespace {

using Matrix = std::vector<std::vector<double>>;

// Solves A·X = B (B with any number of columns) by Gaussian elimination with partial pivoting.
Matrix Solve(Matrix a, Matrix b)
{
    const size_t n = a.size();
    for (size_t col = 0; col < n; ++col) {
        size_t pivot = col;
        for (size_t row = col + 1; row < n; ++row)
            if (std::fabs(a[row][col]) > std::fabs(a[pivot][col])) pivot = row;
        std::swap(a[col], a[pivot]);
        std::swap(b[col], b[pivot]);
        if (a[col][col] == 0) throw std::runtime_error("singular system");
        for (size_t row = col + 1; row < n; ++row) {
            const double factor = a[row][col] / a[col][col];
            for (size_t k = col; k < n; ++k) a[row][k] -= factor * a[col][k];
            for (size_t k = 0; k < b[row].size(); ++k) b[row][k] -= factor * b[col][k];
        }
    }
    for (size_t col = n; col-- > 0;) {
        for (size_t k = 0; k < b[col].size(); ++k) {
            double sum = b[col][k];
            for (size_t j = col + 1; j < n; ++j) sum -= a[col][j] * b[j][k];
            b[col][k] = sum / a[col][col];
        }
    }
    return b;
}

}

NoisyPoints MakeNoisyPoints(int32_t count, uint32_t seed)
{
    std::mt19937 random(seed);
    const auto uniform = [&random] { return double(random()) / 4294967296.0; };
    NoisyPoints points;
    double x = 0;
    for (int32_t i = 0; i < count; ++i) {
        x += 1 + int(uniform() * 3);
        const double dy = 0.05 + 0.2 * uniform();
        points.x.push_back(float(x));
        points.y.push_back(float(10 + 3 * std::sin(x / 8) + dy * std::sqrt(3.0) * (2 * uniform() - 1)));
        points.dy.push_back(float(dy));
    }
    return points;
}

StraightLine FitStraightLine(const NoisyPoints& p)
{
    double sw = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (size_t i = 0; i < p.x.size(); ++i) {
        const double w = 1 / (double(p.dy[i]) * p.dy[i]);
        sw += w, sx += w * p.x[i], sy += w * p.y[i], sxx += w * p.x[i] * p.x[i], sxy += w * p.x[i] * p.y[i];
    }
    const double slope = (sw * sxy - sx * sy) / (sw * sxx - sx * sx);
    const double offset = (sy - slope * sx) / sw;
    double residual = 0;
    for (size_t i = 0; i < p.x.size(); ++i) residual += std::pow((offset + slope * p.x[i] - p.y[i]) / p.dy[i], 2);
    return {offset, slope, residual};
}

// Knot values a minimise (a - y)'W(a - y) + lambda·a'Ka with W = diag(1/dy²), K = Q·T⁻¹·Q', where Q
// takes second divided differences and T is the Gram matrix of the piecewise linear g''; so
// (W + lambda·K)·a = W·y, and g'' at the inner knots is T⁻¹·Q'·a.
DenseSpline::DenseSpline(const NoisyPoints& points, double lambda)
    : x_(points.x.begin(), points.x.end())
{
    const size_t n = x_.size();
    const size_t m = n - 2;
    std::vector<double> h(n - 1);
    for (size_t k = 0; k + 1 < n; ++k) h[k] = x_[k + 1] - x_[k];

    Matrix qt(m, std::vector<double>(n, 0.0));  // Q'
    Matrix t(m, std::vector<double>(m, 0.0));
    for (size_t j = 0; j < m; ++j) {
        qt[j][j] = 1 / h[j];
        qt[j][j + 1] = -1 / h[j] - 1 / h[j + 1];
        qt[j][j + 2] = 1 / h[j + 1];
        t[j][j] = (h[j] + h[j + 1]) / 3;
        if (j + 1 < m) t[j][j + 1] = t[j + 1][j] = h[j + 1] / 6;
    }
    const Matrix z = Solve(t, qt);  // T⁻¹·Q'

    Matrix system(n, std::vector<double>(n, 0.0));
    Matrix rhs(n, std::vector<double>(1));
    for (size_t i = 0; i < n; ++i) {
        const double w = 1 / (double(points.dy[i]) * points.dy[i]);
        for (size_t k = 0; k < n; ++k) {
            double qz = 0;
            for (size_t j = 0; j < m; ++j) qz += qt[j][i] * z[j][k];
            system[i][k] = lambda * qz;
        }
        system[i][i] += w;
        rhs[i][0] = w * points.y[i];
    }
    const Matrix a = Solve(system, rhs);
    values_.resize(n);
    for (size_t i = 0; i < n; ++i) values_[i] = a[i][0];
    secondDerivatives_.assign(n, 0.0);
    for (size_t j = 0; j < m; ++j)
        for (size_t k = 0; k < n; ++k) secondDerivatives_[j + 1] += z[j][k] * values_[k];
}

double DenseSpline::operator()(double at) const
{
    size_t k = 0;
    while (k + 2 < x_.size() && at > x_[k + 1]) ++k;
    const double h = x_[k + 1] - x_[k];
    const double left = (x_[k + 1] - at) / h;
    const double right = 1 - left;
    return left * values_[k] + right * values_[k + 1] +
           ((left * left * left - left) * secondDerivatives_[k] +
            (right * right * right - right) * secondDerivatives_[k + 1]) * h * h / 6;
}
