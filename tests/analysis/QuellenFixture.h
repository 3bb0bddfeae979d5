#pragma once
// The analysis world with the processing log on and the stage store of a started project, and
// project files in the temporary folder.
#include "AnalysisFixture.h"

#include "analysis/clsGauss.h"
#include "analysis/clsMath.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"
#include "curves/clsSSC.h"

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

class QuellenFixture : public AnalysisFixture {
protected:
    void SetUp() override
    {
        gCommon->setEnable_Record(true);
        StartStageStore();
    }

    // Writes "x TAB y" lines for x = (i - 1)·step, i = 1..n, and makes the file the project's.
    std::string Projektdatei(const std::string& name, int32_t n, double step, const std::function<double(double)>& y)
    {
        std::ostringstream text;
        text.precision(9);
        for (int32_t i = 1; i <= n; ++i) text << (i - 1) * step << '\t' << y((i - 1) * step) << "\r\n";
        const std::string path = (env.Root() / name).string();
        std::ofstream(path, std::ios::binary) << text.str();
        gCommon->Set_Dateiname(path);
        return path;
    }
    static std::string Lesen(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        std::stringstream content;
        content << file.rdbuf();
        return content.str();
    }
    // The project's result file with the extension.
    static std::string Ergebnisdatei(const std::string& extension)
    {
        return gCommon->Ordner() + gCommon->Dateiname() + extension;
    }
};
