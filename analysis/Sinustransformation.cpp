#include "analysis/Sinustransformation.h"

#include "core/Guarded.h"
#include "core/Runtime.h"
#include "curves/KGitter.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <numbers>
#include <utility>

namespace {

constexpr double kPi = std::numbers::pi;
// The sizes a transform may have; the options window offers 10 to 15 bits.
constexpr int32_t kMinBits = 2;
constexpr int32_t kMaxBits = 20;
// The period of the continuation's oscillation beyond the cut-off is 14 1/nm.
constexpr double kPiDurch7 = 0.44879895051282714;

// Four floats in one register.
using Vier = float __attribute__((vector_size(16)));

Vier Laden(const float* p)
{
    Vier v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

void Ablegen(float* p, Vier v) { std::memcpy(p, &v, sizeof v); }

// (a, b) := (a + w·b, a − w·b) on four complex values at once.
void Schmetterling(Vier wr, Vier wi, Vier& ar, Vier& ai, Vier& br, Vier& bi)
{
    const Vier tr = wr * br - wi * bi;
    const Vier ti = wi * br + wr * bi;
    br = ar - tr;
    bi = ai - ti;
    ar = ar + tr;
    ai = ai + ti;
}

int32_t BitReverse(int32_t value, int32_t bits)
{
    int32_t result = 0;
    for (int32_t b = 0; b < bits; ++b) {
        result = 2 * result + (value & 1);
        value /= 2;
    }
    return result;
}

// z(m) = scale·(x(2m) + i·x(2m + 1)) for the M = N/2 points, stored at the bit reversal of m.
void Gepackt_Laden(const FFT_Plan& plan, const float* x, float* re, float* im, float scale)
{
    const int32_t M = plan.N / 2;
    const auto U = [&](int32_t m) { return plan.Umordnung[static_cast<size_t>(m)]; };
    constexpr int32_t q = 5;
    constexpr int32_t Q = 1 << q;
    const int32_t mitte = plan.Bits - 1 - 2 * q;
    if (mitte < 0) {
        for (int32_t m = 0; m < M; ++m) {
            re[U(m)] = x[2 * m] * scale;
            im[U(m)] = x[2 * m + 1] * scale;
        }
        return;
    }
    // A plain scatter would write each value to another cache line, all of them competing for
    // the same cache sets. With m = (a, c, d) in q, mitte and q bits, its reversal is
    // (rev d, rev c, rev a): a tile of all a and d for one c is read in rows of d and written in
    // rows of a, a cache line at a time.
    float tileRe[Q][Q];
    float tileIm[Q][Q];
    for (int32_t c = 0; c < (1 << mitte); ++c) {
        for (int32_t a = 0; a < Q; ++a) {
            const float* row = x + 2 * ((a << (mitte + q)) | (c << q));
            for (int32_t d = 0; d < Q; ++d) {
                tileRe[d][a] = row[2 * d] * scale;
                tileIm[d][a] = row[2 * d + 1] * scale;
            }
        }
        const int32_t cr = U(c << q);
        for (int32_t d = 0; d < Q; ++d) {
            const int32_t zeile = U(d) | cr;
            for (int32_t a = 0; a < Q; ++a) {
                const int32_t j = zeile | U(a << (mitte + q));
                re[j] = tileRe[d][a];
                im[j] = tileIm[d][a];
            }
        }
    }
}

// The complex transform out(k) = Σn z(n)·exp(+2πi·n·k/m) in place on m points (a power of two, at
// least 2) that stand in bit-reversed order.
void Kern(const FFT_Plan& plan, float* re, float* im, int32_t m)
{
    if (m == 2) {
        const float r = re[1], i = im[1];
        re[1] = re[0] - r;
        im[1] = im[0] - i;
        re[0] += r;
        im[0] += i;
        return;
    }
    // The stages of half-length 1 and 2 in one pass: their twiddles are 1 and i.
    for (int32_t b = 0; b < m; b += 4) {
        const float r0 = re[b] + re[b + 1], i0 = im[b] + im[b + 1];
        const float r1 = re[b] - re[b + 1], i1 = im[b] - im[b + 1];
        const float r2 = re[b + 2] + re[b + 3], i2 = im[b + 2] + im[b + 3];
        const float r3 = re[b + 2] - re[b + 3], i3 = im[b + 2] - im[b + 3];
        re[b] = r0 + r2;
        im[b] = i0 + i2;
        re[b + 2] = r0 - r2;
        im[b + 2] = i0 - i2;
        re[b + 1] = r1 - i3;
        im[b + 1] = i1 + r3;
        re[b + 3] = r1 + i3;
        im[b + 3] = i1 - r3;
    }
    // The later stages two at a time (fewer sweeps over the data), four butterflies at once, each
    // block with the stages' twiddles in order; a last single stage when their count is odd.
    int32_t h = 4;
    for (; 4 * h <= m; h *= 4) {
        const float* w1r = plan.DrehRe.data() + h - 1;
        const float* w1i = plan.DrehIm.data() + h - 1;
        const float* w2r = plan.DrehRe.data() + 2 * h - 1;
        const float* w2i = plan.DrehIm.data() + 2 * h - 1;
        for (int32_t b = 0; b < m; b += 4 * h) {
            float* r = re + b;
            float* i = im + b;
            for (int32_t k = 0; k < h; k += 4) {
                Vier a0r = Laden(r + k), a0i = Laden(i + k), a1r = Laden(r + k + h), a1i = Laden(i + k + h);
                Vier a2r = Laden(r + k + 2 * h), a2i = Laden(i + k + 2 * h);
                Vier a3r = Laden(r + k + 3 * h), a3i = Laden(i + k + 3 * h);
                Schmetterling(Laden(w1r + k), Laden(w1i + k), a0r, a0i, a1r, a1i);
                Schmetterling(Laden(w1r + k), Laden(w1i + k), a2r, a2i, a3r, a3i);
                Schmetterling(Laden(w2r + k), Laden(w2i + k), a0r, a0i, a2r, a2i);
                Schmetterling(Laden(w2r + k + h), Laden(w2i + k + h), a1r, a1i, a3r, a3i);
                Ablegen(r + k, a0r);
                Ablegen(i + k, a0i);
                Ablegen(r + k + h, a1r);
                Ablegen(i + k + h, a1i);
                Ablegen(r + k + 2 * h, a2r);
                Ablegen(i + k + 2 * h, a2i);
                Ablegen(r + k + 3 * h, a3r);
                Ablegen(i + k + 3 * h, a3i);
            }
        }
    }
    if (h < m) {
        const float* wr = plan.DrehRe.data() + h - 1;
        const float* wi = plan.DrehIm.data() + h - 1;
        for (int32_t b = 0; b < m; b += 2 * h) {
            for (int32_t k = b; k < b + h; k += 4) {
                Vier ar = Laden(re + k), ai = Laden(im + k), br = Laden(re + k + h), bi = Laden(im + k + h);
                Schmetterling(Laden(wr + k - b), Laden(wi + k - b), ar, ai, br, bi);
                Ablegen(re + k, ar);
                Ablegen(im + k, ai);
                Ablegen(re + k + h, br);
                Ablegen(im + k + h, bi);
            }
        }
    }
}

// F(k) = faktor·Σ f(j)·sin(π·j·k/n) over j = 1..n − 1, written to out[k·s] for k = 1..n − 1 (n a
// power of two up to half the plan's N; f(0), f(n) are not read). Split as in a split-radix
// transform: the odd k are a cosine transform of the n/2 sums f(j) + f(n − j), carried by a complex
// transform of n/4 points; the even k the same sine sum over n/2 of the differences f(j) − f(n − j).
// Unlike a running sum over the outputs, nothing lets the rounding errors grow along k. arbeit
// holds n floats.
void Sinussumme(const FFT_Plan& plan, const float* f, int32_t n, float* out, int32_t s, float* arbeit, float faktor)
{
    if (n <= 8) {
        // sin(π·m/n) from the stage table of half-length n, negative for m mod 2n from n on.
        const float* sinus = plan.DrehIm.data() + n - 1;
        for (int32_t k = 1; k < n; ++k) {
            double summe = 0;
            for (int32_t j = 1; j < n; ++j) {
                const int32_t m = j * k % (2 * n);
                summe += f[j] * (m < n ? sinus[m] : -sinus[m - n]);
            }
            out[k * s] = static_cast<float>(faktor * summe);
        }
        return;
    }
    const int32_t L = n / 2;
    const int32_t H = L / 2;
    // The differences at g(1..L − 1), then the complex transform at the bit reversal of its index.
    float* g = arbeit;
    float* zr = arbeit + L;
    float* zi = zr + H;
    const int32_t schieben = plan.Bits - 1 - std::countr_zero(static_cast<uint32_t>(H));
    // exp(iπ·k/(2L)) and exp(2πi·k/L) from the stage tables of half-lengths n and H.
    const float* w1r = plan.DrehRe.data() + n - 1;
    const float* w1i = plan.DrehIm.data() + n - 1;
    const float* w2r = plan.DrehRe.data() + H - 1;
    const float* w2i = plan.DrehIm.data() + H - 1;
    const float halb = 0.5f * faktor;
    // With c(j) = f(j) + f(n − j) (c(L) = f(L)) and d(j) = c(L − j), the odd outputs are
    // F(4m + 1) = v(m), F(4m + 3) = −v(L − 1 − m) with v the real transform of the Hermitian
    // X(k) = exp(iπ·k/(2L))·(d(k) − i·d(L − k))/2, X(0) = d(0), packed as Z(k) = E(k) + i·O(k),
    // E(k) = X(k) + X(k + H), O(k) = (X(k) − X(k + H))·exp(2πi·k/L).
    const auto c = [&](int32_t j) { return f[j] + f[n - j]; };
    // Z(k) from d(k), d(L − k), d(k + H), d(H − k) and the twiddles at k, for one k or four at once.
    const auto z_wert = [halb](auto dk, auto dLk, auto dk2, auto dLk2, auto ar, auto ai, auto br, auto bi, auto cr,
                               auto ci) {
        const auto xr = halb * (ar * dk + ai * dLk), xi = halb * (ai * dk - ar * dLk);
        const auto yr = halb * (br * dk2 + bi * dLk2), yi = halb * (bi * dk2 - br * dLk2);
        const auto er = xr + yr, ei = xi + yi, dr = xr - yr, di = xi - yi;
        const auto orr = dr * cr - di * ci, oi = dr * ci + di * cr;
        return std::pair{er - oi, ei + orr};
    };
    const auto ablegen = [&](int32_t k, float wert_r, float wert_i) {
        const int32_t j = plan.Umordnung[static_cast<size_t>(k)] >> schieben;
        zr[j] = wert_r;
        zi[j] = wert_i;
    };
    // g(j) at j = k and H + k along the way.
    for (int32_t k = 0; k < 4; ++k) {
        // X(0) = d(0): twice d(0) against the halving, and no d(L).
        const float dk = k == 0 ? 2.0f * f[L] : c(L - k);
        const float dLk = k == 0 ? 0.0f : c(k);
        const auto [wr, wi] =
            z_wert(dk, dLk, c(H - k), c(H + k), w1r[k], w1i[k], w1r[k + H], w1i[k + H], w2r[k], w2i[k]);
        ablegen(k, wr, wi);
        if (k > 0) g[k] = faktor * (f[k] - f[n - k]);
        g[H + k] = faktor * (f[H + k] - f[n - H - k]);
    }
    const auto wenden = [](Vier v) { return __builtin_shufflevector(v, v, 3, 2, 1, 0); };
    const auto ab = [&](const float* p) { return wenden(Laden(p - 3)); };  // p[0], p[-1], p[-2], p[-3]
    for (int32_t k = 4; k < H; k += 4) {
        const Vier fk = Laden(f + k), fnk = ab(f + n - k);
        const Vier fHpk = Laden(f + H + k), fnHpk = ab(f + n - H - k);
        const auto [wr, wi] = z_wert(ab(f + L - k) + Laden(f + L + k), fk + fnk, ab(f + H - k) + Laden(f + n - H + k),
                                     fHpk + fnHpk, Laden(w1r + k), Laden(w1i + k), Laden(w1r + k + H),
                                     Laden(w1i + k + H), Laden(w2r + k), Laden(w2i + k));
        for (int32_t l = 0; l < 4; ++l) ablegen(k + l, wr[l], wi[l]);
        Ablegen(g + k, faktor * (fk - fnk));
        Ablegen(g + H + k, faktor * (fHpk - fnHpk));
    }
    Kern(plan, zr, zi, H);
    for (int32_t q = 0; q < H / 2; ++q) {
        out[(8 * q + 1) * s] = zr[q];
        out[(8 * q + 5) * s] = zi[q];
    }
    for (int32_t q = H / 2; q < H; ++q) {
        out[(2 * n - 8 * q - 1) * s] = -zr[q];
        out[(2 * n - 8 * q - 5) * s] = -zi[q];
    }
    Sinussumme(plan, g, L, out, 2 * s, arbeit + L, 1.0f);
}

}

void Ungerade_Setzen(std::vector<float>& re, int32_t n, int32_t i, float v)
{
    re[static_cast<size_t>(i - 1)] = v;
    re[static_cast<size_t>(n - i + 1)] = -v;
}

FFT_Plan FFT_Planen(int32_t bits)
{
    return Guarded("Sinustransformation", "FFT_Planen", [bits] { return FFT_Plan::FFT_Planen_Ungeschuetzt(bits); });
}

FFT_Plan FFT_Plan::FFT_Planen_Ungeschuetzt(int32_t bits)
{
    if (bits < kMinBits || bits > kMaxBits) rt::Raise(rt::errInvalidCall);
    FFT_Plan plan;
    plan.Bits = bits;
    plan.N = rt::CLng(std::pow(2.0, bits));
    const int32_t M = plan.N / 2;
    plan.Umordnung.resize(static_cast<size_t>(M));
    for (int32_t m = 0; m < M; ++m) plan.Umordnung[static_cast<size_t>(m)] = BitReverse(m, bits - 1);

    plan.DrehRe.resize(static_cast<size_t>(plan.N - 1));
    plan.DrehIm.resize(static_cast<size_t>(plan.N - 1));
    for (int32_t h = 1; h <= M; h *= 2) {
        for (int32_t m = 0; m < h; ++m) {
            const double angle = kPi * m / h;
            plan.DrehRe[static_cast<size_t>(h - 1 + m)] = static_cast<float>(std::cos(angle));
            plan.DrehIm[static_cast<size_t>(h - 1 + m)] = static_cast<float>(std::sin(angle));
        }
    }
    return plan;
}

void Reelle_FFT(const FFT_Plan& plan, std::span<const float> in, std::span<float> outRe, std::span<float> outIm,
                float scale)
{
    const int32_t M = plan.N / 2;
    float* re = outRe.data();
    float* im = outIm.data();
    Gepackt_Laden(plan, in.data(), re, im, scale);
    Kern(plan, re, im, M);

    // Z(k) = E(k) + i·O(k) with E and O the transforms of the even and odd points, both of a real
    // sequence; X(k) = E(k) + exp(2πi·k/N)·O(k), and X(N − k) is the conjugate of X(k).
    const float* wr = plan.DrehRe.data() + M - 1;
    const float* wi = plan.DrehIm.data() + M - 1;
    const float a = re[0];
    const float b = im[0];
    re[0] = a + b;
    im[0] = 0.0f;
    re[M] = a - b;
    im[M] = 0.0f;
    for (int32_t k = 1; k <= M / 2; ++k) {
        const int32_t l = M - k;
        const float zr = re[k], zi = im[k], cr = re[l], ci = -im[l];
        const float er = 0.5f * (zr + cr), ei = 0.5f * (zi + ci);
        const float orr = 0.5f * (zi - ci), oi = -0.5f * (zr - cr);
        const float tr = wr[k] * orr - wi[k] * oi;
        const float ti = wr[k] * oi + wi[k] * orr;
        // At l = M − k, E and O are the conjugates and the twiddle is −conj(w), so w·O turns into (−tr, ti).
        re[k] = er + tr;
        im[k] = ei + ti;
        re[l] = er - tr;
        im[l] = ti - ei;
        re[plan.N - k] = re[k];
        im[plan.N - k] = -im[k];
        re[plan.N - l] = re[l];
        im[plan.N - l] = -im[l];
    }
}

void Sinus_FFT(const FFT_Plan& plan, std::span<const float> in, std::span<float> out, float scale)
{
    // The sum over all N points is twice the one over the first half.
    const int32_t n = plan.N / 2;
    Sinussumme(plan, in.data(), n, out.data(), 1, out.data() + n + 1, 2.0f * scale);
    out[0] = 0.0f;
    out[static_cast<size_t>(n)] = 0.0f;
}

void Komplexe_FFT(const FFT_Plan& plan, std::span<const float> inRe, std::span<const float> inIm,
                  std::span<float> outRe, std::span<float> outIm, float scale)
{
    const auto n = static_cast<size_t>(plan.N);
    Reelle_FFT(plan, inRe, outRe, outIm, scale);
    if (std::all_of(inIm.begin(), inIm.begin() + static_cast<std::ptrdiff_t>(n), [](float v) { return v == 0.0f; }))
        return;
    // The transform is linear: the imaginary input adds i times its own transform.
    std::vector<float> re(n), im(n);
    Reelle_FFT(plan, inIm, re, im, scale);
    for (size_t k = 0; k < n; ++k) {
        outRe[k] -= im[k];
        outIm[k] += re[k];
    }
}

Transformierte Sinustransformation(const FFT_Plan& plan, std::span<const float> y, const Sinus_Vorgaben& v)
{
    const int32_t n = plan.N;
    const auto size = static_cast<size_t>(n) + 2;
    std::vector<float> inRe(size, 0.0f);
    const int32_t letzter = Letzter_K_Index(plan);
    const auto K = [&](int32_t i) { return K_Gitter(i, v.DeltaK); };

    const int32_t F = v.Abbruch;
    const float kF = K(F);
    const auto fenster = [&](int32_t i) {
        return v.Hamming && kF > 0.0f ? 0.54 + 0.46 * std::cos(kPi * K(i) / kF) : 1.0;
    };
    const int32_t bis = std::min(static_cast<int32_t>(y.size()), letzter);
    for (int32_t i = std::max(v.Start, 1); i <= bis; ++i)
        Ungerade_Setzen(inRe, n, i, static_cast<float>(K(i) * y[static_cast<size_t>(i - 1)] * fenster(i)));
    // At K = 0 (F = 1) the continuation has no scale.
    if (v.Fortsetzen && kF > 0.0f) {
        for (int32_t i = F; i <= std::min(v.Fortsetzen_Bis, letzter); ++i) {
            const float ratio = K(i) / kF;
            const double t = double(v.Y_Abbruch) * std::cos(kPiDurch7 * K(i - F + 1)) / std::pow(double(ratio), v.Ordnung);
            Ungerade_Setzen(inRe, n, i, static_cast<float>(K(i) * t));
        }
    }

    Transformierte out{std::vector<float>(size, 0.0f), std::vector<float>(size, 0.0f)};
    Sinus_FFT(plan, inRe, out.Im, 0.5f);
    std::fill(out.Im.begin() + n / 2 + 1, out.Im.end(), 0.0f);
    return out;
}
