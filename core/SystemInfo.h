#pragma once
// What the running system tells about the program and itself: the executable, the user, the
// memory, the distribution and the kernel. Readers return an empty value when the system does not answer.
#include <cstdint>
#include <optional>
#include <string>

namespace sysinfo {

// The full path of the running executable.
std::string ExecutablePath();
// The login name of the user running the program.
std::string LoginName();
// The resident memory (working set) of a process in kilobytes.
std::optional<uint64_t> ResidentKilobytes(int32_t processId);
// The total physical memory in bytes.
std::optional<double> TotalPhysicalMemory();

// The value of VmRSS in the text of /proc/<pid>/status, in kilobytes.
std::optional<uint64_t> ParseResidentKilobytes(const std::string& statusText);

struct OsFacts {
    std::string name;         // the distribution's name ("Debian GNU/Linux 12 (bookworm)")
    std::string machine;      // the hardware name ("x86_64")
    std::string kernelBuild;  // the kernel's build text ("#1 SMP PREEMPT_DYNAMIC ...")
    int32_t major = 0;        // kernel version numbers: 6.1.0 of "6.1.0-18-amd64"
    int32_t minor = 0;
    int32_t build = 0;
};

// The facts of the running system, from /etc/os-release and uname.
OsFacts ReadOsFacts();
// The distribution's name in the text of an os-release file (PRETTY_NAME, else NAME, else "").
std::string ParseOsReleaseName(const std::string& osReleaseText);
// Fills major, minor and build from a kernel release text such as "6.1.0-18-amd64".
void ParseKernelRelease(const std::string& release, OsFacts& facts);

}
