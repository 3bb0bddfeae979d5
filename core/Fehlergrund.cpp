#include "core/Fehlergrund.h"

#include "core/clsLanguage.h"
#include "core/modCommon.h"

#include <cerrno>
#include <cstring>

namespace {

// The text number for an error number, or 0.
int TextNummer(int fehler)
{
    switch (fehler) {
    case ENOSPC: return 590;
    case EDQUOT: return 591;
    case EFBIG: return 592;
    case EACCES:
    case EPERM: return 593;
    case EROFS: return 594;
    case ENOENT: return 595;
    case ENOTDIR: return 596;
    case EISDIR: return 597;
    case ELOOP: return 598;
    case EIO: return 599;
    default: return 0;
    }
}

}

std::string Fehlergrund(int fehler)
{
    const int nummer = TextNummer(fehler);
    return nummer != 0 && gLanguage ? gLanguage->Caption(nummer) : std::strerror(fehler);
}
