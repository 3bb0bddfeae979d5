#pragma once
// The peaks found in the curve of the Gauss peak view (I(K) or G(r)), each modelled as a Gauss
// curve over a common or its own offset. The peak finders fill the list; the panels draw from it.
// Indices are 1-based.
#include <cstdint>
#include <optional>
#include <vector>

class clsMath;

struct GaussPeak {
    float x = 0.0f;   // position, in the x unit of the analysed curve
    float W = 0.0f;   // width parameter (the standard deviation's role)
    float A = 0.0f;   // amplitude parameter: the height at the centre is A / (W·√(π/2))
    float X1 = 0.0f;  // left half-height position
    float X2 = 0.0f;  // right half-height position
    uint8_t Fixiert = 0;  // non-zero exempts the peak from pruning
    bool IsSchulter = false;  // a shoulder of its higher left neighbour
    float y0_Peak = 0.0f;  // the peak's own offset
};

class clsGauss {
public:
    // --- The peak list ---
    // Empties the list.
    void Clear();
    // Appends a peak unless one at exactly the same position is listed; half-height positions 0,
    // not a shoulder.
    void Hinzufuegen(float x, float W, float A, uint8_t Fixiert, float y0_Peak);
    // Removes peak Index (outside 1..Anzahl: nothing); the later ones move down. Always True.
    bool Remove(int32_t Index);
    // The number of peaks. Setting it changes only the count, not the list.
    int32_t Anzahl() const { return anzahl_; }
    void setAnzahl(int32_t value) { anzahl_ = value; }

    // --- One peak's values: 0 outside 1..Anzahl; a set outside is reported and changes nothing ---
    float x(int32_t Index) const;
    void setx(int32_t Index, float value);
    float W(int32_t Index) const;
    void setW(int32_t Index, float value);
    float A(int32_t Index) const;
    void setA(int32_t Index, float value);
    float X1(int32_t Index) const;
    float X2(int32_t Index) const;
    bool IsSchulter(int32_t Index) const;

    // --- The analysed curve ---
    // The common offset; where it is 0 each peak's own offset applies.
    float y0() const { return y0_; }
    void sety0(float value) { y0_ = value; }
    // The curve kind analysed (6 I(K), 7 G(r)), which chooses the pruning rules.
    int32_t Kurve() const { return kurve_; }
    void setKurve(int32_t value) { kurve_ = value; }

    // --- The Gauss estimate (clsGauss_Berechnen.cpp) ---
    // Measures every peak's width at half height on the baseline-free curve of gMath, the curve
    // the view draws (where another peak's flank begins the averaged curve Y_Gemittelt tells),
    // sorts the list by position, prunes the peaks too close, too narrow or too small for the
    // curve kind Kurve (6 I(K): of two close ones the less prominent; 7 G(r); fixed peaks and the
    // most prominent one stay) and those beyond the gap a pruned one leaves,
    // measures the peaks that stay again beside each other, and estimates the amplitude of each
    // shoulder of a higher left neighbour. A peak whose curve does not fall to half its height on
    // either side keeps W = A = 0. Always true.
    bool Berechnen();
    // The overlapping neighbour pairs the last estimate found.
    int32_t Schultern() const { return schultern_; }
    // The Gauss curve of peak Index at x, A/(W·√(π/2))·exp(-(x - x0)²/2W²), over its offset; 0 for
    // a peak not listed or of width 0.
    float Y_Gauss(float x, int32_t Index) const;

private:
    // Peak Index when it is listed, else nullptr.
    const GaussPeak* Peak(int32_t Index) const;
    GaussPeak* Peak(int32_t Index);
    // The peak to set, or nullptr after the report naming the property.
    GaussPeak* Zu_Setzender_Peak(int32_t Index, const char* property);
    // The noise of one point of the curve, measured on its second differences (glatt) and on its
    // fourth ones (punktweise), which a curve's bend over a few grid steps hardly reaches.
    struct Rauschpegel {
        double glatt;
        double punktweise;
    };
    // Width, amplitude and half-height positions of one peak (with the Gauss estimate), beside the
    // nearest listed positions on either side, on a curve whose points carry the noise given. Where
    // that noise decides the drawn peak's top and flanks, the average has them, and the peak moves
    // to the average's top.
    static void Messen(GaussPeak& peak, const clsMath& math, Rauschpegel rauschen, std::optional<float> nachbarLinks,
                       std::optional<float> nachbarRechts);
    // Measures every listed peak, alone or beside the nearest listed positions.
    void Messen_Alle(const clsMath& math, Rauschpegel rauschen, bool nebenNachbarn);
    // Moves a measured peak whose top the noise decides (punktrauschen, on the fourth differences)
    // to where the drawn curve's points above half height place it.
    static void Scheitel_Setzen(GaussPeak& peak, const clsMath& math, double punktrauschen);
    // Removes the first peak a pruning rule of the curve kind names; false when none does.
    bool Ausduennen_Durchgang(const clsMath& math);
    // The listed peak that stands out most from the averaged curve (Prominenz); 0 where none
    // stands out at all.
    int32_t Prominentester(const clsMath& math) const;
    // Removes the first free peak that lies beyond a gap in the list's rhythm that the pruning left,
    // walking outward from peak start: a shell pruned from between its neighbours leaves one, and
    // what stands beyond it lies where the shells have faded. Spacings that the search itself left
    // are no such gap, and a list with points beside a shell's top (the extended search's flanks
    // and shoulders) has no rhythm of shells at all. False when there is none.
    bool Hinter_Luecke_Entfernen(int32_t start);
    // Removes peak Index as the pruning does and remembers where it stood.
    bool Ausduennen_Entfernen(int32_t Index);
    // Prunes until no rule names a peak; whether any went.
    bool Ausduennen(const clsMath& math);
    // Of two close peaks the one that stands out less from the averaged curve (Prominenz), of two
    // on one top the lower; the right one when they are alike.
    int32_t Weniger_Herausragend(const clsMath& math, int32_t links, int32_t rechts) const;
    void Schultern_Schaetzen(const clsMath& math);

    std::vector<GaussPeak> peaks_;
    int32_t anzahl_ = 0;
    float y0_ = 0.0f;
    int32_t kurve_ = 0;
    int32_t schultern_ = 0;
    // Whether the list of the last estimate held one peak a top of the averaged curve (a shell),
    // and the positions its pruning removed.
    bool schalentakt_ = false;
    std::vector<float> entfernt_;
};
