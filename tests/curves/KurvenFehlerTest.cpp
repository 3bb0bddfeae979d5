// The curve containers report a copy or a read-out they cannot make through gError.
#include "CurvesTest.h"
#include "support/Gemeldet.h"
#include "curves/clsSpektrenMittel.h"
#include "curves/clsSpline.h"
#include "curves/cls_Y.h"

class KurvenFehlerTest : public CurvesTest {};

TEST_F(KurvenFehlerTest, CopiesAndReadOutsWithoutDataAreReported)
{
    cls_Y kurve;
    kurve.setAnzahl(3);
    kurve.setY(1, 5.0f);
    EXPECT_EQ(Gemeldet_Ohne(gInput, [&] { kurve.CopyArrayFromInput(); }), "cls_Y.CopyArrayFromInput 91");
    EXPECT_EQ(kurve.Y(1), 5.0f);
    const clsSpline leer;
    EXPECT_EQ(Gemeldet([&] { EXPECT_EQ(leer.X_Max(), 0.0f); }), "clsSpline.X_Max 9");

    const clsSpektrenMittel mittel;
    EXPECT_EQ(Gemeldet([&] { EXPECT_EQ(mittel.Spektrum(1).Punkte(), 0); }), "clsSpektrenMittel.Spektrum 9");
    EXPECT_EQ(Gemeldet_Ohne(gOptions, [&] { clsSpektrenMittel::Schritt(*gInput); }), "clsSpektrenMittel.Schritt 91");
}
