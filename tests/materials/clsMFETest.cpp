#include "core/clsCommon.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "mainwindow/modObjekte.h"
#include "materials/clsMFE.h"
#include "materials/modElementDatabase.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <cmath>

class clsMFETest : public ::testing::Test, protected TestWorld {
protected:
    void SetUp() override
    {
        gCommon->setEnable_Record(true);
        // The default database has no sodium, whose textbook values the formulas are checked against.
        auto sodium = std::make_shared<clsElement>();
        sodium->setSymbol("Na");
        sodium->setMasse(22.99f);
        colElemente.Add(sodium, "Na");
    }
    // Sodium alone with its crystalline density, or with the given density and valence.
    static clsMFE Sodium(float dichte = 0.968f, float valenz = 1)
    {
        clsMFE mfe;
        mfe.setKomponenten(1);
        mfe.Komponente(1, "Na", 100, dichte, valenz);
        mfe.Berechne();
        return mfe;
    }
};

TEST_F(clsMFETest, SodiumFreeElectronValues)
{
    const clsMFE na = Sodium();
    EXPECT_NEAR(na.Dichte_Theoretisch(), 25.356, 0.002);
    EXPECT_NEAR(na.kF2(), 18.177, 0.002);
    EXPECT_NEAR(na.Friedelwellenlaenge(), 0.34566, 0.00002);
    EXPECT_FLOAT_EQ(na.Friedelminima(1), 2.25f * na.Friedelwellenlaenge());
    // Textbook values of sodium: plasmon 5.9 eV, Fermi energy 3.2 eV, Hall coefficient -2.5e-10 m³/C.
    EXPECT_NEAR(na.Plasmonresonanz(), 5.91, 0.01);
    EXPECT_NEAR(na.Fermienergie(), 3.15, 0.01);
    EXPECT_NEAR(na.HallKoeffizient(), -2.46e-10, 0.01e-10);
}

TEST_F(clsMFETest, UnknownDensityOrValenceMakesTheDerivedValuesUnknown)
{
    clsMFE mfe = Sodium();
    for (float unknown : {0.0f, Kein_Wert}) {
        mfe.Komponente(1, "Na", 100, unknown, 1);
        mfe.Berechne();
        EXPECT_EQ(mfe.Dichte_Theoretisch(), 0.0f);
        for (float value : {mfe.kF2(), mfe.Friedelwellenlaenge(), mfe.Friedelminima(2), mfe.Elektrondichte(),
                            mfe.Plasmonresonanz(), mfe.HallKoeffizient(), mfe.Dichte()})
            EXPECT_EQ(value, Kein_Wert) << "not the former alloy's value";
    }
    mfe = Sodium(0.968f, Kein_Wert);
    EXPECT_EQ(mfe.kF2(), Kein_Wert);
    EXPECT_NEAR(mfe.Dichte_Theoretisch(), 25.356, 0.002) << "the density is still known";
    mfe.setValenz(0);
    EXPECT_EQ(std::tuple(mfe.kF2(), mfe.Friedelwellenlaenge(), mfe.HallKoeffizient()), std::tuple(0.0f, 0.0f, Kein_Wert));
    mfe.setValenz(8);
    EXPECT_NEAR(mfe.kF2(), 2 * 18.177, 0.004) << "setting the valence recomputes 2 kF";
}

TEST_F(clsMFETest, BerechneWritesFourLogLinesWithUnknownValuesAsText)
{
    clsMFE na = Sodium();
    EXPECT_TRUE(seam.logLines.empty()) << "only when asked to";
    na.Berechne(true);
    na.Komponente(1, "Na", 100, 0, 1);
    na.Berechne(true);
    EXPECT_EQ(seam.logLines, (std::vector<std::string>{
                                 "\r\nmittlere Valenz: 1.0", "mittlere Teilchenzahldichte: 25.4 1/nm³", "2 kF: 18.2 1/nm",
                                 "Friedelwellenlänge: 0.3 nm\r\n", "\r\nmittlere Valenz: 1.0",
                                 "mittlere Teilchenzahldichte: <unbekannt> 1/nm³", "2 kF: <unbekannt> 1/nm",
                                 "Friedelwellenlänge: <unbekannt> nm\r\n"}));
}
