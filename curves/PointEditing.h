#pragma once
// Editing the working curve by hand: copying a range of points into the copy buffer, mirroring
// and moving the copied piece, writing it back, removing a single point and cutting the curve at
// either side. Failures are thrown as rt::RuntimeError; the working curve reports them under its
// own member names.
#include "curves/CurveView.h"

namespace editing {

// Copies the points from the first x at or above the smaller of X1, X2 up to (not including) the
// first x at or above the larger one. A range reaching beyond the last point or holding no grid
// step raises "Subscript out of range" and leaves the buffer as it was.
void Punkte_Kopieren(CurveView& curve, PieceView& piece, float X1, float X2);

// Reverses the piece and moves its start to the mirror image, about x = 0, of its right end.
void Punkte_Spiegeln(CurveView& curve, PieceView& piece);

// Moves the piece by dX (in whole grid steps, halves to even) and lifts its values by dY.
void Punkte_Positionieren(const CurveView& curve, PieceView& piece, float dX, float dY);

// Writes the piece back from X_StartIndex, replacing the old values or averaging with them.
// Returns the number of copied values that fell outside the curve and were not written.
int32_t Punkte_Einfuegen(CurveView& curve, PieceView& piece, bool Ersetzen);

// Replaces the grid point nearest to X by the mean of its neighbours.
void Loesche_Punkt(CurveView& curve, float X);

// Cuts the curve at the right: keeps the points below max, and max becomes Maximum_X.
void Breite_reduzieren(CurveView& curve, float max);

// Cuts the curve at the left: keeps the points above min at their own x.
void Links_reduzieren(CurveView& curve, float min);

// A cut at the left for a negative Value, else at the right.
void Reduzieren(CurveView& curve, float Value);

}
