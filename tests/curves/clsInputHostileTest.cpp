// Every reader of clsInput reports x going back (damaged and hostile files: fuzz/fuzz_curve_files.cpp,
// fuzz_raw_spectrum.cpp, fuzz_form_factor.cpp).
#include "CurvesTest.h"
#include "core/clsLanguage.h"

class HostileInputTest : public CurvesTest {};

TEST_F(HostileInputTest, XGoingBackIsReportedAsSuchByEveryReader)
{
    const auto reports = [&](const char* name, const std::string& rows, const std::function<bool()>& read) {
        seam.errorWindows = 0;
        OpenProject(name, rows);
        EXPECT_FALSE(read()) << name;
        EXPECT_EQ(seam.errorWindows, 1) << name;
        EXPECT_EQ(gError->ErrorDescription(), gLanguage->Caption(440) + ": " + PathOf(name));
    };
    reports("back.dat", "0 500 10\r\n1 500 11\r\n2 500 12\r\n1.5 500 13\r\n3 500 14\r\n",
            [] { return gInput->Spektrum_Oeffnen(); });
    reports("back.fit", "0\t10\r\n0.1\t11\r\n0.3\t12\r\n0.15\t13\r\n0.4\t14\r\n", [] { return gInput->Datei_Oeffnen(); });
    Load(0.0f, 0.1f, std::vector<float>(100, 1.0f));
    reports("back.fmk", "0\t6\r\n0.01\t5\r\n0.02\t5.5\r\n0.015\t5\r\n0.03\t4\r\n",
            [] { return gInput->FMK_Oeffnen(gCommon->Dateiname_Rohdaten()); });
}
