// The reader object, its raw spectrum reader and the header of raw spectra.
#include "curves/clsInput.h"

#include "core/Dateiart.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "curves/ImagePanelCurve.h"
#include "curves/LeseHilfen.h"
#include "curves/clsFileHandler.h"
#include "curves/clsSpline.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <new>
#include <vector>

namespace {

std::string Klein(const std::string& text)
{
    std::string klein = text;
    std::transform(klein.begin(), klein.end(), klein.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return klein;
}

// The data lines of a raw spectrum: blank-separated x, time, counts, or TAB-separated x, time,
// counts and the beam current.
enum class Format { Leer, Tab };

const char* Trenner(Format format) { return format == Format::Tab ? "\t" : " "; }

// Whether a line holds the separator and begins with a number: the first data line.
bool IstDatenzeile(const std::string& zeile, Format format)
{
    if (zeile.find(Trenner(format)) == std::string::npos) return false;
    std::vector<std::string> felder;
    SplitText(zeile, felder, Trenner(format));
    return !felder.empty() && lese::IstZahl(StrToSingle(felder[0]));
}

// The spectrum that the averaging writes under the raw data's extension: x and y on the working
// curve's axis, two numbers a line, where a measured spectrum has at least three.
bool IstBearbeitet(const std::string& pfad, const std::string& ersteDatenzeile, Format format)
{
    if (Klein(std::filesystem::path(pfad).extension().string()) != ".elb") return false;
    std::vector<std::string> felder;
    SplitText(ersteDatenzeile, felder, Trenner(format));
    return felder.size() == 2 && lese::IstZahl(StrToSingle(felder[1]));
}

}

clsInput::clsInput() : spline_(std::make_unique<clsSpline>()) {}

clsInput::~clsInput() = default;

void clsInput::CopyArray(std::span<float> ToArray) const { spline_->CopyArray(ToArray); }

float clsInput::Y(int32_t Index) const { return spline_->Fit_Y(Index); }

int32_t clsInput::Punkte() const { return spline_->Fit_Punkte(); }

float clsInput::Delta_X() const { return spline_->DeltaX(); }

bool clsInput::Anpassen(const char* procedure, const std::string& quelle, float schritt, float schranke,
                        int32_t anzahl)
{
    const int32_t stuetzstellen = spline_->Stuetzstellen();
    if (stuetzstellen < clsSpline::MinPoints) {
        lese::Zu_Wenig_Daten(procedure, quelle, stuetzstellen, still_);
        return false;
    }
    if (stuetzstellen > clsSpline::MaxStuetzstellen) {
        lese::Zu_Viele_Daten(procedure, quelle, still_);
        return false;
    }
    // The spline would divide by the zero or negative width between such points.
    if (const int32_t punkt = spline_->Erster_Rueckschritt(); punkt > 0) {
        gError->ErrorMsg("clsInput", procedure, still_, rt::errInvalidCall,
                         gLanguage->Caption(440) + ": " + quelle);
        return false;
    }
    if (anzahl < 1 || anzahl > lese::kMaxAusgabePunkte) {
        gError->ErrorMsg("clsInput", procedure, still_, rt::errOverflow,
                         "The curve of " + quelle + " would have " + std::to_string(anzahl) + " points");
        return false;
    }
    if (!spline_->Fitten(schritt, schranke, anzahl)) {
        // The spline notes its failure silently; here the user learns of it.
        gError->ErrorMsg("clsInput", procedure, still_, gError->ErrorNumber(), gError->ErrorDescription());
        return false;
    }
    for (int32_t i = 1; i <= spline_->Fit_Punkte(); ++i)
        if (!std::isfinite(spline_->Fit_Y(i))) {
            gError->ErrorMsg("clsInput", procedure, still_, rt::errOverflow, rt::ErrorDescription(rt::errOverflow));
            return false;
        }
    return true;
}

void clsInput::Kopfzeile_Auswerten(const std::string& line)
{
    const std::string klein = Klein(line);
    // The value after a key (found in any case) up to its end mark (in its case); none without it.
    const auto wert = [&](const std::string& schluessel, const char* ende, std::string& text) {
        const auto p = klein.find(Klein(schluessel));
        if (p == std::string::npos) return false;
        const auto start = p + schluessel.size();
        const auto e = line.find(ende, start);
        if (e == std::string::npos) return false;
        text = line.substr(start, e - start);
        return true;
    };
    const auto merken = [](std::string& feld, const std::string& text) {
        feld = text;
        gCommon->Record(text);
    };
    std::string v;
    if (wert("T=", "K", v)) merken(temperatur_, gLanguage->Caption(259) + " = " + v + " Kelvin");
    if (wert("HV=", "V", v)) merken(uBeschleunigung_, gLanguage->Caption(260) + " = " + v + " V");
    if (wert("I_Em=", "uA", v)) merken(iEm_, gLanguage->Caption(261) + " = " + v + " myA");
    if (wert("I_H=", "uA", v)) merken(iHeiz_, gLanguage->Caption(262) + " = " + v + " A");
    if (wert("U_W=", "V", v)) merken(uWehnelt_, gLanguage->Caption(263) + " = " + v + " V");
    // The remark runs from behind the key and one separator to the end of the line.
    const auto p = klein.find("bemerkungen");
    if (p != std::string::npos)
        merken(bemerkungen_, gLanguage->Caption(264) + ": " + line.substr(std::min(p + 12, line.size())));
}

bool clsInput::Spektrum_Oeffnen()
{
    try {
        const clsCommon& common = rt::Object(gCommon);
        if (common.ProjektTyp() == PT_Bild_Digitalisieren) {
            spline_ = std::make_unique<clsSpline>();
            bearbeitet_ = false;
            return Punkte_Oeffnen();
        }
        return Spektrum_Oeffnen(common.Dateiname_Rohdaten());
    } catch (const rt::RuntimeError& e) {
        gError->Report("clsInput", "Spektrum_Oeffnen", e);
    } catch (const std::bad_alloc&) {
        gError->ErrorMsg("clsInput", "Spektrum_Oeffnen", false, rt::errOutOfMemory,
                         rt::ErrorDescription(rt::errOutOfMemory));
    }
    return false;
}

bool clsInput::Spektrum_Oeffnen(const std::string& pfad, bool Still)
{
    spline_ = std::make_unique<clsSpline>();
    bearbeitet_ = false;
    still_ = Still;
    // Whatever way the read ends, later reads report as usual.
    struct Zuruecksetzen {
        bool& still;
        ~Zuruecksetzen() { still = false; }
    } zuruecksetzen{still_};
    try {
        if (Still && Dateiart_Von(pfad) == Dateiart::Keine) {
            gError->ErrorMsg("clsInput", "Spektrum_Oeffnen", true, rt::errFileNotFound,
                             rt::ErrorDescription(rt::errFileNotFound) + ": " + pfad);
            return false;
        }
        clsFileHandler& datei = rt::Object(gFileHandler);
        if (!datei.OpenFile(pfad, clsFileHandler::kInput, Still)) return false;
        dateiname_ = pfad;
        statistik_ = 0.0f;
        const bool gelesen = Rohdaten_Lesen(datei, pfad);
        datei.CloseFile();
        if (!gelesen) return false;
        if (!bearbeitet_)
            // Resampled on its own mean spacing, with as many points as it has support points.
            return Anpassen("Spektrum_Oeffnen", pfad, spline_->DeltaX(), 1e-6f, spline_->Stuetzstellen());
        // An edited spectrum lies on an equidistant grid already: it is taken on that grid, whose
        // step is the mean spacing of the whole curve (the running mean of the spline follows the
        // rounding of the last x written).
        const int32_t n = spline_->Stuetzstellen();
        const float schritt = n < 2 ? 0.0f
                                    : static_cast<float>((static_cast<double>(spline_->X_Max()) - ersteX_) / (n - 1));
        spline_->setDeltaX(schritt);
        if (!Anpassen("Spektrum_Oeffnen", pfad, schritt, 1e-6f, n)) return false;
        minimumX_ = spline_->Fit_X(1);
        maximumX_ = spline_->Fit_X(spline_->Fit_Punkte());
        return true;
    } catch (const rt::RuntimeError& e) {
        gFileHandler->CloseFile();
        gError->Report("clsInput", "Spektrum_Oeffnen", e, still_);
    } catch (const std::bad_alloc&) {
        gFileHandler->CloseFile();
        gError->ErrorMsg("clsInput", "Spektrum_Oeffnen", still_, rt::errOutOfMemory,
                         rt::ErrorDescription(rt::errOutOfMemory));
    }
    return false;
}

bool clsInput::Rohdaten_Lesen(clsFileHandler& datei, const std::string& pfad)
{
    if (!lese::Groesse_Pruefen(datei, "Spektrum_Oeffnen", pfad, "clsInput", still_)) return false;
    // The header runs up to the first line that begins with a number.
    std::string zeile;
    bool gefunden = false;
    Format format = Format::Leer;
    while (!gefunden && !datei.FileEnd()) {
        if (!lese::Zeile_Lesen(datei, zeile, "Spektrum_Oeffnen", pfad, "clsInput", still_)) return false;
        Kopfzeile_Auswerten(zeile);
        if (IstDatenzeile(zeile, Format::Leer)) {
            gefunden = true;
        } else if (IstDatenzeile(zeile, Format::Tab)) {
            format = Format::Tab;
            gefunden = true;
        }
    }
    if (!gefunden) {
        lese::Zu_Wenig_Daten("Spektrum_Oeffnen", pfad, 0, still_);
        return false;
    }
    bearbeitet_ = IstBearbeitet(pfad, zeile, format);

    clsOptions& options = rt::Object(gOptions);
    std::vector<std::string> felder;
    if (format == Format::Tab && !bearbeitet_) {
        SplitText(zeile, felder, "\t");
        if (felder.size() < 4) options.setStrom_Korrektur(false);
        gCommon->Record(gLanguage->Caption(265));
        if (options.Strom_Korrektur()) gCommon->Record(gLanguage->Caption(266));
    }
    const bool korrektur = format == Format::Tab && !bearbeitet_ && options.Strom_Korrektur();

    int32_t zeilen = 0;
    float verschiebung = 0.0f;
    bool zuViele = false;
    // Rows that cannot be used (too few fields, no numbers, no measuring time or current) are skipped.
    const auto zeileNehmen = [&](const std::string& text) {
        SplitText(text, felder, Trenner(format));
        float x = 0.0f;
        float y = 0.0f;
        float zeit = 0.0f;
        if (bearbeitet_) {
            // x and y as the working curve had them: no time, no shift.
            if (felder.size() < 2u) return;
            x = StrToSingle(felder[0]);
            y = StrToSingle(felder[1]);
            if (!lese::IstZahl(x) || !lese::IstZahl(y)) return;
        } else {
            if (felder.size() < (korrektur ? 4u : 3u)) return;
            x = StrToSingle(felder[0]);
            zeit = StrToSingle(felder[1]);
            const float ereignisse = StrToSingle(felder[2]);
            const float strom = korrektur ? StrToSingle(felder[3]) : 0.0f;
            if (!lese::IstZahl(x) || !lese::IstZahl(zeit) || !lese::IstZahl(ereignisse) || !lese::IstZahl(strom))
                return;
            if (zeit == 0.0f || (korrektur && strom == 0.0f)) return;
            // Counts per time; with the current correction normalised to the usual beam current.
            double wert = ereignisse / static_cast<double>(zeit) * 100.0;
            if (korrektur) wert = static_cast<float>(wert) / static_cast<double>(strom) * options.Strom_Normierung();
            y = static_cast<float>(wert);
            if (!std::isfinite(y)) return;
        }

        ++zeilen;
        // A measured spectrum that starts left of 0 is shifted to start at 0.
        if (zeilen == 1 && x < 0.0f && !bearbeitet_) verschiebung = -x;
        if (zeilen == 1) ersteX_ = x + verschiebung;
        statistik_ += zeit;
        spline_->AddPoint(x + verschiebung, y, 0.0001f);
        if (zeilen == 1) {
            minimumY_ = y;
            maximumY_ = y;
        } else {
            minimumY_ = std::min(minimumY_, y);
            maximumY_ = std::max(maximumY_, y);
        }
        zuViele = spline_->Stuetzstellen() > clsSpline::MaxPoints;
    };
    zeileNehmen(zeile);
    while (!zuViele && !datei.FileEnd()) {
        if (!lese::Zeile_Lesen(datei, zeile, "Spektrum_Oeffnen", pfad, "clsInput", still_)) return false;
        zeileNehmen(zeile);
    }

    if (zuViele) {
        lese::Zu_Viele_Daten("Spektrum_Oeffnen", pfad, still_);
        return false;
    }
    if (zeilen > 0) statistik_ = static_cast<float>(statistik_ / static_cast<double>(zeilen));
    return true;
}

bool clsInput::Punkte_Oeffnen()
{
    static const std::string kBild = "the digitised points";
    const zelo::ImagePanelCurve& bild = zelo::ImagePanel();
    const int32_t anzahl = bild.Kurve_Punkte();
    if (anzahl > clsSpline::MaxPoints) {
        lese::Zu_Viele_Daten("Spektrum_Oeffnen", kBild);
        return false;
    }
    // The digitised curve is extended to x = 0 with its first value.
    spline_->AddPoint(0.0f, bild.Kurve_Y(1), 0.1f);
    for (int32_t i = 1; i <= anzahl; ++i) spline_->AddPoint(bild.Kurve_X(i), bild.Kurve_Y(i), 0.1f);
    if (!Anpassen("Spektrum_Oeffnen", kBild, rt::Object(gOptions).Delta_k(), 1e-5f, anzahl)) return false;
    minimumX_ = spline_->Fit_X(1);
    maximumX_ = spline_->Fit_X(spline_->Fit_Punkte());
    return true;
}
