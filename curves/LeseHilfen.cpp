#include "curves/LeseHilfen.h"

#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "curves/clsSpline.h"

#include <cmath>

namespace lese {

bool IstZahl(float wert) { return wert != Kein_Wert && std::isfinite(wert); }

void Zu_Wenig_Daten(const char* procedure, const std::string& datei, int32_t punkte)
{
    gError->ErrorMsg("clsInput", procedure, false, rt::errInputPastEnd,
                     "No usable data in " + datei + ": " + std::to_string(punkte) + " points read, at least " +
                         std::to_string(clsSpline::MinPoints) + " needed");
}

void Zu_Viele_Daten(const char* procedure, const std::string& datei)
{
    gError->ErrorMsg("clsInput", procedure, false, rt::errOverflow,
                     "Too many points in " + datei + ": at most " + std::to_string(clsSpline::MaxPoints) +
                         " can be read");
}

}
