#include "core/clsOptions.h"

#include "core/Dateiart.h"
#include "core/Fehlergrund.h"
#include "core/Guarded.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "core/modString.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kText = cRegistry::REG_SZ;
constexpr int32_t kNumber = cRegistry::REG_DWORD;
constexpr float kDefaultMaxR = 3.1415927f;
// The slot last written, so that a full list replaces its oldest entry.
constexpr const char* kLastRecentFile = "MRU_Last";

std::string Platzname(const char* prefix, int32_t index) { return prefix + std::to_string(index); }

// The number a stored value holds; Kein_Wert when it holds none (an empty text included: a stored
// setting that was never given a number must not read as 0).
float Zahl_Von(const RegValue& value)
{
    if (const auto* number = std::get_if<int32_t>(&value)) return static_cast<float>(*number);
    const auto* text = std::get_if<std::string>(&value);
    if (!text || text->find_first_not_of(" \t") == std::string::npos) return Kein_Wert;
    return StrToSingle(*text);
}

}

clsOptions::clsOptions()
{
    for (int32_t typ = 1; typ <= kMaxKurvenTyp; ++typ)
        if (SaveOptionStored(typ))
            kurveSpeichern_[static_cast<size_t>(typ - 1)] =
                Flagge_Lesen(Platzname("Speichern_", typ), SaveOptionDefault(typ));
    einheitNM_ = Flagge_Lesen("nm", true);
    fftRichtig_ = Flagge_Lesen("FFT_Richtig", true);
    rtrAnpassen_ = Flagge_Lesen("RTR", false);
    iftrBevorzugen_ = Flagge_Lesen("iFTR_Bevorzugen", true);
    abbruchstelleDaempfen_ = Flagge_Lesen("Abbruchstelle_Daempfen", true);
    maxR_ = Zahl_Lesen("Max_R", kDefaultMaxR);
    abbruchstelleOrdnung_ = Ganzzahl_Lesen("Abbruchstelle Ordnung", kText, 4);
    buttonStyle_ = Ganzzahl_Lesen("ButtonStyle", kText, 3);
    sprache_ = Ganzzahl_Lesen("Lang", kText, 0);
}

bool clsOptions::Flagge_Lesen(const std::string& name, bool defaultValue) const
{
    const float number = Zahl_Von(Wert_Lesen(name, kNumber));
    return number == Kein_Wert ? defaultValue : number != 0.0f;
}

int32_t clsOptions::Ganzzahl_Lesen(const std::string& name, int32_t type, int32_t defaultValue) const
{
    const RegValue value = Wert_Lesen(name, type);
    if (const auto* number = std::get_if<int32_t>(&value)) return *number;
    const float number = Zahl_Von(value);
    if (number == Kein_Wert) return defaultValue;
    try {
        return rt::CLng(number);
    } catch (const rt::RuntimeError&) {
        return defaultValue;
    }
}

std::string clsOptions::Text_Lesen(const std::string& name, const std::string& defaultValue) const
{
    const RegValue value = Wert_Lesen(name, kText);
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<int32_t>(&value)) return std::to_string(*number);
    return defaultValue;
}

float clsOptions::Zahl_Lesen(const std::string& name, float defaultValue) const
{
    const float number = Zahl_Von(Wert_Lesen(name, kText));
    return number == Kein_Wert ? defaultValue : number;
}

RegValue clsOptions::Wert_Lesen(const std::string& name, int32_t type) const
{
    if (const auto kept = ungespeichert_.find(name); kept != ungespeichert_.end()) return kept->second;
    return registry_.ReadValue(name, type, {});
}

void clsOptions::Wert_Speichern(const std::string& name, int32_t type, const RegValue& value)
{
    try {
        registry_.WriteValue_Ungeschuetzt(name, type, value);
        ungespeichert_.erase(name);
        return;
    } catch (const rt::RuntimeError&) {
        ungespeichert_[name] = value;
    }
    // Every set would fail alike: the user hears of it once, plainly, not once per value.
    if (schreibfehlerGemeldet_) return;
    schreibfehlerGemeldet_ = true;
    const int reason = registry_.systemfehler_;
    std::string grund = reason != 0 ? Fehlergrund(reason) : "";
    if (gLanguage && Dateiart_Von(SettingsFile::Location().string()) == Dateiart::Andere)
        grund = gLanguage->Caption(676);
    zelo::Ui().MsgBox((gLanguage ? gLanguage->Caption(458) : "") + "\r\n" + SettingsFile::Location().string() +
                          (grund.empty() ? "" : " (" + grund + ")"),
                      zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, clsLoader::kApplicationName);
}

void clsOptions::Flagge_Speichern(const std::string& name, bool value)
{
    Wert_Speichern(name, kNumber, int32_t{value ? 1 : 0});
}

bool clsOptions::KurveSpeichern(int32_t Typ) const
{
    return Guarded("clsOptions", "KurveSpeichern (Get)", [&] {
        if (Typ < 1 || Typ > kMaxKurvenTyp) rt::Raise(rt::errSubscript);
        return kurveSpeichern_[static_cast<size_t>(Typ - 1)];
    });
}

void clsOptions::setKurveSpeichern(int32_t Typ, bool value)
{
    Guarded("clsOptions", "KurveSpeichern (Let)", [&] {
        if (Typ < 1 || Typ > kMaxKurvenTyp) rt::Raise(rt::errSubscript);
        Flagge_Speichern(Platzname("Speichern_", Typ), value);
        kurveSpeichern_[static_cast<size_t>(Typ - 1)] = value;
    });
}

int32_t clsOptions::FFT_Points() const
{
    return Guarded("clsOptions", "FFT_Points", [this] { return FFT_Points_Ungeschuetzt(); });
}

int32_t clsOptions::FFT_Points_Ungeschuetzt() const { return rt::CLng(std::pow(2.0, fftBits_)); }

int32_t clsOptions::LM_IK(int32_t Index) const
{
    const int32_t model = Ganzzahl_Lesen(Platzname("MouseActionIK_", Index), kText, Index);
    return model == -1 ? 0 : model;
}

void clsOptions::LM_IK_Set(int32_t Index, int32_t Value)
{
    Wert_Speichern(Platzname("MouseActionIK_", Index), kText, std::to_string(Value));
}

void clsOptions::setRTR_Anpassen(bool value)
{
    rtrAnpassen_ = value;
    Flagge_Speichern("RTR", value);
}

void clsOptions::setEinheit_NM(bool value)
{
    einheitNM_ = value;
    Flagge_Speichern("nm", value);
}

float clsOptions::Rand(int32_t tk) const { return KurvenTypRand(tk); }

void clsOptions::setMax_R(float value)
{
    maxR_ = value;
    Wert_Speichern("Max_R", kText, SingleToStr(value));
}

float clsOptions::Delta_r() const
{
    return Guarded("clsOptions", "Delta_r", [this] {
        return static_cast<float>(
            rt::Divide(6.28318530717958 / FFT_Points_Ungeschuetzt(), static_cast<double>(deltaK_)));
    });
}

float clsOptions::Element_Konzentration(int32_t Index) const { return Zahl_Lesen(Platzname("C_", Index), 0.0f); }

void clsOptions::setElement_Konzentration(int32_t Index, float value)
{
    Wert_Speichern(Platzname("C_", Index), kText, SingleToStr(value));
}

std::string clsOptions::Reg_X_Achse() const { return Text_Lesen("X_Achse", ""); }

void clsOptions::setReg_X_Achse(const std::string& value) { Wert_Speichern("X_Achse", kText, value); }

int32_t clsOptions::Reg_Komponenten() const { return Ganzzahl_Lesen("Komponenten", kNumber, 2); }

void clsOptions::setReg_Komponenten(int32_t value) { Wert_Speichern("Komponenten", kNumber, value); }

std::string clsOptions::Reg_Folder() const { return Text_Lesen("Folder", ""); }

void clsOptions::setReg_Folder(const std::string& value) { Wert_Speichern("Folder", kText, value); }

std::string clsOptions::Update_URL() const
{
    return Text_Lesen("Update_URL", "http://www.murenko.example/zelo/v_zelo.txt");
}

void clsOptions::setUpdate_URL(const std::string& value) { Wert_Speichern("Update_URL", kText, value); }

void clsOptions::setiFTR_Bevorzugen(bool value)
{
    iftrBevorzugen_ = value;
    Flagge_Speichern("iFTR_Bevorzugen", value);
}

void clsOptions::setAbbruchstelle_Daempfen(bool value)
{
    abbruchstelleDaempfen_ = value;
    Flagge_Speichern("Abbruchstelle_Daempfen", value);
}

void clsOptions::setAbbruchstelle_Ordnung(int32_t value)
{
    abbruchstelleOrdnung_ = value;
    Wert_Speichern("Abbruchstelle Ordnung", kText, std::to_string(value));
}

std::string clsOptions::Element_Symbol(int32_t Index) const { return Text_Lesen(Platzname("E_", Index), "H"); }

void clsOptions::setElement_Symbol(int32_t Index, const std::string& value)
{
    Wert_Speichern(Platzname("E_", Index), kText, value);
}

void clsOptions::setSprache(int32_t value)
{
    sprache_ = value;
    Wert_Speichern("Lang", kText, std::to_string(value));
}

std::string clsOptions::MRU(int32_t Index) const
{
    if (Index < 1 || Index > kRecentFiles) return "";
    return Text_Lesen(Platzname("MRU", Index), "");
}

bool clsOptions::MRU_Available() const
{
    for (int32_t i = 1; i <= kRecentFiles; ++i)
        if (!MRU(i).empty()) return true;
    return false;
}

int32_t clsOptions::MRU_Set(const std::string& StrFile)
{
    if (StrFile.empty()) return -1;
    int32_t lastFilled = 0;
    int32_t firstEmpty = 0;
    for (int32_t i = 1; i <= kRecentFiles; ++i) {
        const std::string entry = MRU(i);
        if (entry == StrFile) return -1;
        if (!entry.empty())
            lastFilled = i;
        else if (firstEmpty == 0)
            firstEmpty = i;
    }
    int32_t slot = lastFilled + 1;
    if (slot > kRecentFiles && firstEmpty != 0) {
        slot = firstEmpty;
    } else if (slot > kRecentFiles) {
        const int32_t written = Ganzzahl_Lesen(kLastRecentFile, kNumber, kRecentFiles);
        slot = written >= 1 && written < kRecentFiles ? written + 1 : 1;
    }
    Wert_Speichern(Platzname("MRU", slot), kText, StrFile);
    Wert_Speichern(kLastRecentFile, kNumber, slot);
    return slot;
}
