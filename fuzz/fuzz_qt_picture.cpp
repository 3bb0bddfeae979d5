// The window system's picture loader that shows a picture when the image library is off (Qt's
// image reader), on any bytes; the first byte picks the file's extension. Qt is not built for the
// fuzzer, so the search is steered by the program's own checks around it.
#include "FuzzWelt.h"

#include "images/clsImage.h"
#include "images/ui/QtErsatzlader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    static constexpr const char* kEndungen[] = {"png", "tif", "jpg", "bmp", "gif", "dat"};
    const std::string name = std::string("qt.") + kEndungen[data[0] % std::size(kEndungen)];
    const std::string pfad = FuzzWelt::Get().Datei(name, data + 1, size - 1);
    QtErsatzlader lader;
    clsImage bild(false);
    bild.LoadPic(pfad, &lader);
    // A picture that is kept is one the size limits allow and the one shown; a refused one leaves
    // no size behind.
    const int64_t breite = bild.Image_Width();
    const int64_t hoehe = bild.Image_Height();
    if (breite == 0) {
        if (hoehe != 0) std::abort();
        return 0;
    }
    if (breite < 0 || hoehe <= 0 || breite > clsImage::kMaxSeite || hoehe > clsImage::kMaxSeite ||
        breite * hoehe > clsImage::kMaxPixel)
        std::abort();
    if (lader.Bild().width() != breite || lader.Bild().height() != hoehe) std::abort();
    return 0;
}
