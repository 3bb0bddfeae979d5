#include "materials/clsFMK_Intern.h"

#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "materials/ElementDatenbankZugriff.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979;

int32_t Ordnerart(const std::string& folder, int32_t current)
{
    if (folder == "fmk" || folder == "fmk_e") return FT_Elektronen;
    if (folder == "fmk_x") return FT_Roentgen;
    if (folder == "fmk_n") return FT_Neutronen;
    return current;
}

}

void clsFMK_Intern::setDateiname(const std::string& name)
{
    dateiname_ = name;
    datenTyp_ = DT_Datei;
    const auto lastSeparator = name.find_last_of("/\\");
    if (lastSeparator == std::string::npos) {
        symbol_ = name;
        fmkTyp_ = FT_Unbekannt;
        return;
    }
    std::string filePart = name.substr(lastSeparator + 1);
    filePart = filePart.substr(0, filePart.find('.'));
    const auto underscore = filePart.find('_');
    if (underscore != std::string::npos) {
        info_ = filePart.substr(underscore + 1);
        symbol_ = filePart.substr(0, underscore);
    } else {
        symbol_ = filePart;
    }
    const std::string folderPath = name.substr(0, lastSeparator);
    const auto folderStart = folderPath.find_last_of("/\\");
    if (folderStart == std::string::npos) {
        fmkTyp_ = FT_Unbekannt;
        return;
    }
    fmkTyp_ = Ordnerart(folderPath.substr(folderStart + 1), fmkTyp_);
}

float clsFMK_Intern::A(int32_t Index) const
{
    if (Index < 1 || Index > 5) {
        clsError::ReportByMessage(ModuleKind::Class, "clsFMK_Intern", "a", rt::RuntimeError(rt::errSubscript));
        return 0.0f;
    }
    return a_[static_cast<size_t>(Index - 1)];
}

void clsFMK_Intern::setA(int32_t Index, float value)
{
    if (Index < 1 || Index > 5)
        return clsError::ReportByMessage(ModuleKind::Class, "clsFMK_Intern", "a", rt::RuntimeError(rt::errSubscript));
    a_[static_cast<size_t>(Index - 1)] = value;
}

float clsFMK_Intern::B(int32_t Index) const
{
    if (Index < 1 || Index > 5) {
        clsError::ReportByMessage(ModuleKind::Class, "clsFMK_Intern", "b", rt::RuntimeError(rt::errSubscript));
        return 0.0f;
    }
    return b_[static_cast<size_t>(Index - 1)];
}

void clsFMK_Intern::setB(int32_t Index, float value)
{
    if (Index < 1 || Index > 5)
        return clsError::ReportByMessage(ModuleKind::Class, "clsFMK_Intern", "b", rt::RuntimeError(rt::errSubscript));
    b_[static_cast<size_t>(Index - 1)] = value;
}

std::string clsFMK_Intern::Info_2() const
{
    const std::string radiation = Strahlung_Text(fmkTyp_);
    if (datenTyp_ == DT_Fit) return symbol_ + " - " + radiation + ", Fit";
    if (datenTyp_ != DT_Datei) return "";
    const std::string file = gLanguage->Caption(1);
    if (info_.empty()) return symbol_ + " - " + radiation + ", " + file;
    return symbol_ + " (" + info_ + ") - " + radiation + ", " + file;
}

void clsFMK_Intern::Daten_Lesen()
{
    Guarded("clsFMK_Intern", "Daten_Lesen", [this] { Daten_Lesen_Ungeschuetzt(); });
}

void clsFMK_Intern::Daten_Speichern() const
{
    Guarded("clsFMK_Intern", "Daten_Speichern", [this] { Daten_Speichern_Ungeschuetzt(); });
}

void clsFMK_Intern::Daten_Lesen_Ungeschuetzt()
{
    ElementDatenbankZugriff datei = ElementDatenbankZugriff::Fuer(dateinummer_);
    symbol_ = datei.ReadString();
    fmkTyp_ = datei.ReadLong();
    datenTyp_ = datei.ReadLong();
    info_ = datei.ReadString();
    for (auto& text : reservedTexts_) text = datei.ReadString();
    datei.ReadBytes(reserved_);
    if (datenTyp_ != DT_Fit) return;
    for (auto& value : a_) value = datei.ReadSingle();
    for (auto& value : b_) value = datei.ReadSingle();
    c_ = datei.ReadSingle();
    datei.ReadBytes(reservedParameters_);
}

void clsFMK_Intern::Daten_Speichern_Ungeschuetzt() const
{
    ElementDatenbankZugriff datei = ElementDatenbankZugriff::Fuer(dateinummer_);
    datei.WriteString(symbol_);
    datei.WriteLong(fmkTyp_);
    datei.WriteLong(datenTyp_);
    datei.WriteString(info_);
    for (const auto& text : reservedTexts_) datei.WriteString(text);
    datei.WriteBlock(reserved_);
    if (datenTyp_ != DT_Fit) return;
    for (float value : a_) datei.WriteSingle(value);
    for (float value : b_) datei.WriteSingle(value);
    datei.WriteSingle(c_);
    datei.WriteBlock(reservedParameters_);
}

float clsFMK_Intern::Y(float K) const
{
    // s = sin(theta)/lambda in 1/Angström from K = 4 pi sin(theta)/lambda in 1/nm.
    const auto s = static_cast<float>(K / 4.0 / kPi / 10.0);
    float f = 0.0f;
    for (size_t i = 0; i < a_.size(); ++i)
        f = static_cast<float>(f + double(a_[i]) * std::exp(-double(b_[i]) * double(s) * double(s)));
    return f + c_;
}
