#include "core/clsLoader.h"

#include "core/RegionalFormat.h"
#include "core/Runtime.h"
#include "core/SystemInfo.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"

#include <FreeImage.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

std::string ProgramFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::filesystem::path base;
    // The base-directory rules ignore a relative XDG_DATA_HOME, as they do XDG_CONFIG_HOME.
    if (dataHome && *dataHome == '/') {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home ? home : ".") / ".local" / "share";
    }
    return (base / "zelo").string() + "/";
}

namespace {

bool Nicht_Gefunden(const std::error_code& ec)
{
    return ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory;
}

std::string Text(int32_t number) { return gLanguage ? gLanguage->Caption(number) : ""; }

}

std::string clsLoader::GetExeFilePath() const { return sysinfo::ExecutablePath(); }

bool clsLoader::IsFileFailed(const std::string& StrFile) const
{
    std::error_code ec;
    const auto status = std::filesystem::status(StrFile, ec);
    if (ec && !Nicht_Gefunden(ec)) {
        if (gError) gError->ErrorMsg("clsLoader", "IsFileFailed", false, rt::errPathFileAccess, ec.message());
        return false;
    }
    return !std::filesystem::is_regular_file(status);
}

std::string clsLoader::Connect()
{
    freeImageAvailable_ = false;
    creationInfo_.clear();
    applicationPath_ = ProgramFolder();
    // A folder that cannot be made is told once, naming it, by start-up's check of the element database.
    std::error_code ec;
    std::filesystem::create_directories(applicationPath_, ec);

    const std::string exe = GetExeFilePath();
    if (!exe.empty() && !IsFileFailed(exe)) creationInfo_ = Creation_Info_Of(exe);

    // The library is linked into the program; it counts as present when it answers.
    const char* version = FreeImage_GetVersion();
    freeImageAvailable_ = version && *version;
    processId_ = static_cast<int32_t>(getpid());
    return "";
}

std::string clsLoader::Creation_Info_Of(const std::string& file) const
{
    struct stat info {};
    if (stat(file.c_str(), &info) != 0) return "";
    std::tm local{};
    if (!localtime_r(&info.st_mtime, &local)) return "";
    char date[40];
    char time[40];
    std::snprintf(date, sizeof date, "%d.%d.%d", local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return Text(270) + date + Text(269) + time + Text(271);
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

std::string clsLoader::MemoryInfo() const
{
    const auto resident = sysinfo::ResidentKilobytes(processId_);
    return resident ? zelo::FormatGroupedDigits(*resident) + " kB" : "";
}

std::string clsLoader::MemoryInfoEx() const
{
    const auto resident = sysinfo::ResidentKilobytes(processId_);
    const auto total = sysinfo::TotalPhysicalMemory();
    if (!resident || !total) return "";
    return "RAM: " + Groesse_Text(*total) + " benutzt durch KPW ZELO: " +
           Groesse_Text(static_cast<double>(*resident) * 1024.0);
}

std::string clsLoader::UserName() const
{
    const std::string name = sysinfo::LoginName();
    return name.empty() ? "<unknown>" : name;
}

std::string clsLoader::Groesse_Text(double bytes)
{
    constexpr double kilo = 1024.0;
    if (bytes < kilo) return zelo::FormatNumber(bytes, 1) + " Bytes";
    if (bytes < kilo * kilo) return zelo::FormatNumber(bytes / kilo, 1) + " kB";
    if (bytes < kilo * kilo * kilo) return zelo::FormatNumber(bytes / (kilo * kilo), 1) + " MB";
    return zelo::FormatNumber(bytes / (kilo * kilo * kilo), 1) + " GB";
}
