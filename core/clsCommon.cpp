#include "core/clsCommon.h"

#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <map>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kNul(1, '\0');

std::string Text(int32_t number) { return gLanguage->Caption(number); }

// A path as a dialog answers it: cut before the first NUL, then trimmed of blanks at both ends.
std::string Dialogpfad(const std::string& text)
{
    const std::string cut = NulTrim(text);
    const size_t first = cut.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return cut.substr(first, cut.find_last_not_of(' ') - first + 1);
}

std::string Kleinbuchstaben(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The position of the extension's dot in a path, looking at the file name only; npos without one.
size_t Endungspunkt(const std::string& path)
{
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::string::npos;
    return dot;
}

bool Eintrag_Existiert(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

bool Datei_Existiert(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// The folder, or when it is gone (moved, deleted, never made) the nearest folder above it that
// exists, ending in "/"; "" for an empty one.
std::string Vorhandener_Ordner(const std::string& ordner)
{
    if (ordner.empty()) return "";
    std::filesystem::path pfad(ordner);
    std::error_code ec;
    while (!std::filesystem::is_directory(pfad, ec)) {
        const std::filesystem::path hoeher = pfad.parent_path();
        if (hoeher.empty() || hoeher == pfad) return "";
        pfad = hoeher;
    }
    const std::string text = pfad.string();
    return text.ends_with('/') ? text : text + "/";
}

const std::set<std::string> kPictureExtensions = {".bmp", ".jpg", ".jpeg", ".gif", ".wmf", ".tif", ".tiff",
                                                  ".png", ".jfif", ".jpe", ".dib", ".rle", ".emf"};

const std::map<std::string, int32_t> kProjectTypes = {
    {".dat", PT_Beugung}, {".elb", PT_Beugung},   {".asc", PT_ELMI},      {".i_k", PT_IK},
    {".ik0", PT_IK},      {".ik1", PT_IK},        {".ik", PT_IK},         {".ikk", PT_IK},
    {".kr4", PT_IK},      {".kr3", PT_IK},        {".sk", PT_IK},         {".g_r", PT_GR},
    {".gr4", PT_GR},      {".gr0", PT_GR},        {".gr", PT_GR},         {".n_r", PT_GR},
    {".rho", PT_GR},      {".rav", PT_GR},        {".fit", PT_Fit},       {".fi1", PT_Fit},
    {".kr1", PT_Fit},     {".mitt", PT_Mittel},   {".mit", PT_Mittel},    {".ssc", PT_SSC},
    {".rex", PT_Protokoll}, {".pot", PT_Potential}, {".v_r", PT_Potential}, {".v_k", PT_Potential_K},
};

}

std::vector<zelo::FileFilter> ParseFilterText(const std::string& filterText)
{
    std::vector<zelo::FileFilter> filters;
    size_t pos = 0;
    while (pos < filterText.size()) {
        const size_t nameEnd = filterText.find('\0', pos);
        if (nameEnd == std::string::npos) break;
        const size_t patternsEnd = filterText.find('\0', nameEnd + 1);
        if (patternsEnd == std::string::npos) break;
        filters.push_back({filterText.substr(pos, nameEnd - pos),
                           filterText.substr(nameEnd + 1, patternsEnd - nameEnd - 1)});
        pos = patternsEnd + 1;
    }
    return filters;
}

clsCommon::clsCommon() { ordner_ = Vorhandener_Ordner(gOptions->Reg_Folder()); }

std::string clsCommon::Filter() const
{
    // Built when asked, so that a language switch reaches the next dialog.
    std::string filter;
    std::string allPatterns;
    Filter_Hinzufuegen(Text(225) + " PHDS", "*.dat;*.elb", filter, allPatterns);
    Filter_Hinzufuegen(Text(225) + " ELMI", "*.asc", filter, allPatterns);
    Filter_Hinzufuegen("ZELO " + Text(226), "*.mitt;*.mit;*.fit;*.fi1;*.kr1", filter, allPatterns);
    Filter_Hinzufuegen(Text(227), "*.i_k;*.ik0;*.ikk;*.ik1;*.ik;*.sk;*.kr3;*.kr4;*.v_k", filter, allPatterns);
    Filter_Hinzufuegen(Text(228), "*.G_r;*.Gr0;*.Gr;*.gr4;*.rho;*.n_r;*.rav;*.pot;*.v_r", filter, allPatterns);
    Filter_Hinzufuegen(Text(229), "*.pot;*.v_r;*.v_k", filter, allPatterns);
    Filter_Hinzufuegen(Text(230), "*.tif;*.tiff;*.bmp;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.dib;*.rle;*.gif;*.emf;*.wmf",
                       filter, allPatterns);
    return Text(231) + kNul + allPatterns + kNul + filter + Text(232) + " (*.*)" + kNul + "*.*" + kNul;
}

void clsCommon::Filter_Hinzufuegen(const std::string& name, const std::string& patterns, std::string& filter,
                                   std::string& allPatterns)
{
    filter += name + " (" + patterns + ")" + kNul + patterns + kNul;
    allPatterns += ";" + patterns;
}

std::string clsCommon::Datei_Extension(const std::string& Filename) const
{
    const size_t dot = Endungspunkt(Filename);
    if (dot == std::string::npos) return "";
    const std::string extension = Filename.substr(dot);
    return Kleinbuchstaben(extension.substr(0, extension.find('\0')));
}

std::string clsCommon::Datei_NurDateiname(const std::string& Filename) const
{
    const size_t slash = Filename.rfind('/');
    return slash == std::string::npos ? Filename : Filename.substr(slash + 1);
}

void clsCommon::Record(const std::string& msg) const
{
    if (!enableRecord_) return;
    try {
        zelo::Ui().AppendLogLine(msg);
    } catch (...) {
        // The log never disturbs the action it records.
    }
}

std::string clsCommon::Ordner_Kandidat(int32_t n) const { return ordner_ + dateiname_ + std::to_string(n); }

void clsCommon::Ordner_Suchen()
{
    int32_t n = 1;
    std::string candidate = Ordner_Kandidat(n);
    while (Eintrag_Existiert(candidate)) candidate = Ordner_Kandidat(++n);
    kandidatenStamm_ = ordner_ + dateiname_;
    ordner_ = candidate + "/";
    gesuchterOrdner_ = ordner_;
}

int clsCommon::Ordner_Beanspruchen()
{
    if (!gesuchterOrdner_.empty() && ordner_ == gesuchterOrdner_) {
        // mkdir either creates the folder or fails because the name exists: of two copies that
        // chose the same name, only one gets it.
        for (int32_t n = 1;; ++n) {
            const std::string candidate = kandidatenStamm_ + std::to_string(n);
            if (::mkdir(candidate.c_str(), 0777) == 0) {
                const bool anders = candidate + "/" != ordner_;
                ordner_ = candidate + "/";
                if (anders) Record(Text(189) + ": " + ordner_);
                break;
            }
            if (errno != EEXIST) return errno;
        }
    }
    gesuchterOrdner_.clear();
    const std::string folder = ordner_.empty() ? "." : ordner_;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return ec.value();
    if (!std::filesystem::is_directory(folder, ec)) return ENOTDIR;
    return ::access(folder.c_str(), W_OK | X_OK) == 0 ? 0 : errno;
}

void clsCommon::Pfad_Zerlegen(const std::string& path, bool keepNurOrdner)
{
    gesuchterOrdner_.clear();
    dateinameRohdaten_ = Dialogpfad(path);
    const size_t slash = dateinameRohdaten_.rfind('/');
    std::string name = slash == std::string::npos ? dateinameRohdaten_ : dateinameRohdaten_.substr(slash + 1);
    ordner_ = slash == std::string::npos ? "" : dateinameRohdaten_.substr(0, slash + 1);
    if (!keepNurOrdner) dateinameNurOrdner_ = ordner_;
    const size_t dot = name.rfind('.');
    extension_ = dot == std::string::npos ? "" : name.substr(dot);
    dateiname_ = name.substr(0, dot);
}

void clsCommon::Projekt_Einrichten()
{
    Ordner_Suchen();
    ProjektTypErmitteln();
}

void clsCommon::Ordner_Merken() const
{
    const size_t slash = dateinameRohdaten_.rfind('/');
    if (slash == std::string::npos) return;
    const std::string ordner = dateinameRohdaten_.substr(0, slash + 1);
    std::error_code ec;
    if (std::filesystem::is_directory(ordner, ec) && gOptions->Reg_Folder() != ordner) gOptions->setReg_Folder(ordner);
}

bool clsCommon::ShowOpen(bool Silent)
{
    // A results folder only proposed (not yet made) starts the dialog in the folder it would lie in.
    const std::string path = zelo::Ui().OpenFileDialog(Text(222), ParseFilterText(Filter()), Vorhandener_Ordner(ordner_));
    if (Dialogpfad(path).empty()) return false;
    Pfad_Zerlegen(path, false);
    if (Silent) Projekt_Einrichten();
    return true;
}

bool clsCommon::ShowOpenBild()
{
    const std::string path = zelo::Ui().OpenFileDialog(
        Text(224), ParseFilterText("Bilder" + kNul + "*.bmp;*.jpg;*.jpeg;*.gif;*.wmf" + kNul), "");
    if (Dialogpfad(path).empty()) return false;
    Pfad_Zerlegen(path, true);
    Projekt_Einrichten();
    return true;
}

void clsCommon::Set_Dateiname(const std::string& StrFile)
{
    Pfad_Zerlegen(StrFile, false);
    Projekt_Einrichten();
}

std::string clsCommon::ShowOpenUntergrund() const
{
    return Dialogpfad(
        zelo::Ui().OpenFileDialog(Text(223), ParseFilterText("*.ugs" + kNul + "*.ugs" + kNul), Vorhandener_Ordner(ordner_)));
}

std::string clsCommon::ShowSave(const std::string& sFilter) const
{
    return Dialogpfad(zelo::Ui().SaveFileDialog(Text(234), ParseFilterText(sFilter), ordner_));
}

bool clsCommon::ShowFolder(const std::string& Caption)
{
    std::string folder = Dialogpfad(zelo::Ui().FolderDialog(Caption));
    if (folder.empty()) return false;
    setOrdner(folder);
    // A folder the user chose is taken as it is, also when it is the one proposed.
    gesuchterOrdner_.clear();
    gOptions->setReg_Folder(ordner_);
    return true;
}

void clsCommon::setDateiname_Rohdaten(const std::string& value)
{
    Guarded("clsCommon", "Dateiname_Rohdaten (Let)", [&] {
        const size_t dot = Endungspunkt(value);
        if (dot == std::string::npos) rt::Raise(rt::errInvalidCall);
        dateinameRohdaten_ = value;
        extension_ = value.substr(dot);
        ProjektTypErmitteln();
    });
}

void clsCommon::setOrdner(const std::string& value)
{
    // An empty folder stays empty: "/" would send the results to the root folder.
    ordner_ = value.empty() || value.back() == '/' ? value : value + "/";
}

bool clsCommon::DateiVorhanden(const std::string& extension) const
{
    return Datei_Existiert(ordner_ + dateiname_ + "." + extension);
}

bool clsCommon::DateiVorhanden2(const std::string& extension) const
{
    const size_t dot = Endungspunkt(dateinameRohdaten_);
    return Datei_Existiert(dateinameRohdaten_.substr(0, dot) + "." + extension);
}

void clsCommon::ProjektTypErmitteln()
{
    std::string extension = extension_;
    if (!extension.empty() && extension.back() == '\0') extension.pop_back();
    extension = Kleinbuchstaben(extension);

    projektTyp_ = PT_Unbekannt;
    if (const auto known = kProjectTypes.find(extension); known != kProjectTypes.end()) {
        projektTyp_ = known->second;
    } else if (kPictureExtensions.count(extension)) {
        // The English question carries the note "(No = digitize)" already: it is shown once.
        std::string frage = Text(233);
        if (!frage.ends_with(Text(407))) frage += "\r\n" + Text(407);
        const auto answer = zelo::Ui().MsgBox(frage, zelo::MsgButtons::YesNo, zelo::MsgIcon::None,
                                              gLoader->ApplicationName());
        projektTyp_ = answer == zelo::MsgResult::Yes ? PT_ELMI_Bild : PT_Bild_Digitalisieren;
    }
}

std::string clsCommon::CompactPath(const std::string& Path, int32_t max) const
{
    // Counted in characters, cut only at character boundaries of the UTF-8 text.
    std::vector<size_t> starts;
    for (size_t i = 0; i < Path.size(); ++i)
        if ((static_cast<unsigned char>(Path[i]) & 0xC0) != 0x80) starts.push_back(i);
    const size_t length = starts.size();
    const size_t limit = max > 0 ? static_cast<size_t>(max) : 0;
    if (length <= limit) return Path;

    const std::string dots = "...";
    const auto charsFrom = [&](size_t firstChar) { return length - firstChar; };
    const auto bytesOf = [&](size_t chars) { return chars < length ? starts[chars] : Path.size(); };
    if (limit <= dots.size()) return dots.substr(0, limit);

    // Keep "/name" whole and as much of the path's start as fits before "...".
    const size_t slash = Path.rfind('/');
    size_t tailChar = length;
    if (slash != std::string::npos)
        tailChar = static_cast<size_t>(std::lower_bound(starts.begin(), starts.end(), slash) - starts.begin());
    if (charsFrom(tailChar) + dots.size() <= limit) {
        const size_t headChars = limit - dots.size() - charsFrom(tailChar);
        return Path.substr(0, bytesOf(headChars)) + dots + Path.substr(bytesOf(tailChar));
    }
    // The name alone is too long: its start and "...".
    const size_t nameChar = slash == std::string::npos ? 0 : tailChar + 1;
    const size_t keep = std::min(limit - dots.size(), length - nameChar);
    return Path.substr(bytesOf(nameChar), bytesOf(nameChar + keep) - bytesOf(nameChar)) + dots;
}
