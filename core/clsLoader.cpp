#include "core/clsLoader.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

std::string ProgramFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::filesystem::path base;
    if (dataHome && *dataHome) {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home ? home : ".") / ".local" / "share";
    }
    return (base / "zelo").string() + "/";
}

bool clsLoader::IsFileFailed(const std::string& StrFile) const
{
    std::error_code ec;
    return !std::filesystem::is_regular_file(StrFile, ec);
}

std::string clsLoader::Connect()
{
    applicationPath_ = ProgramFolder();
    std::error_code ec;
    std::filesystem::create_directories(applicationPath_, ec);
    return "";
}

std::string clsLoader::Version() const
{
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d.%04d", kMajor, kMinor, kRevision);
    return text;
}

std::string clsLoader::Version_Kurz() const
{
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d", kMajor, kMinor);
    return text;
}
