#pragma once
// Conversion between the single-byte Windows-1252 text of files written on Windows and the UTF-8
// text the program holds in memory.
#include <string>
#include <string_view>

// Every byte maps to one character; the five bytes Windows leaves undefined map to the control
// characters of the same number, so that any file reads and writes back unchanged.
std::string Windows1252ToUtf8(std::string_view bytes);
// Characters without a Windows-1252 byte, and malformed UTF-8, become "?".
std::string Utf8ToWindows1252(std::string_view text);
