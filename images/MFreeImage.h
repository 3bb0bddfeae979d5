#pragma once
// The image library wrapper.
#include <string>

// The image library's version text; "n/a" when the library does not answer.
std::string FI_GetVersionString();
