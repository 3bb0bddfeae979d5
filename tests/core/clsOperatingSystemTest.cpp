#include "core/clsOperatingSystem.h"

#include "core/SystemInfo.h"

#include <gtest/gtest.h>

TEST(SystemInfoTest, ParsesTheSystemsTexts)
{
    for (const auto& [release, major, minor, build] :
         {std::tuple{"6.1.0-18-amd64", 6, 1, 0}, {"5.15.153.1-microsoft-standard-WSL2", 5, 15, 153}, {"6.8", 6, 8, 0},
          {"", 0, 0, 0}}) {
        sysinfo::OsFacts facts;
        sysinfo::ParseKernelRelease(release, facts);
        EXPECT_EQ(std::tuple(facts.major, facts.minor, facts.build), std::tuple(major, minor, build)) << release;
    }
    EXPECT_EQ(sysinfo::ParseOsReleaseName("NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"),
              "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(sysinfo::ParseOsReleaseName("ID=arch\nNAME='Arch Linux'\n"), "Arch Linux") << "NAME without PRETTY_NAME";
    EXPECT_EQ(sysinfo::ParseOsReleaseName("PRETTY_NAME=\"Say \\\"hi\\\"\"\r\n"), "Say \"hi\"");
    EXPECT_EQ(sysinfo::ParseOsReleaseName("MY_PRETTY_NAME=x\n"), "");
    EXPECT_EQ(sysinfo::ParseResidentKilobytes("Name:\tzelo\nVmRSS:\t   51234 kB\nVmData:\t 1 kB\n"), 51234u);
    EXPECT_FALSE(sysinfo::ParseResidentKilobytes("VmRSS:\tlots\n").has_value());
}

TEST(OperatingSystemTest, FullNameInShortAndLongForm)
{
    sysinfo::OsFacts facts;
    facts.name = "Debian GNU/Linux 12 (bookworm)";
    facts.machine = "x86_64";
    facts.kernelBuild = "#1 SMP Debian 6.1.76-1";
    sysinfo::ParseKernelRelease("6.1.76", facts);
    const clsOperatingSystem os(facts);
    EXPECT_EQ(os.FullName(1), "Debian GNU/Linux 12 (bookworm) (6.1.76) #1 SMP Debian 6.1.76-1");
    EXPECT_EQ(os.FullName(), "Debian GNU/Linux 12 (bookworm) x86_64 (6.1.76) \r\n#1 SMP Debian 6.1.76-1 (0.0)\r\n");
}
