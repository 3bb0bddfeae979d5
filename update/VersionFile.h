#pragma once
// The version file on the maker's server: anything up to the first "#", then the fields
// "program/preview/image library/German texts/English texts" separated by "/", each version made
// of parts separated by ".".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace versionfile {

// The fields after the first "#"; nullopt when the text has no "#".
std::optional<std::vector<std::string>> Fields(std::string_view data);
std::vector<std::string> Split(std::string_view text, char separator);
// A version part as a 16-bit whole number (blanks around it allowed); nullopt otherwise.
std::optional<int16_t> PartNumber(std::string_view part);

enum class Comparison { NotNewer, Newer, Invalid };
// Whether an online version is newer than the running major.minor.revision. The tests run major,
// minor, revision and the first that holds decides; a part that a test needs and that is missing
// or no number makes the comparison Invalid.
Comparison Compare(std::string_view online, double major, double minor, double revision);

}
