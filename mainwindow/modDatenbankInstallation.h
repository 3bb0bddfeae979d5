#pragma once
// The element database that ships with the program. A first start copies it into the program folder;
// only a program without one falls back to the demonstration data.
#include <cstdint>
#include <span>

// The installed element database compiled into the program; empty when the program carries none.
std::span<const std::uint8_t> Installierte_Datenbank();
// Copies installiert into the program folder when nothing stands there under the database's name:
// the user's own database, even a damaged one, is never replaced. True when the copy was written.
bool Zelo_Datei_Installieren(std::span<const std::uint8_t> installiert);
