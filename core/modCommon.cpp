#include "core/modCommon.h"

#include "analysis/clsFFT.h"
#include "analysis/clsGR.h"
#include "analysis/clsGauss.h"
#include "analysis/clsIK.h"
#include "analysis/clsMath.h"
#include "analysis/clsPot.h"
#include "analysis/clsUntergrund.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOperatingSystem.h"
#include "core/clsOptions.h"
#include "curves/clsCalc.h"
#include "curves/clsFileHandler.h"
#include "curves/clsInput.h"
#include "curves/clsSSC.h"
#include "curves/clsSpline.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"

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
std::unique_ptr<clsCalc> gCalc;
std::unique_ptr<clsFMK> gFMK;
std::unique_ptr<clsUntergrund> gUntergrund;
std::unique_ptr<clsSpline> gSpline;
std::unique_ptr<clsOptions> gOptions;
std::unique_ptr<clsLoader> gLoader;
std::unique_ptr<clsMFE> gMFE;
std::unique_ptr<clsIK> gIK;
std::unique_ptr<clsGR> gGR;
std::unique_ptr<clsFileHandler> gFileHandler;
std::unique_ptr<clsInput> gInput;
std::unique_ptr<clsSSC> gSSC;
std::unique_ptr<clsOperatingSystem> gOS;
std::unique_ptr<clsGauss> gGauss;
std::unique_ptr<clsFFT> gFFT;
std::unique_ptr<clsError> gError;
std::unique_ptr<clsPot> gPot;
std::unique_ptr<clsLanguage> gLanguage;
std::unique_ptr<clsMath> gMath;

void Fehler_Reset()
{
    if (gError) gError->setError(false);
}
