#pragma once
// The automatic transform: forward and back transforms in turn, each pass moving the weighting,
// the cut-off and the end of the density line, until a number of passes is reached, the density
// line's deviation falls below a target or the user asks to stop. It drives gIK and gGR and tells
// its display what to show; the panel holds one and sets its options.
#include <cstdint>
#include <string>

// What the run shows and asks while it goes.
class FT_AI_Anzeige {
public:
    virtual ~FT_AI_Anzeige() = default;
    // The status of the pass, several lines.
    virtual void Info_Anzeigen(const std::string& /*text*/) {}
    // Asked once per pass, after its forward transform: true stops the run there.
    virtual bool Abbruch_Gewuenscht() { return false; }
};

// How a run ended.
struct FT_AI_Ergebnis {
    // False when the target deviation was not a number and nothing ran.
    bool Gelaufen = false;
    // False when a run-time error ended the run (it was shown).
    bool Fehlerfrei = true;
    int32_t Anzahl_iFTR = 0;
    double Sekunden = 0.0;
    // The closing report for the panel's label, which names a missed target with the deviation
    // reached; empty when the run did not finish.
    std::string Meldung;
};

class clsFT_AI {
public:
    // Handed to gIK's Wichtung every pass; Kein_Wert leaves the weighting alone.
    float Wichtung_FTR = 0.1f;
    bool Abbruch_Anpassen = true;
    // Kept for the box; a pass resets the low-K anchor to its start either way.
    bool Parabel_Anpassen = false;
    bool Dichte_Anpassen = true;
    // DichteRegel.
    int32_t Regel = 2;

    // One run: abweichung is the target deviation in per cent (its absolute value counts), anzahl
    // the greatest number of passes (a whole number; "−2" runs none). A target that is not a number
    // shows message 358 and runs nothing. The processing log is off during the passes and back as it
    // was on every exit; a run-time error ends the run with its message.
    FT_AI_Ergebnis Starten(const std::string& abweichung, const std::string& anzahl, FT_AI_Anzeige& anzeige);

    // gIK's cut-off moved to the next zero of I(K). These three report a run-time error as
    // "clsFT_AI"; a run takes the forms that let it end the run.
    static void Abbruchstelle_Anpassen();
    // gGR's end of the density line moved by Regel.
    void Dichtegerade_Anpassen() const;

    // The status text of phase 0 (computing I(K)) or 1 (G(r)).
    std::string Info_Text() const;

    int32_t Anzahl_FTR() const { return anzahlFTR_; }
    int32_t Anzahl_iFTR() const { return anzahlIFTR_; }

private:
    static void Abbruchstelle_Anpassen_Ungeschuetzt();
    void Dichtegerade_Anpassen_Ungeschuetzt() const;
    std::string Info_Text_Ungeschuetzt() const;
    // The passes, from the first forward transform on.
    void Durchlaeufe(int32_t anzahlMax, float ziel, FT_AI_Anzeige& anzeige);
    void Zeigen(int32_t phase, FT_AI_Anzeige& anzeige);

    int32_t anzahlFTR_ = 0;
    int32_t anzahlIFTR_ = 0;
    int32_t phase_ = 0;
    int32_t parabelIndexStart_ = 0;
};
