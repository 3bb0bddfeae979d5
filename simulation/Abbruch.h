#pragma once
// A stop request that a long computation of the simulation looks at between its steps, so that a
// worker thread ends at once when the window asks it to; none when null.
#include <atomic>

using Abbruch = const std::atomic<bool>*;

inline bool Abgebrochen(Abbruch abbruch) { return abbruch && abbruch->load(std::memory_order_relaxed); }
