#include "TempEnvironment.h"

#include <cstdlib>
#include <stdexcept>

namespace {

void Remember(const char* name, std::string& value, bool& had)
{
    const char* current = std::getenv(name);
    had = current != nullptr;
    if (had) value = current;
}

void Restore(const char* name, const std::string& value, bool had)
{
    if (had)
        setenv(name, value.c_str(), 1);
    else
        unsetenv(name);
}

}

TempEnvironment::TempEnvironment()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zelo-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    root_ = pattern;
    Remember("XDG_DATA_HOME", oldData_, hadData_);
    Remember("XDG_CONFIG_HOME", oldConfig_, hadConfig_);
    setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", ConfigFolder().c_str(), 1);
}

TempEnvironment::~TempEnvironment()
{
    Restore("XDG_DATA_HOME", oldData_, hadData_);
    Restore("XDG_CONFIG_HOME", oldConfig_, hadConfig_);
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}
