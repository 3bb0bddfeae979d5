// The installed element database: every element from H to Cf with its record and its electron,
// X-ray and neutron tables, checked against the physics the tables come from and against the
// demonstration data that start-up falls back to.
#include "DatabaseFixture.h"

#include "core/modCommon.h"
#include "materials/clsElement.h"
#include "materials/clsFMK_Intern.h"
#include "materials/clsMFE.h"
#include "support/InstallierteDatenbank.h"

#include <cmath>
#include <iostream>
#include <map>
#include <numbers>
#include <optional>
#include <set>
#include <utility>

namespace {

// The table of one radiation kind of an element, if the database holds one.
std::optional<clsFMK_Intern> Tabelle(const std::string& symbol, int32_t typ)
{
    for (int32_t k = 1; k <= gFMK->FMK_Anzahl(); ++k)
        if (gFMK->FMK_Intern_Symbol(k) == symbol && gFMK->Formfaktor_Typ(k) == typ) return gFMK->Tabelle(k);
    return std::nullopt;
}

// The electron form factor (Angström) that the Mott–Bethe formula gives for an X-ray table,
// 0.023934 (Z − f_x(s)) / s² with Z = f_x(0), the fitted atom's electron count, computed in double
// precision: Σ A_i (1 − exp(−B_i s²)) / s², which tends to Σ A_i B_i at s = 0.
double MottBethe(const clsFMK_Intern& roentgen, double K)
{
    const double s = K / (40.0 * std::numbers::pi);
    double summe = 0.0;
    for (int32_t i = 1; i <= 5; ++i) {
        const double x = double(roentgen.B(i)) * s * s;
        summe += double(roentgen.A(i)) * roentgen.B(i) * (x > 1e-12 ? -std::expm1(-x) / x : 1.0);
    }
    return 0.023934 * summe;
}

class InstallierteDatenbank : public DatabaseFixture {
protected:
    void SetUp() override
    {
        // The demonstration tables, kept before the world moves to the installed database.
        for (const char* symbol : {"H", "He", "Li", "Be", "B", "C"}) demo[symbol] = *Tabelle(symbol, FT_Elektronen);
        ASSERT_TRUE(Installierte_Datenbank_Laden(*this));
    }
    std::map<std::string, clsFMK_Intern> demo;
};

}

TEST_F(InstallierteDatenbank, HoldsEveryElementFromHydrogenToCaliforniumOnceWithItsTables)
{
    ASSERT_EQ(colElemente.Count(), 98);
    EXPECT_EQ(ReadBytes(DatabasePath()), std::vector<uint8_t>(Installierte_Datenbank().begin(), Installierte_Datenbank().end()));
    std::set<int32_t> zahlen;
    std::vector<std::string> ohneNeutronen;
    for (const auto& [symbol, element] : colElemente) {
        SCOPED_TRACE(symbol);
        const int32_t Z = element->OZ();
        zahlen.insert(Z);
        EXPECT_FALSE(element->name().empty());
        EXPECT_GT(element->Masse(), Z) << "every atom but hydrogen's is heavier than its protons";
        int32_t elektronen = 0;
        for (int32_t o = 0; o <= 17; ++o) elektronen += element->Elektronen(o);
        EXPECT_EQ(elektronen, Z) << "a neutral atom";
        EXPECT_GT(element->Elektronen(element->Valenz_Orbital()), 0) << "the valence orbital is occupied";

        const auto roentgen = Tabelle(symbol, FT_Roentgen);
        const auto elektron = Tabelle(symbol, FT_Elektronen);
        ASSERT_TRUE(roentgen && elektron);
        EXPECT_NEAR(roentgen->Y(0.0f), Z, 0.005 * Z) << "an X-ray form factor counts the electrons at K = 0";
        EXPECT_TRUE(std::isfinite(elektron->Y(0.0f)));
        for (int32_t i = 0; i <= 1500; ++i) {
            const double K = i * 0.1;
            const double soll = MottBethe(*roentgen, K);
            ASSERT_NEAR(elektron->Y(static_cast<float>(K)), soll, 0.01 * soll) << "K = " << K;
        }
        if (const auto neutron = Tabelle(symbol, FT_Neutronen)) {
            for (int32_t i = 1; i <= 5; ++i) EXPECT_EQ(neutron->A(i), 0.0f);
            EXPECT_NE(neutron->c(), 0.0f);
            EXPECT_LT(std::fabs(neutron->c()), 20.0f) << "fm";
            EXPECT_EQ(neutron->Y(0.0f), neutron->Y(150.0f)) << "a nucleus scatters alike at every K";
        } else {
            ohneNeutronen.push_back(symbol);
        }
    }
    EXPECT_EQ(zahlen.size(), 98u);
    EXPECT_EQ(*zahlen.begin(), 1);
    EXPECT_EQ(*zahlen.rbegin(), 98);
    // The coherent scattering lengths the tables leave open, in file order.
    EXPECT_EQ(ohneNeutronen, (std::vector<std::string>{"Sm", "Po", "At", "Rn", "Fr", "Ac", "Bk", "Cf"}));
}

TEST_F(InstallierteDatenbank, CopperIsAFccMetalWithItsTabulatedMassDensityAndLattice)
{
    const auto kupfer = colElemente.Item("Cu");
    ASSERT_TRUE(kupfer);
    EXPECT_EQ(kupfer->name(), "Kupfer");
    EXPECT_EQ(kupfer->OZ(), 29);
    EXPECT_FLOAT_EQ(kupfer->Masse(), 63.546f);
    EXPECT_FLOAT_EQ(kupfer->Dichte_Kristallin(), 8.96f);
    EXPECT_EQ(kupfer->Dichte_Fluessig(), Kein_Wert);
    EXPECT_EQ(kupfer->Dichte_Amorph(), Kein_Wert);
    EXPECT_EQ(kupfer->Struktur_System(), 1) << "cubic";
    EXPECT_EQ(kupfer->Struktur_Basis(), 2) << "face centred";
    EXPECT_NEAR(kupfer->Struktur_a(), 0.3615f, 0.0005f) << "nm, within the table's rounding";
    EXPECT_NEAR(kupfer->Ebenenabstand(1, 1, 1), 0.3615f / std::sqrt(3.0f), 0.0003f);
    // 3d10 4s1: one free electron from the 4s orbital.
    EXPECT_EQ(kupfer->Elektronen(6), 10);
    EXPECT_EQ(kupfer->Elektronen(5), 1);
    EXPECT_EQ(kupfer->Valenz_Orbital(), 5);
    EXPECT_EQ(kupfer->Valenz(), 1.0f);
    EXPECT_EQ(gMFE->Element_Dichte("Cu", DQ_Kristallin), 8.96f);
}

TEST_F(InstallierteDatenbank, GasesAndLiquidMetalsKeepTheirDensityAsTheLiquidOne)
{
    for (const char* symbol : {"H", "N", "Ar", "Hg", "Br"}) {
        const auto element = colElemente.Item(symbol);
        EXPECT_GT(element->Dichte_Fluessig(), 0.0f) << symbol;
        EXPECT_EQ(element->Dichte_Kristallin(), Kein_Wert) << symbol;
    }
    EXPECT_EQ(colElemente.Item("Cf")->Dichte_Kristallin(), Kein_Wert) << "no tabulated density";
    EXPECT_EQ(colElemente.Item("He")->Valenz(), 0.0f) << "a noble gas gives no free electron";
    EXPECT_EQ(colElemente.Item("Al")->Valenz(), 3.0f);
    EXPECT_EQ(colElemente.Item("Pd")->Valenz(), 0.0f) << "4d10: no electron outside the core's s and p shells";
    EXPECT_EQ(colElemente.Item("Zr")->Struktur_System(), 2) << "hexagonal";
}

// An independent check of the conversion: the demonstration tables of the light elements come from
// other fits to other calculations of the free atoms.
TEST_F(InstallierteDatenbank, LightElementsAgreeWithTheDemonstrationTables)
{
    for (const char* symbol : {"H", "He", "Li", "Be", "B"}) {
        const auto neu = Tabelle(symbol, FT_Elektronen);
        ASSERT_TRUE(neu);
        double groesste = 0.0;
        double bei = 0.0;
        for (int32_t i = 50; i <= 1500; ++i) {
            const float K = static_cast<float>(i * 0.1);
            const double abweichung = std::fabs(neu->Y(K) / demo[symbol].Y(K) - 1.0);
            if (abweichung > groesste) groesste = abweichung, bei = K;
        }
        std::cout << symbol << ": largest difference from the demonstration table " << 100.0 * groesste << " % at K = " << bei
                  << " 1/nm\n";
        EXPECT_LT(groesste, 0.05) << symbol;
    }
}

// The demonstration's carbon table repeats hydrogen's coefficients; the installed one is carbon's.
TEST_F(InstallierteDatenbank, CarbonScattersAsCarbon)
{
    EXPECT_NEAR(demo["C"].Y(0.0f), 0.529f, 0.001f);
    const auto kohlenstoff = Tabelle("C", FT_Elektronen);
    ASSERT_TRUE(kohlenstoff);
    EXPECT_NEAR(kohlenstoff->Y(0.0f), 2.5f, 0.1f);
    EXPECT_NEAR(kohlenstoff->Y(0.0f), MottBethe(*Tabelle("C", FT_Roentgen), 0.0), 0.01);
}

// Values that the generating script sets in place of the package's or adds to them.
TEST_F(InstallierteDatenbank, BoronIsAmorphousAtTheDemonstrationDensityAndLatticesHoldAtRoomTemperature)
{
    const auto bor = colElemente.Item("B");
    EXPECT_FLOAT_EQ(bor->Dichte_Amorph(), 2.37f) << "the demonstration table's value";
    EXPECT_EQ(gMFE->Element_Dichte("B", DQ_Amorph), 2.37f) << "the density kind \"amorph\" needs no typed value";
    EXPECT_EQ(colElemente.Item("C")->Dichte_Amorph(), Kein_Wert) << "no other amorphous density is taken over";

    // Alpha-uranium is orthorhombic with b the longest axis: a 0.2854, b 0.5870, c 0.4955 nm.
    const auto uran = colElemente.Item("U");
    EXPECT_EQ(uran->Struktur_System(), 5);
    EXPECT_GT(uran->Struktur_b(), uran->Struktur_c());
    EXPECT_NEAR(uran->Struktur_a(), 0.2854f, 0.0010f);
    EXPECT_NEAR(uran->Struktur_b(), 0.5870f, 0.0020f);
    EXPECT_NEAR(uran->Struktur_c(), 0.4955f, 0.0020f);

    // The bcc alkali metals at room temperature, not at 78 K (Li 0.349 nm) or 5 K (Na 0.423 nm).
    for (const auto& [symbol, a] : {std::pair{"Li", 0.3510f}, std::pair{"Na", 0.4291f}}) {
        const auto metall = colElemente.Item(symbol);
        EXPECT_EQ(metall->Struktur_Basis(), 3) << symbol << " body centred";
        EXPECT_NEAR(metall->Struktur_a(), a, 0.0001f) << symbol;
        EXPECT_EQ(metall->Struktur_c(), metall->Struktur_a()) << symbol;
    }
}
