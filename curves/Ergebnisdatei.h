#pragma once
// The result files of a project: every curve file the program writes for the user goes through here
// into the project's results folder, under the project's name and the curve's extension. A file is
// written whole or not at all. A file that cannot be written is told with its path and the reason;
// during a save of the results (Vorgang) those are gathered into one message at its end.
// Writing a file syncs it to disk, which takes long on a network folder; so a file that still holds,
// untouched, exactly what the project last wrote there is not written again.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Ergebnisdatei {
public:
    // One save of the project's results. Its first file makes the folder ready, so that a save with
    // nothing to write leaves no folder; a folder that cannot be made ready is told once and nothing
    // is written in this save. While it lasts, a file already written in it is not written again,
    // and failures wait for Melden instead of a message each.
    class Vorgang {
    public:
        // What becomes of each file the save would write: it is written; or nothing is written or
        // made, and the save only finds the files it would write (Zu_Schreiben); or nothing is
        // written or made, and what each file would hold counts as saved (a project as it starts).
        enum class Zweck { Schreiben, Pruefen, Ausgangsstand };

        explicit Vorgang(Zweck zweck = Zweck::Schreiben);
        ~Vorgang();
        Vorgang(const Vorgang&) = delete;
        Vorgang& operator=(const Vorgang&) = delete;

        int32_t Geschrieben() const { return static_cast<int32_t>(geschrieben_.size()); }
        // Files that were not written because they hold already what this save would write.
        int32_t Aktuell() const { return static_cast<int32_t>(aktuell_.size()); }
        // Under Pruefen: the files a save would write, because what they would hold is not what this
        // project last wrote there (or the file changed since), nor, for a file it never wrote, what
        // it would have held when the project started.
        int32_t Zu_Schreiben() const { return static_cast<int32_t>(zuSchreiben_.size()); }
        // One "path (reason)" line per file that could not be written.
        const std::vector<std::string>& Fehler() const { return fehler_; }
        // Tells the notes and the failures of files in one message; true when there were no
        // failures, and the folder (when a file needed it) was ready. A folder that was not ready
        // has been told, that nothing was saved; the notes go with it.
        bool Melden() const;

    private:
        friend class Ergebnisdatei;
        std::vector<std::string> geschrieben_;
        std::vector<std::string> aktuell_;
        std::vector<std::string> fehler_;
        std::vector<std::string> hinweise_;
        std::vector<std::string> zuSchreiben_;
        Zweck zweck_;
        // Whether the folder was made ready; none until a file needs it.
        std::optional<bool> ordnerBereit_;
        Vorgang* aeusserer_;
    };

    // Makes the results folder ready (gCommon's Ordner_Beanspruchen); when it cannot be written,
    // one message names the folder and the reason, and the result is false.
    static bool Ordner_Bereit();

    // Writes zeilen (UTF-8; on disk Windows-1252 lines ended by CR LF) as Ordner & Dateiname &
    // extension. Returns the path written, or "" when nothing was written: without a project name
    // (nothing is made or said then), after a failure (told at once, or gathered by the running
    // save), because the running save found no folder ready, because this save has written that
    // file already, because the file is up to date (this project wrote these very bytes there last,
    // and the file is still as that write left it), or because the running save writes nothing
    // (Zweck Pruefen or Ausgangsstand).
    static std::string Schreiben(const std::string& extension, const std::vector<std::string>& zeilen);

    // A note of what a save leaves out and why (a file that cannot be made): told at once, or in
    // the message at the end of the running save.
    static void Hinweisen(const std::string& text);

    // A new project: whatever it writes is written, whatever lies on disk, and nothing counts as
    // saved until a save under Zweck::Ausgangsstand.
    static void Vergessen();
};
