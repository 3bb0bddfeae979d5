// Curve text files: "x TAB y" lines written by curve kind, and the reader of any x y text.
#include "curves/clsInput.h"

#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "curves/Ergebnisdatei.h"
#include "curves/KGitter.h"
#include "curves/LeseHilfen.h"
#include "curves/clsCalc.h"
#include "curves/clsFileHandler.h"
#include "curves/clsSpline.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

// Asks whether K values read look like the other unit.
bool Frage_Einheit(int32_t text)
{
    return zelo::Ui().MsgBox(gLanguage->Caption(text), zelo::MsgButtons::YesNo, zelo::MsgIcon::Question,
                             rt::Object(gLoader).ApplicationName()) == zelo::MsgResult::Yes;
}

// The output step of a curve file by project type: I(K) and v(K) in the K unit (asking when the
// last K does not fit it), G(r) and v(r) in the r unit, averaged curves on the K step; any other
// type keeps the file's own mean spacing.
float Schritt_Nach_Typ(int32_t projektTyp, Einheitenwahl einheiten, float letztesX, float eigenerSchritt)
{
    const clsOptions& options = *gOptions;
    const double dk = options.Delta_k();
    switch (projektTyp) {
    case PT_IK:
    case PT_Potential_K:
        if (einheiten.K_Einheit == 0) {
            if (letztesX >= 30.0f) return static_cast<float>(dk);
            return static_cast<float>(Frage_Einheit(267) ? dk / 10.0 : dk);
        }
        if (letztesX <= 30.0f) return static_cast<float>(dk / 10.0);
        return static_cast<float>(Frage_Einheit(268) ? dk : dk / 10.0);
    case PT_GR:
    case PT_Potential:
        return static_cast<float>(einheiten.R_Einheit == 0 ? options.Delta_r() : options.Delta_r() * 10.0);
    case PT_Mittel:
        return static_cast<float>(dk);
    default:
        return eigenerSchritt;
    }
}

}

std::string clsInput::ExtensionVonKurvenTyp(int32_t TypKurve) { return KurvenTypExtension(TypKurve); }

bool clsInput::SpeichereKurve(int32_t TypKurve, uint8_t Quelle, std::span<const float> Y, const std::string& Kopfzeile)
{
    try {
        if (!rt::Object(gOptions).KurveSpeichern(TypKurve)) return false;
        std::vector<std::string> zeilen;
        if (!Kopfzeile.empty()) zeilen.push_back(Kopfzeile);
        if (Quelle <= kQuelleGR) {
            zeilen.reserve(Y.size() + 1);
            const clsOptions& options = rt::Object(gOptions);
            for (size_t n = 0; n < Y.size(); ++n) {
                const auto i = static_cast<int32_t>(n + 1);
                const float x = Quelle == kQuelleCalc ? rt::Object(gCalc).x(i)
                                : Quelle == kQuelleIK  ? K_Gitter(i, options.Delta_k())
                                                       : R_Gitter(i, options.FFT_Points(), options.Delta_k());
                zeilen.push_back(SingleToStr(x) + "\t" + SingleToStr(Y[n]));
            }
        }
        const std::string pfad = Ergebnisdatei::Schreiben(ExtensionVonKurvenTyp(TypKurve), zeilen);
        if (pfad.empty()) return false;
        rt::Object(gCommon).Record(rt::TimeText() + ": " + gLanguage->Caption(258) + ": " + pfad);
        return true;
    } catch (const rt::RuntimeError& e) {
        gError->Report("clsInput", "SpeichereKurve", e);
    }
    return false;
}

bool clsInput::Datei_Oeffnen(Einheitenwahl einheiten)
{
    mittelwert_ = 0.0f;
    spline_ = std::make_unique<clsSpline>();
    try {
        const clsCommon& common = rt::Object(gCommon);
        const int32_t projektTyp = common.ProjektTyp();
        if (projektTyp == PT_Bild_Digitalisieren) return true;

        clsFileHandler& datei = rt::Object(gFileHandler);
        const std::string pfad = common.Dateiname_Rohdaten();
        if (!datei.OpenFile(pfad, clsFileHandler::kInput)) return false;
        if (datei.FileLength() == 0) {
            datei.CloseFile();
            gError->ErrorMsg("clsInput", "Datei_Oeffnen", false, rt::errInputPastEnd,
                             gLanguage->Caption(678) + ": " + pfad);
            return false;
        }
        if (!lese::Groesse_Pruefen(datei, "Datei_Oeffnen", pfad)) {
            datei.CloseFile();
            return false;
        }

        // The numbers are separated by blanks, TABs or line breaks alike; they are taken line by
        // line, so that reading stops at the point beyond the limit without the rest in memory.
        std::vector<std::string> teile;
        size_t naechstes = 0;
        bool zuLang = false;
        std::string zeile;
        const auto token = [&](std::string& text) {
            while (naechstes >= teile.size()) {
                if (datei.FileEnd()) return false;
                if (!lese::Zeile_Lesen(datei, zeile, "Datei_Oeffnen", pfad)) {
                    zuLang = true;
                    return false;
                }
                // A lone CR (old Mac line ends) separates numbers as well.
                std::replace_if(zeile.begin(), zeile.end(), [](char c) { return c == '\t' || c == '\r'; }, ' ');
                SplitText(zeile, teile, " ");
                naechstes = 0;
            }
            text = std::move(teile[naechstes++]);
            return true;
        };

        std::string xText;
        std::string yText;
        bool vorhanden = token(xText);
        // A first token that is no number is a header word; ".rav" files carry three header tokens.
        if (vorhanden && !lese::IstZahl(StrToSingle(xText))) {
            const int kopf = common.Datei_Extension(pfad) == ".rav" ? 3 : 1;
            for (int k = 0; k < kopf && vorhanden; ++k) vorhanden = token(xText);
        }

        int32_t zeilen = 0;
        float letztesX = Kein_Wert;
        bool zuViele = false;
        // The point put in front at 0 is the reader's, not the file's: it does not count against
        // the points a curve may have.
        int32_t vorangestellt = 0;
        while (vorhanden && !zuViele && token(yText)) {
            const float x = StrToSingle(xText);
            const float y = StrToSingle(yText);
            vorhanden = token(xText);
            letztesX = x;
            if (!lese::IstZahl(x) || !lese::IstZahl(y)) continue;
            ++zeilen;
            if (zeilen == 1) {
                // A curve that starts right of 0 is extended to 0 with its first value.
                if (x > 0.0f) {
                    spline_->AddPoint(0.0f, y, 0.0001f);
                    zeilen = 2;
                    vorangestellt = 1;
                }
                minimumY_ = y;
                maximumY_ = y;
            } else {
                // An electron-microscope spectrum ends where the counts end.
                if (projektTyp == PT_ELMI && x > 1.0f && y <= 0.0f) break;
                minimumY_ = std::min(minimumY_, y);
                maximumY_ = std::max(maximumY_, y);
            }
            spline_->AddPoint(x, y, 0.0001f);
            mittelwert_ += y;
            zuViele = spline_->Stuetzstellen() - vorangestellt > clsSpline::MaxPoints;
        }
        datei.CloseFile();
        if (zuLang) return false;
        if (zuViele) {
            lese::Zu_Viele_Daten("Datei_Oeffnen", pfad);
            return false;
        }
        if (spline_->Stuetzstellen() < clsSpline::MinPoints) {
            lese::Zu_Wenig_Daten("Datei_Oeffnen", pfad, spline_->Stuetzstellen());
            return false;
        }

        if (!lese::IstZahl(letztesX)) letztesX = spline_->X_Max();
        const float schritt = Schritt_Nach_Typ(projektTyp, einheiten, letztesX, spline_->DeltaX());
        const int32_t anzahl = rt::CLng(rt::Divide(letztesX, schritt));
        if (!Anpassen("Datei_Oeffnen", pfad, schritt, 1e-6f, anzahl)) return false;
        rt::Object(gCalc).setSchrittweite(schritt);
        maximumX_ = static_cast<float>(static_cast<double>(anzahl) * schritt);
        minimumX_ = spline_->Fit_X(1);
        mittelwert_ = static_cast<float>(mittelwert_ / static_cast<double>(zeilen));
        return true;
    } catch (const rt::RuntimeError& e) {
        if (gFileHandler) gFileHandler->CloseFile();
        gError->Report("clsInput", "Datei_Oeffnen", e);
    } catch (const std::bad_alloc&) {
        if (gFileHandler) gFileHandler->CloseFile();
        gError->ErrorMsg("clsInput", "Datei_Oeffnen", false, rt::errOutOfMemory, rt::ErrorDescription(rt::errOutOfMemory));
    }
    return false;
}
