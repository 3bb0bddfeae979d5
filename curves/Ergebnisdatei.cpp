#include "curves/Ergebnisdatei.h"

#include "core/Dateiart.h"
#include "core/Dateistand.h"
#include "core/Fehlergrund.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "curves/clsFileHandler.h"

#include <algorithm>
#include <map>

namespace {

constexpr int32_t kOrdnerNichtBeschreibbar = 480;
constexpr int32_t kDateienNichtGeschrieben = 481;

Ergebnisdatei::Vorgang* laufend = nullptr;

// What the project wrote last into a file, and the file as that write left it.
struct Letzter_Stand {
    std::string inhalt;
    Dateistand stand;
};

std::map<std::string, Letzter_Stand>& Geschriebene()
{
    static std::map<std::string, Letzter_Stand> geschriebene;
    return geschriebene;
}

// What each file would have held when the project started: the project as opened is no work to save.
std::map<std::string, std::string>& Ausgang()
{
    static std::map<std::string, std::string> ausgang;
    return ausgang;
}

// True when writing inhalt to pfad would change nothing: the project wrote these bytes there last,
// and nobody has deleted, replaced or changed the file since.
bool Unveraendert(const std::string& pfad, const std::string& inhalt)
{
    const auto eintrag = Geschriebene().find(pfad);
    return eintrag != Geschriebene().end() && eintrag->second.inhalt == inhalt &&
           Dateistand_Lesen(pfad) == eintrag->second.stand;
}

// True when a save need not write inhalt to pfad: the file is up to date, or the project never wrote
// there and would have written the same when it started.
bool Gesichert(const std::string& pfad, const std::string& inhalt)
{
    if (Geschriebene().count(pfad) > 0) return Unveraendert(pfad, inhalt);
    const auto ausgang = Ausgang().find(pfad);
    return ausgang != Ausgang().end() && ausgang->second == inhalt;
}

void Merken(const std::string& pfad, std::string inhalt)
{
    if (const auto stand = Dateistand_Lesen(pfad))
        Geschriebene()[pfad] = {std::move(inhalt), *stand};
    else
        Geschriebene().erase(pfad);
}

bool Enthaelt(const std::vector<std::string>& pfade, const std::string& pfad)
{
    return std::find(pfade.begin(), pfade.end(), pfad) != pfade.end();
}

std::string Mit_Grund(const std::string& pfad, int fehler) { return pfad + " (" + Fehlergrund(fehler) + ")"; }

void Hinweis(const std::string& text)
{
    zelo::Ui().MsgBox(text, zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, rt::Object(gLoader).ApplicationName());
}

std::string Dateien_Text(const std::vector<std::string>& zeilen)
{
    std::string text = gLanguage->Caption(kDateienNichtGeschrieben);
    for (const auto& zeile : zeilen) text += "\r\n" + zeile;
    return text;
}

void Dateien_Melden(const std::vector<std::string>& zeilen) { Hinweis(Dateien_Text(zeilen)); }

}

Ergebnisdatei::Vorgang::Vorgang(Zweck zweck) : zweck_(zweck), aeusserer_(laufend) { laufend = this; }

Ergebnisdatei::Vorgang::~Vorgang() { laufend = aeusserer_; }

bool Ergebnisdatei::Vorgang::Melden() const
{
    if (ordnerBereit_ == false) return false;
    std::vector<std::string> teile = hinweise_;
    if (!fehler_.empty()) teile.push_back(Dateien_Text(fehler_));
    if (teile.empty()) return true;
    std::string text = teile.front();
    for (size_t i = 1; i < teile.size(); ++i) text += "\r\n" + teile[i];
    Hinweis(text);
    return fehler_.empty();
}

void Ergebnisdatei::Hinweisen(const std::string& text)
{
    if (laufend)
        laufend->hinweise_.push_back(text);
    else
        Hinweis(text);
}

bool Ergebnisdatei::Ordner_Bereit()
{
    clsCommon& common = rt::Object(gCommon);
    const int fehler = common.Ordner_Beanspruchen();
    if (fehler == 0) return true;
    Hinweis(gLanguage->Caption(kOrdnerNichtBeschreibbar) + "\r\n" + Mit_Grund(common.Ordner(), fehler));
    return false;
}

std::string Ergebnisdatei::Schreiben(const std::string& extension, const std::vector<std::string>& zeilen)
{
    // A curve without a project file (made in memory) has no name to write under: a bare
    // extension would land as a hidden file in whatever folder the program was started from.
    if (rt::Object(gCommon).Dateiname().empty()) return "";
    // Weighing what a save would write makes no folder: the path is the one proposed.
    if (laufend && laufend->zweck_ != Vorgang::Zweck::Schreiben) {
        const clsCommon& common = rt::Object(gCommon);
        const std::string pfad = common.Ordner() + common.Dateiname() + extension;
        std::string inhalt = clsFileHandler::TextContent(zeilen);
        if (laufend->zweck_ == Vorgang::Zweck::Ausgangsstand)
            Ausgang()[pfad] = std::move(inhalt);
        else if (!Gesichert(pfad, inhalt) && !Enthaelt(laufend->zuSchreiben_, pfad))
            laufend->zuSchreiben_.push_back(pfad);
        return "";
    }
    // The folder first: claiming it may give it another number. A save makes it ready once.
    if (laufend) {
        if (!laufend->ordnerBereit_) laufend->ordnerBereit_ = Ordner_Bereit();
        if (!*laufend->ordnerBereit_) return "";
    } else if (!Ordner_Bereit()) {
        return "";
    }
    const clsCommon& common = rt::Object(gCommon);
    const std::string pfad = common.Ordner() + common.Dateiname() + extension;
    if (laufend && (Enthaelt(laufend->geschrieben_, pfad) || Enthaelt(laufend->aktuell_, pfad))) return "";
    std::string inhalt = clsFileHandler::TextContent(zeilen);
    if (Unveraendert(pfad, inhalt)) {
        if (laufend) laufend->aktuell_.push_back(pfad);
        return "";
    }
    std::string grund;
    // A folder, a device or a named pipe put in the file's place is left as it is.
    if (Dateiart_Von(pfad) == Dateiart::Andere)
        grund = gLanguage->Caption(676);
    else if (const int fehler = clsFileHandler::WriteTextFile(pfad, inhalt); fehler != 0)
        grund = Fehlergrund(fehler);
    if (!grund.empty()) {
        // What the file holds now is not known for certain: the next save writes it.
        Geschriebene().erase(pfad);
        const std::string zeile = pfad + " (" + grund + ")";
        if (laufend)
            laufend->fehler_.push_back(zeile);
        else
            Dateien_Melden({zeile});
        return "";
    }
    Merken(pfad, std::move(inhalt));
    if (laufend) laufend->geschrieben_.push_back(pfad);
    return pfad;
}

void Ergebnisdatei::Vergessen()
{
    Geschriebene().clear();
    Ausgang().clear();
}
