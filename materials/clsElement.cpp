#include "materials/clsElement.h"

#include "core/Runtime.h"
#include "materials/Pending.h"
#include "materials/RecordReader.h"
#include "materials/RecordWriter.h"

#include <cmath>
#include <vector>

namespace {

constexpr int16_t kTrue = -1;

}

uint8_t clsElement::Elektronen(int32_t OrbitalName) const
{
    if (OrbitalName < 0 || OrbitalName >= OrbitalCount) rt::Raise(rt::errSubscript);
    return elektronen_[static_cast<size_t>(OrbitalName)];
}

void clsElement::setElektronen(int32_t OrbitalName, uint8_t value)
{
    if (OrbitalName < 0 || OrbitalName >= OrbitalCount) rt::Raise(rt::errSubscript);
    elektronen_[static_cast<size_t>(OrbitalName)] = value;
}

void clsElement::Element_Lesen(RecordReader& datei)
{
    symbol_ = datei.String();
    name_ = datei.String();
    masse_ = datei.Single();
    valenz_ = datei.Single();
    dichteFluessig_ = datei.Single();
    dichteKristallin_ = datei.Single();
    dichteAmorph_ = datei.Single();
    datei.Bytes(elektronen_);
    valenzOrbital_ = datei.Long();
    atomradius_ = datei.Single();
    elektronegativitaet_ = datei.Single();
    siedetemperatur_ = datei.Single();
    schmelztemperatur_ = datei.Single();
    bemerkungFluessig_ = datei.Long();
    bemerkungKristallin_ = datei.Long();
    bemerkungAmorph_ = datei.Long();
    oz_ = datei.Long();
    datei.Bytes(reserved1_);
    strukturVorhanden_ = datei.Integer();
    q0_ = datei.Single();
    datei.Bytes(reserved2_);
    if (strukturVorhanden_ != 0) {
        strukturBasis_ = datei.Long();
        strukturSystem_ = datei.Long();
        strukturA_ = datei.Single();
        strukturB_ = datei.Single();
        strukturC_ = datei.Single();
        datei.Bytes(reservedStruktur_);
    } else {
        strukturVorhanden_ = kTrue;
        strukturBasis_ = 0;
        strukturSystem_ = 0;
        strukturA_ = strukturB_ = strukturC_ = Kein_Wert;
    }
}

void clsElement::Element_Speichern(RecordWriter& datei) const
{
    datei.String(symbol_);
    datei.String(name_);
    datei.Single(masse_);
    datei.Single(valenz_);
    datei.Single(dichteFluessig_);
    datei.Single(dichteKristallin_);
    datei.Single(dichteAmorph_);
    datei.Bytes(elektronen_);
    datei.Long(valenzOrbital_);
    datei.Single(atomradius_);
    datei.Single(elektronegativitaet_);
    datei.Single(siedetemperatur_);
    datei.Single(schmelztemperatur_);
    datei.Long(bemerkungFluessig_);
    datei.Long(bemerkungKristallin_);
    datei.Long(bemerkungAmorph_);
    datei.Long(oz_);
    datei.Bytes(reserved1_);
    datei.Integer(strukturVorhanden_);
    datei.Single(q0_);
    datei.Bytes(reserved2_);
    if (strukturVorhanden_ == 0) return;
    datei.Long(strukturBasis_);
    datei.Long(strukturSystem_);
    datei.Single(strukturA_);
    datei.Single(strukturB_);
    datei.Single(strukturC_);
    datei.Bytes(reservedStruktur_);
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

float clsElement::LatticeConstant(float stored) { return stored == -1.0f ? Kein_Wert : stored; }

float clsElement::Ebenenabstand(int32_t h, int32_t k, int32_t l) const
{
    const float a = Struktur_a();
    if (strukturSystem_ != 1 || a == Kein_Wert) return 0.0f;
    const double sumOfSquares = double(h) * h + double(k) * k + double(l) * l;
    if (sumOfSquares == 0.0) return 0.0f;
    return static_cast<float>(a / std::sqrt(sumOfSquares));
}
