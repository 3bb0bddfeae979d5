#pragma once
// The program's world for the tests of the settings, with helpers to look at and tamper with the
// settings file.
#include "support/TestWorld.h"
#include "core/RaisedError.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

class SettingsFixture : public testing::Test, protected TestWorld {
protected:
    std::filesystem::path StoreFile() const { return env.ConfigFolder() / "Murenko" / "Settings.ini"; }
    std::string StoreText() const
    {
        std::ifstream in(StoreFile(), std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    // Writes the store by hand, as a user or a damaged disk might leave it.
    void PutStore(const std::string& values, const std::string& header = "[Software\\Murenko\\Settings]\n") const
    {
        std::filesystem::create_directories(StoreFile().parent_path());
        std::ofstream(StoreFile(), std::ios::binary) << header << values;
    }
    // Points the store at a path that cannot be created.
    void BlockStore() const
    {
        std::ofstream(env.Root() / "blocker") << "a file, not a folder";
        setenv("XDG_CONFIG_HOME", (env.Root() / "blocker").c_str(), 1);
    }
};
