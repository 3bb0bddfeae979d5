#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace zelo {

// The bytes of a file compiled into the program (resources/embedded.txt); empty when there is none.
std::span<const std::uint8_t> Resource(const std::string& name);

}
