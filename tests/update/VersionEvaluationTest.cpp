// The update window's reading of a version file, as the model gives it to the window.
#include "update/VersionFile.h"

#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

using namespace versionfile;

namespace {

constexpr std::array<double, 3> kProgramm = {2, 32, 880};

class VersionEvaluation : public ::testing::Test, protected TestWorld {};

}

TEST_F(VersionEvaluation, RowsIconsAndTheLibraryRowFollowTheFile)
{
    const Evaluation neu = Evaluate("ZELO v#2.33.0001/2.32.0880/3.18.0.7/1.2/1.3\r\n", kProgramm, "3.17.0");
    EXPECT_TRUE(neu.found);
    EXPECT_EQ(neu.online, (std::vector<std::string>{"2.33.0001", "2.32.0880", "3.18.0", "1.2", "1.3"}));
    EXPECT_EQ(neu.icons, (std::array<int32_t, 3>{110, 109, 110}));
    EXPECT_EQ(neu.failure, "");

    const Evaluation ohne = Evaluate("#2.33.0001/2.32.0880/3.18.0.7/1.2/1.3", kProgramm, "n/a");
    EXPECT_EQ(ohne.icons, (std::array<int32_t, 3>{110, 109, 0}));
    EXPECT_EQ(ohne.online[2], "3.18.0.7") << "no library: its row is only shown";

    const Evaluation kurz = Evaluate("#1/2.32.0880/3/a/b", kProgramm, "3.18.0");
    EXPECT_EQ(kurz.icons, (std::array<int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(kurz.online[0], "1");
    EXPECT_FALSE(Evaluate("no version here", kProgramm, "3.18.0").found);
}

TEST_F(VersionEvaluation, AFileWithZeroBytesIsRefusedAsUnreadableNotAsATypeMismatch)
{
    const std::string mitNull("ZELO#2.33\0.0001/2.32.0880/3.18.0/1.2/1.3", 40);
    const Evaluation result = Evaluate(mitNull, kProgramm, "3.18.0");
    EXPECT_FALSE(result.found);
    EXPECT_TRUE(result.online.empty());
    EXPECT_EQ(result.failure, gLanguage->Caption(470));
    // Zero bytes before the "#" (a binary error page) are no version file either.
    EXPECT_EQ(Evaluate(std::string("\0\0\0#2.33.1/2.32.0/3.18.0/a/b", 28), kProgramm, "3.18.0").failure,
              gLanguage->Caption(470));
}

TEST_F(VersionEvaluation, AMalformedFileIsToldInWordsThatNameTheFieldAndWhatItHeld)
{
    gLanguage->OpenLanguageEx(3);
    const std::string cannot = "The version file from the server cannot be evaluated.\r\n";
    const std::string notNumbers = "The version of this module is not made of three numbers separated by \".\": ";
    EXPECT_EQ(Evaluate("#1/2.32.0880/3/a/b", kProgramm, "3.18.0").failure,
              cannot + notNumbers + "ZELO: \"1\"") << "a single part 1 needs its second part";
    const Evaluation preview = Evaluate("#2.33.1/2.x.0880/3.18.0/a/b", kProgramm, "3.18.0");
    EXPECT_EQ(preview.failure, cannot + notNumbers + "ZELO (Preview Version): \"2.x.0880\"");
    EXPECT_EQ(preview.icons[0], 110) << "the row before the failure keeps its result";
    EXPECT_EQ(Evaluate("#3/2.32.0880/3.18/a/b", kProgramm, "3.18.0").failure,
              cannot + notNumbers + "FreeImage Library: \"3.18\"");
    EXPECT_EQ(Evaluate("#3/2.32.0880\r\n", kProgramm, "3.18.0").failure,
              cannot + "It should have five fields separated by \"/\"; found: 2");
    EXPECT_EQ(Evaluate("#2.33.1/2.32.0/3.18.0/a/b", kProgramm, "n/a").failure, "");

    // A line break or a blank inside a version makes it none; the line end closing a field does not.
    const Evaluation broken = Evaluate("#2\r\n\r\n\r\n.33.1/2.32.0880/3.18.0/a/b", kProgramm, "3.18.0");
    EXPECT_EQ(broken.failure, cannot + notNumbers + "ZELO: \"2\r\n\r\n\r\n.33.1\"");
    EXPECT_EQ(broken.icons[0], 0) << "no update offered";
    EXPECT_EQ(Evaluate("#2.33.1/2. 32.0880/3.18.0/a/b", kProgramm, "3.18.0").failure,
              cannot + notNumbers + "ZELO (Preview Version): \"2. 32.0880\"");
    EXPECT_EQ(Evaluate("#2.33.1/2.32.0880/3.18\n.0\r\n/a/b", kProgramm, "3.18.0").failure,
              cannot + notNumbers + "FreeImage Library: \"3.18\n.0\r\n\"");
    const Evaluation lines = Evaluate("#2.33.1\r\n/2.32.0880\r\n/3.18.0\r\n/a\r\n/b\r\n", kProgramm, "3.18.0");
    EXPECT_EQ(lines.failure, "");
    EXPECT_EQ(lines.icons, (std::array<int32_t, 3>{110, 109, 109}));
    EXPECT_EQ(lines.online[2], "3.18.0");
}

TEST_F(VersionEvaluation, AWebPageOrATextWithoutHashIsToldAsNoVersionFile)
{
    gLanguage->OpenLanguageEx(3);
    const std::string notAFile = "The server's reply is not a version file.\r\n";
    // A page's markup may well hold a "#" (a colour, an anchor): still no version file.
    for (const char* page : {"<!DOCTYPE html>\n<html><a href=\"#top\">2.33.1/2/3/4/5</a></html>",
                             "\xEF\xBB\xBF\r\n  <HTML><body bgcolor=#fff>Not Found</body></HTML>"}) {
        const Evaluation result = Evaluate(page, kProgramm, "3.18.0");
        EXPECT_FALSE(result.found);
        EXPECT_TRUE(result.online.empty()) << "nothing of it is shown as a version";
        EXPECT_EQ(result.failure, notAFile + "It is an HTML page.");
    }
    EXPECT_EQ(Evaluate("no version here", kProgramm, "3.18.0").failure,
              notAFile + "It lacks the \"#\" after which a version file has its five fields separated by \"/\".");
    EXPECT_EQ(Evaluate("ZELO <b>v</b>#2.33.1/2.32.0/3.18.0/a/b", kProgramm, "3.18.0").failure, "")
        << "markup after the start is a field's text";
}
