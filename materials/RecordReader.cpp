#include "materials/RecordReader.h"

#include "core/Runtime.h"
#include "materials/Windows1252.h"

#include <bit>
#include <cstring>

void RecordReader::Copy(uint8_t* out, size_t count)
{
    if (count > Remaining()) rt::Raise(rt::errInputPastEnd);
    if (count > 0) std::memcpy(out, data_.data() + position_, count);
    position_ += count;
}

uint8_t RecordReader::Byte()
{
    uint8_t value = 0;
    Copy(&value, 1);
    return value;
}

int16_t RecordReader::Integer()
{
    std::array<uint8_t, 2> raw{};
    Bytes(raw);
    return static_cast<int16_t>(raw[0] | (raw[1] << 8));
}

int32_t RecordReader::Long()
{
    std::array<uint8_t, 4> raw{};
    Bytes(raw);
    const uint32_t value = raw[0] | (raw[1] << 8) | (raw[2] << 16) | (static_cast<uint32_t>(raw[3]) << 24);
    return static_cast<int32_t>(value);
}

float RecordReader::Single() { return std::bit_cast<float>(Long()); }

std::string RecordReader::String()
{
    const auto length = static_cast<uint16_t>(Integer());
    if (length > Remaining()) rt::Raise(rt::errInputPastEnd);
    const auto* first = reinterpret_cast<const char*>(data_.data() + position_);
    position_ += length;
    return Utf8FromWindows1252(std::string_view(first, length));
}
