#include "core/SettingsFixture.h"
#include "core/KurvenTyp.h"
#include "core/clsOptions.h"

class CurveKindTest : public SettingsFixture {
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        gOptions = std::make_unique<clsOptions>();
    }
};

TEST_F(CurveKindTest, TitlesTakeTheUnitLetterOfTheSetting)
{
    const std::vector<std::pair<int32_t, std::string>> titles = {
        {1, "J(K)"}, {2, "J'(K)"}, {3, "J''(K)"}, {4, "Fit"},  {5, "U(K)"},  {6, "I(K)"},
        {7, "G(r)"}, {10, "I(K)"}, {11, "g(r)"},  {12, "RDF"}, {16, "U(K)"}, {24, "v(r)"}, {25, "v(K)"}};
    for (const auto& [kind, title] : titles) EXPECT_EQ(Kurven_Titel(kind), title) << kind;
    gOptions->setEinheit_NM(false);
    EXPECT_EQ(Kurven_Titel(1), "J(Q)");
    EXPECT_EQ(Kurven_Titel(16), "U(Q)");
    EXPECT_EQ(Kurven_Titel(25), "v(Q)");
    EXPECT_EQ(Kurven_Titel(7), "G(r)");
}

TEST_F(CurveKindTest, KindsWithoutATitle)
{
    for (int32_t kind : {-1, 0, 9, 13, 14, 15, 17, 22, 23, 26, 27, 28})
        EXPECT_EQ(Kurven_Titel(kind), "") << kind;
    EXPECT_EQ(Kurven_Titel(KT_Unbekannt), gLanguage->Caption(197));
}

TEST_F(CurveKindTest, ExtensionsKeepTheirLetterCase)
{
    const std::vector<std::pair<int32_t, std::string>> extensions = {
        {7, ".Gr"}, {22, ".Gr1"}, {3, ".mitt"}, {15, ".ik1"}, {24, ".dat"}, {0, ".dat"}, {-5, ".dat"}, {99, ".dat"}};
    for (const auto& [kind, extension] : extensions) EXPECT_EQ(KurvenTypExtension(kind), extension) << kind;
}

TEST_F(CurveKindTest, SaveOptionDefaults)
{
    for (int32_t kind : {2, 3, 4, 5, 6, 7, 11, 12, 13, 14, 16}) EXPECT_TRUE(SaveOptionDefault(kind)) << kind;
    for (int32_t kind : {15, 17, 18, 19, 20, 21, 22, 23}) EXPECT_FALSE(SaveOptionDefault(kind)) << kind;
    for (int32_t kind : {0, 1, 8, 9, 10, 24, 25, 26, 27, 50}) EXPECT_FALSE(SaveOptionStored(kind)) << kind;
}

TEST_F(CurveKindTest, AxisStart)
{
    EXPECT_EQ(KurvenTypRand(7), 0.1f);
    EXPECT_EQ(KurvenTypRand(12), 0.1f);
    EXPECT_EQ(KurvenTypRand(8), 0.0f);
    for (int32_t kind : {0, 1, 6, 11, 22, 27, 28, -1}) EXPECT_EQ(KurvenTypRand(kind), 1.0f) << kind;
}
