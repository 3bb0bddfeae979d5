#pragma once
// The first picture's layout as a TIFF file's header states it, read without the image library:
// the library's decoder takes a buffer of a whole strip or tile, whose size the file chooses freely.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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
    int64_t kompression = 1;
    int64_t photometrie = 1;
    int64_t probenFormat = 1;
    // The strips or tiles the directory lists, and the end of the last byte of any of them (0 when
    // their sizes are not stated).
    int64_t abschnitte = 0;
    int64_t datenEnde = 0;
    // Where each strip or tile lies and how long it is (empty when their sizes are not stated).
    std::vector<uint64_t> orte;
    std::vector<uint64_t> laengen;

    bool Gekachelt() const { return kachelBreite > 0 || kachelHoehe > 0; }
    // Bytes of the decoded picture at its own depth.
    double Bildbytes() const;
    // Bytes of the buffer the decoder takes for one strip or tile.
    double Pufferbytes() const;
    // The strips or tiles the picture needs.
    double Noetige_Abschnitte() const;
    // Whether the library decodes the picture through a whole picture of four bytes a pixel besides
    // its own (colour models other than grey, RGB and palette, and old-style JPEG compression).
    bool Ueber_RGBA() const;
};

// The header of the file's first picture; nullopt when the file is no TIFF file or its first
// directory cannot be read.
std::optional<TiffKopf> Tiff_Kopf_Lesen(const std::string& datei);
