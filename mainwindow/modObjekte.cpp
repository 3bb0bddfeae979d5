#include "mainwindow/modObjekte.h"

#include "analysis/clsFFT.h"
#include "analysis/clsGR.h"
#include "analysis/clsGauss.h"
#include "analysis/clsIK.h"
#include "analysis/clsMath.h"
#include "analysis/clsPot.h"
#include "analysis/clsUntergrund.h"
#include "core/Resources.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOperatingSystem.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "curves/clsFileHandler.h"
#include "curves/clsInput.h"
#include "curves/clsSSC.h"
#include "curves/clsSpline.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"

// The service objects of the subsystems above core are defined where they are made, so that core
// need not know their classes.
std::unique_ptr<clsCalc> gCalc;
std::unique_ptr<clsFMK> gFMK;
std::unique_ptr<clsUntergrund> gUntergrund;
std::unique_ptr<clsSpline> gSpline;
std::unique_ptr<clsMFE> gMFE;
std::unique_ptr<clsIK> gIK;
std::unique_ptr<clsGR> gGR;
std::unique_ptr<clsFileHandler> gFileHandler;
std::unique_ptr<clsInput> gInput;
std::unique_ptr<clsSSC> gSSC;
std::unique_ptr<clsGauss> gGauss;
std::unique_ptr<clsFFT> gFFT;
std::unique_ptr<clsPot> gPot;
std::unique_ptr<clsMath> gMath;

void CreateCoreObjects()
{
    gError = std::make_unique<clsError>();
    gLoader = std::make_unique<clsLoader>();
    gOptions = std::make_unique<clsOptions>();
    gLanguage = std::make_unique<clsLanguage>();
    gFileHandler = std::make_unique<clsFileHandler>();
}

void SelectStoredLanguage()
{
    const int32_t offset = gOptions->Sprache();
    // A stored offset without texts would turn every caption into an error text.
    gLanguage->OpenLanguageEx(gLanguage->GetLanguageName(offset).empty() ? 0 : offset);
}

void Zelo_Datei_Sicherstellen()
{
    const std::string path = gLoader->ApplicationPath() + kElementDatabaseFile;
    if (!gLoader->IsFileFailed(path)) return;
    zelo::Ui().MsgBox(std::string(kElementDatabaseFile) + " " + gLanguage->Caption(401) + "\r\n" +
                          gLanguage->Caption(402),
                      zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, gLoader->ApplicationName());
    const auto defaultCopy = zelo::Resource("BINTABLE_102");
    if (defaultCopy.empty()) return;
    // Output mode writes to a temporary file that replaces the target only when complete.
    if (gFileHandler->OpenFile(path, clsFileHandler::kOutput)) {
        gFileHandler->WriteBytes(defaultCopy);
        gFileHandler->CloseFile();
    }
}

void CreateServiceObjects(const std::function<void()>& createGrafik)
{
    gCommon = std::make_unique<clsCommon>();
    gCalc = std::make_unique<clsCalc>();
    gFMK = std::make_unique<clsFMK>();
    gUntergrund = std::make_unique<clsUntergrund>();
    gSpline = std::make_unique<clsSpline>();
    gMFE = std::make_unique<clsMFE>();
    gIK = std::make_unique<clsIK>();
    gGR = std::make_unique<clsGR>();
    gInput = std::make_unique<clsInput>();
    gOS = std::make_unique<clsOperatingSystem>();
    if (createGrafik) createGrafik();
    gGauss = std::make_unique<clsGauss>();
    gFFT = std::make_unique<clsFFT>();
    gPot = std::make_unique<clsPot>();
}

void PrepareComputation()
{
    gOptions->setDelta_k(0.1f);
    gFFT->SetupFFT();
    gCommon->setEnable_Record(false);
}

void Objekte_Freigeben(const std::function<void()>& releaseGrafik)
{
    if (gCalc) gCalc->Punkte_Loeschen();
    if (gSpline) gSpline->Clear();
    gFFT.reset();
    gCommon.reset();
    gGauss.reset();
    gCalc.reset();
    gFMK.reset();
    gUntergrund.reset();
    gSpline.reset();
    gOptions.reset();
    gMFE.reset();
    gFileHandler.reset();
    gInput.reset();
    gSSC.reset();
    gOS.reset();
    if (releaseGrafik) releaseGrafik();
    gPot.reset();
    gLoader.reset();
    gError.reset();
}

void Restliche_Objekte_Freigeben()
{
    gIK.reset();
    gGR.reset();
    gMath.reset();
    gLanguage.reset();
}
