#include "materials/RecordWriter.h"

#include "core/Runtime.h"
#include "materials/Windows1252.h"

#include <bit>
#include <limits>

void RecordWriter::Integer(int16_t value)
{
    const auto raw = static_cast<uint16_t>(value);
    bytes_.push_back(static_cast<uint8_t>(raw));
    bytes_.push_back(static_cast<uint8_t>(raw >> 8));
}

void RecordWriter::Long(int32_t value)
{
    const auto raw = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<uint8_t>(raw >> shift));
}

void RecordWriter::Single(float value) { Long(std::bit_cast<int32_t>(value)); }

void RecordWriter::String(const std::string& utf8)
{
    const std::string bytes = Windows1252FromUtf8(utf8);
    if (bytes.size() > std::numeric_limits<uint16_t>::max()) rt::Raise(rt::errOverflow);
    Integer(static_cast<int16_t>(static_cast<uint16_t>(bytes.size())));
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}
