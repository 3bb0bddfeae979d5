#pragma once
// "Sicherungskopie" is German for backup copy.
// A copy of a user's file kept beside it before the program writes over something it could not
// read completely, or converts it.
#include <filesystem>

// The first free name beside file: "<name>.bak", else "<name>.bak1", "<name>.bak2", ... (an
// older copy is never replaced); empty when a hundred are taken.
std::filesystem::path Sicherungsname(const std::filesystem::path& file);
// Copies file to name (never over an existing file); 0 or the errno.
int Sicherungskopie_Anlegen(const std::filesystem::path& file, const std::filesystem::path& name);
