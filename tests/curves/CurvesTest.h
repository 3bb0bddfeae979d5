#pragma once
// The program's world for the curve readers, the working curve and the stage store: a started
// project's stage store and the processing log switched on.
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"
#include "curves/clsSSC.h"
#include "support/TestWorld.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

class CurvesTest : public ::testing::Test, protected TestWorld {
protected:
    void SetUp() override
    {
        gCommon->setEnable_Record(true);
        StartStageStore();
        gOptions->setFaktor_X(1.0f);
    }

    std::string PathOf(const std::string& name) const { return (env.Root() / name).string(); }
    // Writes a file (bytes as given) into the temporary folder; returns its path.
    std::string WriteFile(const std::string& name, const std::string& content) const
    {
        std::ofstream(PathOf(name), std::ios::binary) << content;
        return PathOf(name);
    }
    static std::string ReadFile(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        std::stringstream content;
        content << file.rdbuf();
        return content.str();
    }
    // Writes a file and makes it the project's file, as choosing it in the open dialog does.
    std::string OpenProject(const std::string& name, const std::string& content) const
    {
        const std::string path = WriteFile(name, content);
        gCommon->Set_Dateiname(path);
        return path;
    }
    bool Logged(const std::string& text) const
    {
        return std::find(seam.logLines.begin(), seam.logLines.end(), text) != seam.logLines.end();
    }
    bool LoggedPart(const std::string& text) const
    {
        return std::any_of(seam.logLines.begin(), seam.logLines.end(),
                           [&](const std::string& line) { return line.find(text) != std::string::npos; });
    }
    // The procedure under which the last error window was shown, "" when none was.
    std::string Reported() const { return seam.errorWindows > 0 ? gError->ErrorFunction() : ""; }

    // A raw spectrum of n rows at x = 0, 1, 2, ..., time 1000 ms and counts 10 (i + 1)^2.
    static std::string RawSpectrum(int32_t n)
    {
        std::string text;
        for (int32_t i = 0; i < n; ++i) text += std::to_string(i) + " 1000 " + std::to_string(10 * (i + 1) * (i + 1)) + "\r\n";
        return text;
    }
    // gCalc holds min, min + step, ... with these values; Maximum_X one step beyond the last point,
    // the extremes from the values.
    static void Load(float min, float step, const std::vector<float>& values)
    {
        gCalc->Punkte_Loeschen();
        for (const float value : values) gCalc->Punkte_Plus(0.0f, value);
        gCalc->setMinimum_X(min);
        gCalc->setSchrittweite(step);
        gCalc->setMaximum_X(min + step * static_cast<float>(values.size()));
        gCalc->Extremwerte_suchen();
    }
    static std::vector<float> Values()
    {
        std::vector<float> values;
        for (int32_t i = 1; i <= gCalc->Punkte(); ++i) values.push_back(gCalc->Y(i));
        return values;
    }
    // The working curve's grid (points, step, first x, Maximum_X) and that of the selected stage.
    using Grid = std::tuple<int32_t, float, float, float>;
    static Grid CurveGrid() { return {gCalc->Punkte(), gCalc->Schrittweite(), gCalc->Minimum_X(), gCalc->Maximum_X()}; }
    static Grid StageGrid()
    {
        return {gSSC->Kurve_Zurueck_Punkte(), gSSC->Kurve_Zurueck_Schrittweite(), gSSC->Kurve_Zurueck_MinX(), 0.0f};
    }
};
