#include "core/clsOperatingSystem.h"

#include <utility>

clsOperatingSystem::clsOperatingSystem() : clsOperatingSystem(sysinfo::ReadOsFacts()) {}

clsOperatingSystem::clsOperatingSystem(sysinfo::OsFacts facts) : facts_(std::move(facts)) {}

std::string clsOperatingSystem::FullName(int32_t level) const
{
    const std::string numbers =
        std::to_string(facts_.major) + "." + std::to_string(facts_.minor) + "." + std::to_string(BuildNumber());
    if (level == 1) return VersionName() + " (" + numbers + ") " + CSDVersion();
    return VersionName() + " " + ProductTypeName() + " (" + numbers + ") \r\n" + CSDVersion() + " (" +
           std::to_string(ServicePackMajor()) + "." + std::to_string(ServicePackMinor()) + ")\r\n" + SuiteName();
}

std::string clsOperatingSystem::UserName() const
{
    const std::string name = sysinfo::LoginName();
    return name.empty() ? "<unknown>" : name;
}
