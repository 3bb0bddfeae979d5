#pragma once
// Repairs of a measured spectrum: the jump correction of a step in the counts, the clip level of
// the overdriven central peak with its outliers and centre, and the restore of a saved stage.
#include "curves/CurveView.h"

#include <cstdint>
#include <vector>

namespace editing {

// Looks for pairs of neighbours between first and last whose ratio is below 0.7 (pairs with a 0
// are skipped) and lifts or lowers the points after the first such jump, up to the last jump found
// after it or to the end, by the height of the first jump (never below 0); then redraws the diagram
// keeping its y scaling. Returns whether a jump was found.
bool Sprunganalyse(CurveView& curve, int32_t first, int32_t last);

// Sets the clip level (or lowers it by 1 when Wert lies above it) and clips the curve by the
// project type: 0 a raw spectrum (then the outliers and the centre), 1 an electron-microscope
// spectrum with the central beam at point 1.
void Hoehe_Reduzieren(CurveView& curve, int32_t Wert, int32_t projektTyp);

// Raises the points between the first and the last one at the clip level to it.
void Ausreiser(CurveView& curve);

// Centres the axis on the middle of the clipped peak; a curve without a point at the clip level
// stays as it is.
void Mitte_suchen(CurveView& curve);

// A saved curve of the stage store.
struct SavedStage {
    int32_t Punkte = 0;
    float Schrittweite = 0.0f;
    float MinX = 0.0f;
    // Y(1..Punkte) at [0..Punkte - 1].
    std::vector<float> Y;
    int32_t Typ = 0;
};

// Makes the saved stage the working curve with its own grid, extremes and folding flags. A stage
// without points raises "Subscript out of range" and leaves the curve as it was.
void Sicherheit_Zurueck(CurveView& curve, const SavedStage& stage, bool& IstGefittet, bool& IstGefaltet);

}
