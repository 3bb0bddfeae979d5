#include "curves/PointEditing.h"

#include "core/Runtime.h"
#include "curves/CurveLog.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace editing {

namespace {

// The first index from `from` to Punkte whose x is at or above X; 0 when there is none.
int32_t FirstAtOrAbove(const CurveView& curve, int32_t from, float X)
{
    for (int32_t i = std::max(from, 1); i <= curve.Punkte; ++i)
        if (curve.x(i) >= X) return i;
    return 0;
}

}

void Punkte_Kopieren(CurveView& curve, PieceView& piece, float X1, float X2)
{
    const float lo = std::min(X1, X2);
    const float hi = std::max(X1, X2);
    const int32_t s = FirstAtOrAbove(curve, 1, lo);
    const int32_t e = s == 0 ? 0 : FirstAtOrAbove(curve, s, hi);
    if (e <= s) rt::Raise(rt::errSubscript);
    std::vector<float> copied;
    for (int32_t i = s; i < e; ++i) copied.push_back(curve.At(i));
    piece.X_StartIndex = s;
    piece.X_StartIndex_Rechts = e;
    piece.Temp_Punkte = e - s;
    piece.Y_Temp = std::move(copied);
    piece.Punkte_Kopiert = true;
}

void Punkte_Spiegeln(CurveView& curve, PieceView& piece)
{
    const int32_t start = curve.Index(-curve.x(piece.X_StartIndex_Rechts));
    piece.YU = piece.Y_Temp;
    std::reverse(piece.Y_Temp.begin(), piece.Y_Temp.end());
    piece.X_StartIndex_Rechts = piece.X_StartIndex;
    piece.X_StartIndex = start;
}

void Punkte_Positionieren(const CurveView& curve, PieceView& piece, float dX, float dY)
{
    const int32_t steps = rt::CLng(rt::Divide(dX, curve.Schrittweite));
    piece.X_StartIndex = rt::CLng(static_cast<double>(piece.X_StartIndex) + steps);
    for (float& value : piece.Y_Temp) value += dY;
}

int32_t Punkte_Einfuegen(CurveView& curve, PieceView& piece, bool Ersetzen)
{
    int32_t outside = 0;
    for (int32_t k = 1; k <= piece.Temp_Punkte && k <= static_cast<int32_t>(piece.Y_Temp.size()); ++k) {
        const int64_t i = static_cast<int64_t>(piece.X_StartIndex) + k - 1;
        if (i < 1 || i > curve.Punkte) {
            ++outside;
            continue;
        }
        float& old = curve.At(static_cast<int32_t>(i));
        const float copied = piece.Y_Temp[static_cast<size_t>(k - 1)];
        old = Ersetzen ? copied : (copied + old) / 2.0f;
    }
    piece.Punkte_Kopiert = false;
    return outside;
}

void Loesche_Punkt(CurveView& curve, float X)
{
    if (X <= curve.x(1)) return;
    for (int32_t i = 2; i <= curve.Punkte - 1; ++i) {
        if (!(curve.x(i) < X && X <= curve.x(i + 1))) continue;
        if (curve.x(i + 1) - X > X - curve.x(i))
            curve.At(i) = (curve.ValueAt(i - 1) + curve.ValueAt(i + 1)) / 2.0f;
        else if (i + 2 <= curve.Punkte)
            curve.At(i + 1) = (curve.ValueAt(i) + curve.ValueAt(i + 2)) / 2.0f;
        return;
    }
}

void Breite_reduzieren(CurveView& curve, float max)
{
    int32_t n = curve.Punkte;
    while (n >= 1 && !(curve.x(n) < max)) --n;
    if (n < 1) rt::Raise(rt::errSubscript);
    curve.Maximum_X = max;
    curve.Resize(n);
    CurveRecord(CurveText(212) + rt::SingleText(curve.Maximum_X) + " (Punkte: " + std::to_string(curve.Punkte) + ")");
}

void Links_reduzieren(CurveView& curve, float min)
{
    int32_t f = 1;
    while (f <= curve.Punkte && !(curve.x(f) > min)) ++f;
    if (f > curve.Punkte) rt::Raise(rt::errSubscript);
    const float firstKept = curve.x(f);
    curve.Y.erase(curve.Y.begin(), curve.Y.begin() + (f - 1));
    curve.Resize(curve.Punkte - f + 1);
    CurveRecord(CurveText(213) + rt::SingleText(min) + " (Punkte: " + std::to_string(curve.Punkte) + ")");
    // The kept points stay where they were measured.
    curve.Minimum_X = firstKept;
    curve.Maximum_X = curve.x(curve.Punkte);
}

void Reduzieren(CurveView& curve, float Value)
{
    if (Value < 0.0f)
        Links_reduzieren(curve, Value);
    else
        Breite_reduzieren(curve, Value);
}

}
