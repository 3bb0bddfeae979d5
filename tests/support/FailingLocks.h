#pragma once
// Every lock call of the program's files fails with error while it lasts, as on a network home
// without a lock service (ENOLCK) or a filesystem that has no locks.
#include "core/AtomicFile.h"

#include <cerrno>
#include <sys/file.h>

class FailingLocks {
public:
    explicit FailingLocks(int error)
    {
        failure = error;
        AtomicFile::lockCall = [](int, int) {
            errno = failure;
            return -1;
        };
    }
    ~FailingLocks() { AtomicFile::lockCall = ::flock; }
    FailingLocks(const FailingLocks&) = delete;
    FailingLocks& operator=(const FailingLocks&) = delete;

private:
    static inline int failure = 0;
};
