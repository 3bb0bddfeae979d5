// The program's own checks of a picture before it is decoded, on any bytes: the format, the size
// from the header, the depth, the length the pixel data need, the TIFF header read without the
// library, and the reading of uncompressed TIFF strips that large pictures take. The first byte
// picks the file's extension ("dat" lets the content tell the format).
#include "FuzzWelt.h"

#include "core/clsError.h"
#include "core/modCommon.h"
#include "images/TiffKopf.h"
#include "images/TiffStreifen.h"
#include "images/clsImage.h"

#include <FreeImage.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    static constexpr const char* kEndungen[] = {"png", "tif", "jpg", "bmp", "gif", "dat"};
    const std::string name = std::string("kopf.") + kEndungen[data[0] % std::size(kEndungen)];
    const std::string pfad = FuzzWelt::Get().Datei(name, data + 1, size - 1);
    clsImage bild(true);
    const bool erlaubt = bild.Bildkopf_Pruefen(pfad);
    // A refusal is always reported; an accepted header leaves no error behind.
    if (erlaubt == gError->Error()) std::abort();
    if (const auto kopf = Tiff_Kopf_Lesen(pfad)) {
        if (std::isnan(kopf->Bildbytes()) || std::isnan(kopf->Pufferbytes())) std::abort();
        if (kopf->Bildbytes() < 0.0 || kopf->Pufferbytes() < 0.0) std::abort();
        // Only large pictures take this way; a small one here tries it on every header.
        if (Tiff_Streifen_Lesbar(*kopf) && kopf->breite * kopf->hoehe <= (int64_t{1} << 20)) {
            bool abgeschnitten = false;
            FIBITMAP* dib = Tiff_Streifen_Laden(pfad, *kopf, abgeschnitten);
            if (dib && abgeschnitten) std::abort();
            if (dib) FreeImage_Unload(dib);
        }
    }
    return 0;
}

// Hostile headers make the library's header readers ask for absurd sizes; outside the sanitizer
// malloc answers with a null pointer, which the readers check, so the sanitizer answers the same.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }
