#pragma once
// The globals of a benchmark. The settings come from an empty temporary folder, so that their
// defaults hold whatever the user has chosen and no file of the user is touched; the K step is
// that of start-up. Everything a benchmark made is released with the environment.
#include "analysis/clsFFT.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "curves/clsFileHandler.h"
#include "curves/clsInput.h"
#include "curves/clsSpline.h"
#include "materials/clsFMK.h"

#include <cstdlib>
#include <filesystem>
#include <string>

class BenchUmgebung {
public:
    BenchUmgebung()
    {
        folder_ = (std::filesystem::temp_directory_path() / "zelo_bench_XXXXXX").string();
        if (mkdtemp(folder_.data())) setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
        CreateCoreObjects();
        gOptions->setDelta_k(0.1f);
    }
    ~BenchUmgebung()
    {
        gFFT.reset();
        gGR.reset();
        gIK.reset();
        gUntergrund.reset();
        gInput.reset();
        gFMK.reset();
        gSpline.reset();
        gCalc.reset();
        gCommon.reset();
        gFileHandler.reset();
        gLanguage.reset();
        gOptions.reset();
        gLoader.reset();
        gError.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    BenchUmgebung(const BenchUmgebung&) = delete;
    BenchUmgebung& operator=(const BenchUmgebung&) = delete;

private:
    std::string folder_;
};
