#pragma once
// The program's global state: one instance of each service object, the evaluation step, the
// display-mode flags and the saved flag; mainwindow/modObjekte creates and releases them.
#include <cstdint>
#include <memory>

class clsCommon;
class clsCalc;
class clsFMK;
class clsUntergrund;
class clsSpline;
class clsOptions;
class clsLoader;
class clsMFE;
class clsIK;
class clsGR;
class clsFileHandler;
class clsInput;
class clsSSC;
class clsOperatingSystem;
class clsGauss;
class clsFFT;
class clsError;
class clsPot;
class clsLanguage;
class clsMath;
class clsXAchse;
class clsElement;
struct InitKopf;
template <typename T>
class KeyedCollection;

// Display modes bound to the diagram's toggle tool buttons.
extern bool gModus_Hoehe;
extern bool gModus_Breite;
extern bool gModus_Zoom;
extern bool gModus_Bereich;
extern bool gModus_Verschieben;
extern bool gModus_Fit;
extern bool gModus_Peaks;

// The current evaluation step (-1000: no step).
extern int32_t gSchritt;
// True while the results count as saved.
extern bool gGespeichert;

extern std::unique_ptr<clsCommon> gCommon;
extern std::unique_ptr<clsCalc> gCalc;
extern std::unique_ptr<clsFMK> gFMK;
extern std::unique_ptr<clsUntergrund> gUntergrund;
extern std::unique_ptr<clsSpline> gSpline;
extern std::unique_ptr<clsOptions> gOptions;
extern std::unique_ptr<clsLoader> gLoader;
extern std::unique_ptr<clsMFE> gMFE;
extern std::unique_ptr<clsIK> gIK;
extern std::unique_ptr<clsGR> gGR;
extern std::unique_ptr<clsFileHandler> gFileHandler;
extern std::unique_ptr<clsInput> gInput;
extern std::unique_ptr<clsSSC> gSSC;
extern std::unique_ptr<clsOperatingSystem> gOS;
extern std::unique_ptr<clsGauss> gGauss;
extern std::unique_ptr<clsFFT> gFFT;
extern std::unique_ptr<clsError> gError;
extern std::unique_ptr<clsPot> gPot;
extern std::unique_ptr<clsLanguage> gLanguage;
// Made anew by each step panel that needs curve math, never at start-up.
extern std::unique_ptr<clsMath> gMath;

// The element database's header and lists, filled from its file (materials/modElementDatabase).
extern InitKopf gInitKopf;
// X-axis conversions under their Key, elements under their Symbol, in file order.
extern KeyedCollection<clsXAchse> colXAchsen;
extern KeyedCollection<clsElement> colElemente;
// The record in hand while a list is walked or an element is shown.
extern std::shared_ptr<clsXAchse> gXAchse;
extern std::shared_ptr<clsElement> gElement;

// The name of the element database file in the program folder.
inline constexpr const char* kElementDatabaseFile = "zelo_init.dat";

// Clears the error flag before a menu action that starts a project.
void Fehler_Reset();
