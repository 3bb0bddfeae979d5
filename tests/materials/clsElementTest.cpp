#include "DatabaseFixture.h"

#include "core/Runtime.h"
#include "curves/modString.h"
#include "materials/clsElement.h"
#include "materials/clsXAchse.h"

#include <cmath>

namespace {

// An element record as an older program wrote it: part 1 only, Struktur_Vorhanden 0.
clsElement OlderSodium()
{
    clsElement element;
    element.setSymbol("Na");
    element.setName("Natrium");
    element.setMasse(22.99f);
    return element;
}

template <typename Record>
void Write(Record& record, int32_t datei)
{
    record.setDateinummer(datei);
    if constexpr (std::is_same_v<Record, clsElement>)
        record.Element_Speichern();
    else
        record.Daten_Speichern();
}

template <typename Record>
void Read(Record& record, int32_t datei)
{
    record.setDateinummer(datei);
    if constexpr (std::is_same_v<Record, clsElement>)
        record.Element_Lesen();
    else
        record.Daten_Lesen();
}

}

using RecordFiles = DatabaseFixture;

TEST_F(RecordFiles, ElementWithoutStructurePartIsUpgraded)
{
    clsElement older = OlderSodium();
    const auto bytes = Written([&](int32_t datei) { Write(older, datei); });
    EXPECT_EQ(bytes.size(), 2u + 2 + 2 + 7 + 110);

    clsElement element;
    element.setStruktur_Basis(5);
    ReadFrom(bytes, [&](int32_t datei) { Read(element, datei); });
    EXPECT_EQ(element.Symbol(), "Na");
    EXPECT_EQ(element.name(), "Natrium");
    EXPECT_FLOAT_EQ(element.Masse(), 22.99f);
    EXPECT_EQ(element.Struktur_a(), Kein_Wert);
    EXPECT_EQ(element.Struktur_b(), Kein_Wert);
    EXPECT_EQ(element.Struktur_c(), Kein_Wert);
    EXPECT_EQ(element.Struktur_Basis(), 0);
    EXPECT_EQ(element.Struktur_System(), 0);

    EXPECT_EQ(Written([&](int32_t datei) { Write(element, datei); }).size(), bytes.size() + 32);
}

TEST_F(RecordFiles, EveryElementFieldAndReservedByteSurvivesARoundTrip)
{
    clsElement element = OlderSodium();
    element.setValenz(1);
    element.setDichte_Fluessig(0.927f);
    element.setDichte_Kristallin(0.968f);
    element.setDichte_Amorph(0.95f);
    element.setElektronen(0, 2);
    element.setElektronen(17, 1);
    element.setValenz_Orbital(3);
    element.setAtomradius(186);
    element.setElektronegativitaet(0.93f);
    element.setSiedetemperatur(1156);
    element.setSchmelztemperatur(370.87f);
    element.setDichte_Bemerkung_Fluessig(1);
    element.setDichte_Bemerkung_Kristallin(2);
    element.setDichte_Bemerkung_Amorph(3);
    element.setOZ(11);
    element.setQ0(17.5f);
    clsElement withStructure;
    ReadFrom(Written([&](int32_t datei) { Write(element, datei); }), [&](int32_t datei) { Read(withStructure, datei); });
    withStructure.setStruktur_System(1);
    withStructure.setStruktur_a(0.429f);
    auto stored = Written([&](int32_t datei) { Write(withStructure, datei); });
    // Reserved bytes of another program's version must be carried through unchanged.
    const size_t reservedAt = 2 + 2 + 2 + 7 + 20 + 18 + 4 + 16 + 12 + 4;
    stored[reservedAt] = 0x5A;
    stored[stored.size() - 1] = 0x7E;

    clsElement copy;
    ReadFrom(stored, [&](int32_t datei) { Read(copy, datei); });
    EXPECT_EQ(Written([&](int32_t datei) { Write(copy, datei); }), stored);
    EXPECT_EQ(copy.Elektronen(17), 1);
    EXPECT_EQ(copy.OZ(), 11);
    EXPECT_FLOAT_EQ(copy.q0(), 17.5f);
    EXPECT_FLOAT_EQ(copy.Struktur_a(), 0.429f);
    EXPECT_EQ(copy.Dichte_Bemerkung_Amorph(), 3);
    EXPECT_FLOAT_EQ(copy.Schmelztemperatur(), 370.87f);
}

TEST_F(RecordFiles, NewElementGivenAStructureKeepsIt)
{
    clsElement element = OlderSodium();
    const size_t withoutStructure = Written([&](int32_t datei) { Write(element, datei); }).size();
    element.setStruktur_System(1);
    element.setStruktur_a(0.429f);
    const auto bytes = Written([&](int32_t datei) { Write(element, datei); });
    EXPECT_EQ(bytes.size(), withoutStructure + 32);
    clsElement copy;
    ReadFrom(bytes, [&](int32_t datei) { Read(copy, datei); });
    EXPECT_EQ(copy.Struktur_System(), 1);
    EXPECT_FLOAT_EQ(copy.Struktur_a(), 0.429f);
}

TEST_F(RecordFiles, RecordNeedsTheNumberOfTheOpenFile)
{
    clsXAchse axis;
    ReadFrom(std::vector<uint8_t>(8, 0), [&](int32_t datei) {
        axis.setDateinummer(datei + 1);
        try {
            axis.Daten_Lesen();
            FAIL() << "no error";
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.Number(), rt::errBadFileNumber);
        }
    });
}

TEST_F(RecordFiles, XAxisRoundTripAndEmptyStrings)
{
    clsXAchse axis;
    axis.setFaktor(0.1f);
    axis.setName("Angström in nm");
    axis.setKey("T_3_39847");
    const auto bytes = Written([&](int32_t datei) { Write(axis, datei); });
    ASSERT_EQ(bytes.size(), 4u + 2 + 14 + 2 + 9);
    EXPECT_EQ(bytes[12], 0xF6);  // "ö" is one Windows-1252 byte

    clsXAchse copy;
    ReadFrom(bytes, [&](int32_t datei) { Read(copy, datei); });
    EXPECT_EQ(copy.Faktor(), 0.1f);
    EXPECT_EQ(copy.name(), "Angström in nm");
    EXPECT_EQ(copy.Key(), "T_3_39847");

    clsXAchse empty;
    EXPECT_EQ(Written([&](int32_t datei) { Write(empty, datei); }).size(), 8u);
}

TEST(clsElement, LatticeConstantStoredAsMinusOneIsUnknown)
{
    clsElement element;
    element.setStruktur_a(-1);
    element.setStruktur_b(Kein_Wert);
    element.setStruktur_c(0.5f);
    EXPECT_EQ(element.Struktur_a(), Kein_Wert);
    EXPECT_EQ(element.Struktur_b(), Kein_Wert);
    EXPECT_EQ(element.Struktur_c(), 0.5f);
}

TEST(clsElement, ElectronsByAngularQuantumNumber)
{
    clsElement sodium;  // 1s2 2s2 2p6 3s1
    sodium.setElektronen(0, 2);
    sodium.setElektronen(1, 2);
    sodium.setElektronen(2, 6);
    sodium.setElektronen(3, 1);
    EXPECT_EQ(sodium.Orbital_L_Elektronen(0), 5);
    EXPECT_EQ(sodium.Orbital_L_Elektronen(1), 6);
    EXPECT_EQ(sodium.Orbital_L_Elektronen(2), 0);
    EXPECT_EQ(sodium.Orbital_L_Elektronen(4), 0);
    EXPECT_EQ(sodium.Orbital_L_Elektronen(-1), 0);

    clsElement heavy;  // 4f and 5f
    heavy.setElektronen(12, 14);
    heavy.setElektronen(16, 3);
    heavy.setElektronen(13, 1);
    heavy.setElektronen(17, 1);
    EXPECT_EQ(heavy.Orbital_L_Elektronen(3), 17);
    EXPECT_EQ(heavy.Orbital_L_Elektronen(2), 2);
}

TEST(clsElement, OrbitalIndexOutsideTheRecordRaisesSubscriptError)
{
    clsElement element;
    for (int32_t bad : {-1, 18}) {
        try {
            element.Elektronen(bad);
            FAIL() << bad;
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.Number(), rt::errSubscript);
        }
        EXPECT_THROW(element.setElektronen(bad, 1), rt::RuntimeError);
    }
}

TEST(clsElement, PlaneSpacingOnlyForCubicElementsWithKnownLattice)
{
    clsElement element;
    element.setStruktur_System(1);
    element.setStruktur_a(0.4f);
    EXPECT_NEAR(element.Ebenenabstand(1, 1, 1), 0.4 / std::sqrt(3.0), 1e-6);
    EXPECT_NEAR(element.Ebenenabstand(2, 0, 0), 0.2, 1e-7);
    EXPECT_EQ(element.Ebenenabstand(0, 0, 0), 0.0f);
    element.setStruktur_a(-1);
    EXPECT_EQ(element.Ebenenabstand(1, 1, 1), 0.0f);
    element.setStruktur_a(0.4f);
    element.setStruktur_System(2);
    EXPECT_EQ(element.Ebenenabstand(1, 1, 1), 0.0f);
}
