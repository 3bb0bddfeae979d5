#pragma once
// Points the program folder and the settings folder at a fresh temporary folder for one test,
// so that no test touches the user's real files.
#include <filesystem>
#include <string>

class TempEnvironment {
public:
    TempEnvironment();
    ~TempEnvironment();
    TempEnvironment(const TempEnvironment&) = delete;
    TempEnvironment& operator=(const TempEnvironment&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    std::filesystem::path DataFolder() const { return root_ / "data" / "zelo"; }
    std::filesystem::path ConfigFolder() const { return root_ / "config"; }

private:
    std::filesystem::path root_;
    std::string oldData_;
    std::string oldConfig_;
    bool hadData_ = false;
    bool hadConfig_ = false;
};
