#include "materials/clsElement.h"

#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/modString.h"
#include "materials/ElementDatenbankZugriff.h"

#include <cmath>
#include <vector>

namespace {

constexpr int16_t kTrue = -1;

}

uint8_t clsElement::Elektronen(int32_t OrbitalName) const
{
    return Guarded("clsElement", "Elektronen (Get)", [&] {
        if (OrbitalName < 0 || OrbitalName >= OrbitalCount) rt::Raise(rt::errSubscript);
        return elektronen_[static_cast<size_t>(OrbitalName)];
    });
}

void clsElement::setElektronen(int32_t OrbitalName, uint8_t value)
{
    Guarded("clsElement", "Elektronen (Let)", [&] {
        if (OrbitalName < 0 || OrbitalName >= OrbitalCount) rt::Raise(rt::errSubscript);
        elektronen_[static_cast<size_t>(OrbitalName)] = value;
    });
}

void clsElement::Element_Lesen()
{
    Guarded("clsElement", "Element_Lesen", [this] { Element_Lesen_Ungeschuetzt(); });
}

void clsElement::Element_Speichern() const
{
    Guarded("clsElement", "Element_Speichern", [this] { Element_Speichern_Ungeschuetzt(); });
}

void clsElement::Element_Lesen_Ungeschuetzt()
{
    ElementDatenbankZugriff datei = ElementDatenbankZugriff::Fuer(dateinummer_);
    symbol_ = datei.ReadString();
    name_ = datei.ReadString();
    masse_ = datei.ReadSingle();
    valenz_ = datei.ReadSingle();
    dichteFluessig_ = datei.ReadSingle();
    dichteKristallin_ = datei.ReadSingle();
    dichteAmorph_ = datei.ReadSingle();
    datei.ReadBytes(elektronen_);
    valenzOrbital_ = datei.ReadLong();
    atomradius_ = datei.ReadSingle();
    elektronegativitaet_ = datei.ReadSingle();
    siedetemperatur_ = datei.ReadSingle();
    schmelztemperatur_ = datei.ReadSingle();
    bemerkungFluessig_ = datei.ReadLong();
    bemerkungKristallin_ = datei.ReadLong();
    bemerkungAmorph_ = datei.ReadLong();
    oz_ = datei.ReadLong();
    datei.ReadBytes(reserved1_);
    strukturVorhanden_ = datei.ReadInteger();
    q0_ = datei.ReadSingle();
    datei.ReadBytes(reserved2_);
    if (strukturVorhanden_ != 0) {
        strukturBasis_ = datei.ReadLong();
        strukturSystem_ = datei.ReadLong();
        strukturA_ = datei.ReadSingle();
        strukturB_ = datei.ReadSingle();
        strukturC_ = datei.ReadSingle();
        datei.ReadBytes(reservedStruktur_);
    } else {
        strukturVorhanden_ = kTrue;
        strukturBasis_ = 0;
        strukturSystem_ = 0;
        strukturA_ = strukturB_ = strukturC_ = Kein_Wert;
    }
}

void clsElement::Element_Speichern_Ungeschuetzt() const
{
    ElementDatenbankZugriff datei = ElementDatenbankZugriff::Fuer(dateinummer_);
    datei.WriteString(symbol_);
    datei.WriteString(name_);
    datei.WriteSingle(masse_);
    datei.WriteSingle(valenz_);
    datei.WriteSingle(dichteFluessig_);
    datei.WriteSingle(dichteKristallin_);
    datei.WriteSingle(dichteAmorph_);
    datei.WriteBlock(elektronen_);
    datei.WriteLong(valenzOrbital_);
    datei.WriteSingle(atomradius_);
    datei.WriteSingle(elektronegativitaet_);
    datei.WriteSingle(siedetemperatur_);
    datei.WriteSingle(schmelztemperatur_);
    datei.WriteLong(bemerkungFluessig_);
    datei.WriteLong(bemerkungKristallin_);
    datei.WriteLong(bemerkungAmorph_);
    datei.WriteLong(oz_);
    datei.WriteBlock(reserved1_);
    datei.WriteInteger(strukturVorhanden_);
    datei.WriteSingle(q0_);
    datei.WriteBlock(reserved2_);
    if (strukturVorhanden_ == 0) return;
    datei.WriteLong(strukturBasis_);
    datei.WriteLong(strukturSystem_);
    datei.WriteSingle(strukturA_);
    datei.WriteSingle(strukturB_);
    datei.WriteSingle(strukturC_);
    datei.WriteBlock(reservedStruktur_);
}

uint8_t clsElement::Orbital_L_Elektronen(int32_t QZ_L) const
{
    static const std::array<std::vector<int>, 4> orbitals = {{
        {0, 1, 3, 5, 8, 11, 15},  // s
        {2, 4, 7, 10, 14},        // p
        {6, 9, 13, 17},           // d
        {12, 16},                 // f
    }};
    if (QZ_L < 0 || QZ_L > 3) return 0;
    int sum = 0;
    for (int index : orbitals[static_cast<size_t>(QZ_L)]) sum += elektronen_[static_cast<size_t>(index)];
    if (sum > 255) rt::Raise(rt::errOverflow);
    return static_cast<uint8_t>(sum);
}

float clsElement::Gitterkonstante(float stored) { return stored == -1.0f ? Kein_Wert : stored; }

float clsElement::Ebenenabstand(int32_t h, int32_t k, int32_t l) const
{
    const float a = Struktur_a();
    if (strukturSystem_ != 1 || a == Kein_Wert) return 0.0f;
    const double sumOfSquares = double(h) * h + double(k) * k + double(l) * l;
    if (sumOfSquares == 0.0) return 0.0f;
    return static_cast<float>(a / std::sqrt(sumOfSquares));
}
