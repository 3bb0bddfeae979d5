#pragma once
// "Dateistand" is German for the state of a file.
// What a file on disk holds at one moment: its size, its modification time and a checksum of its
// bytes, so that a program that read the file can tell later whether it was changed meanwhile
// (the time alone misses a change within the same tick, or a copy put back with its old time).
#include <cstdint>
#include <filesystem>
#include <optional>

struct Dateistand {
    uintmax_t groesse = 0;
    int64_t geaendertNs = 0;  // modification time, nanoseconds since the epoch
    uint64_t pruefsumme = 0;  // 64-bit FNV-1a of all bytes

    bool operator==(const Dateistand&) const = default;
};

// The state of file now; nullopt when there is no plain file that can be read (a folder, a device
// or a named pipe is not opened).
std::optional<Dateistand> Dateistand_Lesen(const std::filesystem::path& file);
