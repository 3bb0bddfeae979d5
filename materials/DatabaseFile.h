#pragma once
// The records of the element database read and write their fields through the file handler's
// binary access at the current position of the open database file, named by its number.
#include "core/Runtime.h"
#include "core/modCommon.h"
#include "curves/clsFileHandler.h"

#include <array>
#include <cstdint>

// The file handler when Dateinummer names its open file; else "Bad file name or number".
inline clsFileHandler& DatabaseFile(int32_t Dateinummer)
{
    if (!gFileHandler || !gFileHandler->IsOpen() || gFileHandler->FileHandle() != Dateinummer)
        rt::Raise(rt::errBadFileNumber);
    return *gFileHandler;
}

// A fixed block of bytes: the electron configuration, or reserved bytes carried from file to file.
template <size_t N>
void ReadBlock(clsFileHandler& datei, std::array<uint8_t, N>& bytes)
{
    datei.ReadBytes(bytes);
}

template <size_t N>
void WriteBlock(clsFileHandler& datei, const std::array<uint8_t, N>& bytes)
{
    if (!datei.WriteBytes(bytes)) rt::Raise(rt::errDiskFull);
}
