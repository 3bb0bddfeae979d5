#pragma once
// Facts about the operating system: the distribution and the kernel it runs on.
#include "core/SystemInfo.h"

#include <cstdint>
#include <string>

class clsOperatingSystem {
public:
    // Reads the running system's facts.
    clsOperatingSystem();
    explicit clsOperatingSystem(sysinfo::OsFacts facts);

    // The code of a Windows version; 0 (unknown) on this system, which is no Windows.
    int32_t Version() const { return 0; }
    // Level 1: "name (major.minor.build) build text"; any other level the long form with the
    // machine, the service-pack numbers and the suite on further lines.
    std::string FullName(int32_t level = 0) const;
    // The user's login name; "<unknown>" when the system does not tell it.
    std::string UserName() const;

private:
    // Windows suites and service packs have no counterpart here: empty and 0.
    std::string SuiteName() const { return ""; }
    std::string ProductTypeName() const { return facts_.machine; }
    std::string VersionName() const { return facts_.name; }
    int32_t BuildNumber() const { return facts_.build; }
    std::string CSDVersion() const { return facts_.kernelBuild; }
    int16_t ServicePackMajor() const { return 0; }
    int16_t ServicePackMinor() const { return 0; }

    sysinfo::OsFacts facts_;
};
