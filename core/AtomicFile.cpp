#include "core/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kTempMarker = ".tmp-";

bool Digits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process id in a name "<file>.tmp-<pid>-<counter>" of our own temporary files, else 0.
pid_t WriterOf(std::string_view name)
{
    const auto marker = name.rfind(kTempMarker);
    if (marker == std::string_view::npos || marker == 0) return 0;
    const std::string_view rest = name.substr(marker + kTempMarker.size());
    const auto dash = rest.find('-');
    if (dash == std::string_view::npos || !Digits(rest.substr(0, dash)) || !Digits(rest.substr(dash + 1)) || dash > 9)
        return 0;
    return static_cast<pid_t>(std::stol(std::string(rest.substr(0, dash))));
}

bool Alive(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

// Makes the rename itself durable, so the newest save survives a power failure.
void SyncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Removes the temporary files of writers that no longer run from folder.
void RemoveStaleTemporaries(const std::filesystem::path& folder)
{
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        // A writer that still runs (this process included) is busy with its file.
        const pid_t writer = WriterOf(it->path().filename().native());
        std::error_code ignored;
        if (writer > 0 && !Alive(writer) && it->is_regular_file(ignored)) ::unlink(it->path().c_str());
    }
}

}

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
    RemoveStaleTemporaries(target.parent_path());
    static std::atomic<unsigned> counter{0};
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp_ = target;
        temp_ += std::string(kTempMarker) + std::to_string(getpid()) + "-" + std::to_string(counter++);
        fd = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
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
    if (std::fclose(stream_) != 0 && error == 0) error = errno;
    stream_ = nullptr;
    if (error == 0 && std::rename(temp_.c_str(), target_.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temp_.c_str());
    else SyncFolder(target_.parent_path());
    temp_.clear();
    return error;
}

void AtomicFile::Discard()
{
    if (!stream_) return;
    std::fclose(stream_);
    stream_ = nullptr;
    ::unlink(temp_.c_str());
    temp_.clear();
}

int AtomicFile::WriteWhole(const std::filesystem::path& target, std::string_view content)
{
    AtomicFile file;
    if (const int error = file.Open(target); error != 0) return error;
    file.Write(content);
    return file.Commit();
}
