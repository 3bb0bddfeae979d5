// The alloy and its form factors report a component or table that does not exist through gError,
// and set or give nothing for it.
#include "DatabaseFixture.h"
#include "support/Gemeldet.h"
#include "core/clsCommon.h"
#include "materials/clsMFE.h"
#include "materials/modLegierung.h"

class LegierungFehlerTest : public DatabaseFixture {};

TEST_F(LegierungFehlerTest, BadCountsAndIndexesAreReportedAndChangeNothing)
{
    gMFE->setKomponenten(2);
    gMFE->Komponente(1, "Fe", 80.0f, 7.8f, 1.0f);
    EXPECT_EQ(Gemeldet([] { gMFE->setKomponenten(-1); }), "clsMFE.setKomponenten 9");
    EXPECT_EQ(Gemeldet([] { gMFE->Komponente(3, "Fe", 20.0f, 7.8f, 1.0f); }), "clsMFE.Komponente 9");
    EXPECT_EQ(Gemeldet([] { EXPECT_EQ(gMFE->Komponente_Dichte(0), 0.0f); }), "clsMFE.Komponente_Dichte 9");
    EXPECT_EQ(Gemeldet([] { EXPECT_EQ(Komponente_Menuetext(3), ""); }), "modLegierung.Komponente_Menuetext 9");
    EXPECT_EQ(gMFE->Komponente_Konzentration(1), 80.0f);

    EXPECT_EQ(Gemeldet([] { gFMK->setAnzahl(-1); }), "clsFMK.setAnzahl 9");
    EXPECT_EQ(Gemeldet([] { EXPECT_EQ(gFMK->Tabelle(0).Symbol(), ""); }), "clsFMK.Tabelle 9");
    gFMK->setAnzahl(1);
    EXPECT_EQ(Gemeldet_Ohne(gCommon, [] { EXPECT_FALSE(gFMK->Formfaktoren_Berechnen()); }),
              "clsFMK.Formfaktoren_Berechnen 91");
    EXPECT_EQ(gFMK->fmk_Y(1), 0.0f);
}
