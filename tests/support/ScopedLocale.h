#pragma once
// Switches the C library's locale (LC_ALL) for one test and restores the old one afterwards, so
// that number conversions can be checked under a locale with a decimal comma.
#include <string>

class ScopedLocale {
public:
    // "comma" picks an installed locale whose decimal separator is a comma.
    explicit ScopedLocale(const std::string& name);
    ~ScopedLocale();
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    // False when the locale is not installed (the old one stays in force).
    bool Active() const { return active_; }

private:
    std::string old_;
    bool active_ = false;
};
