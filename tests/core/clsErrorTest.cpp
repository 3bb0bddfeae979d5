#include "core/clsError.h"

#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

namespace {

// Records n distinct calls so that each one differs from the previous in module and procedure.
void RecordCalls(clsError& error, int n, int first = 1)
{
    for (int i = first; i < first + n; ++i) error.AddFunctionToCallStack("M" + std::to_string(i), "f" + std::to_string(i));
}

}

TEST(CallStackRing, RecordsOnlyWhenModuleAndProcedureBothDiffer)
{
    clsError error;
    error.AddFunctionToCallStack("A", "f");
    EXPECT_EQ(error.RingIndex(), 1);
    error.AddFunctionToCallStack("A", "g");
    EXPECT_EQ(error.RingIndex(), 1) << "same module is not recorded";
    error.AddFunctionToCallStack("B", "f");
    EXPECT_EQ(error.RingIndex(), 1) << "same procedure is not recorded";
    error.AddFunctionToCallStack("B", "g");
    EXPECT_EQ(error.RingIndex(), 2);
    EXPECT_EQ(error.Entry(2).Modul, "B");
    EXPECT_EQ(error.Entry(2).Funktion, "g");
    error.AddFunctionToCallStack("B", "g", true);
    EXPECT_EQ(error.RingIndex(), 3) << "AddAllways records a repeat";
    EXPECT_EQ(error.Entry(0).Modul, "") << "entry 0 stays empty until the ring wraps";
}

TEST(CallStackRing, WrapsAfterElevenEntries)
{
    clsError error;
    RecordCalls(error, 12);
    EXPECT_EQ(error.RingIndex(), 1);
    EXPECT_EQ(error.Entry(0).Modul, "M11");
    EXPECT_EQ(error.Entry(1).Modul, "M12");
    EXPECT_EQ(error.Entry(10).Modul, "M10");
    EXPECT_EQ(error.Entry(1).Zeit.size(), 19u);
}

TEST(CallStackRing, ListingIsNewestFirstAndDoesNotWrap)
{
    clsError error;
    RecordCalls(error, 2);
    const std::string listing = error.GetCallStack(4);
    const std::string time = error.Entry(2).Zeit;
    EXPECT_EQ(listing.rfind("2: [" + time + "] M2 - f2\r\n", 0), 0u);
    EXPECT_NE(listing.find("1: [" + error.Entry(1).Zeit + "] M1 - f1\r\n"), std::string::npos);
    EXPECT_NE(listing.find("0: []  - \r\n"), std::string::npos) << "the empty entry 0 is listed";
    size_t lines = 0;
    for (char c : listing) lines += c == '\n';
    EXPECT_EQ(lines, 3u) << "index 2, 1, 0 and no wrap to 10";

    clsError full;
    RecordCalls(full, 8);
    const std::string five = full.GetCallStack(4);
    lines = 0;
    for (char c : five) lines += c == '\n';
    EXPECT_EQ(lines, 5u);
    EXPECT_EQ(five.rfind("8: ", 0), 0u);
    EXPECT_NE(five.find("4: ["), std::string::npos);
    EXPECT_EQ(five.find("3: ["), std::string::npos);
}

TEST(ErrorReporter, StoresTheErrorAndShowsTheWindowUnlessSilent)
{
    RecordingSeam seam;
    clsError error;
    error.ErrorMsg("clsFileHandler", "OpenFile", true, 53, "File not found");
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_EQ(error.ErrorModul(), "clsFileHandler");
    EXPECT_EQ(error.ErrorFunction(), "OpenFile");
    EXPECT_EQ(error.ErrorNumber(), 53);
    EXPECT_EQ(error.ErrorDescription(), "File not found");
    EXPECT_TRUE(error.Error());
    EXPECT_FALSE(error.Error()) << "reading the flag clears it";

    error.ErrorMsg("modCommon", "Zelo_Oeffnen", false, 62, "Input past end of file");
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(error.ErrorNumber(), 62);
    error.setError(true);
    EXPECT_TRUE(error.Error());
}

TEST(ErrorReporter, MessageFormNamesProcedureKindAndModule)
{
    EXPECT_EQ(ErrorMessageText(9, "Subscript out of range", "Sprache", ModuleKind::Class, "clsOptions"),
              "Error 9 (Subscript out of range) in procedure Sprache of Klassenmodul clsOptions");
    RecordingSeam seam;
    ShowErrorMessage(6, "Overflow", "Form_Load", ModuleKind::Form, "frmMain");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Error 6 (Overflow) in procedure Form_Load of Formular frmMain");
    EXPECT_EQ(seam.messages[0].buttons, zelo::MsgButtons::OK);
    EXPECT_EQ(seam.messages[0].title, "KPW ZELO");
}
