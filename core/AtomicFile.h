#pragma once
// Writes a file through a temporary file in the same folder that replaces the target only once
// everything is written, so that a crash or a full disk never leaves a half-written file. A save
// that was killed leaves its temporary file ("<file>.tmp-<process>-<count>") behind; the next save of
// that file removes it. The writer holds a lock on its temporary file, so a file that nobody holds
// locked is a stale one, whatever process now has the number in its name. Where the filesystem has
// no locks (a network home without a lock service), files are written without one, and a stale file
// is one whose process no longer runs.
#include <cstdio>
#include <filesystem>
#include <string_view>

class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file next to target (whose folder must exist; a symbolic link is
    // followed, see Target); returns 0 or the errno.
    int Open(const std::filesystem::path& target);
    bool IsOpen() const { return stream_ != nullptr; }
    // Appends bytes; the first failure is kept and returned by Commit.
    bool Write(std::string_view bytes);
    // The temporary file's stream, for positioning.
    std::FILE* Stream() const { return stream_; }
    // Flushes the data to disk and renames the temporary file over the target; returns 0 or the
    // errno of the first failure, in which case the target is left as it was.
    int Commit();
    // Drops the temporary file; the target is left as it was.
    void Discard();

    // The file that a write to path replaces: path itself, or where its chain of symbolic links
    // ends (a link to a missing file leads to that file); empty for a loop of links.
    static std::filesystem::path Target(const std::filesystem::path& path);
    // Replaces target by content in one step; returns 0 or the errno.
    static int WriteWhole(const std::filesystem::path& target, std::string_view content);

    // The lock call on temporary files and on the settings' lock file, in the form of flock; tests
    // put in one that fails as it does on a filesystem without locks.
    using LockCall = int (*)(int fd, int operation);
    static LockCall lockCall;

private:
    std::filesystem::path target_;
    std::filesystem::path temp_;
    std::FILE* stream_ = nullptr;
    int error_ = 0;
};
