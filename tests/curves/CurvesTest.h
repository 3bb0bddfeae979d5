#pragma once
// The globals that the curve readers, the working curve and the stage store need, in a temporary
// program and settings folder, with a recording ui seam and the processing log switched on.
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

#include <string>

class CurvesTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file (bytes as given) into the temporary folder; returns its path.
    std::string WriteFile(const std::string& name, const std::string& content) const;
    // Reads a whole file.
    static std::string ReadFile(const std::string& path);
    // Makes path the project's file, as choosing it in the open dialog does.
    void OpenProject(const std::string& path) const;
    // Whether a log line equals text.
    bool Logged(const std::string& text) const;
    // Whether a log line contains text.
    bool LoggedPart(const std::string& text) const;

    TempEnvironment env;
    RecordingSeam seam;
};
