#pragma once
// Reads the packed little-endian fields of the element database from its bytes. Every read is
// checked against the end of the data: a record cut short raises "Input past end of file".
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

class RecordReader {
public:
    explicit RecordReader(std::span<const uint8_t> data) : data_(data) {}

    uint8_t Byte();
    int16_t Integer();
    int32_t Long();
    float Single();
    // A 16-bit length and that many Windows-1252 bytes, returned as UTF-8.
    std::string String();
    template <size_t N>
    void Bytes(std::array<uint8_t, N>& out)
    {
        Copy(out.data(), N);
    }

    size_t Position() const { return position_; }
    size_t Remaining() const { return data_.size() - position_; }

private:
    void Copy(uint8_t* out, size_t count);

    std::span<const uint8_t> data_;
    size_t position_ = 0;
};
