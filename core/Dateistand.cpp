#include "core/Dateistand.h"

#include <array>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<Dateistand> Dateistand_Lesen(const std::filesystem::path& file)
{
    // Only a plain file has a state to read: opening a named pipe would wait for a writer, and a
    // device may never end. Not blocking, in case the path became one since it was looked at.
    struct stat vorher {};
    if (::stat(file.c_str(), &vorher) != 0 || !S_ISREG(vorher.st_mode)) return std::nullopt;
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::optional<Dateistand> stand;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        stand = Dateistand{};
        stand->geaendertNs = static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
        uint64_t hash = 14695981039346656037ull;
        std::array<unsigned char, 65536> puffer;
        ssize_t n;
        while ((n = ::read(fd, puffer.data(), puffer.size())) > 0) {
            for (ssize_t i = 0; i < n; ++i) hash = (hash ^ puffer[static_cast<size_t>(i)]) * 1099511628211ull;
            stand->groesse += static_cast<uintmax_t>(n);
        }
        stand->pruefsumme = hash;
        if (n < 0) stand.reset();
    }
    ::close(fd);
    return stand;
}
