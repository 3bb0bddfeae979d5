#include "curves/LeseHilfen.h"

#include "core/Runtime.h"
#include "core/clsLanguage.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "curves/clsFileHandler.h"
#include "curves/clsSpline.h"

#include <cmath>

namespace lese {

bool IstZahl(float wert) { return wert != Kein_Wert && std::isfinite(wert); }

void Zu_Wenig_Daten(const char* procedure, const std::string& datei, int32_t punkte, bool still)
{
    gError->ErrorMsg("clsInput", procedure, still, rt::errInputPastEnd,
                     gLanguage->Caption(693) + ": " + datei + " (" + gLanguage->Caption(694) + ": " +
                         std::to_string(punkte) + ", " + gLanguage->Caption(695) + " " +
                         std::to_string(clsSpline::MinPoints) + ")");
}

void Zu_Viele_Daten(const char* procedure, const std::string& datei, bool still)
{
    gError->ErrorMsg("clsInput", procedure, still, rt::errOverflow,
                     gLanguage->Caption(696) + ": " + datei + " (" + gLanguage->Caption(697) + " " +
                         std::to_string(clsSpline::MaxPoints) + ")");
}

bool Groesse_Pruefen(clsFileHandler& datei, const char* procedure, const std::string& pfad, const char* modul,
                     bool still)
{
    const int64_t bytes = datei.FileLength();
    if (bytes <= kMaxDateiBytes) return true;
    gError->ErrorMsg(modul, procedure, still, rt::errOverflow,
                     gLanguage->Caption(474) + ": " + pfad + " (" + std::to_string(bytes >> 20) + " MB > " +
                         std::to_string(kMaxDateiBytes >> 20) + " MB)");
    return false;
}

bool Zeile_Lesen(clsFileHandler& datei, std::string& zeile, const char* procedure, const std::string& pfad,
                 const char* modul, bool still)
{
    if (datei.ReadLine(zeile, kMaxZeilenBytes)) return true;
    gError->ErrorMsg(modul, procedure, still, rt::errOverflow,
                     gLanguage->Caption(475) + ": " + pfad + " (> " + std::to_string(kMaxZeilenBytes >> 10) + " KB)");
    return false;
}

}
