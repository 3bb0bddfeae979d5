// Generates resources/demo_101.dat, the demonstration interference function I(K) that a user can
// transform without a measurement of their own: 1460 points on the grid K = 0, 0.1, ..., 145.9 1/nm.
//
// Build and run from the repository root (the output is committed; rerun only to change it):
//     c++ -std=c++20 -O2 -Wall -Wextra resources/tools/make_demo_ik.cpp -o /tmp/make_demo_ik
//     /tmp/make_demo_ik resources/demo_101.dat
//
// Model: an amorphous Cu50Zr50 alloy. The program's I(K) is the scattered intensity per atom less
// <f²>, divided by <f>²: it tends to 0 at large K, where the atoms scatter independently, and at
// K = 0 it lies a little above minus the Laue ratio L = <Z²>/<Z>² = 1.02542 (atoms scattering in
// proportion to their atomic numbers) in a dense glass.
//     I(K) = c * (S_hs(K) - 1) * exp(-(u K)^2)
// S_hs is the Percus-Yevick structure factor of hard spheres of diameter d at packing fraction
// eta; c sets the contrast (the two kinds of atom do not share one diameter) and u is the static
// disorder that damps the oscillations towards large K. The three free parameters c, eta and d are
// solved (Newton's method) so that I(0) = -1.011 and the first maximum lies at K = 27.0 1/nm
// (point 271) with the height 2.063. File layout (little-endian): int32 N, then N float32 values of
// I(K), point 1 (K = 0) first.
#include "ResourceBytes.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kPoints = 1460;
constexpr double kStep = 0.1;         // K step in 1/nm
constexpr double kDisorder = 0.012;   // u in nm
constexpr double kPeakK = 27.0;       // first maximum in 1/nm
constexpr int kPeakPoint = 271;       // its grid point
constexpr double kStart = -1.011;     // I(0)
constexpr double kPeak = 2.063;       // I at the first maximum

using Params = std::array<double, 3>;  // c, eta, d

double K(int point) { return (point - 1) * kStep; }

// Percus-Yevick structure factor of hard spheres of diameter d at packing fraction eta; its limit
// (1 - eta)^4 / (1 + 2 eta)^2 at K = 0.
double HardSphereS(double k, double d, double eta)
{
    const double a = (1 + 2 * eta) * (1 + 2 * eta) / std::pow(1 - eta, 4);
    const double b = -6 * eta * (1 + eta / 2) * (1 + eta / 2) / std::pow(1 - eta, 4);
    const double g = eta * a / 2;
    const double x = k * d;
    if (x < 1e-3) return std::pow(1 - eta, 4) / ((1 + 2 * eta) * (1 + 2 * eta));
    const double s = std::sin(x), c = std::cos(x);
    const double G = a / (x * x) * (s - x * c) + b / (x * x * x) * (2 * x * s + (2 - x * x) * c - 2) +
                     g / std::pow(x, 5) * (-std::pow(x, 4) * c + 4 * ((3 * x * x - 6) * c + (x * x * x - 6 * x) * s + 6));
    return 1 / (1 + 24 * eta * G / x);
}

double IK(double k, const Params& p)
{
    return p[0] * (HardSphereS(k, p[2], p[1]) - 1) * std::exp(-(kDisorder * k) * (kDisorder * k));
}

std::array<double, 3> Residuals(const Params& p)
{
    const double h = 1e-4;
    const double slope = (IK(kPeakK + h, p) - IK(kPeakK - h, p)) / (2 * h);
    return {IK(0, p) - kStart, IK(kPeakK, p) - kPeak, slope};
}

double Norm(const Params& p)
{
    double norm = 0;
    for (double v : Residuals(p)) norm += v * v;
    return norm;
}

// Solves the 3 by 3 system m x = r by Cramer's rule.
Params Solve(const std::array<std::array<double, 3>, 3>& m, const std::array<double, 3>& r)
{
    auto det = [](const std::array<std::array<double, 3>, 3>& a) {
        return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
               a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    };
    const double d = det(m);
    Params x{};
    for (int col = 0; col < 3; ++col) {
        auto mc = m;
        for (int row = 0; row < 3; ++row) mc[row][col] = r[row];
        x[col] = det(mc) / d;
    }
    return x;
}

// Damped Newton steps.
bool Fit(Params& p)
{
    for (int iteration = 0; iteration < 200; ++iteration) {
        const auto r = Residuals(p);
        const double norm = Norm(p);
        if (norm < 1e-20) return true;
        std::array<std::array<double, 3>, 3> jac{};
        for (int j = 0; j < 3; ++j) {
            Params q = p;
            const double h = 1e-7 * p[j];
            q[j] += h;
            const auto rq = Residuals(q);
            for (int i = 0; i < 3; ++i) jac[i][j] = (rq[i] - r[i]) / h;
        }
        const Params step = Solve(jac, {-r[0], -r[1], -r[2]});
        for (double damping = 1.0; damping > 1e-9; damping /= 2) {
            Params trial = p;
            for (int j = 0; j < 3; ++j) trial[j] += damping * step[j];
            if (trial[1] > 0.05 && trial[1] < 0.6 && Norm(trial) < norm) {
                p = trial;
                break;
            }
        }
    }
    return false;
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    Params p = {1.0, 0.5, 0.25};
    if (!Fit(p)) {
        std::fprintf(stderr, "the model does not converge\n");
        return 1;
    }
    std::printf("c %.6g  eta %.6g  d %.6g nm\n", p[0], p[1], p[2]);

    std::vector<float> y(kPoints + 1);
    for (int point = 1; point <= kPoints; ++point) y[point] = static_cast<float>(IK(K(point), p));

    int largest = 1;
    for (int point = 2; point <= kPoints; ++point)
        if (y[point] > y[largest]) largest = point;
    for (int point : {1, 100, kPeakPoint, 500, 1000, 1460})
        std::printf("point %4d  K %6.1f  I %.5f\n", point, K(point), y[point]);
    std::printf("largest value at point %d\n", largest);
    if (largest != kPeakPoint || std::fabs(y[1] - kStart) > 1e-6 || std::fabs(y[kPeakPoint] - kPeak) > 1e-6) {
        std::fprintf(stderr, "the curve misses its figures\n");
        return 1;
    }

    std::vector<char> out;
    PutLittleEndian(out, static_cast<uint32_t>(kPoints));
    for (int point = 1; point <= kPoints; ++point) PutLittleEndian(out, std::bit_cast<uint32_t>(y[point]));
    return WriteResource(argv[1], out);
}
