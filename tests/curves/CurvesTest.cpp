#include "CurvesTest.h"

#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/clsCommon.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"
#include "curves/clsSSC.h"

#include <algorithm>
#include <fstream>
#include <sstream>

void CurvesTest::SetUp()
{
    CreateCoreObjects();
    gCommon = std::make_unique<clsCommon>();
    gCommon->setEnable_Record(true);
    gCalc = std::make_unique<clsCalc>();
    gUntergrund = std::make_unique<clsUntergrund>();
    gIK = std::make_unique<clsIK>();
    gGR = std::make_unique<clsGR>();
    gInput = std::make_unique<clsInput>();
    gSSC = std::make_unique<clsSSC>();
    gSSC->ESC_HEADER();
    gOptions->setDelta_k(0.1f);
    gOptions->setFaktor_X(1.0f);
}

void CurvesTest::TearDown()
{
    Objekte_Freigeben({});
    Restliche_Objekte_Freigeben();
}

std::string CurvesTest::WriteFile(const std::string& name, const std::string& content) const
{
    const auto path = (env.Root() / name).string();
    std::ofstream file(path, std::ios::binary);
    file << content;
    return path;
}

std::string CurvesTest::ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

void CurvesTest::OpenProject(const std::string& path) const { gCommon->Set_Dateiname(path); }

bool CurvesTest::Logged(const std::string& text) const
{
    return std::find(seam.logLines.begin(), seam.logLines.end(), text) != seam.logLines.end();
}

bool CurvesTest::LoggedPart(const std::string& text) const
{
    return std::any_of(seam.logLines.begin(), seam.logLines.end(),
                       [&](const std::string& line) { return line.find(text) != std::string::npos; });
}
