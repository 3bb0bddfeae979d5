// Form-factor tables: f(s) with s = sin(theta)/lambda in 1/Angstrom, resampled as f(K).
#include "curves/clsInput.h"

#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "curves/LeseHilfen.h"
#include "curves/clsCalc.h"
#include "curves/clsFileHandler.h"
#include "curves/clsSpline.h"

#include <algorithm>
#include <new>

namespace {

// 4 pi turns s in 1/Angstrom into K in 1/nm; pi as the single-precision constant of the tables.
constexpr double kSNachK = 40.0 * 3.1415927f;

std::string Ohne(std::string text, char zeichen)
{
    text.erase(std::remove(text.begin(), text.end(), zeichen), text.end());
    return text;
}

std::string Getrimmt(const std::string& text)
{
    const auto anfang = text.find_first_not_of(" \t");
    if (anfang == std::string::npos) return {};
    return text.substr(anfang, text.find_last_not_of(" \t") - anfang + 1);
}

}

bool clsInput::FMK_Oeffnen(const std::string& Dateiname)
{
    if (Dateiname.empty()) return false;
    clsError& fehler = *gError;
    // The reader's report becomes the reason of the one message below; an error noted before the
    // read stays noted, and none is left behind by it.
    const bool fruehererFehler = fehler.Error();
    bool mischung = false;
    bool gelesen = false;
    {
        still_ = true;
        struct Zuruecksetzen {
            bool& still;
            ~Zuruecksetzen() { still = false; }
        } zuruecksetzen{still_};
        gelesen = FMK_Lesen(Dateiname, mischung);
    }
    if (!gelesen) {
        const std::string grund = mischung ? gLanguage->Caption(642)
                                           : gLanguage->Caption(690) + "\r\n" + fehler.ErrorDescription() + "\r\n" +
                                                 gLanguage->Caption(691);
        zelo::Ui().MsgBox(Dateiname + ":\r\n" + grund + "\r\n" + gLanguage->Caption(692), zelo::MsgButtons::OK,
                          zelo::MsgIcon::Exclamation, clsLoader::kApplicationName);
    }
    fehler.setError(fruehererFehler);
    return gelesen;
}

bool clsInput::FMK_Lesen(const std::string& Dateiname, bool& mischung)
{
    try {
        const clsCalc& calc = rt::Object(gCalc);
        const float deltaK = rt::Object(gOptions).Delta_k();
        // The table is read a little beyond the working curve's end.
        const int32_t n = calc.Punkte();
        double ende = calc.x(n);
        if (ende == 0.0) ende = n * static_cast<double>(deltaK);
        const auto grenze = static_cast<float>(ende * 1.1);

        spline_->Clear();
        clsFileHandler& datei = rt::Object(gFileHandler);
        if (!datei.OpenFile(Dateiname, clsFileHandler::kInput, true)) return false;
        std::string zeile;
        if (!lese::Groesse_Pruefen(datei, "FMK_Oeffnen", Dateiname, "clsInput", true) ||
            !lese::Zeile_Lesen(datei, zeile, "FMK_Oeffnen", Dateiname, "clsInput", true)) {
            datei.CloseFile();
            return false;
        }
        if (Getrimmt(zeile).starts_with(kKopfMischungsformfaktor)) {
            datei.CloseFile();
            mischung = true;
            return false;
        }
        const char trenner = zeile.find('\t') != std::string::npos ? '\t' : ' ';
        bool weiter = true;
        bool zuViele = false;
        // Blank lines and lines without two numbers are skipped.
        while (weiter) {
            zeile = Getrimmt(zeile);
            const auto p = zeile.find(trenner);
            if (p != std::string::npos) {
                const float s = StrToSingle(Ohne(zeile.substr(0, p), trenner));
                const float f = StrToSingle(Ohne(zeile.substr(p + 1), trenner));
                const auto k = static_cast<float>(s * kSNachK);
                if (lese::IstZahl(s) && lese::IstZahl(f) && lese::IstZahl(k)) {
                    spline_->AddPoint(k, f, 0.0001f);
                    zuViele = spline_->Stuetzstellen() > clsSpline::MaxPoints;
                    // The point beyond the limit is kept.
                    if (k > grenze || zuViele) break;
                }
            }
            weiter = !datei.FileEnd();
            if (weiter && !lese::Zeile_Lesen(datei, zeile, "FMK_Oeffnen", Dateiname, "clsInput", true)) {
                datei.CloseFile();
                return false;
            }
        }
        datei.CloseFile();
        if (zuViele) {
            lese::Zu_Viele_Daten("FMK_Oeffnen", Dateiname, true);
            return false;
        }
        return Anpassen("FMK_Oeffnen", Dateiname, deltaK, 1e-4f, n + 10);
    } catch (const rt::RuntimeError& e) {
        gFileHandler->CloseFile();
        gError->Report("clsInput", "FMK_Oeffnen", e, true);
    } catch (const std::bad_alloc&) {
        gFileHandler->CloseFile();
        gError->ErrorMsg("clsInput", "FMK_Oeffnen", true, rt::errOutOfMemory, rt::ErrorDescription(rt::errOutOfMemory));
    }
    return false;
}
