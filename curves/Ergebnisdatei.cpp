#include "curves/Ergebnisdatei.h"

#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "curves/clsFileHandler.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int32_t kOrdnerNichtBeschreibbar = 480;
constexpr int32_t kDateienNichtGeschrieben = 481;

Ergebnisdatei::Vorgang* laufend = nullptr;

std::string Mit_Grund(const std::string& pfad, int fehler) { return pfad + " (" + std::strerror(fehler) + ")"; }

void Hinweis(const std::string& text)
{
    zelo::Ui().MsgBox(text, zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, rt::Object(gLoader).ApplicationName());
}

void Dateien_Melden(const std::vector<std::string>& zeilen)
{
    std::string text = gLanguage->Caption(kDateienNichtGeschrieben);
    for (const auto& zeile : zeilen) text += "\r\n" + zeile;
    Hinweis(text);
}

}

Ergebnisdatei::Vorgang::Vorgang() : aeusserer_(laufend) { laufend = this; }

Ergebnisdatei::Vorgang::~Vorgang() { laufend = aeusserer_; }

bool Ergebnisdatei::Vorgang::Melden() const
{
    if (ordnerBereit_ == false) return false;
    if (fehler_.empty()) return true;
    Dateien_Melden(fehler_);
    return false;
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
    // The folder first: claiming it may give it another number. A save makes it ready once.
    if (laufend) {
        if (!laufend->ordnerBereit_) laufend->ordnerBereit_ = Ordner_Bereit();
        if (!*laufend->ordnerBereit_) return "";
    } else if (!Ordner_Bereit()) {
        return "";
    }
    const clsCommon& common = rt::Object(gCommon);
    const std::string pfad = common.Ordner() + common.Dateiname() + extension;
    if (laufend && std::find(laufend->geschrieben_.begin(), laufend->geschrieben_.end(), pfad) !=
                       laufend->geschrieben_.end())
        return "";
    if (const int fehler = clsFileHandler::WriteTextFile(pfad, zeilen); fehler != 0) {
        if (laufend)
            laufend->fehler_.push_back(Mit_Grund(pfad, fehler));
        else
            Dateien_Melden({Mit_Grund(pfad, fehler)});
        return "";
    }
    if (laufend) laufend->geschrieben_.push_back(pfad);
    return pfad;
}
