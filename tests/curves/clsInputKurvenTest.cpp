#include "curves/clsInput.h"

#include "CurvesTest.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "curves/clsFileHandler.h"
#include "support/ScopedLocale.h"

#include <filesystem>
#include <vector>

namespace {

// Pairs "x TAB y" for x = first + step * k, k = 0 .. n - 1, y = 5 + 10 x.
std::string Pairs(int32_t n, double first, double step, const char* separator = "\t")
{
    std::string text;
    for (int32_t k = 0; k < n; ++k) {
        const double x = first + step * k;
        text += std::to_string(x) + separator + std::to_string(5 + 10 * x) + "\r\n";
    }
    return text;
}

class CurveFileTest : public CurvesTest {
protected:
    bool Read(const std::string& name, const std::string& content, Einheitenwahl units = {})
    {
        OpenProject(WriteFile(name, content));
        return gInput->Datei_Oeffnen(units);
    }
    // The resampled line y = 5 + 10 x from x = 0 on.
    static void ExpectLine(int32_t from = 1)
    {
        ASSERT_GT(gInput->Punkte(), from);
        for (int32_t i = from; i <= gInput->Punkte(); ++i)
            EXPECT_NEAR(gInput->Y(i), 5 + 10 * (i - 1) * double(gInput->Delta_X()), 1e-3) << "point " << i;
    }
};

TEST(CurveKindExtensionTest, ExtensionsFollowTheCurveKinds)
{
    EXPECT_EQ(clsInput::ExtensionVonKurvenTyp(7), ".Gr");
    EXPECT_EQ(clsInput::ExtensionVonKurvenTyp(22), ".Gr1");
    EXPECT_EQ(clsInput::ExtensionVonKurvenTyp(24), ".dat");
    EXPECT_EQ(clsInput::ExtensionVonKurvenTyp(3), ".mitt");
    EXPECT_EQ(clsInput::ExtensionVonKurvenTyp(9), ".dat");
}

TEST_F(CurveFileTest, CurveIsWrittenOnlyWhenItsKindIsSaved)
{
    OpenProject(WriteFile("probe.dat", Pairs(5, 0, 1)));
    for (int32_t i = 0; i < 3; ++i) gCalc->Punkte_Plus(0.25f * i, 1.5f + i);
    const std::vector<float> values = {1.5f, 2.5f, 3.5f};
    const std::string base = gCommon->Ordner() + gCommon->Dateiname();

    gInput->SpeichereKurve(1, 0, values);
    EXPECT_FALSE(std::filesystem::exists(base + ".dat"));

    ScopedLocale comma("comma");
    gInput->SpeichereKurve(3, 0, values);
    EXPECT_EQ(ReadFile(base + ".mitt"), "0\t1.5\r\n0.25\t2.5\r\n0.5\t3.5\r\n");
    EXPECT_TRUE(LoggedPart(": gespeichert: " + base + ".mitt"));
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(CurveFileTest, CurveThatCannotBeWrittenIsReportedNotLogged)
{
    gCommon->setOrdner(WriteFile("blocker", "a file, not a folder"));
    const std::vector<float> values = {1.0f, 2.0f};
    gInput->SpeichereKurve(3, 0, values);
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_FALSE(LoggedPart("gespeichert"));
}

TEST_F(CurveFileTest, FailedCommitOfAnOutputFileIsReported)
{
    const std::string path = (env.Root() / "target.dat").string();
    ASSERT_TRUE(gFileHandler->OpenFile(path, 0));
    gFileHandler->WriteLine("1\t2");
    // Something else takes the name before the file is closed.
    std::filesystem::create_directories(path + "/inside");
    EXPECT_FALSE(gFileHandler->CloseFile());
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_TRUE(gFileHandler->CloseFile());
}

TEST_F(CurveFileTest, CurveStartingRightOfZeroGetsTheOriginPoint)
{
    ASSERT_TRUE(Read("probe.dat", Pairs(50, 0.1, 0.1)));
    // The origin takes the first value: the curve starts flat, then follows its points.
    EXPECT_NEAR(gInput->Y(1), 6.0f, 1e-3f);
    ExpectLine(10);
    EXPECT_EQ(gInput->Minimum_X(), 0.0f);
    EXPECT_EQ(gInput->Minimum_Y(), 6.0f);
    EXPECT_EQ(gInput->Maximum_Y(), 55.0f);
    EXPECT_EQ(gInput->Punkte(), 50);
    EXPECT_FLOAT_EQ(gInput->Maximum_X(), 50 * gInput->Delta_X());
    EXPECT_EQ(gCalc->Schrittweite(), gInput->Delta_X());
    // The origin counts as a row; its value is not summed.
    EXPECT_NEAR(gInput->Mittelwert(), (50 * 5 + 10 * 0.1 * 1275) / 51.0, 1e-3);
}

TEST_F(CurveFileTest, HeaderTokensAreSkippedOnlyWhenTheyAreNoNumbers)
{
    ASSERT_TRUE(Read("words.dat", "Intensitaet\r\n" + Pairs(40, 0, 0.1)));
    ExpectLine();
    ASSERT_TRUE(Read("three.RAV", "r G(r) Probe\r\n" + Pairs(40, 0, 0.1)));
    ExpectLine();
    ASSERT_TRUE(Read("zero.dat", "0 5\r\n" + Pairs(39, 0.1, 0.1)));
    ExpectLine();
    // A first x without decimals is a number, not a header.
    ASSERT_TRUE(Read("whole.dat", "1\t15\r\n2\t25\r\n" + Pairs(30, 3, 1)));
    ASSERT_EQ(gInput->Punkte(), 32);
    EXPECT_NEAR(gInput->Y(32), 5 + 10 * 31 * double(gInput->Delta_X()), 0.05);
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(CurveFileTest, PairsWithAMemberThatIsNoNumberAreSkipped)
{
    ASSERT_TRUE(Read("gaps.dat", Pairs(10, 0, 0.1) + "1.0\tkein\r\n" + Pairs(30, 1.1, 0.1)));
    ExpectLine();
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(CurveFileTest, InterferenceFunctionInTheWrongUnitAsksTheUser)
{
    seam.answers = {zelo::MsgResult::Yes};
    ASSERT_TRUE(Read("probe.ik", Pairs(121, 0, 0.1)));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Sind die K-Werte vielleicht doch in 1/Angström?");
    EXPECT_EQ(seam.messages[0].buttons, zelo::MsgButtons::YesNo);
    EXPECT_EQ(seam.messages[0].title, gLoader->ApplicationName());
    EXPECT_FLOAT_EQ(gInput->Delta_X(), 0.01f);
    EXPECT_EQ(gInput->Punkte(), 1200);

    seam.answers = {zelo::MsgResult::No};
    ASSERT_TRUE(Read("probe.ik", Pairs(121, 0, 0.1)));
    EXPECT_FLOAT_EQ(gInput->Delta_X(), 0.1f);

    ASSERT_TRUE(Read("wide.ik", Pairs(400, 0, 0.1)));
    EXPECT_EQ(seam.messages.size(), 2u);
    EXPECT_FLOAT_EQ(gInput->Delta_X(), 0.1f);

    const Einheitenwahl angstrom{1, 0};
    ASSERT_TRUE(Read("probe.ik", Pairs(121, 0, 0.1), angstrom));
    EXPECT_EQ(seam.messages.size(), 2u);
    EXPECT_FLOAT_EQ(gInput->Delta_X(), 0.01f);
    seam.answers = {zelo::MsgResult::Yes};
    ASSERT_TRUE(Read("wide.ik", Pairs(400, 0, 0.1), angstrom));
    ASSERT_EQ(seam.messages.size(), 3u);
    EXPECT_EQ(seam.messages[2].text, "Sind die K-Werte vielleicht doch in 1/nm?");
    EXPECT_FLOAT_EQ(gInput->Delta_X(), 0.1f);
}

TEST_F(CurveFileTest, RealSpaceAndAveragedCurvesUseTheirSteps)
{
    const float dr = gOptions->Delta_r();
    ASSERT_TRUE(Read("probe.gr", Pairs(40, 0, 0.05)));
    EXPECT_EQ(gInput->Delta_X(), dr);
    EXPECT_EQ(gCalc->Schrittweite(), dr);
    ASSERT_TRUE(Read("probe.gr", Pairs(40, 0, 0.05), Einheitenwahl{0, 1}));
    EXPECT_EQ(gInput->Delta_X(), float(dr * 10.0));
    // v(r) lies on the r grid of G(r) as the transform takes it.
    ASSERT_TRUE(Read("probe.pot", Pairs(40, 0, 0.05)));
    EXPECT_EQ(gInput->Delta_X(), dr);
    ASSERT_TRUE(Read("probe.pot", Pairs(40, 0, 0.05), Einheitenwahl{0, 1}));
    EXPECT_EQ(gInput->Delta_X(), float(dr * 10.0));
    ASSERT_TRUE(Read("probe.mitt", Pairs(41, 0, 0.25)));
    EXPECT_EQ(gInput->Delta_X(), 0.1f);
    EXPECT_EQ(gInput->Punkte(), 100);
}

TEST_F(CurveFileTest, MicroscopeSpectrumEndsWhereTheCountsEnd)
{
    std::string text = Pairs(8, 0, 0.1) + "0.8\t0\r\n" + Pairs(12, 0.9, 0.1) + "2.1\t0\r\n" + "2.2\t9999\r\n";
    ASSERT_TRUE(Read("probe.asc", text));
    // The zero below x = 1 is a value; the one above ends the spectrum, and what follows is not read.
    EXPECT_NEAR(gInput->Y(gInput->Punkte()), 5 + 10 * 2.0, 0.5);
    EXPECT_EQ(gInput->Maximum_Y(), 5 + 10 * 2.0f);
    EXPECT_EQ(gInput->Minimum_Y(), 0.0f);
}

TEST_F(CurveFileTest, EmptyOrMissingFileIsReported)
{
    EXPECT_FALSE(Read("empty.dat", ""));
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorFunction(), "Datei_Oeffnen");
    OpenProject((env.Root() / "missing.dat").string());
    EXPECT_FALSE(gInput->Datei_Oeffnen());
    EXPECT_EQ(seam.errorWindows, 2);
}

}
