#pragma once
// Holds the settings store for one read-change-write, so that two running copies of the program
// never write over each other's changes: each reads the file anew under the lock, changes its one
// value and writes the whole file before the other may read it. The lock is an advisory lock on a
// file beside the store ("Settings.ini.lock"); one that another user left there (a start under
// sudo) is locked through a read-only opening. Where that file cannot be opened or locked at all,
// the lock file lies in the user's runtime folder ($XDG_RUNTIME_DIR); where neither can be had, the
// change goes on without a lock, and Taken says so.
#include <string>

class SettingsLock {
public:
    SettingsLock();
    ~SettingsLock();
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

    bool Taken() const { return fd_ >= 0; }
    // Without the lock: the lock file beside the store and the system's reason why it could not be
    // opened, or, when it opened, why it could not be locked (a filesystem without locks).
    const std::string& Failure() const { return failure_; }
    bool OpenedButNotLocked() const { return openedButNotLocked_; }

private:
    // Opens file with flags and waits for the lock on it; false when either fails, with opened
    // telling which.
    bool Take(const std::string& file, int flags, bool& opened);

    int fd_ = -1;
    std::string failure_;
    bool openedButNotLocked_ = false;
};
