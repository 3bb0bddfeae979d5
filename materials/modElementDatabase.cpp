#include "materials/modElementDatabase.h"

#include "core/AtomicFile.h"
#include "core/Dateiart.h"
#include "core/Dateistand.h"
#include "core/Fehlergrund.h"
#include "core/Runtime.h"
#include "core/Sicherungskopie.h"
#include "core/UiSeam.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "curves/Windows1252.h"
#include "curves/clsFileHandler.h"
#include "materials/ElementDatenbankZugriff.h"
#include "materials/clsFMK.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <limits>
#include <optional>
#include <unistd.h>

namespace {

// The smallest size of each record on disk (all strings empty, no optional parts), used to
// reject counts that cannot fit the file before anything is read for them.
constexpr int64_t kMinXAchseBytes = 4 + 2 + 2;
constexpr int64_t kMinElementBytes = 2 + 2 + 110;
constexpr int64_t kMinTabelleBytes = 2 + 4 + 4 + 2 + 3 * 2 + 40;
// The run time's number for a key already in a collection.
constexpr int32_t kSchluesselDoppelt = 457;

std::string Datenbankpfad() { return gLoader->ApplicationPath() + kElementDatabaseFile; }

// Where the lists in memory came from, which decides whether a save may simply replace the file.
enum class Herkunft {
    Vollstaendig,    // the whole file of the current layout
    Aelter,          // a file of the older layout: converted only with a copy of it beside it
    Unvollstaendig,  // a file that could not be read completely: replaced only with the user's consent
    Nur_Im_Speicher  // the default copy, because no file can hold it: never saved
};
Herkunft herkunft = Herkunft::Vollstaendig;
// The default copy handed over by start-up, and why no file can hold it.
std::vector<uint8_t> ersatzdaten;
std::string ersatzgrund;
// The file as it was when it was read or last saved (nullopt: there was none), so that a save
// notices a file that someone else changed meanwhile.
std::optional<Dateistand> gelesenerStand;

std::string Text(int32_t nummer) { return gLanguage ? gLanguage->Caption(nummer) : std::string(); }

void Melden(const std::string& text)
{
    zelo::Ui().MsgBox(text, zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, clsLoader::kApplicationName);
}

// Why the file cannot be replaced (an errno), or 0. A folder in its place is left to the writer,
// which reports it.
int Nicht_Ersetzbar(const std::filesystem::path& path)
{
    const std::filesystem::path target = AtomicFile::Target(path);
    if (target.empty()) return ELOOP;
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) return 0;
    if (std::filesystem::exists(target, ec) && ::access(target.c_str(), W_OK) != 0) return errno;
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    if (::access(folder.c_str(), W_OK) != 0) return errno;
    return 0;
}

// The current layout begins with the string "ZELO3"; anything else is the older layout.
bool Hat_Aktuelles_Layout(ElementDatenbankZugriff& datei)
{
    static const std::array<uint8_t, 7> kennung = {5, 0, 'Z', 'E', 'L', 'O', '3'};
    if (datei.FileLength() < static_cast<int64_t>(kennung.size())) return false;
    std::array<uint8_t, 7> start{};
    datei.ReadBytes(start);
    datei.SetOffset(0);
    return start == kennung;
}

// The counts of the header must leave room for their records in the rest of the file.
void Anzahlen_Pruefen(ElementDatenbankZugriff& datei)
{
    const int64_t xAchsen = gInitKopf.Anzahl_XAchsen, elemente = gInitKopf.Anzahl_Elemente,
                  tabellen = gInitKopf.Anzahl_FMK;
    if (xAchsen < 0 || elemente < 0 || tabellen < 0) rt::Raise(rt::errInputPastEnd);
    const int64_t needed = xAchsen * kMinXAchseBytes + elemente * kMinElementBytes + tabellen * kMinTabelleBytes;
    if (needed > datei.FileLength() - datei.Offset()) rt::Raise(rt::errInputPastEnd);
}

void Kopf_Lesen(ElementDatenbankZugriff& datei)
{
    gInitKopf.Kennung = datei.ReadString();
    gInitKopf.Anzahl_XAchsen = datei.ReadLong();
    gInitKopf.Anzahl_Elemente = datei.ReadLong();
    gInitKopf.Status = datei.ReadByte();
    gInitKopf.Frei = datei.ReadByte();
    gInitKopf.Revision = datei.ReadInteger();
    gInitKopf.Anzahl_FMK = datei.ReadLong();
    for (auto& value : gInitKopf.Reserve) value = datei.ReadLong();
}

// An older file holds only the two counts; it gets the current identifier and Revision 1 (the
// save that converts it makes it 2).
void Aelteren_Kopf_Lesen(ElementDatenbankZugriff& datei)
{
    gInitKopf = InitKopf{};
    gInitKopf.Anzahl_XAchsen = datei.ReadLong();
    gInitKopf.Anzahl_Elemente = datei.ReadLong();
    gInitKopf.Kennung = kZeloKennung;
    gInitKopf.Revision = 1;
}

// An older file is taken as one only when it holds at least one record and every record has its
// key: two zero counts are as likely a file of zeros as an empty database.
void Aelteren_Inhalt_Pruefen()
{
    if (colXAchsen.Count() + colElemente.Count() == 0) rt::Raise(rt::errBadFileFormat);
    const auto brauchbar = [](const std::string& key) {
        return !key.empty() && std::none_of(key.begin(), key.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        });
    };
    for (const auto& [key, xAchse] : colXAchsen)
        if (!brauchbar(xAchse->Key())) rt::Raise(rt::errBadFileFormat);
    for (const auto& [key, element] : colElemente)
        if (!brauchbar(element->Symbol())) rt::Raise(rt::errBadFileFormat);
}

void Kopf_Schreiben(ElementDatenbankZugriff& datei)
{
    datei.WriteString(gInitKopf.Kennung);
    datei.WriteLong(gInitKopf.Anzahl_XAchsen);
    datei.WriteLong(gInitKopf.Anzahl_Elemente);
    datei.WriteByte(gInitKopf.Status);
    datei.WriteByte(gInitKopf.Frei);
    datei.WriteInteger(gInitKopf.Revision);
    datei.WriteLong(gInitKopf.Anzahl_FMK);
    for (int32_t value : gInitKopf.Reserve) datei.WriteLong(value);
}

// A key twice is the collection's error 457, told in the window's language with the key.
template <typename T>
void Eintragen(KeyedCollection<T>& liste, std::shared_ptr<T> eintrag, const std::string& key)
{
    if (liste.Item(key)) throw rt::RuntimeError(kSchluesselDoppelt, Text(677) + " (" + key + ")");
    liste.Add(std::move(eintrag), key);
}

void Datensaetze_Lesen(ElementDatenbankZugriff& datei, int32_t dateinummer)
{
    for (int32_t i = 1; i <= gInitKopf.Anzahl_XAchsen; ++i) {
        gXAchse = std::make_shared<clsXAchse>();
        gXAchse->setDateinummer(dateinummer);
        datei.Lesen(*gXAchse);
        Eintragen(colXAchsen, gXAchse, gXAchse->Key());
    }
    for (int32_t i = 1; i <= gInitKopf.Anzahl_Elemente; ++i) {
        gElement = std::make_shared<clsElement>();
        gElement->setDateinummer(dateinummer);
        datei.Lesen(*gElement);
        Eintragen(colElemente, gElement, gElement->Symbol());
    }
}

void Datensaetze_Vergessen()
{
    colXAchsen.Clear();
    colElemente.Clear();
    gXAchse.reset();
    gElement.reset();
}

// The file tables of the form-factor folders are listed even without a readable database.
void Nur_Dateitabellen_Lesen()
{
    if (gFMK) gFMK->FMK_Von_ZELO_Lesen(0, 0);
}

bool Passt_In_String(const std::string& text)
{
    return Utf8ToWindows1252(text).size() <= std::numeric_limits<uint16_t>::max();
}

// A text too long for its 16-bit length would stop the writing half-way.
bool Alle_Texte_Passen()
{
    for (const auto& [key, xAchse] : colXAchsen)
        if (!Passt_In_String(xAchse->name()) || !Passt_In_String(xAchse->Key())) return false;
    for (const auto& [key, element] : colElemente)
        if (!Passt_In_String(element->Symbol()) || !Passt_In_String(element->name())) return false;
    for (int32_t i = 1; gFMK && i <= gFMK->FMK_Anzahl(); ++i)
        if (!Passt_In_String(gFMK->Tabelle(i).Symbol()) || !Passt_In_String(gFMK->Tabelle(i).Info())) return false;
    return true;
}

// Reads the open file into the lists; true when it is of the older layout. Raises at the first sign
// that the file cannot be used.
bool Inhalt_Lesen(ElementDatenbankZugriff& datei)
{
    const int32_t dateinummer = gFileHandler->FileHandle();
    const bool older = !Hat_Aktuelles_Layout(datei);
    if (older)
        Aelteren_Kopf_Lesen(datei);
    else
        Kopf_Lesen(datei);
    Anzahlen_Pruefen(datei);
    Datensaetze_Lesen(datei, dateinummer);
    if (older) Aelteren_Inhalt_Pruefen();
    if (gFMK) datei.Lesen(*gFMK, gInitKopf.Anzahl_FMK);
    return older;
}

// Leaves nothing of a file that could not be read completely.
void Gelesenes_Verwerfen()
{
    gFileHandler->CloseFile();
    Datensaetze_Vergessen();
    gInitKopf = InitKopf{};
    gInitKopf.Kennung = kZeloKennung;
}

// Reads the table the program carries in place of a file that could not be read; false when there
// is none or it cannot be read either.
bool Ersatz_Lesen(std::span<const uint8_t> ersatz, ElementDatenbankZugriff& datei)
{
    if (ersatz.empty() || !gFileHandler->OpenBytes(ersatz)) return false;
    try {
        Inhalt_Lesen(datei);
    } catch (const rt::RuntimeError&) {
        Gelesenes_Verwerfen();
        return false;
    }
    gFileHandler->CloseFile();
    return true;
}

}

void Zelo_Im_Speicher_Verwenden(std::span<const uint8_t> bytes, const std::string& grund)
{
    ersatzdaten.assign(bytes.begin(), bytes.end());
    ersatzgrund = grund;
}

bool Zelo_Nur_Im_Speicher() { return !ersatzdaten.empty(); }

void Zelo_Oeffnen(std::span<const uint8_t> ersatz)
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack("modCommon", "Zelo_Oeffnen");
    Datensaetze_Vergessen();
    const std::string path = Datenbankpfad();
    herkunft = Herkunft::Vollstaendig;
    // Taken before the file is read, so that a change while it is read shows as a change.
    gelesenerStand = Dateistand_Lesen(AtomicFile::Target(path));
    bool offen = false;
    if (!ersatzdaten.empty()) {
        herkunft = Herkunft::Nur_Im_Speicher;
        offen = gFileHandler->OpenBytes(ersatzdaten);
    } else if (!gLoader->IsFileFailed(path)) {
        // Read only: a database the user may not change is still read in full.
        offen = gFileHandler->OpenFile(path, clsFileHandler::kInput);
        if (!offen) herkunft = Herkunft::Unvollstaendig;
    }
    if (!offen) {
        Nur_Dateitabellen_Lesen();
        return;
    }
    ElementDatenbankZugriff datei(*gFileHandler);
    bool older = false;
    try {
        older = Inhalt_Lesen(datei);
    } catch (const rt::RuntimeError& e) {
        Gelesenes_Verwerfen();
        if (herkunft == Herkunft::Nur_Im_Speicher) {
            Nur_Dateitabellen_Lesen();
            gError->Report("modCommon", "Zelo_Oeffnen", e);
            return;
        }
        herkunft = Herkunft::Unvollstaendig;
        // The program stays usable on the table it carries; the file stays as it is until the user agrees.
        const bool ersetzt = Ersatz_Lesen(ersatz, datei);
        if (!ersetzt) Nur_Dateitabellen_Lesen();
        const std::string fehler = Text(e.Number() == rt::errInputPastEnd ? 464 : 465);
        gError->Report("modCommon", "Zelo_Oeffnen",
                       rt::RuntimeError(e.Number(), e.Description() + ":\r\n" + path + "\r\n" + fehler + "\r\n" +
                                                        Text(452) + (ersetzt ? "\r\n" + Text(466) : "") +
                                                        "\r\n" + Text(467)));
        return;
    }
    gFileHandler->CloseFile();
    if (older && herkunft != Herkunft::Nur_Im_Speicher) {
        herkunft = Herkunft::Aelter;
        Zelo_Speichern();
    }
}

namespace {

enum class Erlaubnis { Ja, Abgelehnt, Unmoeglich };

// Keeps the file beside it as a copy before it is replaced; with a question (the file's state in
// words) only when the user agrees, telling where the copy goes (kopieText).
Erlaubnis Kopie_Anlegen(const std::string& path, const std::filesystem::path& original, const std::string& frage,
                        int32_t kopieText)
{
    const std::filesystem::path kopie = Sicherungsname(original);
    if (!frage.empty()) {
        const auto answer = zelo::Ui().MsgBox(path + "\r\n" + frage + "\r\n" + Text(kopieText) + " " + kopie.string() +
                                                  "\r\n" + Text(455),
                                              zelo::MsgButtons::YesNo, zelo::MsgIcon::Question,
                                              clsLoader::kApplicationName);
        if (answer != zelo::MsgResult::Yes) return Erlaubnis::Abgelehnt;
    }
    if (const int error = Sicherungskopie_Anlegen(original, kopie); error != 0) {
        Melden(Text(456) + "\r\n" + path + " (" + kopie.string() + ": " + Fehlergrund(error) + ")");
        return Erlaubnis::Unmoeglich;
    }
    return Erlaubnis::Ja;
}

// Whether the file may be replaced now: never for data held only in memory or a file that cannot
// be written (the user is told why); a file that was not read completely, or that was changed since
// it was read or saved (another running copy saved, the user put a copy back), only when the user
// agrees; a file that is not of the current layout, or was so agreed on, is kept as a copy first.
Erlaubnis Ersetzen_Erlaubt(const std::string& path)
{
    if (herkunft == Herkunft::Nur_Im_Speicher) {
        Melden(Text(456) + "\r\n" + path + " (" + ersatzgrund + ")");
        return Erlaubnis::Unmoeglich;
    }
    // A device or a named pipe put in the file's place is neither read nor replaced.
    std::error_code ec;
    if (Dateiart_Von(path) == Dateiart::Andere && !std::filesystem::is_directory(path, ec)) {
        Melden(Text(456) + "\r\n" + path + " (" + Text(676) + ")");
        return Erlaubnis::Unmoeglich;
    }
    if (const int error = Nicht_Ersetzbar(path); error != 0) {
        Melden(Text(456) + "\r\n" + path + " (" + Fehlergrund(error) + ")");
        return Erlaubnis::Unmoeglich;
    }
    const std::filesystem::path original = AtomicFile::Target(path);
    if (herkunft == Herkunft::Vollstaendig) {
        const std::optional<Dateistand> jetzt = Dateistand_Lesen(original);
        if (!jetzt || jetzt == gelesenerStand) return Erlaubnis::Ja;
        return Kopie_Anlegen(path, original, Text(459), 460);
    }
    if (!std::filesystem::is_regular_file(original, ec)) return Erlaubnis::Ja;
    if (herkunft == Herkunft::Unvollstaendig)
        return Kopie_Anlegen(path, original, Text(453) + " " + std::to_string(colElemente.Count()), 454);
    return Kopie_Anlegen(path, original, "", 454);
}

}

Zelo_Speicherung Zelo_Speichern()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack("modCommon", "Zelo_Speichern");
    const std::string path = Datenbankpfad();
    if (const Erlaubnis erlaubnis = Ersetzen_Erlaubt(path); erlaubnis != Erlaubnis::Ja)
        return erlaubnis == Erlaubnis::Abgelehnt ? Zelo_Speicherung::Abgelehnt : Zelo_Speicherung::Nicht_Geschrieben;
    gInitKopf.Kennung = kZeloKennung;
    gInitKopf.Anzahl_XAchsen = colXAchsen.Count();
    gInitKopf.Anzahl_Elemente = colElemente.Count();
    gInitKopf.Anzahl_FMK = gFMK ? gFMK->FMK_Gespeichert_Anzahl() : 0;
    // The save counter starts again rather than stopping every later save.
    gInitKopf.Revision = gInitKopf.Revision == std::numeric_limits<int16_t>::max()
                             ? int16_t{0}
                             : static_cast<int16_t>(gInitKopf.Revision + 1);
    if (!Alle_Texte_Passen()) {
        gError->ErrorMsg("modCommon", "Zelo_Speichern", false, rt::errOverflow, rt::ErrorDescription(rt::errOverflow));
        return Zelo_Speicherung::Nicht_Geschrieben;
    }
    // Output mode replaces the file only once it is complete; the file handler reports a failure.
    if (!gFileHandler->OpenFile(path, clsFileHandler::kOutput)) return Zelo_Speicherung::Nicht_Geschrieben;
    ElementDatenbankZugriff datei(*gFileHandler);
    const int32_t dateinummer = gFileHandler->FileHandle();
    try {
        Kopf_Schreiben(datei);
        for (const auto& [key, xAchse] : colXAchsen) {
            xAchse->setDateinummer(dateinummer);
            datei.Speichern(*xAchse);
        }
        for (const auto& [key, element] : colElemente) {
            element->setDateinummer(dateinummer);
            datei.Speichern(*element);
        }
        if (gFMK) datei.Speichern(*gFMK);
    } catch (const rt::RuntimeError&) {
        // A failed write: the file handler keeps the old file and reports it on closing.
    }
    if (!gFileHandler->CloseFile()) return Zelo_Speicherung::Nicht_Geschrieben;
    herkunft = Herkunft::Vollstaendig;
    gelesenerStand = Dateistand_Lesen(AtomicFile::Target(path));
    return Zelo_Speicherung::Geschrieben;
}
