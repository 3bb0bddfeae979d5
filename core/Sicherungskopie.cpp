#include "core/Sicherungskopie.h"

#include <cerrno>
#include <string>

std::filesystem::path Sicherungsname(const std::filesystem::path& file)
{
    for (int number = 0; number < 100; ++number) {
        std::filesystem::path name = file;
        name += ".bak" + (number == 0 ? std::string() : std::to_string(number));
        std::error_code ec;
        if (std::filesystem::symlink_status(name, ec).type() == std::filesystem::file_type::not_found) return name;
    }
    return {};
}

int Sicherungskopie_Anlegen(const std::filesystem::path& file, const std::filesystem::path& name)
{
    if (name.empty()) return EEXIST;
    std::error_code ec;
    std::filesystem::copy_file(file, name, std::filesystem::copy_options::none, ec);
    if (ec && ec != std::errc::file_exists) {
        // A half-written copy is no copy.
        std::error_code ignored;
        std::filesystem::remove(name, ignored);
    }
    return ec.value();
}
