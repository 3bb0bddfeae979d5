#pragma once
#include <cstdint>
#include <map>
#include <string>

namespace zelo {

// Every UI text compiled into the program, by number (German from 0, English from 30000).
const std::map<int32_t, std::string>& stringTable();

// Parses the table's text form: "#" comment lines, then "<number> TAB <text>" with \\, \n and \t escapes.
std::map<int32_t, std::string> ParseStringTable(const std::string& content);

}
