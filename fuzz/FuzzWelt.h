#pragma once
// The program's globals for a fuzz target, made once as start-up makes them (a temporary program and
// settings folder, a recording ui seam), and the file each input is written to before it is read.
#include "support/TestWorld.h"

#include <cstddef>
#include <cstdint>
#include <string>

class FuzzWelt : public TestWorld {
public:
    // The one world of the process, made at the first call.
    static FuzzWelt& Get();
    // Forgets what the last input left behind: the seam's records (messages, log lines, dialogs,
    // error windows) and the error state. Every target calls it (or Datei) once per input, so that
    // millions of inputs pile nothing up.
    void Neu();
    // Neu, then writes the input to the file name in the world's folder (or the full path given)
    // and returns its path.
    std::string Datei(const std::string& name, const uint8_t* data, size_t size);
    // A working curve of 400 points on 0 to 40, as a step panel finds it (after Get).
    static void Arbeitskurve();

private:
    FuzzWelt();
};
