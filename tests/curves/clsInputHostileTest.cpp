// Every reader of clsInput meets damaged and hostile files with a clear error or a clean skip.
#include "CurvesTest.h"
#include "core/clsLanguage.h"

#include <array>
#include <cmath>
#include <random>

namespace {

enum Reader { Raw, Curve, FormFactor };

struct HostileFile {
    const char* name;
    std::string content;
    std::array<bool, 3> readable;  // whether good rows around the damage still give a curve, by reader
};

std::vector<HostileFile> HostileFiles(const std::string& sep, const std::string& goodRows)
{
    std::mt19937 random(7);
    std::string garbage(65536, '\0');
    for (char& c : garbage) c = static_cast<char>(random() & 0xFF);
    std::string crOnly = goodRows;
    std::erase(crOnly, '\n');
    return {
        {"empty", "", {false, false, false}},
        {"binary garbage", garbage, {false, false, false}},
        // No curve has a line of a megabyte: the file is refused before the rest is read.
        {"10 MB line before the data", std::string(10'000'000, '7') + "\r\n" + goodRows, {false, false, false}},
        {"10 MB line of words", std::string(10'000'000, 'x') + "\r\n", {false, false, false}},
        // The curve reader pairs numbers across lines: "500 2" of the damage comes before x = 0.
        {"NaN and 1e999 among good rows",
         "nan" + sep + "500" + sep + "1\r\n1e999" + sep + "500" + sep + "2\r\n" + goodRows + "3" + sep + "nan" + sep +
             "5\r\n4" + sep + "1e999" + sep + "7\r\n",
         {true, false, true}},
        {"only NaN and 1e999", "nan" + sep + "nan" + sep + "nan\r\n1e999" + sep + "1e999" + sep + "-1e999\r\n",
         {false, false, false}},
        // Line readers see one line; the curve reader takes any white space between numbers.
        {"CR-only line ends", crOnly, {false, true, false}},
    };
}

class HostileInputTest : public CurvesTest {
protected:
    // Runs a reader over each hostile file: it ends, and either reads a finite curve or shows a report:
    // the error window, or the form-factor table reader's plain message.
    void Feed(const std::string& separator, const char* extension, Reader reader, const std::function<bool()>& read)
    {
        // Good rows "x time counts" for the raw reader, "x y" for the others.
        std::string goodRows;
        for (int32_t i = 0; i < 30; ++i)
            goodRows += reader == Raw ? std::to_string(i) + " 500 " + std::to_string(100 + i) + "\r\n"
                                      : std::to_string(0.05 * i) + "\t" + std::to_string(100 + i) + "\r\n";
        for (const auto& file : HostileFiles(separator, goodRows)) {
            SCOPED_TRACE(file.name);
            seam.errorWindows = 0;
            seam.messages.clear();
            OpenProject(std::string("hostile") + extension, file.content);
            const bool result = read();
            EXPECT_EQ(result, file.readable[reader]);
            EXPECT_EQ(seam.errorWindows, result || reader == FormFactor ? 0 : 1);
            EXPECT_EQ(seam.messages.size(), result || reader != FormFactor ? 0u : 1u);
            for (int32_t i = 1; result && i <= gInput->Punkte(); ++i) ASSERT_TRUE(std::isfinite(gInput->Y(i)));
        }
    }
};

TEST_F(HostileInputTest, EveryReader)
{
    Feed(" ", ".dat", Raw, [] { return gInput->Spektrum_Oeffnen(); });
    Feed("\t", ".fit", Curve, [] { return gInput->Datei_Oeffnen(); });
    Load(0.0f, 0.1f, std::vector<float>(100, 1.0f));
    Feed("\t", ".fmk", FormFactor, [] { return gInput->FMK_Oeffnen(gCommon->Dateiname_Rohdaten()); });
}

TEST_F(HostileInputTest, XGoingBackIsReportedAsSuchByEveryReader)
{
    const auto reports = [&](const char* name, const std::string& rows, const std::function<bool()>& read) {
        seam.errorWindows = 0;
        seam.messages.clear();
        OpenProject(name, rows);
        EXPECT_FALSE(read()) << name;
        const std::string grund = gLanguage->Caption(440) + ": " + PathOf(name);
        if (std::string(name).ends_with(".fmk")) {
            EXPECT_EQ(seam.errorWindows, 0) << name;
            ASSERT_EQ(seam.messages.size(), 1u) << name;
            EXPECT_NE(seam.messages[0].text.find("\r\n" + grund + "\r\n"), std::string::npos) << seam.messages[0].text;
        } else {
            EXPECT_EQ(seam.errorWindows, 1) << name;
            EXPECT_EQ(gError->ErrorDescription(), grund);
        }
    };
    reports("back.dat", "0 500 10\r\n1 500 11\r\n2 500 12\r\n1.5 500 13\r\n3 500 14\r\n",
            [] { return gInput->Spektrum_Oeffnen(); });
    reports("back.fit", "0\t10\r\n0.1\t11\r\n0.3\t12\r\n0.15\t13\r\n0.4\t14\r\n", [] { return gInput->Datei_Oeffnen(); });
    Load(0.0f, 0.1f, std::vector<float>(100, 1.0f));
    reports("back.fmk", "0\t6\r\n0.01\t5\r\n0.02\t5.5\r\n0.015\t5\r\n0.03\t4\r\n",
            [] { return gInput->FMK_Oeffnen(gCommon->Dateiname_Rohdaten()); });
}

}
