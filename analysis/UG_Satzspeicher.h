#pragma once
// The support-point sets that were in use each time the user went on from the background to I(K),
// kept so that an earlier try can be put back. Sets are only appended; Leeren starts a new project.
#include "curves/cls_Y.h"

#include <cstdint>
#include <string>
#include <vector>

class clsUntergrund;

class UG_Satzspeicher {
public:
    void Leeren();
    // Appends the current support points of ug as a new set (also an empty one).
    void Speichern(const clsUntergrund& ug);
    int32_t Anzahl() const { return static_cast<int32_t>(colUG_X.size()); }
    // One line per set: "UG k - count SS".
    std::vector<std::string> Zeilen() const;
    // Replaces the support points of ug by set k (1-based); false, with ug untouched, when there is
    // no such set.
    bool Zurueckholen(int32_t k, clsUntergrund& ug) const;

private:
    std::vector<cls_Y> colUG_X;
    std::vector<cls_Y> colUG_Y;
};
