// The loaders of the working curve, the demonstration spectrum and the raw spectrum writer.
#include "curves/clsCalc.h"

#include "core/KurvenTyp.h"
#include "core/Guarded.h"
#include "core/NumberFormat.h"
#include "core/Resources.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/ImagePanelCurve.h"
#include "curves/clsFileHandler.h"
#include "curves/clsInput.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

std::string Datenpunkte_Zeile(int32_t punkte) { return gLanguage->Caption(206) + ": " + std::to_string(punkte); }

std::string Maximum_Zeile(float maximum) { return "Maximum: " + rt::SingleText(maximum); }

// The point of a grid from erstesX in steps of schritt that lies nearest to x = 0; the middle point
// when 0 lies outside the grid.
int32_t Punkt_Bei_Null(float erstesX, float schritt, int32_t punkte)
{
    const double index = rt::Divide(-static_cast<double>(erstesX), schritt) + 1.0;
    if (index < 0.5 || index > punkte + 0.5) return clsCalc::Mittlerer_Punkt(punkte);
    return rt::CLng(index);
}

// A reader that failed has shown its own report; the loader notes it under its name without
// showing the error window a second time.
void Lesefehler_Vermerken(const char* procedure)
{
    gError->ErrorMsg("clsCalc", procedure, true, gError->ErrorNumber(), gError->ErrorDescription());
}

// The values of the curve gInput read last.
std::vector<float> Eingelesen(const clsInput& input)
{
    std::vector<float> werte(static_cast<size_t>(std::max(input.Punkte(), 0)));
    input.CopyArray(werte);
    return werte;
}

}

void clsCalc::Von_Null_Uebernehmen(std::vector<float> werte, float tiefster, float hoechster, float schritt)
{
    Uebernehmen(std::move(werte), tiefster, hoechster);
    schrittweite_ = schritt;
    minimumX_ = 0.0f;
    maximumX_ = static_cast<float>(static_cast<double>(punkte_) * schrittweite_);
    Protokoll(Datenpunkte_Zeile(punkte_));
    Protokoll(Maximum_Zeile(maximumY_));
}

bool clsCalc::Beugung_oeffnen()
{
    return Guarded("clsCalc", "Beugung_oeffnen", [this] {
        clsInput& input = rt::Object(gInput);
        if (!input.Spektrum_Oeffnen()) {
            Lesefehler_Vermerken("Beugung_oeffnen");
            return false;
        }
        auto werte = Eingelesen(input);
        const int32_t punkte = static_cast<int32_t>(werte.size());
        // An edited spectrum keeps its axis, with the middle where x = 0 lies on it; a measured
        // one comes in the instrument's x and is centred on its middle point.
        const auto schritt = input.Bearbeitet()
                                 ? input.Delta_X()
                                 : static_cast<float>(rt::Divide(input.Delta_X(), rt::Object(gOptions).Faktor_X()));
        const int32_t mitteIndex = input.Bearbeitet() ? Punkt_Bei_Null(input.Minimum_X(), schritt, punkte)
                                                      : Mittlerer_Punkt(punkte);
        const auto mitte = input.Bearbeitet() ? -input.Minimum_X() : static_cast<float>((mitteIndex - 1.0) * schritt);

        faltungVerschiebung_ = 0.0f;
        Uebernehmen(std::move(werte), input.Minimum_Y(), input.Maximum_Y());
        schrittweite_ = schritt;
        minimumX_ = -mitte;
        maximumX_ = static_cast<float>(static_cast<float>(static_cast<double>(input.Punkte()) * schritt) - mitte);
        mitteIndex_ = mitteIndex;
        mitte_ = 0.0f;

        Protokoll(Datenpunkte_Zeile(punkte_));
        if (gCommon->ProjektTyp() == PT_Beugung && !input.Bearbeitet())
            Protokoll(gLanguage->Caption(208) + ": " + rt::SingleText(static_cast<float>(rt::Int(input.Statistik()))) +
                      " ms");
        Protokoll(Maximum_Zeile(maximumY_));
        Protokoll(gLanguage->Caption(207) + ": " + gLanguage->Caption(209) + " " + std::to_string(mitteIndex_));
        istGefaltet_ = false;
        Stufe_Sichern(KT_JK);
        return true;
    });
}

bool clsCalc::ELMI_Oeffnen()
{
    return Guarded("clsCalc", "ELMI_Oeffnen", [this] {
        clsInput& input = rt::Object(gInput);
        if (!input.Datei_Oeffnen()) return false;
        Uebernehmen(Eingelesen(input), input.Minimum_Y(), input.Maximum_Y());
        // The files hold K in 1/Angstrom.
        schrittweite_ = static_cast<float>(input.Delta_X() / 0.1);
        maximumX_ = static_cast<float>(static_cast<double>(schrittweite_) * punkte_);
        Protokoll(Datenpunkte_Zeile(punkte_));
        Protokoll(Maximum_Zeile(maximumY_));
        Stufe_Sichern(KT_JK);
        istGefaltet_ = true;
        return true;
    });
}

bool clsCalc::ELMI_Oeffnen_Bild()
{
    return Guarded("clsCalc", "ELMI_Oeffnen_Bild", [this] {
        const zelo::ImagePanelCurve& bild = zelo::ImagePanel();
        const int32_t anzahl = bild.Kurve_Punkte();
        // The step comes from the first two points.
        if (anzahl < 2) rt::Raise(rt::errSubscript);
        std::vector<float> werte(static_cast<size_t>(anzahl));
        float hoechster = 0.0f;
        float tiefster = 100000.0f;
        for (int32_t i = 1; i <= anzahl; ++i) {
            const float wert = bild.Kurve_Y(i);
            werte[static_cast<size_t>(i - 1)] = wert;
            hoechster = std::max(hoechster, wert);
            tiefster = std::min(tiefster, wert);
        }
        const float schritt = bild.Kurve_X(2) - bild.Kurve_X(1);
        Uebernehmen(std::move(werte), tiefster, hoechster);
        schrittweite_ = schritt;
        maximumX_ = static_cast<float>(static_cast<double>(punkte_) * schrittweite_);
        Protokoll(Datenpunkte_Zeile(punkte_));
        Protokoll(Maximum_Zeile(maximumY_));
        Stufe_Sichern(KT_JK);
        istGefaltet_ = true;
        return true;
    });
}

bool clsCalc::Digitalisiert_Oeffnen()
{
    return Guarded("clsCalc", "Digitalisiert_Oeffnen", [this] {
        clsInput& input = rt::Object(gInput);
        if (!input.Spektrum_Oeffnen()) {
            Lesefehler_Vermerken("Digitalisiert_Oeffnen");
            return false;
        }
        Von_Null_Uebernehmen(Eingelesen(input), input.Minimum_Y(), input.Maximum_Y(), input.Delta_X());
        Stufe_Sichern(KT_JK);
        istGefaltet_ = true;
        return true;
    });
}

bool clsCalc::Faltung_Oeffnen()
{
    return Guarded("clsCalc", "Faltung_oeffnen", [this] {
        clsInput& input = rt::Object(gInput);
        if (!input.Datei_Oeffnen()) {
            Lesefehler_Vermerken("Faltung_oeffnen");
            return false;
        }
        auto werte = Eingelesen(input);
        float tiefster = input.Y(1);
        float hoechster = input.Y(1);
        for (float wert : werte) {
            tiefster = std::min(tiefster, wert);
            hoechster = std::max(hoechster, wert);
        }
        Von_Null_Uebernehmen(std::move(werte), tiefster, hoechster, input.Delta_X());
        Protokoll(gLanguage->Caption(207) + ": (SMP)" + rt::SingleText(mitte_));
        Stufe_Sichern(KT_Fit);
        return true;
    });
}

bool clsCalc::Demo_JK()
{
    return Guarded("clsCalc", "Demo_JK", [this] {
        constexpr size_t kopf = 4;
        constexpr size_t paar = 8;
        const auto daten = zelo::Resource("DEMO_103");
        if (daten.size() < kopf) throw rt::RuntimeError(326, "Resource with identifier DEMO 103 not found");
        int32_t anzahl = 0;
        std::memcpy(&anzahl, daten.data(), kopf);
        if (anzahl < 1) return false;
        if (static_cast<size_t>(anzahl) > (daten.size() - kopf) / paar) rt::Raise(rt::errInputPastEnd);

        std::vector<float> werte(static_cast<size_t>(anzahl));
        for (size_t i = 1; i <= werte.size(); ++i) {
            uint32_t bits = 0;
            std::memcpy(&bits, daten.data() + paar * i, sizeof bits);
            werte[i - 1] = std::bit_cast<float>(bits);
        }
        Uebernehmen(std::move(werte), 0.0f, 700000.0f);
        schrittweite_ = 0.244f;
        minimumX_ = 0.0f;
        maximumX_ = static_cast<float>(anzahl * 0.244);
        Protokoll("Datenpunkte: " + std::to_string(anzahl));
        Protokoll(Maximum_Zeile(maximumY_));
        Stufe_Sichern(KT_JK);
        istGefaltet_ = true;
        return true;
    });
}

void clsCalc::Speichern(const std::string& Dateiname) const
{
    try {
        const clsOptions& options = rt::Object(gOptions);
        // Every line is made before the file is opened, so that a value out of range leaves no file.
        std::vector<std::string> zeilen;
        zeilen.reserve(static_cast<size_t>(std::max(punkte_, 0)));
        for (int32_t i = 1; i <= punkte_; ++i)
            zeilen.push_back(Zahl_Rechtsbuendig(rt::CLng(static_cast<double>(x(i)) * options.Faktor_X()), 5) +
                             "  1000." + Zahl_Rechtsbuendig(rt::CLng(Y(i) * 10.0), 7) + ". ");
        const std::string ordner = rt::Object(gCommon).Ordner();
        clsFileHandler& datei = rt::Object(gFileHandler);
        if (!datei.OpenFile(ordner + Dateiname, clsFileHandler::kOutput)) return;
        for (const auto& zeile : zeilen) datei.WriteLine(zeile);
        if (!datei.CloseFile()) return;
        Protokoll(rt::TimeText() + gLanguage->Caption(205) + ordner + Dateiname + " " + std::to_string(punkte_));
    } catch (const rt::RuntimeError& e) {
        gError->Report("clsCalc", "Speichern", e);
    }
}
