#pragma once
// One chemical element of the element database: physical data, electron configuration and
// crystal structure.
#include <array>
#include <cstdint>
#include <string>

class clsElement {
public:
    // Orbitals in the record's order: 1s 2s 2p 3s 3p 4s 3d 4p 5s 4d 5p 6s 4f 5d 6p 7s 5f 6d.
    static constexpr int32_t OrbitalCount = 18;

    // Electrons in orbital 0..17; another index raises "Subscript out of range".
    uint8_t Elektronen(int32_t OrbitalName) const;
    void setElektronen(int32_t OrbitalName, uint8_t value);
    int32_t Valenz_Orbital() const { return valenzOrbital_; }
    void setValenz_Orbital(int32_t value) { valenzOrbital_ = value; }

    // Reads the record at the current position of database file Dateinummer; a record without
    // structure part is upgraded to one with unknown lattice constants, so that the next write
    // stores the structure part. A failure to read or write is reported.
    void Element_Lesen();
    void Element_Speichern() const;

    std::string Symbol() const { return symbol_; }
    void setSymbol(const std::string& value) { symbol_ = value; }
    std::string name() const { return name_; }
    void setName(const std::string& value) { name_ = value; }
    float Masse() const { return masse_; }
    void setMasse(float value) { masse_ = value; }
    float Valenz() const { return valenz_; }
    void setValenz(float value) { valenz_ = value; }
    float Dichte_Fluessig() const { return dichteFluessig_; }
    void setDichte_Fluessig(float value) { dichteFluessig_ = value; }
    float Dichte_Kristallin() const { return dichteKristallin_; }
    void setDichte_Kristallin(float value) { dichteKristallin_ = value; }
    float Dichte_Amorph() const { return dichteAmorph_; }
    void setDichte_Amorph(float value) { dichteAmorph_ = value; }
    int32_t Dateinummer() const { return dateinummer_; }
    void setDateinummer(int32_t value) { dateinummer_ = value; }

    // Electrons in all orbitals of angular quantum number QZ_L (0 s, 1 p, 2 d, 3 f); 0 otherwise.
    uint8_t Orbital_L_Elektronen(int32_t QZ_L) const;

    float Siedetemperatur() const { return siedetemperatur_; }
    void setSiedetemperatur(float value) { siedetemperatur_ = value; }
    float q0() const { return q0_; }
    void setQ0(float value) { q0_ = value; }
    float Schmelztemperatur() const { return schmelztemperatur_; }
    void setSchmelztemperatur(float value) { schmelztemperatur_ = value; }
    float Atomradius() const { return atomradius_; }
    void setAtomradius(float value) { atomradius_ = value; }
    float Elektronegativitaet() const { return elektronegativitaet_; }
    void setElektronegativitaet(float value) { elektronegativitaet_ = value; }
    int32_t Dichte_Bemerkung_Fluessig() const { return bemerkungFluessig_; }
    void setDichte_Bemerkung_Fluessig(int32_t value) { bemerkungFluessig_ = value; }
    int32_t Dichte_Bemerkung_Kristallin() const { return bemerkungKristallin_; }
    void setDichte_Bemerkung_Kristallin(int32_t value) { bemerkungKristallin_ = value; }
    int32_t Dichte_Bemerkung_Amorph() const { return bemerkungAmorph_; }
    void setDichte_Bemerkung_Amorph(int32_t value) { bemerkungAmorph_ = value; }
    int32_t OZ() const { return oz_; }
    void setOZ(int32_t value) { oz_ = value; }

    int32_t Struktur_Basis() const { return strukturBasis_; }
    // Setting any structure value gives the record its structure part, so a new element keeps it.
    void setStruktur_Basis(int32_t value) { strukturBasis_ = value; MitStruktur(); }
    int32_t Struktur_System() const { return strukturSystem_; }
    void setStruktur_System(int32_t value) { strukturSystem_ = value; MitStruktur(); }
    // Lattice constants; a stored -1 reads as the no-value marker.
    float Struktur_a() const { return Gitterkonstante(strukturA_); }
    void setStruktur_a(float value) { strukturA_ = value; MitStruktur(); }
    float Struktur_b() const { return Gitterkonstante(strukturB_); }
    void setStruktur_b(float value) { strukturB_ = value; MitStruktur(); }
    float Struktur_c() const { return Gitterkonstante(strukturC_); }
    void setStruktur_c(float value) { strukturC_ = value; MitStruktur(); }

    // Spacing of the lattice planes (h k l) of a cubic element; 0 for other systems, for
    // (0 0 0) and while the lattice constant is unknown.
    float Ebenenabstand(int32_t h, int32_t k, int32_t l) const;

private:
    friend class ElementDatenbankZugriff;
    void Element_Lesen_Ungeschuetzt();
    void Element_Speichern_Ungeschuetzt() const;

    static float Gitterkonstante(float stored);
    void MitStruktur() { strukturVorhanden_ = -1; }

    std::string symbol_;
    std::string name_;
    float masse_ = 0.0f;
    float valenz_ = 0.0f;
    float dichteFluessig_ = 0.0f;
    float dichteKristallin_ = 0.0f;
    float dichteAmorph_ = 0.0f;
    std::array<uint8_t, OrbitalCount> elektronen_{};
    int32_t valenzOrbital_ = 0;
    float atomradius_ = 0.0f;
    float elektronegativitaet_ = 0.0f;
    float siedetemperatur_ = 0.0f;
    float schmelztemperatur_ = 0.0f;
    int32_t bemerkungFluessig_ = 0;
    int32_t bemerkungKristallin_ = 0;
    int32_t bemerkungAmorph_ = 0;
    int32_t oz_ = 0;
    std::array<uint8_t, 8> reserved1_{};
    int16_t strukturVorhanden_ = 0;
    float q0_ = 0.0f;
    std::array<uint8_t, 22> reserved2_{};
    int32_t strukturBasis_ = 0;
    int32_t strukturSystem_ = 0;
    float strukturA_ = 0.0f;
    float strukturB_ = 0.0f;
    float strukturC_ = 0.0f;
    std::array<uint8_t, 12> reservedStruktur_{};
    int32_t dateinummer_ = 0;
};
