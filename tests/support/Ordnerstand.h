#pragma once
// "Ordnerstand" is German for the state of a folder.
// What a folder holds, down to each file's identity, to tell whether anything was written there:
// a file replaced through a temporary file gets a new inode, and every file made, renamed or
// removed in the folder moves the folder's own modification time (a temporary file too, before
// anything is synced to disk).
#include <cstdint>
#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <utility>

struct Ordnerstand {
    int64_t ordnerZeitNs = 0;
    // File name → (inode, modification time in ns).
    std::map<std::string, std::pair<uint64_t, int64_t>> dateien;

    bool operator==(const Ordnerstand&) const = default;
};

// How a test failure shows it.
inline void PrintTo(const Ordnerstand& stand, std::ostream* out)
{
    *out << "folder time " << stand.ordnerZeitNs;
    for (const auto& [name, datei] : stand.dateien) *out << ", " << name << " (" << datei.first << ", " << datei.second << ")";
}

inline Ordnerstand Ordnerstand_Lesen(const std::filesystem::path& ordner)
{
    const auto zeit = [](const struct stat& info) {
        return static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    };
    Ordnerstand stand;
    struct stat info {};
    if (::stat(ordner.c_str(), &info) == 0) stand.ordnerZeitNs = zeit(info);
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner))
        if (::stat(eintrag.path().c_str(), &info) == 0)
            stand.dateien[eintrag.path().filename().string()] = {static_cast<uint64_t>(info.st_ino), zeit(info)};
    return stand;
}
