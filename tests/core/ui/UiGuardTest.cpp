#include "core/ui/UiGuard.h"

#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

class UiGuardTest : public testing::Test, protected TestWorld {
protected:
    void SetUp() override
    {
        gIK->setPunkte(3);
        gUntergrund->Plus_Punkt(1.0f, 2.0f);
    }

    // Runs a click handler that reads one value and then goes on; true when it reached its end.
    bool Click(const std::function<float()>& read, float& value)
    {
        return UiGuard("frmTest", "cmdTest_Click", [&] {
            value = read();
            return true;
        });
    }
};

struct Getter {
    const char* procedure;
    std::function<float()> read;
    // The read that yields 0 without a message stores the error all the same.
    bool silent;
};

}

TEST_F(UiGuardTest, GetterFaultsAndWhateverEscapesAHandlerAreReportedOnce)
{
    const std::vector<Getter> getters = {
        {"Y (Get)", [] { return gIK->Y(4); }, true},
        {"Y_2 (Get)", [] { return gIK->Y_2(0); }, false},
        {"Y_Wichtung (Get)", [] { return gIK->Y_Wichtung(-1); }, false},
        {"Set_Y", [] { gIK->Set_Y(4, 1.0f); return 0.0f; }, false},
        {"UX (Get)", [] { return gUntergrund->UX(2); }, false},
        {"UGE (Get)", [] { return gUntergrund->UGE(1); }, false},
    };
    for (const Getter& getter : getters) {
        SCOPED_TRACE(getter.procedure);
        gError->setError(false);
        const int windowsBefore = seam.errorWindows;
        float value = -1.0f;
        EXPECT_TRUE(Click(getter.read, value));
        EXPECT_EQ(value, 0.0f);
        EXPECT_EQ(gError->ErrorFunction(), getter.procedure);
        EXPECT_EQ(gError->ErrorNumber(), 9);
        EXPECT_EQ(seam.errorWindows - windowsBefore, getter.silent ? 0 : 1);
    }
    EXPECT_TRUE(seam.messages.empty());

    // The fitted background and its K have no failure: beyond the fit they are 0.
    gError->setError(false);
    EXPECT_EQ(UiGuard("frmTest", "cmdTest_Click", [] { return gUntergrund->Y(99) + gUntergrund->x(0); }), 0.0f);
    EXPECT_FALSE(gError->Error());

    // Whatever escapes a handler is reported once under its name.
    const int before = seam.errorWindows;
    EXPECT_EQ(UiGuard("frmTest", "cmdA_Click", []() -> int { throw rt::RuntimeError(rt::errOverflow); }), 0);
    EXPECT_EQ(gError->ErrorDescription(), "Overflow");
    EXPECT_EQ(UiGuard("frmTest", "cmdB_Click", []() -> int { throw std::bad_alloc(); }), 0);
    EXPECT_EQ(gError->ErrorNumber(), rt::errOutOfMemory);
    UiGuard("frmTest", "cmdC_Click", [] { throw 42; });
    EXPECT_EQ(gError->ErrorModul() + "." + gError->ErrorFunction(), "frmTest.cmdC_Click");
    EXPECT_EQ(gError->ErrorNumber(), rt::errInvalidCall);
    EXPECT_EQ(seam.errorWindows - before, 3);
}
