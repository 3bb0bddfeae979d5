// The version file from the maker's server on any bytes: its fields, their parts and the comparison.
#include "update/VersionFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto fields = versionfile::Fields(text);
    if (fields.has_value() == (text.find('#') == std::string_view::npos)) std::abort();
    if (!fields) return 0;
    for (const std::string& field : *fields) {
        versionfile::Compare(field, 2, 33, 1);
        const auto older = versionfile::Compare(field, 32767, 32767, 32767);
        // Nothing is newer than the highest version a part can hold.
        if (older == versionfile::Comparison::Newer) std::abort();
        for (const std::string& part : versionfile::Split(field, '.')) versionfile::PartNumber(part);
    }
    return 0;
}
