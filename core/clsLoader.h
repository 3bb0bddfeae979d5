#pragma once
// Facts about the running program: its name, version and folder.
#include <cstdint>
#include <string>

class clsLoader {
public:
    static constexpr const char* kApplicationName = "KPW ZELO";
    static constexpr int32_t kMajor = 2;
    static constexpr int32_t kMinor = 32;
    static constexpr int32_t kRevision = 880;

    std::string ApplicationName() const { return kApplicationName; }
    // True when no file of that name exists.
    bool IsFileFailed(const std::string& StrFile) const;
    // The program folder (the per-user data folder), with a trailing "/".
    std::string ApplicationPath() const { return applicationPath_; }
    // Gathers the facts about the program; creates the program folder when it is missing.
    std::string Connect();
    std::string Version() const;
    std::string Version_Kurz() const;

private:
    std::string applicationPath_;
};

// The per-user data folder: $XDG_DATA_HOME/zelo/ or ~/.local/share/zelo/.
std::string ProgramFolder();
