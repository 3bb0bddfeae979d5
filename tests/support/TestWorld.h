#pragma once
// The program's globals for one test, made as start-up makes them: by the start-up's own creation
// functions, on the default element database, in a temporary program and settings folder, with a
// recording ui seam. Released in the end's order when the test ends.
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"

#include <cstdint>
#include <functional>
#include <string>

class TestWorld {
public:
    TestWorld();
    virtual ~TestWorld();
    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;

    // Ends the program and starts it again on the same folders, as the next run does.
    void Restart();
    // The stage store, as starting a project makes it.
    static void StartStageStore();
    // The curve math, as a step panel makes it.
    static void MakeCurveMath();
    // The index of the element's electron form-factor table in the default database (0: none).
    static int32_t ElectronTable(const std::string& symbol);

    TempEnvironment env;
    RecordingSeam seam;

protected:
    // createGrafik and releaseGrafik make and release the drawing engine (a ui object) at its place.
    TestWorld(std::function<void()> createGrafik, std::function<void()> releaseGrafik);

private:
    void Create();
    // Releases every global in the end's order and clears what outlives them.
    void Release();

    std::function<void()> createGrafik_;
    std::function<void()> releaseGrafik_;
    bool released_ = false;
};
