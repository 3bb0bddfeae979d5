#pragma once
// Facts about the running program: its name, version, folder, build date, the image library,
// its memory and its user.
#include <cstdint>
#include <string>

class clsLoader {
public:
    static constexpr const char* kApplicationName = "KPW ZELO";
    static constexpr int32_t kMajor = 2;
    static constexpr int32_t kMinor = 32;
    static constexpr int32_t kRevision = 880;
    static constexpr int32_t kCodeLines = 28574;

    // The maker and the addresses shown on the about window and used by the help menu.
    static constexpr const char* kFullTitle = "KPW ZELO - Auswertung von Beugungsmessungen";
    static constexpr const char* kMakerName = "Murenko";
    static constexpr const char* kMakerMail = "info@murenko.example";
    static constexpr const char* kMakerWebPage = "https://www.murenko.example/";
    static constexpr const char* kImageLibraryWebPage = "https://freeimage.sourceforge.io/";
    static constexpr const char* kLegalNotice =
        "Copyright (c) Murenko. Alle Rechte vorbehalten. Dieses Programm wird ohne Gewähr bereitgestellt.";

    // The full path of the running executable.
    std::string GetExeFilePath() const;
    std::string ApplicationName() const { return kApplicationName; }
    // True when no file of that name exists.
    bool IsFileFailed(const std::string& StrFile) const;
    // The program folder (the per-user data folder), with a trailing "/".
    std::string ApplicationPath() const { return applicationPath_; }
    // Gathers the facts about the program; creates the program folder when it is missing (silently:
    // start-up tells the user once when the element database has no folder to go to).
    std::string Connect();
    // "kompiliert am d.m.yyyy um hh:mm:ss Uhr" of the executable, "" before Connect.
    std::string Creation_Info() const { return creationInfo_; }
    int32_t Code_Lines() const { return kCodeLines; }
    std::string Version() const;
    std::string Version_Kurz() const;
    // The resident memory of the program in grouped kilobytes ("12,345 kB"); "" when unknown.
    std::string MemoryInfo() const;
    // "RAM: <total> benutzt durch KPW ZELO: <resident>" as size texts; "" when unknown.
    std::string MemoryInfoEx() const;
    bool FreeImageLib_Available() const { return freeImageAvailable_; }
    // The user's login name; "<unknown>" when the system does not tell it.
    std::string UserName() const;

    // The build-date text for the last-write time of a file; "" when the file cannot be read.
    std::string Creation_Info_Of(const std::string& file) const;
    // A byte count as "1023.0 Bytes", "1.0 kB", "1.0 MB" or "1.0 GB", in the regional settings.
    static std::string Groesse_Text(double bytes);

private:
    std::string applicationPath_;
    std::string creationInfo_;
    bool freeImageAvailable_ = false;
    int32_t processId_ = 0;
};

// The per-user data folder: $XDG_DATA_HOME/zelo/ or ~/.local/share/zelo/.
std::string ProgramFolder();
