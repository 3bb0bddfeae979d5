#pragma once
// The result files of a project: every curve file the program writes for the user goes through here
// into the project's results folder, under the project's name and the curve's extension. A file is
// written whole or not at all. A file that cannot be written is told with its path and the reason;
// during a save of the results (Vorgang) those are gathered into one message at its end.
#include <cstdint>
#include <string>
#include <vector>

class Ergebnisdatei {
public:
    // One save of the project's results, begun once Ordner_Bereit has made the folder ready. While
    // it lasts, a file already written in it is not written again, and failures wait for Melden
    // instead of a message each.
    class Vorgang {
    public:
        Vorgang();
        ~Vorgang();
        Vorgang(const Vorgang&) = delete;
        Vorgang& operator=(const Vorgang&) = delete;

        int32_t Geschrieben() const { return static_cast<int32_t>(geschrieben_.size()); }
        // One "path (reason)" line per file that could not be written.
        const std::vector<std::string>& Fehler() const { return fehler_; }
        // Tells the failures in one message; true when there were none.
        bool Melden() const;

    private:
        friend class Ergebnisdatei;
        std::vector<std::string> geschrieben_;
        std::vector<std::string> fehler_;
        Vorgang* aeusserer_;
    };

    // Makes the results folder ready (gCommon's Ordner_Beanspruchen); when it cannot be written,
    // one message names the folder and the reason, and the result is false.
    static bool Ordner_Bereit();

    // Writes zeilen (UTF-8; on disk Windows-1252 lines ended by CR LF) as Ordner & Dateiname &
    // extension. Returns the path written, or "" when nothing was written: after a failure (told
    // at once, or gathered by the running save) or because this save has written that file already.
    static std::string Schreiben(const std::string& extension, const std::vector<std::string>& zeilen);
};
