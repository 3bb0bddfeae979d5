#include "materials/modElementDatabase.h"

#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "curves/clsFileHandler.h"
#include "materials/RecordReader.h"
#include "materials/RecordWriter.h"
#include "materials/clsFMK.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

InitKopf gInitKopf;
KeyedCollection<clsXAchse> colXAchsen;
KeyedCollection<clsElement> colElemente;
std::shared_ptr<clsXAchse> gXAchse;
std::shared_ptr<clsElement> gElement;

namespace {

// The smallest size of each record on disk (all strings empty, no optional parts), used to
// reject counts that cannot fit the file before anything is allocated for them.
constexpr int64_t kMinXAchseBytes = 4 + 2 + 2;
constexpr int64_t kMinElementBytes = 2 + 2 + 110;
constexpr int64_t kMinTabelleBytes = 2 + 4 + 4 + 2 + 3 * 2 + 40;
// A database of even a hundred thousand elements stays far below this.
constexpr uintmax_t kMaxFileBytes = 64u << 20;

std::string DatabasePath() { return gLoader->ApplicationPath() + kElementDatabaseFile; }

bool HasCurrentLayout(const std::vector<uint8_t>& bytes)
{
    static const uint8_t kennung[] = {5, 0, 'Z', 'E', 'L', 'O', '3'};
    return bytes.size() >= sizeof kennung && std::equal(std::begin(kennung), std::end(kennung), bytes.begin());
}

void CheckCounts(const RecordReader& datei, int32_t xAchsen, int32_t elemente, int32_t tabellen)
{
    if (xAchsen < 0 || elemente < 0 || tabellen < 0) rt::Raise(rt::errInputPastEnd);
    const int64_t needed = xAchsen * kMinXAchseBytes + elemente * kMinElementBytes + tabellen * kMinTabelleBytes;
    if (needed > static_cast<int64_t>(datei.Remaining())) rt::Raise(rt::errInputPastEnd);
}

void ReadHeader(RecordReader& datei)
{
    gInitKopf.Kennung = datei.String();
    gInitKopf.Anzahl_XAchsen = datei.Long();
    gInitKopf.Anzahl_Elemente = datei.Long();
    gInitKopf.Status = datei.Byte();
    gInitKopf.Frei = datei.Byte();
    gInitKopf.Revision = datei.Integer();
    gInitKopf.Anzahl_FMK = datei.Long();
    for (auto& value : gInitKopf.Reserve) value = datei.Long();
}

void WriteHeader(RecordWriter& datei)
{
    datei.String(gInitKopf.Kennung);
    datei.Long(gInitKopf.Anzahl_XAchsen);
    datei.Long(gInitKopf.Anzahl_Elemente);
    datei.Byte(gInitKopf.Status);
    datei.Byte(gInitKopf.Frei);
    datei.Integer(gInitKopf.Revision);
    datei.Long(gInitKopf.Anzahl_FMK);
    for (int32_t value : gInitKopf.Reserve) datei.Long(value);
}

// The header an older file gets: its counts, the current identifier, Revision 1 (the save that
// converts it makes it 2).
void ReadOlderHeader(RecordReader& datei)
{
    gInitKopf = InitKopf{};
    gInitKopf.Anzahl_XAchsen = datei.Long();
    gInitKopf.Anzahl_Elemente = datei.Long();
    gInitKopf.Kennung = kZeloKennung;
    gInitKopf.Revision = 1;
}

void ReadRecords(RecordReader& datei)
{
    for (int32_t i = 1; i <= gInitKopf.Anzahl_XAchsen; ++i) {
        gXAchse = std::make_shared<clsXAchse>();
        gXAchse->Daten_Lesen(datei);
        colXAchsen.Add(gXAchse, gXAchse->Key());
    }
    for (int32_t i = 1; i <= gInitKopf.Anzahl_Elemente; ++i) {
        gElement = std::make_shared<clsElement>();
        gElement->Element_Lesen(datei);
        colElemente.Add(gElement, gElement->Symbol());
    }
}

void ForgetRecords()
{
    colXAchsen.Clear();
    colElemente.Clear();
    gXAchse.reset();
    gElement.reset();
}

// The whole file, or false when it cannot be read or is too large to be a database.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxFileBytes) return false;
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

void ReportFailure(const char* procedure, const rt::RuntimeError& e)
{
    gError->ErrorMsg("modCommon", procedure, false, e.Number(), e.Description());
}

// The form-factor folders are scanned even when the database could not be read.
void ReadFileTablesOnly()
{
    if (!gFMK) return;
    RecordReader nothing({});
    gFMK->FMK_Von_ZELO_Lesen(nothing, 0);
}

}

void Zelo_Oeffnen()
{
    gError->AddFunctionToCallStack("modCommon", "Zelo_Oeffnen");
    ForgetRecords();
    const std::string path = DatabasePath();
    if (gLoader->IsFileFailed(path)) {
        ReadFileTablesOnly();
        return;
    }
    bool converted = false;
    try {
        std::vector<uint8_t> bytes;
        if (!ReadWholeFile(path, bytes)) rt::Raise(rt::errPathFileAccess);
        RecordReader datei(bytes);
        if (HasCurrentLayout(bytes)) {
            ReadHeader(datei);
            CheckCounts(datei, gInitKopf.Anzahl_XAchsen, gInitKopf.Anzahl_Elemente, gInitKopf.Anzahl_FMK);
        } else {
            ReadOlderHeader(datei);
            CheckCounts(datei, gInitKopf.Anzahl_XAchsen, gInitKopf.Anzahl_Elemente, 0);
            converted = true;
        }
        ReadRecords(datei);
        if (gFMK) gFMK->FMK_Von_ZELO_Lesen(datei, gInitKopf.Anzahl_FMK);
    } catch (const rt::RuntimeError& e) {
        ForgetRecords();
        gInitKopf = InitKopf{};
        gInitKopf.Kennung = kZeloKennung;
        ReadFileTablesOnly();
        ReportFailure("Zelo_Oeffnen", e);
        return;
    }
    if (converted) Zelo_Speichern();
}

void Zelo_Speichern()
{
    gInitKopf.Kennung = kZeloKennung;
    gInitKopf.Anzahl_XAchsen = colXAchsen.Count();
    gInitKopf.Anzahl_Elemente = colElemente.Count();
    gInitKopf.Anzahl_FMK = gFMK ? gFMK->FMK_Gespeichert_Anzahl() : 0;
    // The save counter starts again rather than stopping every later save.
    gInitKopf.Revision = gInitKopf.Revision == std::numeric_limits<int16_t>::max()
                             ? int16_t{0}
                             : static_cast<int16_t>(gInitKopf.Revision + 1);

    const std::string path = DatabasePath();
    const std::string temporary = path + ".tmp";
    try {
        RecordWriter datei;
        WriteHeader(datei);
        for (const auto& [key, xAchse] : colXAchsen) xAchse->Daten_Speichern(datei);
        for (const auto& [key, element] : colElemente) element->Element_Speichern(datei);
        if (gFMK) gFMK->FMK_In_ZELO_Speichern(datei);

        std::error_code ec;
        std::filesystem::remove(temporary, ec);
        if (!gFileHandler->OpenFile(temporary, 2)) return;  // the file handler has reported it
        const bool written = gFileHandler->WriteBytes(datei.Data());
        gFileHandler->CloseFile();
        const bool complete = written && std::filesystem::file_size(temporary, ec) == datei.Data().size() && !ec;
        if (!complete) rt::Raise(rt::errDiskFull);
        std::filesystem::rename(temporary, path, ec);
        if (ec) rt::Raise(rt::errPathFileAccess);
    } catch (const rt::RuntimeError& e) {
        std::error_code ec;
        std::filesystem::remove(temporary, ec);
        ReportFailure("Zelo_Speichern", e);
    }
}
