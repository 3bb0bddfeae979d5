#include "CurvesTest.h"
#include "core/KurvenTyp.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "curves/clsSpline.h"
#include "support/ScopedLocale.h"

namespace {

// Pairs "x TAB y" for x = first + step * k, k = 0 .. n - 1, y = 5 + 10 x.
std::string Pairs(int32_t n, double first, double step)
{
    std::string text;
    for (int32_t k = 0; k < n; ++k)
        text += std::to_string(first + step * k) + "\t" + std::to_string(5 + 10 * (first + step * k)) + "\r\n";
    return text;
}

class CurveFileTest : public CurvesTest {
protected:
    bool Read(const std::string& name, const std::string& content, Einheitenwahl units = {})
    {
        OpenProject(name, content);
        return gInput->Datei_Oeffnen(units);
    }
    // The resampled line y = 5 + 10 x from x = 0 on.
    static void ExpectLine(int32_t from = 1)
    {
        ASSERT_GT(gInput->Punkte(), from);
        for (int32_t i = from; i <= gInput->Punkte(); ++i)
            EXPECT_NEAR(gInput->Y(i), 5 + 10 * (i - 1) * double(gInput->Delta_X()), 0.05) << "point " << i;
    }
};

TEST_F(CurveFileTest, CurveIsWrittenOnlyWhenItsKindIsSavedAndLoggedOnlyWhenWritten)
{
    OpenProject("probe.dat", "");
    for (int32_t i = 0; i < 3; ++i) gCalc->Punkte_Plus(0.25f * i, 0.0f);
    const std::string base = gCommon->Ordner() + gCommon->Dateiname();
    const std::vector<float> values = {1.5f, 2.5f, 3.5f};
    gInput->SpeichereKurve(KT_JK, clsInput::kQuelleCalc, values);
    EXPECT_FALSE(std::filesystem::exists(base + ".dat"));
    ScopedLocale comma("comma");
    gInput->SpeichereKurve(KT_JK_Gemittelt, clsInput::kQuelleCalc, values);
    EXPECT_EQ(ReadFile(base + ".mitt"), "0\t1.5\r\n0.25\t2.5\r\n0.5\t3.5\r\n");
    EXPECT_TRUE(LoggedPart(": gespeichert: " + base + ".mitt"));

    seam.logLines.clear();
    const std::string blocker = WriteFile("blocker", "a file, not a folder");
    gCommon->setOrdner(blocker);
    gInput->SpeichereKurve(KT_JK_Gemittelt, clsInput::kQuelleCalc, values);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_NE(seam.messages[0].text.find(blocker), std::string::npos) << "the message names the folder";
    EXPECT_FALSE(LoggedPart("gespeichert"));
}

TEST_F(CurveFileTest, CurveStartingRightOfZeroGetsTheOriginPointAndHeaderTokensAndBadPairsAreSkipped)
{
    ASSERT_TRUE(Read("probe.dat", Pairs(50, 0.1, 0.1)));
    EXPECT_NEAR(gInput->Y(1), 6.0f, 1e-3f) << "the origin takes the first value";
    ExpectLine(10);
    EXPECT_EQ(gInput->Minimum_X(), 0.0f);
    EXPECT_EQ(gInput->Punkte(), 50);
    EXPECT_EQ(gCalc->Schrittweite(), gInput->Delta_X());
    EXPECT_NEAR(gInput->Mittelwert(), (50 * 5 + 10 * 0.1 * 1275) / 51.0, 1e-3) << "the origin counts but adds nothing";

    // A first x without decimals is a number, not a header (the origin point comes before it).
    for (const auto& [name, content, from] :
         {std::tuple{"words.dat", "Intensitaet\r\n" + Pairs(40, 0, 0.1), 1},
          {"three.RAV", "r G(r) Probe\r\n" + Pairs(40, 0, 0.1), 1},
          {"zero.dat", "0 5\r\n" + Pairs(39, 0.1, 0.1), 1}, {"whole.dat", "1\t15\r\n" + Pairs(31, 2, 1), 2},
          {"gaps.dat", Pairs(10, 0, 0.1) + "1.0\tkein\r\n" + Pairs(30, 1.1, 0.1), 1}}) {
        ASSERT_TRUE(Read(name, content)) << name;
        ExpectLine(from);
    }
    EXPECT_EQ(gInput->Punkte(), 40);
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(CurveFileTest, CurveOfTheMostPointsIsReadAlsoWhenTheReaderPutsTheOriginInFront)
{
    // The point at 0 is the reader's own: the file's points alone count against the limit.
    for (const double first : {0.0, 0.1}) {
        ASSERT_TRUE(Read("voll.dat", Pairs(clsSpline::MaxPoints, first, 0.1))) << first;
        EXPECT_GE(gInput->Punkte(), clsSpline::MaxPoints - 1);
        ExpectLine(10);
    }
    EXPECT_EQ(seam.errorWindows, 0);
    for (const double first : {0.0, 0.1}) {
        EXPECT_FALSE(Read("zuviel.dat", Pairs(clsSpline::MaxPoints + 1, first, 0.1))) << first;
        EXPECT_NE(gError->ErrorDescription().find(gLanguage->Caption(697) + " 5000"), std::string::npos);
    }
}

TEST_F(CurveFileTest, InterferenceFunctionInTheWrongUnitAsksTheUser)
{
    seam.answers = {zelo::MsgResult::Yes, zelo::MsgResult::No, zelo::MsgResult::Yes};
    // A curve as short as one in the other unit would be is asked about; a long one is not.
    for (const auto& [name, n, units, step] :
         {std::tuple{"probe.ik", 121, Einheitenwahl{}, 0.01f}, {"probe.ik", 121, Einheitenwahl{}, 0.1f},
          {"wide.ik", 400, Einheitenwahl{}, 0.1f}, {"probe.ik", 121, Einheitenwahl{1, 0}, 0.01f},
          {"wide.ik", 400, Einheitenwahl{1, 0}, 0.1f}}) {
        ASSERT_TRUE(Read(name, Pairs(n, 0, 0.1), units));
        EXPECT_FLOAT_EQ(gInput->Delta_X(), step) << name;
    }
    ASSERT_EQ(seam.messages.size(), 3u);
    EXPECT_EQ(seam.messages[0].text, "Sind die K-Werte vielleicht doch in 1/Angström?");
    EXPECT_EQ(seam.messages[0].buttons, zelo::MsgButtons::YesNo);
    EXPECT_EQ(seam.messages[0].title, gLoader->ApplicationName());
    EXPECT_EQ(seam.messages[2].text, "Sind die K-Werte vielleicht doch in 1/nm?");
}

TEST_F(CurveFileTest, RealSpaceAndAveragedCurvesUseTheirSteps)
{
    const float dr = gOptions->Delta_r();
    for (const auto& [name, units, step] :
         {std::tuple{"probe.gr", Einheitenwahl{}, dr}, {"probe.gr", Einheitenwahl{0, 1}, float(dr * 10.0)},
          {"probe.pot", Einheitenwahl{}, dr}, {"probe.pot", Einheitenwahl{0, 1}, float(dr * 10.0)}}) {
        ASSERT_TRUE(Read(name, Pairs(40, 0, 0.05), units));
        EXPECT_EQ(gInput->Delta_X(), step) << name;
    }
    EXPECT_EQ(gCalc->Schrittweite(), gInput->Delta_X()) << "the working curve takes the reader's step";
    ASSERT_TRUE(Read("probe.mitt", Pairs(41, 0, 0.25)));
    EXPECT_EQ(gInput->Delta_X(), 0.1f);
    EXPECT_EQ(gInput->Punkte(), 100);
}

}
