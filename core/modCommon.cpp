#include "core/modCommon.h"

#include "core/InitKopf.h"
#include "core/KeyedCollection.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOperatingSystem.h"
#include "core/clsOptions.h"

bool gModus_Hoehe = false;
bool gModus_Breite = false;
bool gModus_Zoom = false;
bool gModus_Bereich = false;
bool gModus_Verschieben = false;
bool gModus_Fit = false;
bool gModus_Peaks = false;

int32_t gSchritt = 0;
bool gGespeichert = false;

std::unique_ptr<clsCommon> gCommon;
std::unique_ptr<clsOptions> gOptions;
std::unique_ptr<clsLoader> gLoader;
std::unique_ptr<clsOperatingSystem> gOS;
std::unique_ptr<clsError> gError;
std::unique_ptr<clsLanguage> gLanguage;

InitKopf gInitKopf;
KeyedCollection<clsXAchse> colXAchsen;
KeyedCollection<clsElement> colElemente;
std::shared_ptr<clsXAchse> gXAchse;
std::shared_ptr<clsElement> gElement;
void Fehler_Reset()
{
    if (gError) gError->setError(false);
}
