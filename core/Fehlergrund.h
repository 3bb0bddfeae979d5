#pragma once
// Why a file could not be read or written, in the window's language: the system's error number
// (errno) as a text of the string table. Numbers the table has no text for keep the system's
// (English) words.
#include <string>

std::string Fehlergrund(int fehler);
