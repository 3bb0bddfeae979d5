#include "core/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kTempMarker = ".tmp-";

bool Digits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Whether name is one of our own temporary names for a file named file: "<file>.tmp-<pid>-<counter>".
bool TemporaryNameOf(std::string_view name, std::string_view file)
{
    if (name.size() <= file.size() + kTempMarker.size() || name.substr(0, file.size()) != file ||
        name.substr(file.size(), kTempMarker.size()) != kTempMarker)
        return false;
    const std::string_view rest = name.substr(file.size() + kTempMarker.size());
    const auto dash = rest.find('-');
    return dash != std::string_view::npos && Digits(rest.substr(0, dash)) && Digits(rest.substr(dash + 1));
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether fd is still the file named path: another save may have removed it and put another there.
bool StillNamed(int fd, const std::filesystem::path& path)
{
    struct stat held {}, named {};
    return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && SameFile(held, named);
}

enum class Lock { Taken, HeldByAnother, NotAvailable };

// Takes the lock that a writer holds on its temporary file for as long as it writes it. The lock
// ends with the writer, however it ends, so a process id that the system has given to a new
// process meanwhile cannot keep a dead writer's file. Any failure but "held by another" means that
// the filesystem keeps no locks (ENOLCK without a lock service, EOPNOTSUPP, EINVAL, ENOSYS).
Lock TryLock(int fd)
{
    for (;;) {
        if (AtomicFile::lockCall(fd, LOCK_EX | LOCK_NB) == 0) return Lock::Taken;
        if (errno == EINTR) continue;
        return errno == EWOULDBLOCK ? Lock::HeldByAnother : Lock::NotAvailable;
    }
}

// Without locks, a temporary file is stale when the process named in it ("<pid>-<counter>", the
// rest of its name) no longer runs; a process that runs (this one included) may still be writing it.
bool WriterEnded(std::string_view rest)
{
    const std::string_view number = rest.substr(0, rest.find('-'));
    // Longer than any process number: not one of ours to judge.
    if (number.size() > 9) return false;
    const auto pid = static_cast<pid_t>(std::stol(std::string(number)));
    return pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Makes the rename itself durable, so the newest save survives a power failure.
void SyncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Removes the temporary files that writers of target which no longer run left beside it.
void RemoveStaleTemporaries(const std::filesystem::path& target)
{
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    const std::string file = target.filename().native();
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().native();
        if (!TemporaryNameOf(name, file)) continue;
        // Not blocking: a named pipe under such a name would keep the opening waiting for a writer.
        const int fd = ::open(it->path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat held {};
        if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode)) {
            const Lock lock = TryLock(fd);
            const bool stale = lock == Lock::Taken ||
                               (lock == Lock::NotAvailable &&
                                WriterEnded(std::string_view(name).substr(file.size() + kTempMarker.size())));
            // Only while holding the lock (where there are locks), and only the file that was
            // opened, not one put in its place.
            if (stale && StillNamed(fd, it->path())) ::unlink(it->path().c_str());
        }
        ::close(fd);
    }
}

}

AtomicFile::LockCall AtomicFile::lockCall = ::flock;

AtomicFile::~AtomicFile() { Discard(); }

std::filesystem::path AtomicFile::Target(const std::filesystem::path& link)
{
    // A symbolic link stays a link: the file it points to is the one replaced, also when that file
    // does not exist yet.
    std::filesystem::path target = link;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, ec)) || ec) return target;
        const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
        if (ec) return target;
        target = (next.is_absolute() ? next : target.parent_path() / next).lexically_normal();
    }
    return {};
}

int AtomicFile::Open(const std::filesystem::path& link)
{
    Discard();
    const std::filesystem::path target = Target(link);
    if (target.empty()) return ELOOP;
    RemoveStaleTemporaries(target);
    static std::atomic<unsigned> counter{0};
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp_ = target;
        temp_ += std::string(kTempMarker) + std::to_string(getpid()) + "-" + std::to_string(counter++);
        fd = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
        if (fd < 0) continue;
        // Another save of the same file may have taken the new file for a stale one between its
        // creation and the lock: then it is gone, or about to go, and the next name is tried.
        // Without locks no save takes it, as this process runs.
        const bool claimed = TryLock(fd) != Lock::HeldByAnother;
        const bool named = StillNamed(fd, temp_);
        if (!claimed || !named) {
            // A file given up is not left behind.
            if (named) ::unlink(temp_.c_str());
            ::close(fd);
            fd = -1;
            errno = EEXIST;
        }
    }
    if (fd < 0) {
        const int error = errno;
        temp_.clear();
        return error;
    }
    // The replacement keeps the permissions of the file it replaces.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    stream_ = ::fdopen(fd, "wb");
    if (!stream_) {
        const int error = errno;
        ::close(fd);
        ::unlink(temp_.c_str());
        temp_.clear();
        return error;
    }
    target_ = target;
    error_ = 0;
    return 0;
}

bool AtomicFile::Write(std::string_view bytes)
{
    if (!stream_ || error_ != 0) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) == bytes.size()) return true;
    error_ = errno != 0 ? errno : EIO;
    return false;
}

int AtomicFile::Commit()
{
    if (!stream_) return EBADF;
    int error = error_;
    if (error == 0 && std::fflush(stream_) != 0) error = errno;
    if (error == 0 && ::fsync(fileno(stream_)) != 0) error = errno;
    // The file stays open, and so locked, until it has its place: another save of the same file
    // would otherwise take it for a stale one. Its data are on the disk by now, so closing it
    // cannot lose them.
    if (error == 0 && std::rename(temp_.c_str(), target_.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temp_.c_str());
    std::fclose(stream_);
    stream_ = nullptr;
    if (error == 0) SyncFolder(target_.parent_path());
    temp_.clear();
    return error;
}

void AtomicFile::Discard()
{
    if (!stream_) return;
    ::unlink(temp_.c_str());
    std::fclose(stream_);
    stream_ = nullptr;
    temp_.clear();
}

int AtomicFile::WriteWhole(const std::filesystem::path& target, std::string_view content)
{
    AtomicFile file;
    if (const int error = file.Open(target); error != 0) return error;
    file.Write(content);
    return file.Commit();
}
