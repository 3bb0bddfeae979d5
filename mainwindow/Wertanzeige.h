#pragma once
// The text of the value label above the diagram: zoom, the I(K) parameters, the densities of G(r)
// and the coordination numbers, in the user's regional number format and in nm or Å units. The
// blocks take plain numbers and return the lines joined by "\n"; Wertanzeige gathers the numbers
// from the globals for an information kind of the diagram.
#include <cstdint>
#include <string>

struct IKWerte {
    float abbruchK = 0;     // K of the transform's cut-off index, 1/nm
    float parabelK = 0;     // K of the parabola index, 1/nm
    float dichteIK = 0;     // atoms per nm³
    float abweichung = 0;   // deviation of the low-K fit, percent
};

struct GRWerte {
    float theoretisch = 0;  // per nm³; 0, negative or the no-value marker when unknown
    float experimentell = 0;
    float hoyer = 0;
    float raumerfuellung = 0;  // percent
    float abweichung = 0;      // deviation of the density line from G(r), percent
};

std::string Wertanzeige_IK(const IKWerte& w, bool einheitNM);
std::string Wertanzeige_GR(const GRWerte& w, bool einheitNM);
// Both diagrams shown: the parabola limit and the experimental density.
std::string Wertanzeige_Zwei(float parabelK, float theoretisch, float experimentell, bool einheitNM);
std::string Wertanzeige_KZ(const std::string& kz, const std::string& kzHoyer);

// The label for information kind k from gIK, gGR, gMFE, gCalc, gOptions and gSchritt; empty for
// the kinds the label shows nothing for (the zoom kinds are the diagram's own).
std::string Wertanzeige(int32_t k);
