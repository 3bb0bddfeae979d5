#pragma once
// The globals of a benchmark, made by the start-up's own creation functions. Settings and program
// folder live in an empty temporary folder, so that their defaults hold whatever the user has
// chosen and no file of the user is touched; the K step is that of start-up. Everything a
// benchmark made is released with the environment.
#include "core/clsCommon.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "mainwindow/modObjekte.h"

#include <cstdlib>
#include <filesystem>
#include <string>

class BenchUmgebung {
public:
    BenchUmgebung()
    {
        folder_ = (std::filesystem::temp_directory_path() / "zelo_bench_XXXXXX").string();
        if (!mkdtemp(folder_.data())) folder_ = std::filesystem::temp_directory_path().string();
        setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
        setenv("XDG_DATA_HOME", folder_.c_str(), 1);
        CreateCoreObjects();
        CreateServiceObjects({});
        PrepareComputation();
    }
    ~BenchUmgebung()
    {
        Objekte_Freigeben({});
        Restliche_Objekte_Freigeben();
        std::error_code ignored;
        if (folder_ != std::filesystem::temp_directory_path().string()) std::filesystem::remove_all(folder_, ignored);
    }
    BenchUmgebung(const BenchUmgebung&) = delete;
    BenchUmgebung& operator=(const BenchUmgebung&) = delete;

    const std::string& Folder() const { return folder_; }

private:
    std::string folder_;
};
