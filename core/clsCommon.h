#pragma once
// The current project's files: which file it came from, where its results go and what kind of
// project it is. Runs the file dialogs, offers small path functions and holds the switch of the
// processing log. Paths use "/"; a folder ends with "/".
#include "core/Einheitenwahl.h"
#include "core/UiSeam.h"

#include <cstdint>
#include <string>
#include <vector>

// The kinds of project, derived from the opened file's extension.
enum ProjektTypen : int32_t {
    PT_Beugung = 0,
    PT_ELMI = 1,
    PT_IK = 2,
    PT_GR = 3,
    PT_Fit = 4,
    PT_Mittel = 5,
    PT_Unbekannt = 6,
    PT_Bild_Digitalisieren = 10,
    PT_ELMI_Bild = 11,
    PT_SSC = 12,
    PT_Protokoll = 13,
    PT_Potential = 14,
    PT_Potential_K = 15,
};

// The generated or demonstration curve a project starts from instead of a file (ProjektTyp_Spezial).
enum ProjektTypenSpezial : int32_t {
    PTS_Keiner = 0,
    PTS_Rechteck_IK = 1,
    PTS_Lorch_IK = 2,
    PTS_Demo_IK = 3,
    PTS_Testpeaks_IK = 4,
    PTS_Testpeaks_GR = 5,
    PTS_Demo_JK = 6,
    PTS_Simulation = 7,
};

// A dialog filter text (display name and patterns, each ended by a NUL character) as entries.
std::vector<zelo::FileFilter> ParseFilterText(const std::string& filterText);

class clsCommon {
public:
    // Takes the start folder from the settings (a stored folder that is gone gives way to the nearest
    // one above it that exists).
    clsCommon();

    // The extension of a file name with its dot, in lower case; "" when the name has none.
    std::string Datei_Extension(const std::string& Filename) const;
    // The part of a path after its last "/".
    std::string Datei_NurDateiname(const std::string& Filename) const;
    // Appends a line to the processing log while logging is on.
    void Record(const std::string& msg) const;
    // Makes Ordner the first of Ordner & Dateiname & 1, 2, ... that does not exist yet (not created).
    void Ordner_Suchen();
    // Makes the results folder ready before a result file goes in: creates it with its parents and
    // checks that it can be written. A folder chosen by Ordner_Suchen is claimed with one atomic
    // creation, and when that name has been taken since it was chosen (another running copy on the
    // same file), the next free number becomes Ordner, so that no two projects share one folder.
    // 0, or the errno of why the folder cannot be written.
    int Ordner_Beanspruchen();
    // The project open dialog; Silent also sets the project up (results folder and type).
    bool ShowOpen(bool Silent = false);
    // The folder browser; the chosen folder becomes Ordner (taken as it is, never renumbered) and the
    // stored folder.
    bool ShowFolder(const std::string& Caption);
    // Stores the path and derives the project type from its extension; a name without one raises error 5.
    void setDateiname_Rohdaten(const std::string& value);
    std::string Dateiname_Rohdaten() const { return dateinameRohdaten_; }
    std::string Dateiname() const { return dateiname_; }
    std::string Extension() const { return extension_; }
    std::string Ordner() const { return ordner_; }
    // A missing trailing "/" is added.
    void setOrdner(const std::string& value);
    // Whether Ordner & Dateiname & "." & extension exists.
    bool DateiVorhanden(const std::string& extension) const;
    // Whether the opened file with the given extension in place of its own exists.
    bool DateiVorhanden2(const std::string& extension) const;
    // The open dialog for background support points; the chosen path or "".
    std::string ShowOpenUntergrund() const;
    // The open dialog for pictures; sets the project up from the chosen picture.
    bool ShowOpenBild();
    int32_t ProjektTyp() const { return projektTyp_; }
    void setProjektTyp(int32_t value) { projektTyp_ = value; }
    // The K and r units chosen for the project's file, handed to its curve reader.
    Einheitenwahl Einheiten() const { return einheiten_; }
    void setEinheiten(Einheitenwahl value) { einheiten_ = value; }
    // The path shortened in its middle to at most max characters.
    std::string CompactPath(const std::string& Path, int32_t max) const;
    bool Enable_Record() const { return enableRecord_; }
    void setEnable_Record(bool value) { enableRecord_ = value; }
    // The save dialog with a filter text; the chosen path or "".
    std::string ShowSave(const std::string& sFilter) const;
    int32_t ProjektTyp_Spezial() const { return projektTypSpezial_; }
    void setProjektTyp_Spezial(int32_t value) { projektTypSpezial_ = value; }
    std::string Dateiname_NurOrdner() const { return dateinameNurOrdner_; }
    // Sets a project up from a path without a dialog (a recent file).
    void Set_Dateiname(const std::string& StrFile);
    // Remembers the folder the project file lies in, when it exists, as the start folder of the next
    // run's open dialog. Called when the project starts (not when its file is chosen), so that a
    // file that is refused or cancelled leaves the stored folder as it was; a results folder that
    // is only proposed is never stored.
    void Ordner_Merken() const;
    // Splits a chosen path into the names; keepNurOrdner leaves Dateiname_NurOrdner as it is.
    void Pfad_Zerlegen(const std::string& path, bool keepNurOrdner);
    // The filter text of the project open dialog, in the language selected now.
    std::string Filter() const;

private:
    std::string Ordner_Kandidat(int32_t n) const;
    static void Filter_Hinzufuegen(const std::string& name, const std::string& patterns, std::string& filter,
                                   std::string& allPatterns);
    void ProjektTypErmitteln();
    // The results folder and the project type for a newly chosen file.
    void Projekt_Einrichten();

    int32_t projektTypSpezial_ = 0;
    std::string dateinameRohdaten_;
    std::string ordner_;
    std::string dateiname_;
    std::string extension_;
    int32_t projektTyp_ = PT_Beugung;
    Einheitenwahl einheiten_;
    std::string dateinameNurOrdner_;
    bool enableRecord_ = false;
    // While Ordner is the free folder that Ordner_Suchen chose and nothing has claimed it yet: that
    // folder, and its name without the number.
    std::string gesuchterOrdner_;
    std::string kandidatenStamm_;
};
