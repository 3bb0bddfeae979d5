#pragma once
// The version file on the maker's server: anything up to the first "#", then the fields
// "program/preview/image library/German texts/English texts" separated by "/", each version made
// of parts separated by ".".
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace versionfile {

// The fields after the first "#"; nullopt when the text has no "#".
std::optional<std::vector<std::string>> Fields(std::string_view data);
std::vector<std::string> Split(std::string_view text, char separator);
// A version part as a 16-bit whole number, digits after a sign at most; nullopt otherwise (a
// blank or a line break in it too).
std::optional<int16_t> PartNumber(std::string_view part);

enum class Comparison { NotNewer, Newer, Invalid };
// Whether the version of the field online is newer than the running major.minor.revision. The
// tests run major, minor, revision and the first that holds decides; a part that a test needs and
// that is missing or no number makes the comparison Invalid.
Comparison Compare(std::string_view online, double major, double minor, double revision);

// The most characters of one text from the server that the window shows: anyone on the network
// path can answer the check, so a longer text is cut and ends in "…".
inline constexpr size_t kMaxShownChars = 2000;
// text cut after kMaxShownChars characters (UTF-8), followed by "…"; a shorter text as it is.
std::string Shown(std::string_view text);

// What the update window makes of a downloaded version file.
struct Evaluation {
    // A "#" was found in a text file: the window fills its rows from what follows.
    bool found = false;
    // The online text of rows 0 to 4 (as many as the file has), each as Shown gives it; row 2 as
    // its first three parts once they were compared.
    std::vector<std::string> online;
    // The result icon of rows 0 to 2: 0 none, 109 not newer, 110 newer (its button enabled).
    std::array<int32_t, 3> icons{};
    // What was wrong with the file, in words for the user (which field, what it held), or empty
    // when nothing was; rows evaluated before the failure keep their results.
    std::string failure;
};

// Evaluates the version file against the running program (major, minor, revision) and the image
// library's version text ("n/a" when there is none). A file with zero bytes is no text: it is
// refused as unreadable before anything is shown; a web page, or a text without "#", is refused as
// no version file. A file with fewer than five fields, or a version to compare that is not made of
// numbers, ends the evaluation with its failure.
Evaluation Evaluate(std::string_view data, const std::array<double, 3>& program, const std::string& library);

}
