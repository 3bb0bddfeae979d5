#include "core/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

AtomicFile::~AtomicFile() { Discard(); }

int AtomicFile::Open(const std::filesystem::path& link)
{
    Discard();
    // A symbolic link stays a link: the file it points to is the one replaced.
    std::error_code ec;
    std::filesystem::path target = link;
    if (std::filesystem::is_symlink(link, ec)) {
        target = std::filesystem::weakly_canonical(link, ec);
        if (ec) return ec.value();
    }
    static std::atomic<unsigned> counter{0};
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp_ = target;
        temp_ += ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
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
