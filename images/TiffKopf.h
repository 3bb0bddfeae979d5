#pragma once
// The first picture's layout as a TIFF file's header states it, read without the image library:
// the library's decoder takes a buffer of a whole strip or tile, whose size the file chooses freely.
#include <cstdint>
#include <optional>
#include <string>

struct TiffKopf {
    int64_t breite = 0;
    int64_t hoehe = 0;
    int64_t bitsJeProbe = 1;
    int64_t probenJePixel = 1;
    // Rows per strip as stated (the whole picture when absent); 0 width and height for a striped file.
    int64_t zeilenJeStreifen = 0;
    int64_t kachelBreite = 0;
    int64_t kachelHoehe = 0;
    // 1 the samples of a pixel together, 2 one plane per sample.
    int64_t planar = 1;

    bool Gekachelt() const { return kachelBreite > 0 || kachelHoehe > 0; }
    // Bytes of the decoded picture at its own depth.
    double Bildbytes() const;
    // Bytes of the buffer the decoder takes for one strip or tile.
    double Pufferbytes() const;
};

// The header of the file's first picture; nullopt when the file is no TIFF file or its first
// directory cannot be read.
std::optional<TiffKopf> Tiff_Kopf_Lesen(const std::string& datei);
