// The readers' line limit at its boundary: a last line of exactly the limit's length in bytes, not
// counting its line end, is read with either line end and without one; one byte more is refused
// with the message that names the file. For the raw spectrum, the curve file, the form-factor table
// and the background support points alike.
#include "CurvesTest.h"

#include "core/clsLanguage.h"
#include "curves/LeseHilfen.h"

#include <cmath>
#include <functional>

namespace {

struct Leser {
    const char* name;
    const char* extension;
    // The rows before the last line.
    std::string zeilen;
    // The last line's data, padded with blanks to the length asked for.
    std::string letzte;
    // Reads the project's file; false when it was refused.
    std::function<bool()> lesen;
    // Whether the last line's value was taken.
    std::function<bool()> letzteGenommen;
};

std::string Zeilen(int32_t n, const std::function<std::string(int32_t)>& zeile)
{
    std::string text;
    for (int32_t i = 0; i < n; ++i) text += zeile(i) + "\r\n";
    return text;
}

class Zeilengrenze : public CurvesTest {
protected:
    void SetUp() override
    {
        CurvesTest::SetUp();
        // The form-factor table is read a little beyond the working curve (K up to 149.9), the
        // support points up to its end.
        Load(0.0f, 0.1f, std::vector<float>(1500, 1000.0f));
    }

    static std::vector<Leser> AlleLeser()
    {
        const float y30 = 1000.0f / 500.0f * 100.0f;
        return {
            {"raw spectrum", ".dat", Zeilen(30, [](int32_t i) { return std::to_string(i) + " 500 " + std::to_string(100 + i); }),
             "30 500 1000", [] { return gInput->Spektrum_Oeffnen(); },
             [y30] { return gInput->Maximum_Y() == y30; }},
            {"curve file", ".fit", Zeilen(30, [](int32_t i) { return std::to_string(0.1 * i) + "\t" + std::to_string(100 + i); }),
             "3.0\t1000", [] { return gInput->Datei_Oeffnen(); }, [] { return gInput->Maximum_Y() == 1000.0f; }},
            // s in 1/Å; the last row at s = 1.05 (K = 131.9 1/nm) stands out of the flat table.
            {"form-factor table", ".fmk", Zeilen(21, [](int32_t i) { return std::to_string(0.05 * i) + "\t1"; }),
             "1.05\t50", [] { return gInput->FMK_Oeffnen(gCommon->Dateiname_Rohdaten()); },
             [] { return std::fabs(gInput->Y(1320) - 50.0f) < 1.0f; }},
            {"background support points", ".ugs", Zeilen(5, [](int32_t i) { return std::to_string(10 * (i + 1)) + "\t500"; }),
             "60\t450",
             [] {
                 gError->setError(false);
                 gUntergrund->Untergrund_Einlesen(gCommon->Dateiname_Rohdaten());
                 return !gError->Error();
             },
             [] { return gUntergrund->Anzahl() == 6 && gUntergrund->UX(6) == 60.0f; }},
        };
    }

    // The file of the reader whose last line holds bytes bytes and ends with ende.
    void Schreiben(const Leser& leser, size_t bytes, const std::string& ende) const
    {
        std::string letzte = leser.letzte;
        letzte.resize(bytes, ' ');
        OpenProject(std::string("grenze") + leser.extension, leser.zeilen + letzte + ende);
    }
};

}

TEST_F(Zeilengrenze, ALastLineOfTheLimitsLengthIsReadOneByteMoreIsRefused)
{
    const size_t grenze = lese::kMaxZeilenBytes;
    for (const Leser& leser : AlleLeser()) {
        for (const std::string ende : {"", "\n", "\r\n"}) {
            SCOPED_TRACE(std::string(leser.name) + (ende.empty() ? " without a line end" : ende == "\n" ? " LF" : " CR LF"));
            Schreiben(leser, grenze, ende);
            seam.errorWindows = 0;
            EXPECT_TRUE(leser.lesen());
            EXPECT_EQ(seam.errorWindows, 0);
            EXPECT_TRUE(leser.letzteGenommen()) << "the last line is taken";

            Schreiben(leser, grenze + 1, ende);
            seam.messages.clear();
            EXPECT_FALSE(leser.lesen());
            const std::string grund = gLanguage->Caption(475) + ": " + gCommon->Dateiname_Rohdaten() + " (> 1024 KB)";
            // The form-factor table reader tells it in a plain message, the others in the error window.
            const bool tabelle = leser.extension == std::string(".fmk");
            EXPECT_EQ(seam.errorWindows, tabelle ? 0 : 1);
            if (tabelle) {
                ASSERT_EQ(seam.messages.size(), 1u);
                EXPECT_NE(seam.messages[0].text.find(grund), std::string::npos) << seam.messages[0].text;
            } else {
                EXPECT_EQ(gError->ErrorDescription(), grund);
            }
        }
    }
}
