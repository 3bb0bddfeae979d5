#include "curves/JumpCorrection.h"

#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "curves/CurveLog.h"

#include <algorithm>
#include <array>
#include <string>

namespace editing {

namespace {

// The first and the last index whose value reaches the clip level; 0 and 0 when none does.
std::pair<int32_t, int32_t> ClippedRun(const CurveView& curve)
{
    int32_t s = 0;
    int32_t e = 0;
    for (int32_t i = 1; i <= curve.Punkte; ++i) {
        if (curve.ValueAt(i) < curve.Maximum_Y) continue;
        if (s == 0) s = i;
        e = i;
    }
    return {s, e};
}

}

bool Sprunganalyse(CurveView& curve, int32_t first, int32_t last)
{
    std::array<int32_t, 3> position{};
    int32_t jumps = 0;
    for (int32_t i = std::max(first, 1); i <= std::min(last, curve.Punkte - 1); ++i) {
        const float a = curve.ValueAt(i);
        const float b = curve.ValueAt(i + 1);
        if (a == 0.0f || b == 0.0f) continue;
        const float ratio = a <= b ? a / b : b / a;
        if (ratio < 0.7f) {
            jumps = std::min(jumps + 1, 2);
            position[static_cast<size_t>(jumps)] = i;
        }
    }
    if (jumps == 0) return false;
    const int32_t p1 = position[1];
    const float d = curve.ValueAt(p1) - curve.ValueAt(p1 + 1);
    const int32_t end = jumps == 2 ? position[2] : curve.Punkte;
    for (int32_t j = p1 + 1; j <= end; ++j) {
        float& value = curve.At(j);
        value = std::max(value + d, 0.0f);
    }
    zelo::Ui().Redraw(true);
    return true;
}

void Hoehe_Reduzieren(CurveView& curve, int32_t Wert, int32_t projektTyp)
{
    if (curve.Maximum_Y < static_cast<float>(Wert))
        curve.Maximum_Y -= 1.0f;
    else
        curve.Maximum_Y = static_cast<float>(Wert);
    const float level = curve.Maximum_Y;
    if (projektTyp == 0) {
        for (int32_t i = 1; i <= curve.Punkte; ++i)
            if (curve.ValueAt(i) >= level) curve.At(i) = level;
        Ausreiser(curve);
        Mitte_suchen(curve);
    } else if (projektTyp == 1 && curve.Punkte >= 1) {
        // The central beam lies at point 1: everything up to the last point at the level (or
        // without counts) belongs to it.
        curve.At(1) = level;
        int32_t last = 1;
        for (int32_t i = 2; i <= curve.Punkte; ++i) {
            const float value = curve.ValueAt(i);
            if (value < level && value != 0.0f) continue;
            curve.At(i) = level;
            last = i;
        }
        for (int32_t i = last; i >= 1; --i) curve.At(i) = level;
    }
    CurveRecord("reduzierte Höhe: " + rt::SingleText(curve.Maximum_Y));
}

void Ausreiser(CurveView& curve)
{
    const auto [s, e] = ClippedRun(curve);
    if (s == 0) return;
    for (int32_t i = s; i <= e; ++i) curve.At(i) = curve.Maximum_Y;
    CurveRecord(TimeOfDay() + ": " + CurveText(210));
}

void Mitte_suchen(CurveView& curve)
{
    const auto [s, e] = ClippedRun(curve);
    if (s == 0) return;
    curve.Mitte_Index = rt::CLng(s + (e - s) / 2.0);
    curve.Mitte = curve.x(curve.Mitte_Index);
    curve.Minimum_X -= curve.Mitte;
    curve.Maximum_X -= curve.Mitte;
    curve.Mitte = 0.0f;
    CurveRecord(TimeOfDay() + ": " + CurveText(211) + ": " + std::to_string(curve.Mitte_Index) + " (K = " +
                rt::SingleText(curve.x(curve.Mitte_Index)) + " 1/nm )");
}

void Sicherheit_Zurueck(CurveView& curve, const SavedStage& stage, bool& IstGefittet, bool& IstGefaltet)
{
    if (stage.Punkte < 1) rt::Raise(rt::errSubscript);
    std::vector<float> values(static_cast<size_t>(stage.Punkte), 0.0f);
    std::copy_n(stage.Y.begin(), std::min(stage.Y.size(), values.size()), values.begin());
    curve.Schrittweite = stage.Schrittweite;
    curve.Minimum_X = stage.MinX;
    curve.Y = std::move(values);
    curve.Punkte = stage.Punkte;
    curve.Maximum_X = curve.x(curve.Punkte);
    curve.Minimum = *std::min_element(curve.Y.begin(), curve.Y.end());
    curve.Maximum_Y = *std::max_element(curve.Y.begin(), curve.Y.end());
    CurveRecord(TimeOfDay() + CurveText(204) + Kurven_Titel(KT_JK));
    switch (stage.Typ) {
    case KT_JK:
    case KT_JK_Bearbeitet:
        IstGefittet = false;
        IstGefaltet = false;
        Mitte_suchen(curve);
        break;
    case KT_JK_Gemittelt:
        IstGefittet = false;
        IstGefaltet = true;
        break;
    case KT_Fit:
        IstGefittet = true;
        IstGefaltet = true;
        break;
    default: break;
    }
}

}
