#pragma once
// What a picture file's header tells, read without the image library, about the data that must
// follow it and about what the library holds while it decodes the picture.
#include <cstdint>
#include <string>

struct Bildumfang {
    // The file is too short for the pixels its header announces: even the densest coding its
    // format allows could not hold them, or the stated places of the pixel data lie beyond its end.
    bool zuKurz = false;
    // Bytes the decoder holds at once beside the picture: the buffer of a TIFF strip or tile (or of
    // a whole picture in four bytes a pixel for the colour models decoded that way), the
    // coefficients of a JPEG picture that comes in several scans.
    double zusatzbytes = 0.0;
    // The picture's size and the library's bits a pixel for it, where read here (GIF and JPEG,
    // whose library readers would otherwise be asked: the JPEG reader takes a progressive picture's
    // whole coefficients for its header alone); 0 otherwise.
    int64_t breite = 0;
    int64_t hoehe = 0;
    int64_t bits = 0;
};

// The header's statements for a file in the image library's format format (a FREE_IMAGE_FORMAT);
// a format or header it cannot judge gives the defaults.
Bildumfang Bildumfang_Lesen(int32_t format, const std::string& datei);
