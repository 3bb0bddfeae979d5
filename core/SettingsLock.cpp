#include "core/SettingsLock.h"

#include "core/SettingsFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SettingsLock::SettingsLock()
{
    const auto store = SettingsFile::Location();
    std::error_code ec;
    std::filesystem::create_directories(store.parent_path(), ec);
    const auto lockFile = store.string() + ".lock";
    fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) return;
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        ::close(fd_);
        fd_ = -1;
        return;
    }
}

SettingsLock::~SettingsLock()
{
    // Closing the file releases the lock.
    if (fd_ >= 0) ::close(fd_);
}
