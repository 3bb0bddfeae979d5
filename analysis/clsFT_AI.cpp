#include "analysis/clsFT_AI.h"

#include "analysis/FT_AI_Regeln.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "core/Guarded.h"
#include "core/NumberFormat.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "materials/clsMFE.h"

#include <chrono>
#include <cmath>
#include <vector>

namespace {

std::string Text(int32_t nummer) { return rt::Object(gLanguage).Caption(nummer); }

// A whole number typed into a box; "Type mismatch" for anything else.
int32_t Ganze_Zahl(const std::string& text)
{
    const float wert = StrToSingle(text);
    if (wert == Kein_Wert) rt::Raise(rt::errTypeMismatch);
    return rt::CLng(wert);
}

// Puts the processing log back as it was, however the run ends.
class Protokoll_Zurueck {
public:
    explicit Protokoll_Zurueck(clsCommon& common) : common_(common), vorher_(common.Enable_Record()) {}
    ~Protokoll_Zurueck() { common_.setEnable_Record(vorher_); }
    Protokoll_Zurueck(const Protokoll_Zurueck&) = delete;
    Protokoll_Zurueck& operator=(const Protokoll_Zurueck&) = delete;

private:
    clsCommon& common_;
    bool vorher_;
};

}

FT_AI_Ergebnis clsFT_AI::Starten(const std::string& abweichung, const std::string& anzahl, FT_AI_Anzeige& anzeige)
{
    FT_AI_Ergebnis ergebnis;
    // A steady clock: the time of day jumps at midnight and with the system clock.
    const auto start = std::chrono::steady_clock::now();
    try {
        const float ziel = StrToSingle(abweichung);
        if (ziel == Kein_Wert) {
            zelo::Ui().MsgBox(Text(358), zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, clsLoader::kApplicationName);
            return ergebnis;
        }
        ergebnis.Gelaufen = true;
        clsCommon& common = rt::Object(gCommon);
        const int32_t anzahlMax = Ganze_Zahl(anzahl);
        common.Record(rt::TimeText() + Text(356));
        common.Record(Text(357) + rt::SingleText(Wichtung_FTR));
        {
            const Protokoll_Zurueck zurueck(common);
            common.setEnable_Record(false);
            Durchlaeufe(anzahlMax, ziel, anzeige);
        }
        // However the run ended (target, pass count, Esc), the line it leaves decides whether the
        // target was reached; a miss is told with the deviation reached.
        const float erreicht = rt::Object(gGR).Ausgleich_Abweichung();
        const bool verfehlt = !(std::fabs(erreicht) < std::fabs(ziel));
        const std::string abweichungText = Woerter(Text(365), FixedText(erreicht, 3)) + " % " + Text(701) + " " +
                                           rt::SingleText(std::fabs(ziel)) + " %";
        common.Record(Text(359) + std::to_string(anzahlIFTR_));
        if (verfehlt) common.Record(Text(700) + " " + abweichungText);
        common.Record(Text(250) + ": " + rt::SingleText(rt::Object(gMFE).Dichte_Experimentell()) + " 1/nm³");
        common.Record(rt::TimeText() + Text(360));
        ergebnis.Sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ergebnis.Meldung = (verfehlt ? Text(700) + "\n" + abweichungText : Text(361)) + "\n\n" +
                           std::to_string(anzahlIFTR_) + " FFT´s in " + FixedText(ergebnis.Sekunden, 3) +
                           " sec " + Text(362);
    } catch (const std::exception& e) {
        const rt::RuntimeError fehler =
            dynamic_cast<const rt::RuntimeError*>(&e) ? static_cast<const rt::RuntimeError&>(e) : zelo::AsRuntimeError(e);
        ergebnis.Fehlerfrei = false;
        ShowErrorMessage(fehler.Number(), fehler.Description(), "cmdStart_Click", ModuleKind::UserControl, "conFT_AI");
    }
    ergebnis.Anzahl_iFTR = anzahlIFTR_;
    return ergebnis;
}

void clsFT_AI::Durchlaeufe(int32_t anzahlMax, float ziel, FT_AI_Anzeige& anzeige)
{
    clsIK& ik = rt::Object(gIK);
    clsGR& gr = rt::Object(gGR);
    anzahlIFTR_ = 0;
    anzahlFTR_ = 1;
    Zeigen(1, anzeige);
    parabelIndexStart_ = ik.Parabel_Index();
    gr.Berechnen();
    Zeigen(0, anzeige);
    for (int32_t durchlauf = 1; durchlauf <= anzahlMax; ++durchlauf) {
        ik.RTR_Berechnen();
        if (Wichtung_FTR != Kein_Wert) ik.setWichtung(Wichtung_FTR);
        ik.setParabel_Index(parabelIndexStart_);
        if (Abbruch_Anpassen) Abbruchstelle_Anpassen_Ungeschuetzt();
        ++anzahlIFTR_;
        Zeigen(0, anzeige);
        gr.Berechnen();
        if (Dichte_Anpassen) Dichtegerade_Anpassen_Ungeschuetzt();
        ++anzahlFTR_;
        Zeigen(1, anzeige);
        if (anzeige.Abbruch_Gewuenscht()) break;
        if (std::fabs(gr.Ausgleich_Abweichung()) < std::fabs(ziel)) break;
        // A pass that ends the run is not drawn.
        zelo::Ui().Redraw(true);
    }
}

void clsFT_AI::Zeigen(int32_t phase, FT_AI_Anzeige& anzeige)
{
    phase_ = phase;
    anzeige.Info_Anzeigen(Info_Text_Ungeschuetzt());
}

void clsFT_AI::Abbruchstelle_Anpassen()
{
    Guarded("clsFT_AI", "Abbruchstelle_Anpassen", [] { Abbruchstelle_Anpassen_Ungeschuetzt(); });
}

void clsFT_AI::Abbruchstelle_Anpassen_Ungeschuetzt()
{
    clsIK& ik = rt::Object(gIK);
    std::vector<float> werte(static_cast<size_t>(std::max(ik.Punkte(), 0)));
    ik.CopyArray(werte);
    ik.setFTR_Index(Abbruchstelle_Suchen(werte, ik.FTR_Index()));
}

void clsFT_AI::Dichtegerade_Anpassen() const
{
    Guarded("clsFT_AI", "Dichtegerade_Anpassen", [this] { Dichtegerade_Anpassen_Ungeschuetzt(); });
}

void clsFT_AI::Dichtegerade_Anpassen_Ungeschuetzt() const
{
    clsGR& gr = rt::Object(gGR);
    std::vector<float> werte(static_cast<size_t>(gr.Punkte()));
    gr.CopyArray(werte);
    const int32_t neu = Dichtegerade_Suchen(werte, Regel, gr.First_Peak_Index(), gr.Dichte_Exp_Index());
    if (neu > 0) gr.setDichte_Exp_Index(neu);
}

std::string clsFT_AI::Info_Text() const
{
    return Guarded("clsFT_AI", "Info_Text", [this] { return Info_Text_Ungeschuetzt(); });
}

std::string clsFT_AI::Info_Text_Ungeschuetzt() const
{
    const clsIK& ik = rt::Object(gIK);
    const clsGR& gr = rt::Object(gGR);
    return " - " + Text(363) + (phase_ == 0 ? " I(k) -" : " G(r) -") + "\nFTR " + std::to_string(anzahlFTR_) +
           "\niFTR " + std::to_string(anzahlIFTR_) + "\n" + Text(81) + FixedText(ik.x(ik.Parabel_Index()), 3) +
           " 1/nm\n" + Text(82) + FixedText(ik.x(ik.FTR_Index()), 3) + " 1/nm\n" + Text(364) +
           FixedText(rt::Object(gMFE).Dichte_Experimentell(), 3) + " 1/nm³ (r = " +
           FixedText(gr.R(gr.Dichte_Exp_Index()), 3) + " nm)\nG(r) - " +
           Woerter(Text(365), FixedText(gr.Ausgleich_Abweichung(), 3)) + " %";
}
