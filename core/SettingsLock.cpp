#include "core/SettingsLock.h"

#include "core/AtomicFile.h"
#include "core/Fehlergrund.h"
#include "core/SettingsFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SettingsLock::SettingsLock()
{
    const auto store = SettingsFile::Location();
    std::error_code ec;
    std::filesystem::create_directories(store.parent_path(), ec);
    const std::string beside = store.string() + ".lock";
    int reason = 0;
    // A lock takes no write access: a lock file of another user is still the one both copies share.
    for (const int flags : {O_RDWR | O_CREAT, O_RDONLY}) {
        bool opened = false;
        if (Take(beside, flags, opened)) return;
        // Where the file opened, its lock call tells more than a refused opening.
        if (reason == 0 || (opened && !openedButNotLocked_)) {
            reason = errno;
            openedButNotLocked_ = opened;
        }
    }
    // Copies of one user share the runtime folder, which only that user can write.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    bool opened = false;
    if (runtime && *runtime == '/' && Take(std::string(runtime) + "/Murenko-Settings.lock", O_RDWR | O_CREAT, opened))
        return;
    failure_ = beside + ": " + Fehlergrund(reason);
}

SettingsLock::~SettingsLock()
{
    // Closing the file releases the lock.
    if (fd_ >= 0) ::close(fd_);
}

bool SettingsLock::Take(const std::string& file, int flags, bool& opened)
{
    // Not blocking: a named pipe in the lock file's place would keep a read-only opening waiting.
    fd_ = ::open(file.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    opened = fd_ >= 0;
    if (!opened) return false;
    while (AtomicFile::lockCall(fd_, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        const int reason = errno;
        ::close(fd_);
        fd_ = -1;
        errno = reason;
        return false;
    }
    return true;
}
