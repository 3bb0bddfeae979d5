// An error window lists the calls that led to its error: the routines it passed through on its way
// to the report, and none that ran before it and returned.
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/Resources.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "materials/modElementDatabase.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace {

// Keeps the call stack that each error window shows.
class CallStackSeam : public RecordingSeam {
public:
    std::vector<std::string> stacks;
    void ShowErrorWindow() override
    {
        RecordingSeam::ShowErrorWindow();
        stacks.push_back(gError->GetCallStack(4));
    }
};

class CallStackOfErrors : public ::testing::Test, protected TestWorld {};

}

TEST_F(CallStackOfErrors, EachWindowListsOnlyTheChainOfItsOwnError)
{
    CallStackSeam windows;
    gUntergrund->Speichern();  // ends early: nothing to save
    ASSERT_TRUE(gIK->Demo_IK());
    std::vector<float> tooShort(1);
    gIK->CopyArray(tooShort);  // ends at an error of its own
    gUntergrund->Untergrund_Einlesen(env.Root().string() + "/missing.ugs");
    zelo::SetUi(&seam);

    ASSERT_EQ(windows.stacks.size(), 2u);
    EXPECT_NE(windows.stacks[0].find("] clsIK - CopyArray\r\n"), std::string::npos) << windows.stacks[0];
    const std::string& second = windows.stacks[1];
    EXPECT_NE(second.find("] clsUntergrund - Untergrund_Einlesen\r\n"), std::string::npos) << second;
    EXPECT_NE(second.find("] clsFileHandler - OpenFile\r\n"), std::string::npos) << second;
    EXPECT_EQ(second.find("CopyArray"), std::string::npos) << "an ended routine is listed:\n" << second;
    EXPECT_EQ(second.find("Speichern"), std::string::npos) << "an ended routine is listed:\n" << second;
    EXPECT_EQ(gError->RingIndex(), 0) << "every routine has ended";
}

TEST_F(CallStackOfErrors, AnErrorRaisedDeepInAReadingNamesTheRoutineThatRaisedIt)
{
    // The element database cut short within its last form-factor table: the table's reader raises
    // the error, the database's reader reports it.
    const auto bytes = zelo::Resource("BINTABLE_102");
    std::ofstream(env.DataFolder() / kElementDatabaseFile, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size() - 8));
    CallStackSeam windows;
    Zelo_Oeffnen();
    gError->ErrorMsg("modCommon", "Danach", false, 5, "the next error");
    zelo::SetUi(&seam);

    ASSERT_EQ(windows.stacks.size(), 2u);
    const std::string& erste = windows.stacks[0];
    const size_t tabellen = erste.find("] clsFMK - FMK_Von_ZELO_Lesen\r\n");
    EXPECT_NE(tabellen, std::string::npos) << erste;
    EXPECT_LT(tabellen, erste.find("] modCommon - Zelo_Oeffnen\r\n")) << "innermost first:\n" << erste;
    EXPECT_EQ(windows.stacks[1], "0: []  - \r\n") << "the next error lists none of them";
    EXPECT_EQ(gError->RingIndex(), 0);
}
