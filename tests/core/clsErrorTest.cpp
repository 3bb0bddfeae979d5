#include "core/clsError.h"

#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace {

// Records the calls M<first>/f<first> .. M<last>/f<last>, each called by the one before (so that
// each differs from its caller in module and procedure), and runs inner while all of them run.
void Nested(clsError& error, int first, int last, const std::function<void()>& inner)
{
    if (first > last) return inner();
    const CallStackFrame frame = error.AddFunctionToCallStack("M" + std::to_string(first), "f" + std::to_string(first));
    Nested(error, first + 1, last, inner);
}

}

TEST(CallStackRing, RecordsOnlyRealChangesWrapsAndListsNewestFirstWithoutWrapping)
{
    clsError error;
    {
        const CallStackFrame af = error.AddFunctionToCallStack("A", "f");
        const CallStackFrame ag = error.AddFunctionToCallStack("A", "g");
        const CallStackFrame bf = error.AddFunctionToCallStack("B", "f");
        EXPECT_EQ(error.RingIndex(), 1) << "same module or same procedure as the newest entry";
        const CallStackFrame bg = error.AddFunctionToCallStack("B", "g");
        EXPECT_EQ(error.RingIndex(), 2);
        EXPECT_EQ(error.Entry(2).Funktion, "g");
        const CallStackFrame again = error.AddFunctionToCallStack("B", "g", true);
        EXPECT_EQ(error.RingIndex(), 3) << "AddAllways records a repeat";
    }
    EXPECT_EQ(error.RingIndex(), 0);

    clsError twelve;
    Nested(twelve, 1, 12, [&] {
        EXPECT_EQ(twelve.RingIndex(), 1) << "wraps after eleven entries";
        EXPECT_EQ(twelve.Entry(0).Modul + twelve.Entry(1).Modul + twelve.Entry(2).Modul, "M11M12M2");
    });

    clsError two;
    Nested(two, 1, 2, [&] {
        EXPECT_EQ(two.GetCallStack(4), "2: [" + two.Entry(2).Zeit + "] M2 - f2\r\n1: [" + two.Entry(1).Zeit +
                                           "] M1 - f1\r\n0: []  - \r\n")
            << "index 2, 1, 0 and no wrap to 10";
    });
    clsError eight;
    Nested(eight, 1, 8, [&] {
        const std::string five = eight.GetCallStack(4);
        EXPECT_EQ(std::count(five.begin(), five.end(), '\n'), 5);
        EXPECT_EQ(five.rfind("8: ", 0), 0u) << "newest first, five lines down to 4";
    });
}

TEST(CallStackRing, AnEndedCallLeavesTheRingAsItFoundItAlsoBeyondElevenDeep)
{
    clsError error;
    Nested(error, 1, 3, [&] {
        const std::string before = error.GetCallStack(10);
        Nested(error, 4, 20, [] {});
        EXPECT_EQ(error.GetCallStack(10), before) << "the entries written over come back";
        try {
            Nested(error, 21, 22, [] { throw std::runtime_error("left by an error"); });
        } catch (const std::runtime_error&) {
        }
        EXPECT_EQ(error.GetCallStack(10), before);
        const CallStackFrame repeat = error.AddFunctionToCallStack("M3", "other");
        EXPECT_EQ(error.GetCallStack(10), before) << "a call not recorded takes nothing away when it ends";
    });
    EXPECT_EQ(error.RingIndex(), 0);
    EXPECT_EQ(error.GetCallStack(4), "0: []  - \r\n");
}

TEST(ErrorReporter, StoresTheErrorAndShowsTheWindowUnlessSilent)
{
    RecordingSeam seam;
    clsError error;
    error.ErrorMsg("clsFileHandler", "OpenFile", true, 53, "File not found");
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_EQ(error.ErrorModul() + "/" + error.ErrorFunction() + "/" + std::to_string(error.ErrorNumber()) + " " +
                  error.ErrorDescription(),
              "clsFileHandler/OpenFile/53 File not found");
    EXPECT_TRUE(error.Error());
    EXPECT_FALSE(error.Error()) << "reading the flag clears it";
    error.ErrorMsg("modCommon", "Zelo_Oeffnen", false, 62, "Input past end of file");
    EXPECT_EQ(seam.errorWindows, 1);
}

TEST(ErrorReporter, MessageFormNamesProcedureKindAndModule)
{
    EXPECT_EQ(ErrorMessageText(9, "Subscript out of range", "Sprache", ModuleKind::Class, "clsOptions"),
              "Error 9 (Subscript out of range) in procedure Sprache of Klassenmodul clsOptions");
    RecordingSeam seam;
    ShowErrorMessage(6, "Overflow", "Form_Load", ModuleKind::Form, "frmMain");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Error 6 (Overflow) in procedure Form_Load of Formular frmMain");
    EXPECT_EQ(seam.messages[0].title, "KPW ZELO");
}
