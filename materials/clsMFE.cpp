#include "materials/clsMFE.h"

#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "core/NumberFormat.h"
#include "core/modString.h"
#include "materials/modElementDatabase.h"

#include <cmath>

namespace {

constexpr const char* kModul = "clsMFE";
constexpr double kAvogadro = 6.022136e23;
// 2 (3 pi²)^(1/3) in 1/nm for n in 1/m³.
constexpr double kKF2Faktor = 6.18733545e-9;
constexpr double kZweiPi = 6.28318530717958;
constexpr double kElementarladung = 1.60217646e-19;

std::shared_ptr<clsElement> Element_Von(const std::string& symbol) { return colElemente.Item(symbol); }

// The log never disturbs the computation it records.
void Protokoll(const std::string& line)
{
    if (gCommon) gCommon->Record(line);
}

// A value for the log: its number text, or the text for unknown.
std::string Protokollwert(float value)
{
    return value == Kein_Wert ? gLanguage->Caption(197) : Zahl_Text(value);
}

}

size_t clsMFE::Platz(int32_t Index) const
{
    if (Index < 1 || Index > komponenten_) rt::Raise(rt::errSubscript);
    return static_cast<size_t>(Index - 1);
}

bool clsMFE::Bekannt() const { return z_ != Kein_Wert && teilchenzahldichte_ != Kein_Wert; }

void clsMFE::KF2_Berechnen()
{
    const double zn = Zn();
    kF2_ = Bekannt() && zn >= 0.0 ? static_cast<float>(std::pow(zn, 1.0 / 3.0) * kKF2Faktor) : Kein_Wert;
}

void clsMFE::setValenz(float value)
{
    z_ = value;
    KF2_Berechnen();
}

float clsMFE::Dichte_Theoretisch() const
{
    return teilchenzahldichte_ == Kein_Wert ? 0.0f : static_cast<float>(teilchenzahldichte_ / 1e27);
}

void clsMFE::setDichte_Theoretisch(float value)
{
    teilchenzahldichte_ = value == Kein_Wert ? Kein_Wert : static_cast<float>(value * 1e27);
    KF2_Berechnen();
}

float clsMFE::Friedelwellenlaenge() const
{
    if (!Bekannt()) return Kein_Wert;
    if (z_ == 0.0f || teilchenzahldichte_ == 0.0f) return 0.0f;
    if (kF2_ == Kein_Wert) return Kein_Wert;
    return static_cast<float>(kZweiPi / kF2_);
}

float clsMFE::Friedelminima(int32_t k) const
{
    const float wellenlaenge = Friedelwellenlaenge();
    if (wellenlaenge == Kein_Wert) return Kein_Wert;
    return static_cast<float>((k + 5.0 / 4.0) * wellenlaenge);
}

float clsMFE::Atomvolumen() const
{
    if (teilchenzahldichte_ == 0.0f || teilchenzahldichte_ == Kein_Wert) return Kein_Wert;
    return static_cast<float>(1.0 / teilchenzahldichte_);
}

float clsMFE::Elektrondichte() const
{
    if (teilchenzahldichte_ == 0.0f || !Bekannt()) return Kein_Wert;
    return static_cast<float>(teilchenzahldichte_ / 1e27 * z_);
}

void clsMFE::setKomponenten(int32_t n)
{
    Guarded(kModul, "setKomponenten", [&] {
        if (n == 0) return;
        if (n < 0) rt::Raise(rt::errSubscript);
        komponenten_ = n;
        const auto size = static_cast<size_t>(n);
        valenz_.assign(size, 0.0f);
        dichte_.assign(size, 0.0f);
        prozent_.assign(size, 0.0f);
        masse_.assign(size, 0.0f);
        symbol_.assign(size, std::string());
    });
}

void clsMFE::Komponente(int32_t Index, const std::string& Symbol, float Prozent, float Dichte, float Valenz)
{
    Guarded(kModul, "Komponente", [&] {
        const size_t slot = Platz(Index);
        valenz_[slot] = Valenz;
        dichte_[slot] = Dichte;
        prozent_[slot] = Prozent;
        const auto element = Element_Von(Symbol);
        if (!element) return;
        masse_[slot] = element->Masse();
        symbol_[slot] = Symbol;
    });
}

std::string clsMFE::Komponente_Symbol(int32_t Index) const
{
    return Guarded(kModul, "Komponente_Symbol", [&] { return symbol_[Platz(Index)]; });
}

float clsMFE::Komponente_Konzentration(int32_t Index) const
{
    return Guarded(kModul, "Komponente_Konzentration", [&] { return prozent_[Platz(Index)]; });
}

float clsMFE::Komponente_Dichte(int32_t Index) const
{
    return Guarded(kModul, "Komponente_Dichte", [&] { return dichte_[Platz(Index)]; });
}

float clsMFE::Komponente_Valenz(int32_t Index) const
{
    return Guarded(kModul, "Komponente_Valenz", [&] { return valenz_[Platz(Index)]; });
}

float clsMFE::Komponente_Masse(int32_t Index) const
{
    return Guarded(kModul, "Komponente_Masse", [&] {
        const auto element = Element_Von(symbol_[Platz(Index)]);
        return element ? element->Masse() : 0.0f;
    });
}

void clsMFE::Dichte_Berechnen()
{
    float volumenProAtom = 0.0f;  // m³, summed in single precision
    float dichte = 0.0f;
    for (size_t i = 0; i < static_cast<size_t>(komponenten_); ++i) {
        // A component without a density (0 or unknown) leaves the alloy's density unknown.
        if (!(dichte_[i] > 0.0f) || dichte_[i] == Kein_Wert) {
            teilchenzahldichte_ = Kein_Wert;
            mittlereDichte_ = Kein_Wert;
            KF2_Berechnen();
            return;
        }
        dichte = static_cast<float>(dichte + prozent_[i] / 100.0 * dichte_[i]);
        volumenProAtom = static_cast<float>(
            volumenProAtom + (prozent_[i] / 100.0 * masse_[i]) / (dichte_[i] * 1e6) / kAvogadro);
    }
    mittlereDichte_ = dichte;
    teilchenzahldichte_ = volumenProAtom == 0.0f ? Kein_Wert : static_cast<float>(1.0 / volumenProAtom);
    KF2_Berechnen();
}

void clsMFE::Valenz_Berechnen()
{
    float z = 0.0f;
    for (size_t i = 0; i < static_cast<size_t>(komponenten_); ++i) {
        if (valenz_[i] == Kein_Wert) {
            z = Kein_Wert;
            break;
        }
        z = static_cast<float>(z + double(prozent_[i]) * valenz_[i] / 100.0);
    }
    z_ = z;
    KF2_Berechnen();
}

void clsMFE::Berechne(bool WriteToRecord)
{
    Dichte_Berechnen();
    Valenz_Berechnen();
    if (!WriteToRecord) return;
    const float dichte = teilchenzahldichte_ == Kein_Wert ? Kein_Wert : Dichte_Theoretisch();
    Protokoll("\r\n" + gLanguage->Caption(272) + ": " + Protokollwert(z_));
    Protokoll(gLanguage->Caption(273) + ": " + Protokollwert(dichte) + " 1/nm³");
    Protokoll("2 kF: " + Protokollwert(kF2_) + " 1/nm");
    Protokoll(gLanguage->Caption(274) + ": " + Protokollwert(Friedelwellenlaenge()) + " nm\r\n");
}

float clsMFE::Element_Dichte(const std::string& Symbol, int32_t Auswahl) const
{
    const auto element = Element_Von(Symbol);
    if (!element) return 0.0f;
    switch (Auswahl) {
    case DQ_Amorph: return element->Dichte_Amorph();
    case DQ_Fluessig: return element->Dichte_Fluessig();
    case DQ_Kristallin: return element->Dichte_Kristallin();
    default: return Kein_Wert;
    }
}

float clsMFE::Element_Valenz(const std::string& Symbol, int32_t Auswahl) const
{
    const auto element = Element_Von(Symbol);
    if (!element) return 0.0f;
    return Auswahl == kValenz_Element ? element->Valenz() : Kein_Wert;
}

float clsMFE::Plasmonresonanz() const
{
    if (!Bekannt() || Zn() < 0.0) return Kein_Wert;
    return static_cast<float>(std::sqrt(Zn()) * 3.71327617876116e-14);
}

float clsMFE::Fermienergie() const
{
    if (!Bekannt() || Zn() < 0.0) return Kein_Wert;
    return static_cast<float>(std::pow(Zn(), 2.0 / 3.0) * 3.64644974784092e-19);
}

float clsMFE::HallKoeffizient() const
{
    if (!Bekannt() || Zn() <= 0.0) return Kein_Wert;
    return static_cast<float>(-1.0 / (Zn() * kElementarladung));
}

float clsMFE::Thermokraft() const
{
    if (!Bekannt() || Zn() <= 0.0) return Kein_Wert;
    return static_cast<float>(std::pow(Zn(), -2.0 / 3.0) * -200990729593.036);
}
