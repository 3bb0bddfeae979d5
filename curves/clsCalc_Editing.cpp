// Point editing of the working curve: the copy buffer with its mirroring and moving, writing a
// piece back, removing a point and the cuts at either side.
#include "curves/clsCalc.h"

#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"

#include <algorithm>
#include <utility>

namespace {

std::string Punkte_Zeile(int32_t punkte) { return " (Punkte: " + std::to_string(punkte) + ")"; }

}

void clsCalc::Punkte_Kopieren(float X1, float X2)
{
    try {
        const float lo = std::min(X1, X2);
        const float hi = std::max(X1, X2);
        int32_t s = 1;
        while (s <= punkte_ && !(x(s) >= lo)) ++s;
        int32_t e = s;
        while (e <= punkte_ && !(x(e) >= hi)) ++e;
        if (e > punkte_ || e == s) rt::Raise(rt::errSubscript);
        std::vector<float> piece;
        for (int32_t i = s; i < e; ++i) piece.push_back(Y(i));
        xStartIndex_ = s;
        xStartIndexRechts_ = e;
        yTemp_ = std::move(piece);
        punkteKopiert_ = true;
    } catch (const rt::RuntimeError& e) {
        gError->Report("clsCalc", "Punkte_Kopieren", e);
    }
}

float clsCalc::Y_Temp(int32_t Index) const
{
    return Index >= 1 && Index <= Temp_Punkte() ? yTemp_[static_cast<size_t>(Index - 1)] : 0.0f;
}

float clsCalc::YU(int32_t Index) const
{
    return Index >= 1 && Index <= static_cast<int32_t>(yu_.size()) ? yu_[static_cast<size_t>(Index - 1)] : 0.0f;
}

void clsCalc::Punkte_Spiegeln()
{
    yu_ = yTemp_;
    std::reverse(yTemp_.begin(), yTemp_.end());
    const float rechtesEnde = x(xStartIndexRechts_);
    xStartIndexRechts_ = xStartIndex_;
    xStartIndex_ = Index(-rechtesEnde);
}

void clsCalc::Punkte_Positionieren(float dX, float dY)
{
    Guarded("clsCalc", "Punkte_Positionieren", [&] {
        const int32_t schritte = rt::CLng(rt::Divide(dX, schrittweite_));
        xStartIndex_ = rt::CLng(static_cast<double>(xStartIndex_) + schritte);
        Verschieben_Y(dY);
    });
}

void clsCalc::Verschieben_X(int32_t Value)
{
    Guarded("clsCalc", "Verschieben_X", [&] {
        const int32_t start = rt::CLng(static_cast<double>(xStartIndex_) + Value);
        xStartIndexRechts_ = rt::CLng(static_cast<double>(xStartIndexRechts_) - Value);
        xStartIndex_ = start;
    });
}

void clsCalc::Verschieben_Y(float Value)
{
    for (float& value : yTemp_) value += Value;
}

void clsCalc::Punkte_Einfuegen(bool Ersetzen)
{
    // Each copied value goes to its own index; those outside the curve are left out.
    int32_t ausserhalb = 0;
    for (int32_t k = 1; k <= Temp_Punkte(); ++k) {
        const int64_t i = static_cast<int64_t>(xStartIndex_) + k - 1;
        if (i < 1 || i > punkte_) {
            ++ausserhalb;
            continue;
        }
        const auto index = static_cast<int32_t>(i);
        setY(index, Ersetzen ? Y_Temp(k) : (Y_Temp(k) + Y(index)) / 2.0f);
    }
    punkteKopiert_ = false;
    if (ausserhalb > 0) gError->Report("clsCalc", "Punkte_Einfuegen", rt::RuntimeError(rt::errSubscript));
}

void clsCalc::Loesche_Punkt(float X)
{
    if (X <= x(1)) return;
    for (int32_t i = 2; i <= punkte_ - 1; ++i) {
        if (!(x(i) < X && X <= x(i + 1))) continue;
        if (x(i + 1) - X > X - x(i))
            setY(i, (Y(i - 1) + Y(i + 1)) / 2.0f);
        else if (i + 2 <= punkte_)
            setY(i + 1, (Y(i) + Y(i + 2)) / 2.0f);
        return;
    }
}

void clsCalc::Reduzieren(float Value)
{
    if (Value < 0.0f)
        Links_reduzieren(Value);
    else
        Breite_reduzieren(Value);
}

void clsCalc::Breite_reduzieren(float max)
{
    try {
        int32_t n = punkte_;
        while (n >= 1 && !(x(n) < max)) --n;
        if (n < 1) rt::Raise(rt::errSubscript);
        maximumX_ = max;
        punkte_ = n;
        y_.resize(static_cast<size_t>(n));
        rt::Object(gCommon).Record(gLanguage->Caption(212) + rt::SingleText(maximumX_) + Punkte_Zeile(punkte_));
    } catch (const rt::RuntimeError& e) {
        gError->Report("clsCalc", "Breite_reduzieren", e);
    }
}

void clsCalc::Links_reduzieren(float min)
{
    try {
        int32_t f = 1;
        while (f <= punkte_ && !(x(f) > min)) ++f;
        if (f > punkte_) rt::Raise(rt::errSubscript);
        // The kept points stay at the x where they were measured.
        const float ersterBleibt = x(f);
        std::vector<float> bleibt;
        for (int32_t i = f; i <= punkte_; ++i) bleibt.push_back(Y(i));
        y_ = std::move(bleibt);
        punkte_ = static_cast<int32_t>(y_.size());
        minimumX_ = ersterBleibt;
        maximumX_ = x(punkte_);
        rt::Object(gCommon).Record(gLanguage->Caption(213) + rt::SingleText(min) + Punkte_Zeile(punkte_));
    } catch (const rt::RuntimeError& e) {
        gError->Report("clsCalc", "Links_reduzieren", e);
    }
}
