// An error window lists the calls that led to its error: routines that ran before it and have
// ended are gone from the call stack, whichever way they ended.
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

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
