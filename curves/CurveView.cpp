#include "curves/CurveView.h"

#include "core/Runtime.h"

float CurveView::x(int32_t i) const
{
    return static_cast<float>((static_cast<double>(i) - 1.0) * Schrittweite + Minimum_X);
}

float CurveView::ValueAt(int32_t i) const
{
    return i >= 1 && i <= Punkte && i <= static_cast<int32_t>(Y.size()) ? Y[static_cast<size_t>(i - 1)] : 0.0f;
}

float& CurveView::At(int32_t i)
{
    if (i < 1 || i > Punkte || i > static_cast<int32_t>(Y.size())) rt::Raise(rt::errSubscript);
    return Y[static_cast<size_t>(i - 1)];
}

int32_t CurveView::Index(float X) const
{
    return rt::CLng(rt::Divide(static_cast<double>(X) - Minimum_X, Schrittweite) + 1.0);
}

void CurveView::Resize(int32_t n)
{
    Y.resize(static_cast<size_t>(n > 0 ? n : 0), 0.0f);
    Punkte = n;
}
