#pragma once
// What the resource generators share: the little-endian layout of the program's binary resources
// and writing the finished bytes.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

inline void PutLittleEndian(std::vector<char>& out, uint32_t bits)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

// Writes the bytes to path; the exit code of the generator (0 when written).
inline int WriteResource(const char* path, const std::vector<char>& out)
{
    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 1;
    }
    std::printf("%zu bytes written to %s\n", out.size(), path);
    return 0;
}
