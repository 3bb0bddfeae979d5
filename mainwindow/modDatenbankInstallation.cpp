#include "mainwindow/modDatenbankInstallation.h"

#include "core/AtomicFile.h"
#include "core/Resources.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"

#include <filesystem>
#include <unistd.h>

std::span<const std::uint8_t> Installierte_Datenbank() { return zelo::Resource("ZELO_INIT"); }

bool Zelo_Datei_Installieren(std::span<const std::uint8_t> installiert)
{
    if (installiert.empty()) return false;
    const std::string path = gLoader->ApplicationPath() + kElementDatabaseFile;
    // Anything under that name, or a folder that cannot be looked into, is left to the start-up check.
    std::error_code ec;
    if (std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found) return false;
    // A folder that cannot be written is reported once, by the start-up check that follows.
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (::access(folder.empty() ? "." : folder.c_str(), W_OK) != 0) return false;
    // Complete or not at all. A failure (a full disk) is told once, naming the file and the reason,
    // by the start-up check that follows and tries again.
    return AtomicFile::WriteWhole(path, {reinterpret_cast<const char*>(installiert.data()), installiert.size()}) == 0;
}
