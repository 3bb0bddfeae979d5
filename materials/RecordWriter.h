#pragma once
// Collects the packed little-endian fields of the element database in memory, so that the file
// is written in one piece.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class RecordWriter {
public:
    void Byte(uint8_t value) { bytes_.push_back(value); }
    void Integer(int16_t value);
    void Long(int32_t value);
    void Single(float value);
    // A 16-bit length and the text in Windows-1252; a longer text raises Overflow.
    void String(const std::string& utf8);
    template <size_t N>
    void Bytes(const std::array<uint8_t, N>& values)
    {
        bytes_.insert(bytes_.end(), values.begin(), values.end());
    }

    const std::vector<uint8_t>& Data() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};
