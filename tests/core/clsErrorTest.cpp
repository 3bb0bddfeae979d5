#include "core/clsError.h"

#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

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
        const CallStackFrame repeat = error.AddFunctionToCallStack("M3", "other");
        EXPECT_EQ(error.GetCallStack(10), before) << "a call not recorded takes nothing away when it ends";
        // Routines an error left stay until it is reported, also beyond eleven deep.
        try {
            Nested(error, 4, 22, [] { throw std::runtime_error("left by an error"); });
        } catch (const std::runtime_error&) {
        }
        EXPECT_EQ(error.Entry(error.RingIndex()).Modul, "M22");
        error.ErrorMsg("M3", "f3", true, 5, "reported");
        EXPECT_EQ(error.GetCallStack(10), before) << "the entries written over come back";
    });
    EXPECT_EQ(error.RingIndex(), 0);
    EXPECT_EQ(error.GetCallStack(4), "0: []  - \r\n");
}

namespace {

// Keeps the call stack that each error window of one reporter shows.
class StackSeam : public RecordingSeam {
public:
    explicit StackSeam(const clsError& error) : error_(error) {}
    std::vector<std::string> stacks;
    void ShowErrorWindow() override
    {
        RecordingSeam::ShowErrorWindow();
        stacks.push_back(error_.GetCallStack(4));
    }

private:
    const clsError& error_;
};

// The routine names of a listing, newest first.
std::vector<std::string> Routines(const std::string& stack)
{
    std::vector<std::string> names;
    for (size_t start = 0, end; (end = stack.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = stack.substr(start, end - start);
        names.push_back(line.substr(line.find("] ") + 2));
    }
    return names;
}

}

TEST(CallStackOfAnError, NamesEveryRoutineItLeftForItsOwnReportOnly)
{
    clsError error;
    StackSeam seam(error);
    const auto innen = [&] {
        const CallStackFrame frame = error.AddFunctionToCallStack("clsInnen", "Teilen");
        rt::Raise(rt::errDivisionByZero);
    };
    const auto mitte = [&] {
        const CallStackFrame frame = error.AddFunctionToCallStack("clsMitte", "Rechnen");
        innen();
    };
    const auto aussen = [&] {
        const CallStackFrame frame = error.AddFunctionToCallStack("clsAussen", "Auswerten");
        try {
            mitte();
        } catch (const rt::RuntimeError& e) {
            // A clean-up that records itself before the report takes nothing of the error's away.
            { const CallStackFrame aufraeumen = error.AddFunctionToCallStack("clsFileHandler", "CloseFile"); }
            error.Report("clsAussen", "Auswerten", e);
            // Still in the handler, where nothing tells a reported error from one on its way.
            error.ErrorMsg("clsAussen", "Auswerten", false, 5, "the next error, in the same handler");
        }
        error.ErrorMsg("clsAussen", "Auswerten", false, 5, "the next error, in the same routine");
    };
    aussen();
    error.ErrorMsg("modCommon", "Danach", false, 5, "an error after every routine has ended");

    ASSERT_EQ(seam.stacks.size(), 4u);
    EXPECT_EQ(Routines(seam.stacks[0]), (std::vector<std::string>{"clsInnen - Teilen", "clsMitte - Rechnen",
                                                                   "clsAussen - Auswerten", " - "}))
        << "innermost first:\n" << seam.stacks[0];
    for (const size_t later : {1, 2})
        EXPECT_EQ(Routines(seam.stacks[later]), (std::vector<std::string>{"clsAussen - Auswerten", " - "}))
            << seam.stacks[later];
    EXPECT_EQ(Routines(seam.stacks[3]), (std::vector<std::string>{" - "})) << seam.stacks[3];
    EXPECT_EQ(error.RingIndex(), 0);

    // An error that nobody reports is over when the routine that caught it returns.
    {
        const CallStackFrame frame = error.AddFunctionToCallStack("clsAussen", "Pruefen");
        try {
            mitte();
        } catch (const rt::RuntimeError&) {
        }
    }
    error.ErrorMsg("modCommon", "Danach", false, 5, "");
    EXPECT_EQ(Routines(seam.stacks.back()), (std::vector<std::string>{" - "})) << seam.stacks.back();

    // Nor is it part of a later error while the routine that caught it goes on.
    {
        const CallStackFrame frame = error.AddFunctionToCallStack("clsAussen", "Pruefen");
        try {
            mitte();
        } catch (const rt::RuntimeError&) {
        }
        error.ErrorMsg("clsAussen", "Pruefen", false, 5, "");
        EXPECT_EQ(Routines(seam.stacks.back()), (std::vector<std::string>{"clsAussen - Pruefen", " - "}));
        try {
            mitte();
        } catch (const rt::RuntimeError&) {
        }
        try {
            innen();
        } catch (const rt::RuntimeError& e) {
            error.Report("clsAussen", "Pruefen", e);
        }
        EXPECT_EQ(Routines(seam.stacks.back()),
                  (std::vector<std::string>{"clsInnen - Teilen", "clsAussen - Pruefen", " - "}))
            << seam.stacks.back();
    }
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
