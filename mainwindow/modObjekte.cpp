#include "mainwindow/modObjekte.h"

#include "analysis/clsFFT.h"
#include "analysis/clsGR.h"
#include "analysis/clsGauss.h"
#include "analysis/clsIK.h"
#include "analysis/clsMath.h"
#include "analysis/clsPot.h"
#include "analysis/clsUntergrund.h"
#include "core/AtomicFile.h"
#include "core/Fehlergrund.h"
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
#include "materials/modElementDatabase.h"

#include <cerrno>
#include <filesystem>
#include <unistd.h>

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

namespace {

// Why no database file can be created at path (an errno; EEXIST: a folder, a device or a named pipe
// is in its place), or 0.
int Zelo_Nicht_Anlegbar(const std::string& path)
{
    const std::filesystem::path target = AtomicFile::Target(path);
    if (target.empty()) return ELOOP;
    std::error_code ec;
    const auto status = std::filesystem::status(target, ec);
    if (std::filesystem::exists(status)) return std::filesystem::is_regular_file(status) ? 0 : EEXIST;
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    if (::access(folder.c_str(), W_OK) == 0) return 0;
    if (errno != ENOENT) return errno;
    // A folder that start-up could not make: the reason is why it cannot be made, not that it is missing.
    std::filesystem::create_directories(folder, ec);
    if (ec) return ec.value();
    return ::access(folder.c_str(), W_OK) == 0 ? 0 : errno;
}

// The reason for an errno of Zelo_Nicht_Anlegbar or of the write, in the window's language.
std::string Nicht_Anlegbar_Grund(int error)
{
    return error == EEXIST ? gLanguage->Caption(676) : Fehlergrund(error);
}

// The message that the database cannot be created at path, and why; the table is then used from memory.
void Nicht_Anlegbar_Melden(const std::string& path, int error, bool mitgeliefert)
{
    zelo::Ui().MsgBox(path + " " + gLanguage->Caption(450) + " (" + Nicht_Anlegbar_Grund(error) + ").\r\n" +
                          gLanguage->Caption(mitgeliefert ? 463 : 451),
                      zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, gLoader->ApplicationName());
}

}

void Zelo_Datei_Sicherstellen(std::span<const std::uint8_t> installiert)
{
    Zelo_Im_Speicher_Verwenden({}, "");
    const std::string path = gLoader->ApplicationPath() + kElementDatabaseFile;
    std::error_code ec;
    if (std::filesystem::is_regular_file(std::filesystem::status(path, ec))) return;
    const bool mitgeliefert = !installiert.empty();
    const auto ersatz = mitgeliefert ? installiert : zelo::Resource("BINTABLE_102");
    // A folder in the file's place, a loop of links, or a folder that cannot be written or made: the
    // table is used from memory, and the user learns in one message what and why nothing can be saved.
    if (const int error = Zelo_Nicht_Anlegbar(path); error != 0) {
        Nicht_Anlegbar_Melden(path, error, mitgeliefert);
        Zelo_Im_Speicher_Verwenden(ersatz, Nicht_Anlegbar_Grund(error));
        return;
    }
    // The installed table comes without a word, as at any first start; only the demonstration data are announced.
    if (!mitgeliefert)
        zelo::Ui().MsgBox(std::string(kElementDatabaseFile) + " " + gLanguage->Caption(401) + "\r\n" +
                              gLanguage->Caption(402),
                          zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, gLoader->ApplicationName());
    if (ersatz.empty()) return;
    // Complete or not at all; a full disk is told like a folder that cannot be written.
    if (const int error = AtomicFile::WriteWhole(path, {reinterpret_cast<const char*>(ersatz.data()), ersatz.size()});
        error != 0) {
        Nicht_Anlegbar_Melden(path, error, mitgeliefert);
        Zelo_Im_Speicher_Verwenden(ersatz, Nicht_Anlegbar_Grund(error));
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
