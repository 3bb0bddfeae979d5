#include "ScopedLocale.h"

#include <clocale>
#include <cstring>

namespace {

bool SetCommaLocale()
{
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "de_AT.UTF-8", "fr_FR.UTF-8", "nl_NL.UTF-8",
                             "es_ES.UTF-8", "it_IT.UTF-8", "ru_RU.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) && std::strcmp(std::localeconv()->decimal_point, ",") == 0) return true;
    }
    return false;
}

}

ScopedLocale::ScopedLocale(const std::string& name)
{
    old_ = std::setlocale(LC_ALL, nullptr);
    active_ = name == "comma" ? SetCommaLocale() : std::setlocale(LC_ALL, name.c_str()) != nullptr;
    if (!active_) std::setlocale(LC_ALL, old_.c_str());
}

ScopedLocale::~ScopedLocale() { std::setlocale(LC_ALL, old_.c_str()); }
