#include "core/SettingsFixture.h"
#include "core/KurvenTyp.h"
#include "core/clsOptions.h"

using CurveKindTest = SettingsFixture;

TEST_F(CurveKindTest, TitlesTakeTheUnitLetterOfTheSetting)
{
    for (const auto& [kind, title] :
         {std::pair{1, "J(K)"}, {25, "v(K)"}, {0, ""}, {9, ""}, {28, ""}, {KT_Unbekannt, "<unbekannt>"}})
        EXPECT_EQ(Kurven_Titel(kind), title) << kind;
    gOptions->setEinheit_NM(false);
    EXPECT_EQ(Kurven_Titel(25) + Kurven_Titel(7), "v(Q)G(r)");
}

TEST_F(CurveKindTest, ExtensionsSaveOptionsAndAxisStarts)
{
    for (const auto& [kind, extension] :
         {std::pair{7, ".Gr"}, {22, ".Gr1"}, {3, ".mitt"}, {15, ".ik1"}, {24, ".dat"}, {0, ".dat"}, {99, ".dat"}})
        EXPECT_EQ(KurvenTypExtension(kind), extension) << kind;
    for (int32_t kind : {0, 1, 8, 9, 10, 24, 27}) EXPECT_FALSE(SaveOptionStored(kind)) << kind;
    for (const auto& [kind, rand] : {std::pair{7, 0.1f}, {12, 0.1f}, {8, 0.0f}, {1, 1.0f}, {22, 1.0f}, {-1, 1.0f}})
        EXPECT_EQ(KurvenTypRand(kind), rand) << kind;
}
