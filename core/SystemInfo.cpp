#include "core/SystemInfo.h"

#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <sys/utsname.h>
#include <unistd.h>
#include <vector>

namespace sysinfo {

namespace {

std::string Text_Lesen(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The value of KEY=value in an os-release text, without its quotes and escapes.
std::string Os_Release_Wert(const std::string& text, const std::string& key)
{
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(key + "=", 0) != 0) continue;
        std::string value = line.substr(key.size() + 1);
        while (!value.empty() && (value.back() == '\r' || value.back() == ' ')) value.pop_back();
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        std::string unescaped;
        for (size_t i = 0; i < value.size(); ++i) {
            if (value[i] == '\\' && i + 1 < value.size()) ++i;
            unescaped += value[i];
        }
        return unescaped;
    }
    return "";
}

// The leading decimal number of text from pos on; pos moves past it.
int32_t Fuehrende_Zahl(const std::string& text, size_t& pos)
{
    int32_t value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && value < 100000000)
        value = value * 10 + (text[pos++] - '0');
    return value;
}

}

std::string ExecutablePath()
{
    std::error_code ec;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? "" : path.string();
}

std::string LoginName()
{
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name)
        return found->pw_name;
    return "";
}

std::optional<uint64_t> ParseResidentKilobytes(const std::string& statusText)
{
    std::istringstream lines(statusText);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("VmRSS:", 0) != 0) continue;
        std::istringstream fields(line.substr(6));
        uint64_t kilobytes = 0;
        std::string unit;
        if (fields >> kilobytes >> unit && unit == "kB") return kilobytes;
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<uint64_t> ResidentKilobytes(int32_t processId)
{
    return ParseResidentKilobytes(Text_Lesen("/proc/" + std::to_string(processId) + "/status"));
}

std::optional<double> TotalPhysicalMemory()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) return std::nullopt;
    return static_cast<double>(pages) * static_cast<double>(pageSize);
}

std::string ParseOsReleaseName(const std::string& osReleaseText)
{
    const std::string pretty = Os_Release_Wert(osReleaseText, "PRETTY_NAME");
    return pretty.empty() ? Os_Release_Wert(osReleaseText, "NAME") : pretty;
}

void ParseKernelRelease(const std::string& release, OsFacts& facts)
{
    size_t pos = 0;
    facts.major = Fuehrende_Zahl(release, pos);
    facts.minor = pos < release.size() && release[pos] == '.' ? Fuehrende_Zahl(release, ++pos) : 0;
    facts.build = pos < release.size() && release[pos] == '.' ? Fuehrende_Zahl(release, ++pos) : 0;
}

OsFacts ReadOsFacts()
{
    OsFacts facts;
    std::string osRelease = Text_Lesen("/etc/os-release");
    if (osRelease.empty()) osRelease = Text_Lesen("/usr/lib/os-release");
    facts.name = ParseOsReleaseName(osRelease);
    utsname system{};
    if (uname(&system) == 0) {
        if (facts.name.empty()) facts.name = system.sysname;
        facts.machine = system.machine;
        facts.kernelBuild = system.version;
        ParseKernelRelease(system.release, facts);
    }
    return facts;
}

}
