#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/NumberFormat.h"
#include "core/modCommon.h"
#include "curves/modString.h"
#include "materials/clsMFE.h"
#include "materials/modElementDatabase.h"
#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

#include <cmath>

class clsMFETest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateCoreObjects();
        AddElement("Na", 22.99f, 1, 0.968f);
        AddElement("Al", 26.98f, 3, 2.7f);
    }
    void TearDown() override
    {
        colElemente.Clear();
        Objekte_Freigeben({});
        Restliche_Objekte_Freigeben();
    }
    static void AddElement(const std::string& symbol, float masse, float valenz, float kristallin)
    {
        auto element = std::make_shared<clsElement>();
        element->setSymbol(symbol);
        element->setMasse(masse);
        element->setValenz(valenz);
        element->setDichte_Kristallin(kristallin);
        element->setDichte_Fluessig(0.927f);
        element->setDichte_Amorph(Kein_Wert);
        colElemente.Add(element, symbol);
    }
    clsMFE sodium() const
    {
        clsMFE mfe;
        mfe.setKomponenten(1);
        mfe.Komponente(1, "Na", 100, 0.968f, 1);
        mfe.Berechne();
        return mfe;
    }
};

TEST_F(clsMFETest, SodiumFreeElectronValues)
{
    const clsMFE na = sodium();
    EXPECT_NEAR(na.Dichte_Theoretisch(), 25.356, 0.002);
    EXPECT_NEAR(na.kF2(), 18.177, 0.002);
    EXPECT_NEAR(na.Friedelwellenlaenge(), 0.34566, 0.00002);
    EXPECT_FLOAT_EQ(na.Friedelminima(0), 1.25f * na.Friedelwellenlaenge());
    EXPECT_FLOAT_EQ(na.Friedelminima(1), 2.25f * na.Friedelwellenlaenge());
    EXPECT_FLOAT_EQ(na.Valenz(), 1);
    EXPECT_FLOAT_EQ(na.Dichte(), 0.968f);
    EXPECT_NEAR(na.Atomvolumen(), 3.9437e-29, 1e-32);
    EXPECT_NEAR(na.Elektrondichte(), 25.356, 0.002);
    // Textbook values of sodium: plasmon 5.9 eV, Fermi energy 3.2 eV, Hall coefficient -2.5e-10 m³/C.
    EXPECT_NEAR(na.Plasmonresonanz(), 5.91, 0.01);
    EXPECT_NEAR(na.Fermienergie(), 3.15, 0.01);
    EXPECT_NEAR(na.HallKoeffizient(), -2.46e-10, 0.01e-10);
    EXPECT_NEAR(na.Thermokraft(), -200990729593.036 * std::pow(2.5356e28, -2.0 / 3.0), 1e-10);
    EXPECT_FLOAT_EQ(na.Komponente_Masse(1), 22.99f);
}

TEST_F(clsMFETest, MeanValenceOfTwoComponents)
{
    clsMFE alloy;
    alloy.setKomponenten(2);
    alloy.Komponente(1, "Na", 50, 0.968f, 1);
    alloy.Komponente(2, "Al", 50, 2.7f, 3);
    alloy.Berechne();
    EXPECT_FLOAT_EQ(alloy.Valenz(), 2);
    EXPECT_FLOAT_EQ(alloy.Dichte(), 0.5f * 0.968f + 0.5f * 2.7f);
}

TEST_F(clsMFETest, UnknownDensityMakesTheDerivedValuesUnknown)
{
    clsMFE mfe = sodium();
    mfe.setKomponenten(2);
    mfe.Komponente(1, "Na", 50, 0.968f, 1);
    mfe.Komponente(2, "Al", 50, 0, 3);
    mfe.Berechne();
    EXPECT_EQ(mfe.Dichte_Theoretisch(), 0.0f);
    EXPECT_EQ(mfe.kF2(), Kein_Wert);  // not the former alloy's value
    EXPECT_EQ(mfe.Friedelwellenlaenge(), Kein_Wert);
    EXPECT_EQ(mfe.Friedelminima(2), Kein_Wert);
    EXPECT_EQ(mfe.Atomvolumen(), Kein_Wert);
    EXPECT_EQ(mfe.Elektrondichte(), Kein_Wert);
    EXPECT_EQ(mfe.Plasmonresonanz(), Kein_Wert);
    EXPECT_EQ(mfe.HallKoeffizient(), Kein_Wert);
    EXPECT_EQ(mfe.Dichte(), Kein_Wert);

    mfe.Komponente(2, "Al", 50, Kein_Wert, 3);  // the marker from an element without this density
    mfe.Berechne();
    EXPECT_EQ(mfe.kF2(), Kein_Wert);
}

TEST_F(clsMFETest, UnknownValenceMakesTheDerivedValuesUnknown)
{
    clsMFE mfe = sodium();
    mfe.Komponente(1, "Na", 100, 0.968f, Kein_Wert);
    mfe.Berechne();
    EXPECT_EQ(mfe.Valenz(), Kein_Wert);
    EXPECT_EQ(mfe.kF2(), Kein_Wert);
    EXPECT_EQ(mfe.Friedelwellenlaenge(), Kein_Wert);
    EXPECT_NEAR(mfe.Dichte_Theoretisch(), 25.356, 0.002);  // the density is still known
    EXPECT_EQ(mfe.Fermienergie(), Kein_Wert);
}

TEST_F(clsMFETest, ZeroValenceGivesNoFriedelWavelength)
{
    clsMFE mfe = sodium();
    mfe.setValenz(0);
    EXPECT_EQ(mfe.kF2(), 0.0f);
    EXPECT_EQ(mfe.Friedelwellenlaenge(), 0.0f);
    EXPECT_EQ(mfe.HallKoeffizient(), Kein_Wert);  // no carriers: no finite coefficient
    EXPECT_EQ(mfe.Thermokraft(), Kein_Wert);
    EXPECT_EQ(mfe.Plasmonresonanz(), 0.0f);
}

TEST_F(clsMFETest, SettingDensityOrValenceRecomputes2kF)
{
    clsMFE mfe;
    mfe.setValenz(1);
    mfe.setDichte_Theoretisch(25.356f);
    EXPECT_NEAR(mfe.kF2(), 18.177, 0.002);
    mfe.setValenz(8);
    EXPECT_NEAR(mfe.kF2(), 2 * 18.177, 0.004);
    mfe.setDichte_Theoretisch(Kein_Wert);
    EXPECT_EQ(mfe.kF2(), Kein_Wert);
    EXPECT_EQ(mfe.Dichte_Theoretisch(), 0.0f);
}

TEST_F(clsMFETest, ComponentsZeroKeepsTheFormerOnesAndBadIndexRaises)
{
    clsMFE mfe = sodium();
    mfe.setKomponenten(0);
    EXPECT_EQ(mfe.Komponenten(), 1);
    EXPECT_EQ(mfe.Komponente_Symbol(1), "Na");
    for (int32_t bad : {0, 2}) {
        try {
            mfe.Komponente_Valenz(bad);
            FAIL() << bad;
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.Number(), rt::errSubscript);
        }
    }
    EXPECT_THROW(mfe.Komponente(2, "Na", 1, 1, 1), rt::RuntimeError);
}

TEST_F(clsMFETest, UnknownSymbolLeavesMassAndSymbolUnset)
{
    clsMFE mfe;
    mfe.setKomponenten(1);
    mfe.Komponente(1, "Xx", 100, 1.5f, 2);
    EXPECT_EQ(mfe.Komponente_Symbol(1), "");
    EXPECT_EQ(mfe.Komponente_Masse(1), 0.0f);
    EXPECT_FLOAT_EQ(mfe.Komponente_Dichte(1), 1.5f);
    mfe.Berechne();
    EXPECT_EQ(mfe.Dichte_Theoretisch(), 0.0f);  // no mass, no volume: unknown
}

TEST_F(clsMFETest, ElementDensityAndValenceBySource)
{
    const clsMFE mfe;
    EXPECT_FLOAT_EQ(mfe.Element_Dichte("Na", DQ_Kristallin), 0.968f);
    EXPECT_FLOAT_EQ(mfe.Element_Dichte("Na", DQ_Fluessig), 0.927f);
    EXPECT_EQ(mfe.Element_Dichte("Na", DQ_Amorph), Kein_Wert);
    EXPECT_EQ(mfe.Element_Dichte("Na", 3), Kein_Wert);
    EXPECT_EQ(mfe.Element_Dichte("Xx", DQ_Kristallin), 0.0f);
    EXPECT_FLOAT_EQ(mfe.Element_Valenz("Al", kValenz_Element), 3);
    EXPECT_EQ(mfe.Element_Valenz("Al", 0), Kein_Wert);
    EXPECT_EQ(mfe.Element_Valenz("Xx", kValenz_Element), 0.0f);
}

TEST_F(clsMFETest, BerechneWritesFourLogLines)
{
    RecordingSeam seam;
    gCommon = std::make_unique<clsCommon>();
    gCommon->setEnable_Record(true);
    clsMFE na = sodium();
    EXPECT_TRUE(seam.logLines.empty());  // only when asked to
    na.Berechne(true);
    ASSERT_EQ(seam.logLines.size(), 4u);
    EXPECT_EQ(seam.logLines[0], "\r\nmittlere Valenz: " + Zahl_Text(1));
    EXPECT_EQ(seam.logLines[1], "mittlere Teilchenzahldichte: " + Zahl_Text(na.Dichte_Theoretisch()) + " 1/nm³");
    EXPECT_EQ(seam.logLines[2], "2 kF: " + Zahl_Text(na.kF2()) + " 1/nm");
    EXPECT_EQ(seam.logLines[3], "Friedelwellenlänge: " + Zahl_Text(na.Friedelwellenlaenge()) + " nm\r\n");

    na.Komponente(1, "Na", 100, 0, 1);  // unknown density: shown as unknown, not as a number
    na.Berechne(true);
    ASSERT_EQ(seam.logLines.size(), 8u);
    EXPECT_EQ(seam.logLines[5], "mittlere Teilchenzahldichte: <unbekannt> 1/nm³");
    EXPECT_EQ(seam.logLines[6], "2 kF: <unbekannt> 1/nm");
    EXPECT_EQ(seam.logLines[7], "Friedelwellenlänge: <unbekannt> nm\r\n");
}
