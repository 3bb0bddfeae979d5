// The update window's reading of a version file, as the model gives it to the window.
#include "update/VersionFile.h"

#include "core/Runtime.h"
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
    EXPECT_EQ(neu.errorNumber, 0);

    const Evaluation ohne = Evaluate("#2.33.0001/2.32.0880/3.18.0.7/1.2/1.3", kProgramm, "n/a");
    EXPECT_EQ(ohne.icons, (std::array<int32_t, 3>{110, 109, 0}));
    EXPECT_EQ(ohne.online[2], "3.18.0.7") << "no library: its row is only shown";

    const Evaluation kurz = Evaluate("#1/2.32.0880/3/a/b", kProgramm, "3.18.0");
    EXPECT_EQ(kurz.errorNumber, rt::errTypeMismatch) << "a single part 1 needs its second part";
    EXPECT_EQ(kurz.icons, (std::array<int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(Evaluate("#3/2.32.0880/3.18/a/b", kProgramm, "3.18.0").errorNumber, rt::errSubscript);
    EXPECT_EQ(Evaluate("#3/2.32.0880", kProgramm, "3.18.0").errorNumber, rt::errSubscript);
    EXPECT_FALSE(Evaluate("no version here", kProgramm, "3.18.0").found);
}

TEST_F(VersionEvaluation, AFileWithZeroBytesIsRefusedAsUnreadableNotAsATypeMismatch)
{
    const std::string mitNull("ZELO#2.33\0.0001/2.32.0880/3.18.0/1.2/1.3", 40);
    const Evaluation result = Evaluate(mitNull, kProgramm, "3.18.0");
    EXPECT_FALSE(result.found);
    EXPECT_TRUE(result.online.empty());
    EXPECT_EQ(result.errorNumber, errUnreadable);
    EXPECT_EQ(result.errorDescription, gLanguage->Caption(470));
    // Zero bytes before the "#" (a binary error page) are no version file either.
    EXPECT_EQ(Evaluate(std::string("\0\0\0#2.33.1/2.32.0/3.18.0/a/b", 28), kProgramm, "3.18.0").errorNumber, errUnreadable);
}
