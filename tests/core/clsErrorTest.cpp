#include "core/clsError.h"

#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Records calls M<first>/f<first> .. so that each differs from the previous in module and procedure.
void RecordCalls(clsError& error, int n, int first = 1)
{
    for (int i = first; i < first + n; ++i) error.AddFunctionToCallStack("M" + std::to_string(i), "f" + std::to_string(i));
}

}

TEST(CallStackRing, RecordsOnlyRealChangesWrapsAndListsNewestFirstWithoutWrapping)
{
    clsError error;
    for (const auto& [modul, funktion, index] :
         {std::tuple{"A", "f", 1}, {"A", "g", 1}, {"B", "f", 1}, {"B", "g", 2}}) {
        error.AddFunctionToCallStack(modul, funktion);
        EXPECT_EQ(error.RingIndex(), index) << modul << funktion;
    }
    EXPECT_EQ(error.Entry(2).Funktion, "g");
    error.AddFunctionToCallStack("B", "g", true);
    EXPECT_EQ(error.RingIndex(), 3) << "AddAllways records a repeat";

    clsError twelve;
    RecordCalls(twelve, 12);
    EXPECT_EQ(twelve.RingIndex(), 1) << "wraps after eleven entries";
    EXPECT_EQ(twelve.Entry(0).Modul + twelve.Entry(1).Modul + twelve.Entry(2).Modul, "M11M12M2");

    clsError two;
    RecordCalls(two, 2);
    EXPECT_EQ(two.GetCallStack(4), "2: [" + two.Entry(2).Zeit + "] M2 - f2\r\n1: [" + two.Entry(1).Zeit +
                                       "] M1 - f1\r\n0: []  - \r\n")
        << "index 2, 1, 0 and no wrap to 10";
    clsError eight;
    RecordCalls(eight, 8);
    const std::string five = eight.GetCallStack(4);
    EXPECT_EQ(std::count(five.begin(), five.end(), '\n'), 5);
    EXPECT_EQ(five.rfind("8: ", 0), 0u) << "newest first, five lines down to 4";
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
