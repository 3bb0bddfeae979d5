#pragma once
// Texts of the element database are single-byte Windows-1252 on disk and UTF-8 in memory.
#include <string>
#include <string_view>

std::string Utf8FromWindows1252(std::string_view bytes);
// Characters that Windows-1252 cannot hold become "?".
std::string Windows1252FromUtf8(std::string_view text);
