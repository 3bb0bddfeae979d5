// Generates resources/demo_103.dat, the demonstration spectrum that a user can evaluate without a
// measurement of their own: a one-sided, already folded electron-diffraction intensity J(K) of a
// metallic glass, 1023 points from K = 0 to 248.77 1/nm.
//
// Build and run from the repository root (the output is committed; rerun only to change it):
//     c++ -std=c++20 -O2 -Wall -Wextra resources/tools/make_demo_spectrum.cpp -o /tmp/make_demo_spectrum
//     /tmp/make_demo_spectrum resources/demo_103.dat
//
// Model of the measured intensity:
//     J(K) = P0 / (1 + (K/w)^2)^3                     primary beam and its tail
//          + A / (1 + (K/b)^2)^2 * S(K)               screened-Coulomb atomic scattering times structure
//     S(K) = 1 + c * (S_hs(K) - 1) * exp(-(u K)^2)    hard-sphere structure factor (Percus-Yevick,
//                                                     packing fraction 0.5, sphere diameter d), its
//                                                     contrast c lowered by inelastic scattering and its
//                                                     oscillations damped by static disorder u
// The six free parameters P0, w, A, b, d and c are solved (Newton's method) so that the curve passes
// through its chosen sample rows (checked below) and has its first diffraction maximum
// exactly at row 119. The primary beam is clipped at the detector's saturation level 654357, as in a
// real measurement. File layout (little-endian): int32 N, then N pairs of float32 (K, J).
#include <algorithm>
#include "ResourceBytes.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kPoints = 1023;
constexpr double kStep = 248.77 / (kPoints - 1);  // K step of the measurement in 1/nm
constexpr double kClip = 654357.0;                 // saturation of the detector
constexpr double kPacking = 0.5;
constexpr double kDisorder = 0.006;                // nm

using Params = std::array<double, 6>;  // P0, w, A, b, d, c

double K(int row) { return (row - 1) * kStep; }

// Percus-Yevick structure factor of hard spheres of diameter d at packing fraction eta.
double HardSphereS(double k, double d, double eta)
{
    const double a = (1 + 2 * eta) * (1 + 2 * eta) / std::pow(1 - eta, 4);
    const double b = -6 * eta * (1 + eta / 2) * (1 + eta / 2) / std::pow(1 - eta, 4);
    const double g = eta * a / 2;
    const double x = std::max(k * d, 1e-2);
    const double s = std::sin(x), c = std::cos(x);
    const double G = a / (x * x) * (s - x * c) + b / (x * x * x) * (2 * x * s + (2 - x * x) * c - 2) +
                     g / std::pow(x, 5) * (-std::pow(x, 4) * c + 4 * ((3 * x * x - 6) * c + (x * x * x - 6 * x) * s + 6));
    return 1 / (1 + 24 * eta * G / x);
}

double Intensity(double k, const Params& p)
{
    const double beam = p[0] / std::pow(1 + (k / p[1]) * (k / p[1]), 3);
    const double atoms = p[2] / std::pow(1 + (k / p[3]) * (k / p[3]), 2);
    const double s = 1 + p[5] * (HardSphereS(k, p[4], kPacking) - 1) * std::exp(-(kDisorder * k) * (kDisorder * k));
    return beam + atoms * s;
}

// The conditions the curve must meet, as residuals relative to their targets.
std::array<double, 6> Residuals(const Params& p)
{
    const double h = 1e-4;
    const double slope = (Intensity(K(119) + h, p) - Intensity(K(119) - h, p)) / (2 * h);
    return {Intensity(K(15), p) / 643073.6 - 1, Intensity(K(40), p) / 45796.5 - 1,
            Intensity(K(119), p) / 28209.8 - 1, slope / 28209.8,
            Intensity(K(400), p) / 547.9 - 1,  Intensity(K(1023), p) / 15.07 - 1};
}

// Solves the square system J dx = -r by Gaussian elimination with partial pivoting.
Params Solve(std::array<std::array<double, 6>, 6> m, std::array<double, 6> r)
{
    for (int col = 0; col < 6; ++col) {
        int pivot = col;
        for (int row = col + 1; row < 6; ++row)
            if (std::fabs(m[row][col]) > std::fabs(m[pivot][col])) pivot = row;
        std::swap(m[col], m[pivot]);
        std::swap(r[col], r[pivot]);
        for (int row = col + 1; row < 6; ++row) {
            const double f = m[row][col] / m[col][col];
            for (int k = col; k < 6; ++k) m[row][k] -= f * m[col][k];
            r[row] -= f * r[col];
        }
    }
    Params x{};
    for (int row = 5; row >= 0; --row) {
        double sum = r[row];
        for (int k = row + 1; k < 6; ++k) sum -= m[row][k] * x[k];
        x[row] = sum / m[row][row];
    }
    return x;
}

double Norm(const Params& p)
{
    double norm = 0;
    for (double v : Residuals(p)) norm += v * v;
    return norm;
}

// Damped Newton steps on the logarithms of the parameters, which keeps every parameter positive.
bool Fit(Params& p)
{
    for (int iteration = 0; iteration < 200; ++iteration) {
        const auto r = Residuals(p);
        const double norm = Norm(p);
        if (norm < 1e-24) return true;
        std::array<std::array<double, 6>, 6> jac{};
        for (int j = 0; j < 6; ++j) {
            Params q = p;
            q[j] *= std::exp(1e-7);
            const auto rq = Residuals(q);
            for (int i = 0; i < 6; ++i) jac[i][j] = (rq[i] - r[i]) / 1e-7;
        }
        std::array<double, 6> rhs{};
        for (int i = 0; i < 6; ++i) rhs[i] = -r[i];
        const Params step = Solve(jac, rhs);
        double largest = 0;
        for (double v : step) largest = std::max(largest, std::fabs(v));
        for (double damping = std::min(1.0, 0.5 / largest); damping > 1e-9; damping /= 2) {
            Params trial = p;
            for (int j = 0; j < 6; ++j) trial[j] *= std::exp(damping * step[j]);
            if (Norm(trial) < norm) {
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
    Params p = {2.2e6, 3.8, 6.0e4, 31.6, 0.247, 0.3};
    if (!Fit(p)) {
        std::fprintf(stderr, "the model does not converge\n");
        return 1;
    }
    std::printf("P0 %.6g  w %.6g  A %.6g  b %.6g  d %.6g  c %.6g\n", p[0], p[1], p[2], p[3], p[4], p[5]);

    std::vector<float> y(kPoints + 1);
    for (int row = 1; row <= kPoints; ++row) y[row] = static_cast<float>(std::min(Intensity(K(row), p), kClip));

    // The quoted rows, and the first maximum after the primary beam at row 119.
    int firstMaximum = 0;
    for (int row = 16; row < kPoints && firstMaximum == 0; ++row)
        if (y[row] > y[row - 1] && y[row] >= y[row + 1]) firstMaximum = row;
    int clipped = 0;
    while (clipped < kPoints && y[clipped + 1] == static_cast<float>(kClip)) ++clipped;
    for (int row : {1, 14, 15, 40, 119, 400, 1023}) std::printf("row %4d  K %8.4f  J %.4f\n", row, K(row), y[row]);
    std::printf("clipped rows 1..%d, first maximum at row %d\n", clipped, firstMaximum);
    for (int row = 1; row <= kPoints; ++row)
        if (!(y[row] > 0)) {
            std::fprintf(stderr, "row %d is not positive\n", row);
            return 1;
        }
    if (clipped != 14 || firstMaximum != 119) {
        std::fprintf(stderr, "the curve misses its sample rows\n");
        return 1;
    }

    std::vector<char> out;
    PutLittleEndian(out, static_cast<uint32_t>(kPoints));
    for (int row = 1; row <= kPoints; ++row) {
        PutLittleEndian(out, std::bit_cast<uint32_t>(static_cast<float>(K(row))));
        PutLittleEndian(out, std::bit_cast<uint32_t>(y[row]));
    }
    return WriteResource(argv[1], out);
}
