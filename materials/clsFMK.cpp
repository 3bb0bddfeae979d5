#include "materials/clsFMK.h"

#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "materials/ElementDatenbankZugriff.h"
#include "materials/modElementDatabase.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

constexpr const char* kModul = "clsFMK";

std::string Kleinbuchstaben(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The "*.fmk" files of a folder, the extension matched without regard to case, in name order so
// that a table keeps its index from start to start; none when the folder is missing.
std::vector<std::string> Formfaktordateien(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string name = it->path().filename().string();
        if (Kleinbuchstaben(it->path().extension().string()) == ".fmk") names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = Kleinbuchstaben(a), lb = Kleinbuchstaben(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

}

const clsFMK_Intern& clsFMK::Tabelle(int32_t i) const
{
    // What a bad index gets: a table that names no element.
    static const clsFMK_Intern kKeine;
    const clsFMK_Intern* tabelle = Guarded(kModul, "Tabelle", [&] { return &Tabelle_Ungeschuetzt(i); });
    return tabelle ? *tabelle : kKeine;
}

const clsFMK_Intern& clsFMK::Tabelle_Ungeschuetzt(int32_t i) const
{
    if (i < 1 || i > FMK_Anzahl()) rt::Raise(rt::errSubscript);
    return *tabellen_[static_cast<size_t>(i - 1)];
}

std::string clsFMK::FMK_Intern_Symbol(int32_t i) const
{
    return Guarded(kModul, "FMK_Intern_Symbol", [&] { return Tabelle_Ungeschuetzt(i).Symbol(); });
}

std::string clsFMK::FMK_Intern_Info(int32_t i) const
{
    return Guarded(kModul, "FMK_Intern_Info", [&] { return Tabelle_Ungeschuetzt(i).Info(); });
}

std::string clsFMK::FMK_Intern_Typ(int32_t i) const
{
    return Guarded(kModul, "FMK_Intern_Typ",
                   [&] { return std::to_string(Tabelle_Ungeschuetzt(i).FMK_Typ()); });
}

std::string clsFMK::Formfaktor_Information(int32_t Index) const
{
    return Guarded(kModul, "Formfaktor_Information", [&] { return Tabelle_Ungeschuetzt(Index).Info_2(); });
}

int32_t clsFMK::Formfaktor_Typ(int32_t Index) const
{
    return Guarded(kModul, "Formfaktor_Typ", [&] { return Tabelle_Ungeschuetzt(Index).FMK_Typ(); });
}

int32_t clsFMK::Formfaktor_Typ_Daten(int32_t Index) const
{
    return Guarded(kModul, "Formfaktor_Typ_Daten", [&] { return Tabelle_Ungeschuetzt(Index).Daten_Typ(); });
}

void clsFMK::FMK_In_ZELO_Speichern(int32_t Dateinummer) const
{
    Guarded(kModul, "FMK_In_ZELO_Speichern", [&] { FMK_In_ZELO_Speichern_Ungeschuetzt(Dateinummer); });
}

void clsFMK::FMK_In_ZELO_Speichern_Ungeschuetzt(int32_t Dateinummer) const
{
    for (const auto& tabelle : tabellen_) {
        if (tabelle->Daten_Typ() == DT_Datei) continue;
        tabelle->setDateinummer(Dateinummer);
        ElementDatenbankZugriff::Fuer(Dateinummer).Speichern(*tabelle);
    }
}

int32_t clsFMK::FMK_Gespeichert_Anzahl() const
{
    return static_cast<int32_t>(
        std::count_if(tabellen_.begin(), tabellen_.end(), [](const auto& t) { return t->Daten_Typ() != DT_Datei; }));
}

void clsFMK::FMK_Intern_Neu(const std::string& Symbol, int32_t FMK_Typ, const std::array<float, 5>& A,
                            const std::array<float, 5>& B, float c)
{
    auto tabelle = std::make_unique<clsFMK_Intern>();
    tabelle->setSymbol(Symbol);
    tabelle->setFMK_Typ(FMK_Typ);
    tabelle->setDaten_Typ(DT_Fit);
    for (int32_t i = 1; i <= 5; ++i) {
        tabelle->setA(i, A[static_cast<size_t>(i - 1)]);
        tabelle->setB(i, B[static_cast<size_t>(i - 1)]);
    }
    tabelle->setC(c);
    tabellen_.push_back(std::move(tabelle));
    gInitKopf.Anzahl_FMK = FMK_Gespeichert_Anzahl();
}

bool clsFMK::FMK_Von_ZELO_Lesen(int32_t Dateinummer, int32_t Anzahl)
{
    return Guarded(kModul, "FMK_Von_ZELO_Lesen", [&] { return FMK_Von_ZELO_Lesen_Ungeschuetzt(Dateinummer, Anzahl); });
}

bool clsFMK::FMK_Von_ZELO_Lesen_Ungeschuetzt(int32_t Dateinummer, int32_t Anzahl)
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack("clsFMK", "FMK_Von_ZELO_Lesen");
    tabellen_.clear();
    for (int32_t i = 1; i <= Anzahl; ++i) {
        auto tabelle = std::make_unique<clsFMK_Intern>();
        tabelle->setDateinummer(Dateinummer);
        ElementDatenbankZugriff::Fuer(Dateinummer).Lesen(*tabelle);
        tabellen_.push_back(std::move(tabelle));
    }
    const std::string programFolder = gLoader->ApplicationPath();
    for (const char* folder : {"fmk/", "fmk_e/", "fmk_x/", "fmk_n/"})
        Formfaktorverzeichnisse_Einlesen(programFolder + folder);
    return true;
}

bool clsFMK::FMK_In_Verwendung(int32_t Index) const
{
    return std::find(tabelle_.begin(), tabelle_.end(), Index) != tabelle_.end();
}

void clsFMK::FMK_Intern_Loeschen(int32_t Index)
{
    Guarded(kModul, "FMK_Intern_Loeschen", [&] {
        if (Index < 1 || Index > FMK_Anzahl() || Tabelle_Ungeschuetzt(Index).Daten_Typ() != DT_Fit ||
            FMK_In_Verwendung(Index))
            rt::Raise(rt::errInvalidCall);
        tabellen_.erase(tabellen_.begin() + (Index - 1));
        for (int32_t& tabelle : tabelle_)
            if (tabelle > Index) --tabelle;
        gInitKopf.Anzahl_FMK = FMK_Gespeichert_Anzahl();
    });
}

void clsFMK::Formfaktorverzeichnisse_Einlesen(const std::string& Verzeichnis)
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack("clsFMK", "Formfaktorverzeichnisse_Einlesen");
    for (const std::string& name : Formfaktordateien(Verzeichnis)) {
        auto tabelle = std::make_unique<clsFMK_Intern>();
        tabelle->setDateiname(Verzeichnis + name);
        tabellen_.push_back(std::move(tabelle));
    }
}

bool clsFMK::Formfaktor_Vorhanden_2(const std::string& Symbol) const
{
    return std::any_of(tabellen_.begin(), tabellen_.end(), [&](const auto& t) { return t->Symbol() == Symbol; });
}

int32_t clsFMK::Formfaktor_Tabellen(const std::string& Symbol, std::vector<int32_t>& Tabellen) const
{
    Tabellen.clear();
    for (int32_t i = 1; i <= FMK_Anzahl(); ++i)
        if (Tabelle_Ungeschuetzt(i).Symbol() == Symbol) Tabellen.push_back(i);
    return static_cast<int32_t>(Tabellen.size());
}
