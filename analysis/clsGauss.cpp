#include "analysis/clsGauss.h"

#include "core/Runtime.h"
#include "core/clsError.h"

#include <algorithm>
#include <utility>

void clsGauss::Clear()
{
    peaks_.clear();
    anzahl_ = 0;
}

void clsGauss::Hinzufuegen(float x, float W, float A, uint8_t Fixiert, float y0_Peak)
{
    // The list is the first Anzahl records, whatever the count was set to.
    peaks_.resize(static_cast<size_t>(std::max(anzahl_, 0)));
    if (std::any_of(peaks_.begin(), peaks_.end(), [x](const GaussPeak& p) { return p.x == x; })) return;
    peaks_.push_back({x, W, A, 0.0f, 0.0f, Fixiert, false, y0_Peak});
    anzahl_ = static_cast<int32_t>(peaks_.size());
}

bool clsGauss::Remove(int32_t Index)
{
    if (!Peak(Index)) return true;
    peaks_.erase(peaks_.begin() + (Index - 1));
    anzahl_ = static_cast<int32_t>(peaks_.size());
    return true;
}

const GaussPeak* clsGauss::Peak(int32_t Index) const
{
    if (Index < 1 || Index > anzahl_ || Index > std::ssize(peaks_)) return nullptr;
    return &peaks_[static_cast<size_t>(Index - 1)];
}

GaussPeak* clsGauss::Peak(int32_t Index) { return const_cast<GaussPeak*>(std::as_const(*this).Peak(Index)); }

GaussPeak* clsGauss::Zu_Setzender_Peak(int32_t Index, const char* property)
{
    GaussPeak* peak = Peak(Index);
    if (!peak)
        ShowErrorMessage(rt::errSubscript, rt::ErrorDescription(rt::errSubscript), property, ModuleKind::Class,
                         "clsGauss");
    return peak;
}

float clsGauss::x(int32_t Index) const { return Peak(Index) ? Peak(Index)->x : 0.0f; }
float clsGauss::W(int32_t Index) const { return Peak(Index) ? Peak(Index)->W : 0.0f; }
float clsGauss::A(int32_t Index) const { return Peak(Index) ? Peak(Index)->A : 0.0f; }
float clsGauss::X1(int32_t Index) const { return Peak(Index) ? Peak(Index)->X1 : 0.0f; }
float clsGauss::X2(int32_t Index) const { return Peak(Index) ? Peak(Index)->X2 : 0.0f; }
bool clsGauss::IsSchulter(int32_t Index) const { return Peak(Index) && Peak(Index)->IsSchulter; }

void clsGauss::setx(int32_t Index, float value)
{
    if (GaussPeak* peak = Zu_Setzender_Peak(Index, "x")) peak->x = value;
}

void clsGauss::setW(int32_t Index, float value)
{
    if (GaussPeak* peak = Zu_Setzender_Peak(Index, "W")) peak->W = value;
}

void clsGauss::setA(int32_t Index, float value)
{
    if (GaussPeak* peak = Zu_Setzender_Peak(Index, "a")) peak->A = value;
}
