#pragma once
// The globals that the curve readers, the working curve and the stage store need, in a temporary
// program and settings folder, with a recording ui seam and the processing log switched on.
#include "curves/ImagePanelCurve.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Points an image panel holds, installed for one test.
class PanelPoints : public zelo::ImagePanelCurve {
public:
    PanelPoints() { zelo::SetImagePanel(this); }
    ~PanelPoints() override { zelo::SetImagePanel(nullptr); }
    std::vector<float> x, y;
    int32_t Kurve_Punkte() const override { return static_cast<int32_t>(x.size()); }
    float Kurve_X(int32_t i) const override { return i >= 1 && i <= Kurve_Punkte() ? x[size_t(i - 1)] : 0.0f; }
    float Kurve_Y(int32_t i) const override { return i >= 1 && i <= Kurve_Punkte() ? y[size_t(i - 1)] : 0.0f; }
};

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
