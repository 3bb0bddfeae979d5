#pragma once
// An uncompressed TIFF picture of 8-bit samples read strip by strip straight into a 24-bit bitmap.
// The image library's decoder holds a whole strip besides the picture, and many programs write a
// picture as one strip: a large colour picture would cost twice its size while it is read.
#include "images/TiffKopf.h"

#include <string>

struct FIBITMAP;

// Whether Tiff_Streifen_Laden reads the picture: uncompressed, in strips of stated length, samples
// of 8 bits side by side, grey (either way round) or RGB with or without further samples.
bool Tiff_Streifen_Lesbar(const TiffKopf& kopf);

// The picture as a 24-bit bitmap, as the library's decoder and its conversion would give it (grey
// as three equal bytes, white as 0 where the file says so, further samples dropped); nullptr when
// it cannot be had, with abgeschnitten set when a strip ends before its rows do.
FIBITMAP* Tiff_Streifen_Laden(const std::string& datei, const TiffKopf& kopf, bool& abgeschnitten);
