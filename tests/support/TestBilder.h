#pragma once
// Pictures for the image tests, written through the image library into a test's folder.
#include <cstdint>
#include <filesystem>
#include <functional>

// Colour of pixel (x, y), y from the top, as 0xRRGGBB.
using Bildfarbe = std::function<uint32_t(int32_t x, int32_t y)>;

// Writes a 24-bit picture in the format the file name's extension names.
void Bild_Schreiben(const std::filesystem::path& datei, int32_t breite, int32_t hoehe, const Bildfarbe& farbe);
// Writes an 8-bit grey picture (level = the blue byte of farbe).
void Graubild_Schreiben(const std::filesystem::path& datei, int32_t breite, int32_t hoehe, const Bildfarbe& farbe);
// 0xRRGGBB of grey level v.
constexpr uint32_t Grau(uint32_t v) { return v * 0x010101u; }
