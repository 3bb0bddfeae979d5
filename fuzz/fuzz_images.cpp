// The picture check through the image library; the first byte picks the file's extension, which
// picks the decoder ("dat" lets the library tell the format from the content).
#include "FuzzWelt.h"

#include "images/clsImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    static constexpr const char* kEndungen[] = {"png", "tif", "jpg", "bmp", "gif", "dat"};
    const std::string name = std::string("bild.") + kEndungen[data[0] % std::size(kEndungen)];
    Bilddatei_Pruefen(FuzzWelt::Get().Datei(name, data + 1, size - 1));
    return 0;
}

// Hostile headers make the library's loaders ask for absurd sizes; outside the sanitizer malloc
// answers with a null pointer, which the loaders check, so the sanitizer answers the same.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }
