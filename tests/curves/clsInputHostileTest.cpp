// Every reader of clsInput meets damaged and hostile files with a clear error or a clean skip.
#include "curves/clsInput.h"

#include "CurvesTest.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"

#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace {

enum Reader { Raw, Curve, FormFactor };

struct HostileFile {
    const char* name;
    std::string content;
    // Whether good rows around the damage still give a curve, by reader.
    std::array<bool, 3> readable;
};

std::string GoodRows(const char* separator)
{
    std::string text;
    for (int32_t i = 0; i < 30; ++i) text += std::to_string(0.05 * i) + separator + std::to_string(100 + i) + "\r\n";
    return text;
}

std::vector<HostileFile> HostileFiles(const char* separator, const std::string& goodRows)
{
    std::mt19937 random(7);
    std::string garbage(65536, '\0');
    for (char& c : garbage) c = static_cast<char>(random() & 0xFF);
    std::string crOnly = goodRows;
    std::erase(crOnly, '\n');
    const std::string sep = separator;
    return {
        {"empty", "", {false, false, false}},
        {"binary garbage", garbage, {false, false, false}},
        // A form-factor table takes its separator from its first line.
        {"10 MB line before the data", std::string(10'000'000, '7') + "\r\n" + goodRows, {true, true, false}},
        {"10 MB line of words", std::string(10'000'000, 'x') + "\r\n", {false, false, false}},
        {"NaN and 1e999 among good rows",
         "nan" + sep + "500" + sep + "1\r\n1e999" + sep + "500" + sep + "2\r\n" + goodRows + "3" + sep + "nan" + sep +
             "5\r\n4" + sep + "1e999" + sep + "7\r\n",
         {true, true, true}},
        {"only NaN and 1e999", "nan" + sep + "nan" + sep + "nan\r\n1e999" + sep + "1e999" + sep + "-1e999\r\n",
         {false, false, false}},
        // Line readers see one line; the curve reader takes any white space between numbers.
        {"CR-only line ends", crOnly, {false, true, false}},
    };
}

class HostileInputTest : public CurvesTest {
protected:
    // Runs a reader over each hostile file: it ends, and either reads a curve or shows a report.
    template <class Read>
    void Feed(const std::vector<HostileFile>& files, const char* extension, Reader reader, Read read)
    {
        for (const auto& file : files) {
            SCOPED_TRACE(file.name);
            seam.errorWindows = 0;
            const std::string path = WriteFile(std::string("hostile") + extension, file.content);
            const bool result = read(path);
            EXPECT_EQ(result, file.readable[reader]);
            EXPECT_EQ(seam.errorWindows, result ? 0 : 1);
            if (result) {
                for (int32_t i = 1; i <= gInput->Punkte(); ++i) ASSERT_TRUE(std::isfinite(gInput->Y(i)));
            }
        }
    }
};

TEST_F(HostileInputTest, RawSpectrumReader)
{
    std::string rows;
    for (int32_t i = 0; i < 30; ++i) rows += std::to_string(i) + " 500 " + std::to_string(100 + i) + "\r\n";
    Feed(HostileFiles(" ", rows), ".dat", Raw, [this](const std::string& path) {
        OpenProject(path);
        return gInput->Spektrum_Oeffnen();
    });
}

TEST_F(HostileInputTest, CurveFileReader)
{
    Feed(HostileFiles("\t", GoodRows("\t")), ".fit", Curve, [this](const std::string& path) {
        OpenProject(path);
        return gInput->Datei_Oeffnen();
    });
}

TEST_F(HostileInputTest, FormFactorReader)
{
    for (int32_t i = 1; i <= 100; ++i) gCalc->Punkte_Plus(0.1f * (i - 1), 1.0f);
    Feed(HostileFiles("\t", GoodRows("\t")), ".fmk", FormFactor,
         [](const std::string& path) { return gInput->FMK_Oeffnen(path); });
}

}
