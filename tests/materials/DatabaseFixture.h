#pragma once
// The program's world for the tests of the element database, with helpers for its files.
#include "core/Resources.h"
#include "core/clsError.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "curves/clsFileHandler.h"
#include "mainwindow/modObjekte.h"
#include "materials/clsFMK.h"
#include "materials/modElementDatabase.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

class DatabaseFixture : public ::testing::Test, protected TestWorld {
protected:
    static std::vector<uint8_t> DefaultCopy()
    {
        const auto bytes = zelo::Resource("BINTABLE_102");
        return {bytes.begin(), bytes.end()};
    }
    std::filesystem::path DatabasePath() const { return env.DataFolder() / kElementDatabaseFile; }
    static void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
    {
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static std::vector<uint8_t> ReadBytes(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void WriteTextFile(const std::filesystem::path& relative, const std::string& content) const
    {
        std::filesystem::create_directories((env.DataFolder() / relative).parent_path());
        std::ofstream(env.DataFolder() / relative, std::ios::binary) << content;
    }
    // The bytes that write() puts into a fresh binary file, given the file's number.
    std::vector<uint8_t> Written(const std::function<void(int32_t)>& write) const
    {
        const auto path = env.DataFolder() / "records.bin";
        std::filesystem::remove(path);
        EXPECT_TRUE(gFileHandler->OpenFile(path.string(), clsFileHandler::kBinary));
        write(gFileHandler->FileHandle());
        gFileHandler->CloseFile();
        return ReadBytes(path);
    }
};
