#pragma once
// Synthetic test curves: a test I(K) of Gauss peaks, alone or on the interference function of an
// ideal gas of the alloy, and a test G(r) of Gauss peaks and sine terms, turned into a reduced
// distribution by the number density and faded out towards the end of the r range. The peak
// distances of G(r) as the K they correspond to.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class clsGauss;

struct Sinusterm {
    float A = 0.0f;  // amplitude
    float d = 0.0f;  // wave number
};

// The wave number of a sine term at position p by the 5/4 rule, 2π / (0.8·p); none for p = 0.
std::optional<float> Sinus_Wellenzahl(float p);

// The sum of the peaks at every x.
std::vector<float> Peaksumme(const clsGauss& peaks, std::span<const float> x);

// The ideal gas's interference function (<f>² − <f²>) / <f>², normalised to −1 at the first point;
// 0 where <f>² is 0. A single element has no gas term: its curve is 0, not 0/0.
std::vector<float> Gas_Basis(std::span<const float> f2m, std::span<const float> fmk, std::span<const float> fm2);

// The G(r) test curve at every r: peaks and sine terms times 4π·rho·r, faded out by
// (cos(π·r/r_N)/2 + 1/2)^20, so it is 0 at r = 0 and at the last r.
std::vector<float> Test_GR(const clsGauss& peaks, std::span<const Sinusterm> sinus, std::span<const float> r,
                           double rho);

// Makes the test curve of the peaks the current I(K), with gasBasis on the gas curve of the alloy.
void Testkurve_IK_Setzen(const clsGauss& peaks, bool gasBasis);
// Makes the test curve of the peaks and sine terms the current G(r) at the alloy's theoretical density.
void Testkurve_GR_Setzen(const clsGauss& peaks, std::span<const Sinusterm> sinus);

// For each pair of neighbouring maxima of G(r), 2π / their distance: where a distance of the real
// structure shows in I(K). Empty before the first transform or with fewer than two maxima. Works
// on the copy of gMath (made when there is none) and fills gGauss with the maxima.
std::vector<float> Peakabstaende_K();
