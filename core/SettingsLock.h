#pragma once
// Holds the settings store for one read-change-write, so that two running copies of the program
// never write over each other's changes: each reads the file anew under the lock, changes its one
// value and writes the whole file before the other may read it. The lock is an advisory lock on a
// file beside the store ("Settings.ini.lock"); where that cannot be made, the change goes on
// without it.
class SettingsLock {
public:
    SettingsLock();
    ~SettingsLock();
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

private:
    int fd_ = -1;
};
