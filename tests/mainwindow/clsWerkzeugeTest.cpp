// The tool buttons' mode rules: the display-mode flags a click sets and clears, the buttons' own
// changes, the groups, the keys and the step-back offer.
#include "mainwindow/clsWerkzeuge.h"

#include "core/KurvenTyp.h"
#include "core/modCommon.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class WerkzeugeTest : public ::testing::Test {
protected:
    WerkzeugeTest()
    {
        Flags_Aus();
        tools.setBereit(true);
        tools.Toggle_Zoom_Visible(true);
        tools.Toggle_Tool_0_Visible(true);
        tools.Toggle_Tool_1_Visible(true);
        tools.Toggle_Tool_Kurve_Visible(true);
    }
    ~WerkzeugeTest() override
    {
        Flags_Aus();
        gSchritt = 0;
    }
    static void Flags_Aus()
    {
        gModus_Zoom = gModus_Bereich = gModus_Verschieben = gModus_Hoehe = gModus_Breite = false;
        gModus_Fit = gModus_Peaks = false;
    }
    // The pressed buttons among 3, 5, 7, 9, 10 as digits, e.g. "3 5".
    std::string Gedrueckt() const
    {
        std::string s;
        for (int32_t i : {3, 5, 7, 9, 10})
            if (tools.Value(i)) s += (s.empty() ? "" : " ") + std::to_string(i);
        return s;
    }
    clsWerkzeuge tools;
};

}

TEST(WerkzeugeStart, OnlyNewAndSaveShowAndClicksWaitForTheWindow)
{
    clsWerkzeuge tools;
    for (int32_t i = 1; i <= kWerkzeuge; ++i) EXPECT_EQ(tools.Visible(i), i <= 2) << "tool " << i;
    EXPECT_FALSE(tools.Visible(0));
    EXPECT_FALSE(tools.Visible(26));
    EXPECT_EQ(tools.cmdTool_Click(1).Aktion, Werkzeugaktion::Keine) << "window not built yet";
    tools.setBereit(true);
    EXPECT_EQ(tools.cmdTool_Click(1).Aktion, Werkzeugaktion::NeuesProjekt);
    EXPECT_EQ(tools.cmdTool_Click(26).Aktion, Werkzeugaktion::Keine);
}

TEST_F(WerkzeugeTest, EditingModesExcludeEachOtherAndTheActiveOneStaysOn)
{
    tools.cmdTool_Click(7);
    EXPECT_TRUE(gModus_Verschieben);
    tools.cmdTool_Click(5);
    EXPECT_TRUE(gModus_Bereich);
    EXPECT_FALSE(gModus_Verschieben || gModus_Hoehe || gModus_Breite);
    EXPECT_EQ(Gedrueckt(), "5");

    tools.cmdTool_Click(5);
    EXPECT_TRUE(gModus_Bereich) << "a second click keeps the tool on";
    EXPECT_EQ(Gedrueckt(), "5");

    tools.cmdTool_Click(10);
    EXPECT_EQ(Gedrueckt(), "10");
    EXPECT_TRUE(gModus_Breite && !gModus_Bereich);
}

TEST_F(WerkzeugeTest, ZoomClearsTheEditingModesAndOneToOneEndsEverything)
{
    gModus_Fit = true;
    tools.cmdTool_Click(9);
    tools.cmdTool_Click(3);
    EXPECT_TRUE(gModus_Zoom);
    EXPECT_FALSE(gModus_Hoehe);
    EXPECT_TRUE(gModus_Fit) << "zoom leaves the fit mark alone";
    EXPECT_EQ(Gedrueckt(), "3");

    tools.cmdTool_Click(5);
    EXPECT_TRUE(gModus_Zoom && gModus_Bereich) << "range while zooming keeps zoom";
    EXPECT_EQ(Gedrueckt(), "3 5");

    EXPECT_EQ(tools.cmdTool_Click(4).Aktion, Werkzeugaktion::GanzeKurve);
    EXPECT_FALSE(gModus_Zoom || gModus_Bereich);
    EXPECT_EQ(Gedrueckt(), "");

    tools.cmdTool_Click(3);
    tools.cmdTool_Click(3);
    EXPECT_FALSE(gModus_Zoom) << "zoom follows its button off";
}

TEST_F(WerkzeugeTest, OptionButtonsReleaseEachOtherOnlyOnAClick)
{
    tools.cmdTool_Click(13);
    tools.setValue(20, true);
    EXPECT_EQ(tools.cmdTool_Click(14).Aktion, Werkzeugaktion::Schritt);
    EXPECT_FALSE(tools.Value(13));
    EXPECT_TRUE(tools.Value(14));
    EXPECT_TRUE(tools.Value(20)) << "a toggle is not an option";

    tools.setValue(15, true);
    EXPECT_TRUE(tools.Value(14)) << "set by the program, only that button changes";
    tools.setValue(1, true);
    EXPECT_FALSE(tools.Value(1)) << "push buttons keep no value";

    tools.setEnabled(16, false);
    EXPECT_EQ(tools.cmdTool_Click(16).Aktion, Werkzeugaktion::Keine);
    EXPECT_FALSE(tools.Value(16));
    EXPECT_EQ(tools.cmdTool_Click(21).Aktion, Werkzeugaktion::Keine) << "hidden";
}

TEST_F(WerkzeugeTest, CommandsOfTheOtherTools)
{
    const Werkzeugbefehl schritt = tools.cmdTool_Click(17);
    EXPECT_EQ(schritt.Aktion, Werkzeugaktion::Schritt);
    EXPECT_EQ(schritt.Werkzeug, 17);
    EXPECT_EQ(tools.cmdTool_Click(8).Aktion, Werkzeugaktion::Spiegeln);
    gSchritt = 11;
    EXPECT_EQ(tools.cmdTool_Click(19).Kurventyp, KT_GR);
    gSchritt = 12;
    EXPECT_EQ(tools.cmdTool_Click(19).Kurventyp, KT_IK_Wichtung);

    EXPECT_EQ(tools.cmdTool_Click(25).Aktion, Werkzeugaktion::Peaks);
    EXPECT_TRUE(gModus_Peaks);
    tools.cmdTool_Click(25);
    EXPECT_FALSE(gModus_Peaks);
}

TEST_F(WerkzeugeTest, NothingSetIgnoresThePeakViewAndTheResetKeepsZoomAndPeaks)
{
    gModus_Peaks = true;
    EXPECT_TRUE(clsWerkzeuge::GUI_SET_IS_NICHTS());
    gModus_Fit = true;
    EXPECT_FALSE(clsWerkzeuge::GUI_SET_IS_NICHTS());

    tools.cmdTool_Click(3);
    tools.cmdTool_Click(7);
    tools.GUI_SET_TOOLS_NICHTS();
    EXPECT_FALSE(gModus_Verschieben || gModus_Fit);
    EXPECT_TRUE(gModus_Zoom && gModus_Peaks);
    EXPECT_EQ(Gedrueckt(), "3");
}

TEST_F(WerkzeugeTest, KeysActOnlyThroughShownAndEnabledTools)
{
    EXPECT_EQ(tools.Form_KeyUp('X', 2).Aktion, Werkzeugaktion::Keine);
    const Werkzeugbefehl x = tools.Form_KeyUp('X', 4);
    EXPECT_EQ(x.Aktion, Werkzeugaktion::Falten_Verschieben);
    EXPECT_FLOAT_EQ(x.Verschiebung, 0.1f);
    EXPECT_FLOAT_EQ(tools.Form_KeyUp('Y', 4).Verschiebung, -0.1f);
    EXPECT_EQ(tools.Form_KeyUp('N', 12).Aktion, Werkzeugaktion::NeuesProjekt);
    EXPECT_EQ(tools.Form_KeyUp('Q', 4).Aktion, Werkzeugaktion::Keine);

    tools.setValue(16, true);
    const Werkzeugbefehl i = tools.Form_KeyUp('I', 11);
    EXPECT_EQ(i.Werkzeug, 15);
    EXPECT_FALSE(tools.Value(16));
    tools.setValue(15, true);
    EXPECT_EQ(tools.Form_KeyUp('T', 11).Werkzeug, 16) << "T switches from I(K) to G(r)";
    EXPECT_FALSE(tools.Value(15));
    EXPECT_EQ(tools.Form_KeyUp('T', 12).Werkzeug, 15);

    tools.setEnabled(16, false);
    EXPECT_EQ(tools.Form_KeyUp('G', 11).Aktion, Werkzeugaktion::Keine);
    tools.setValue(15, true);
    EXPECT_EQ(tools.Form_KeyUp('T', 11).Aktion, Werkzeugaktion::Keine);
    EXPECT_TRUE(tools.Value(15)) << "a key that does not act changes nothing";
    EXPECT_EQ(tools.Form_KeyUp('F', 11).Aktion, Werkzeugaktion::FT_AI_Umschalten);
    tools.Toggle_Tool_1_Visible(false);
    EXPECT_EQ(tools.Form_KeyUp('F', 11).Aktion, Werkzeugaktion::Keine);
    EXPECT_EQ(tools.Form_KeyUp('I', 11).Aktion, Werkzeugaktion::Keine);
}

TEST_F(WerkzeugeTest, GroupsStepBackOfferAndReset)
{
    tools.Toggle_Tool_2_Visible(true);
    tools.Toggle_Tool_1_Visible(false);
    for (int32_t i = 13; i <= 25; ++i) {
        const bool erwartet = i == 21 || i == 22 || i == 25;
        EXPECT_EQ(tools.Visible(i), erwartet) << "tool " << i;
    }
    tools.Toggle_Tool_0_Enabled(false);
    for (int32_t i = 5; i <= 12; ++i) EXPECT_EQ(tools.Enabled(i), i < 7 || i > 10) << "tool " << i;

    EXPECT_TRUE(tools.SeperatorBack(0)) << "offered from the start";
    tools.Toggle_RohdatenSeperator(0);
    tools.Toggle_RohdatenSeperator(2, true);
    EXPECT_EQ(tools.Width(13), 35);
    EXPECT_TRUE(tools.Visible(24));
    for (int32_t k = 0; k <= 3; ++k) EXPECT_EQ(tools.SeperatorBack(k), k == 2);
    tools.Toggle_RohdatenSeperator(1, true);
    EXPECT_TRUE(tools.SeperatorBack(1) && tools.SeperatorBack(2)) << "the others stay";
    tools.Toggle_RohdatenSeperator(2);
    EXPECT_EQ(tools.Width(13), 50);
    EXPECT_FALSE(tools.Visible(24));
    for (int32_t k = 0; k <= 3; ++k) EXPECT_FALSE(tools.SeperatorBack(k));

    tools.Toggle_Tool_1_Visible(true);
    tools.cmdTool_Click(15);
    tools.cmdTool_Click(18);
    tools.ResetControls();
    for (int32_t i = 13; i <= 17; ++i) EXPECT_FALSE(tools.Value(i) || tools.Enabled(i)) << "tool " << i;
    EXPECT_TRUE(tools.Value(18) && tools.Enabled(18)) << "Extras is not a step button here";
}
