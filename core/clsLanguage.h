#pragma once
// Selects the UI language and returns the UI text of a number in it.
#include <cstdint>
#include <string>

class clsLanguage {
public:
    // The name of the language with this offset (text offset × 10000); "" when there is none.
    std::string GetLanguageName(int32_t Index) const;
    std::string GetLanguageVersion(const std::string& file) const;
    void OpenLanguageEx(int32_t Offset);
    // The offset of the selected language.
    int32_t Offset() const { return base_ / 10000; }
    // The text of a number in the selected language; "" for -1, "Language Error Index<n>" when missing.
    std::string Caption(int32_t Index) const;

private:
    int32_t base_ = 0;
};

// "s-", "p-", "d-" or "f-" followed by the text for electrons; "" for any other index.
std::string Orbital_Text(int32_t index);
// The name of a radiation kind (0 electrons, 1 X-rays, 2 neutrons), else the text for unknown.
std::string Strahlung_Text(int32_t kind);
