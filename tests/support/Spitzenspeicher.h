#pragma once
// The peak memory a piece of work takes: it runs in a child process (fork), which reports how far
// its resident memory rose above what it had when it started.
#include <cstdint>
#include <functional>

struct Spitzenspeicher {
    bool gelaufen = false;  // the child ran the work to its end
    bool ergebnis = false;  // what the work returned
    int64_t zuwachsBytes = 0;
};

Spitzenspeicher Spitzenspeicher_Messen(const std::function<bool()>& arbeit);
