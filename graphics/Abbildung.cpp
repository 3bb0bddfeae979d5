#include "graphics/Abbildung.h"

#include "core/KurvenTyp.h"
#include "core/NumberFormat.h"
#include "core/Runtime.h"
#include "core/modString.h"
#include "graphics/Strichbeschriftung.h"

#include <algorithm>
#include <cmath>

namespace {

// Far beyond any picture, yet safe to hand to a painter as an int.
constexpr double kGroesstesPixel = 16'000'000.0;

// An empty span would make the scale infinite: it is widened by one unit on either side.
void Aufweiten(float& tief, float& hoch)
{
    if (tief == hoch) {
        tief -= 1.0f;
        hoch += 1.0f;
    }
}

bool IstSpektrum(int32_t kurve) { return (kurve >= 1 && kurve <= 6) || kurve == 10 || kurve == 25; }
bool IstRaum(int32_t kurve) { return kurve == 7 || kurve == 11 || kurve == 12 || kurve == 24; }

}

std::optional<int32_t> ZuPixel(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > kGroesstesPixel) return std::nullopt;
    return static_cast<int32_t>(rt::RoundHalfEven(value));
}

namespace {

// The stored range of a diagram or a layer: 5 % headroom above the curve unless the range is kept
// as given (a zoom), and on a log axis a decade below the lowest value; empty spans widened.
template <class Skala>
void Bereich_Setzen(Skala& s, float xmax, float xmin, float ymax, float ymin, bool wieGegeben)
{
    if (s.log) {
        s.ymax = Log_Sicher(ymax + 0.05f * ymax);
        s.ymin = wieGegeben ? Log_Sicher(ymin) : Log_Sicher(ymin / 10.0f);
    } else {
        s.ymax = wieGegeben ? ymax : ymax + 0.05f * ymax;
        s.ymin = ymin;
    }
    s.xmax = xmax;
    s.xmin = xmin;
    Aufweiten(s.xmin, s.xmax);
    Aufweiten(s.ymin, s.ymax);
}

}

void SkaliereDiagramm(DiagrammSkala& s, float xmax, float xmin, float ymax, float ymin, bool zoomed)
{
    Bereich_Setzen(s, xmax, xmin, ymax, ymin, zoomed);
    s.yscale = s.unten / (s.ymax - s.ymin);
}

std::optional<int32_t> PixelX(const DiagrammSkala& s, float x)
{
    return ZuPixel((double(x) - s.xmin) / (double(s.xmax) - s.xmin) * (double(s.rechts) - kRandLinks) + kRandLinks);
}

std::optional<int32_t> PixelY(const DiagrammSkala& s, float y, bool belowToBottom)
{
    if (s.log) return ZuPixel(s.unten - (double(Log_Sicher(y)) - s.ymin) * s.yscale);
    if (belowToBottom && y < s.ymin) return ZuPixel(s.unten);
    return ZuPixel(s.unten - (double(y) - s.ymin) * s.yscale);
}

float WertX(const DiagrammSkala& s, float px)
{
    return static_cast<float>((double(px) - kRandLinks) / (double(s.rechts) - kRandLinks) * (double(s.xmax) - s.xmin) +
                              s.xmin);
}

float WertY(const DiagrammSkala& s, float py)
{
    const double v = (double(s.unten) - py) / s.yscale + s.ymin;
    return static_cast<float>(s.log ? std::exp(v) : v);
}

LayerSkala LayerBox(int32_t breite, int32_t hoehe)
{
    LayerSkala s;
    s.rechts = static_cast<float>(breite - kRandLinks);
    s.unten = static_cast<float>(hoehe - kRandUnten);
    return s;
}

void SkaliereLayer(LayerSkala& s, float xmax, float xmin, float ymax, float ymin, bool keepY)
{
    Bereich_Setzen(s, xmax, xmin, ymax, ymin, keepY);
    s.xscale = s.rechts / (s.xmax - s.xmin);
    s.yscale = s.unten / (s.ymax - s.ymin);
}

bool KonvertiereAchsen(const LayerSkala& s, float& x, float& y)
{
    const double v = s.log ? Log_Sicher(y) : y;
    double py = s.unten - (v - s.ymin) * s.yscale;
    double px = (double(x) - s.xmin) * s.xscale;
    if (!std::isfinite(px) || !std::isfinite(py)) return false;
    if (py > s.unten) py = s.unten;
    if (py < 0) py = 0;
    if (px > s.rechts) px = s.rechts;
    if (px < 0) px = 0;
    x = static_cast<float>(px);
    y = static_cast<float>(py);
    return true;
}

Bereich MitStandardBereich(int32_t kurve, Bereich b)
{
    Bereich standard{0.0f, 3.1415927f, -100.0f, 1000.0f};
    switch (kurve) {
    case 1: case 2: case 3: case 4: case 5: case 16: standard = {0.0f, 150.0f, 0.0f, 1000.0f}; break;
    case 6: case 10: case 15: case 23: standard = {0.0f, 150.0f, -2.0f, 5.0f}; break;
    default: break;
    }
    if (b.x1 == b.x2) {
        b.x1 = standard.x1;
        b.x2 = standard.x2;
    }
    if (b.y1 == b.y2) {
        b.y1 = standard.y1;
        b.y2 = standard.y2;
    }
    return b;
}

std::optional<DiagrammZiel> ZielDiagramm(int32_t kurve, int32_t displayIndex, bool zweiFenster)
{
    if ((kurve == KT_GR || kurve == KT_IK_Wichtung) && zweiFenster) {
        if (displayIndex == 0) return DiagrammZiel{0, KT_IK_Wichtung};
        if (displayIndex == 1) return DiagrammZiel{1, KT_GR};
        return std::nullopt;
    }
    return DiagrammZiel{displayIndex, kurve};
}

float AnzeigeFaktorX(int32_t kurve, bool einheitNM)
{
    if (einheitNM) return 1.0f;
    if (IstSpektrum(kurve)) return 0.1f;
    if (IstRaum(kurve)) return 10.0f;
    return 1.0f;
}

std::string EinheitText(int32_t kurve, bool einheitNM)
{
    if (IstSpektrum(kurve)) return einheitNM ? "K [1/nm]" : "Q [1/Å]";
    if (IstRaum(kurve)) return einheitNM ? "r [nm]" : "r [Å]";
    return "";
}

namespace {

// Characters of a UTF-8 text (continuation bytes do not count).
size_t Zeichenzahl(const std::string& text)
{
    return static_cast<size_t>(std::count_if(text.begin(), text.end(),
                                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}

int32_t X_Beschriftungsschritt(int32_t breite, size_t zeichen, int32_t halbeZeile)
{
    // Half a line's height is about the width of a digit; a label keeps a few pixels as a gap.
    const double abstand = (breite - kRandLinks) / 10.0;
    const double noetig = double(zeichen) * std::max(halbeZeile, 1) + 4.0;
    // Every step keeps the unit label at the eighth tick.
    for (const int32_t schritt : {1, 2, 4})
        if (abstand * schritt >= noetig) return schritt;
    return 8;
}

AchsenBild Achsen(const DiagrammSkala& s, int32_t breite, int32_t hoehe, int32_t kurve, bool einheitNM,
                  int32_t halbeZeile)
{
    AchsenBild bild;
    const int32_t schritt = breite < 300 ? 2 : 1;
    const auto ywert = [&](float v) { return s.log ? static_cast<float>(std::exp(double(v))) : v; };
    bild.grenzen[0] = Zahl_Text(ywert(s.ymax));
    bild.grenzen[1] = Zahl_Text(ywert(s.ymin));
    // Up to 9: the top is shown by the upper limit box.
    std::vector<float> ywerte, yabstaende;
    for (int32_t i = 0; i <= 9; i += schritt) {
        const float wert = ywert(s.ymin + i * (s.ymax - s.ymin) / 10.0f);
        // On a log axis neighbouring ticks differ by a factor, not a step.
        const float ystufe = (s.ymax - s.ymin) / 10.0f * schritt;
        ywerte.push_back(wert);
        yabstaende.push_back(s.log ? wert * static_cast<float>(-std::expm1(-double(ystufe))) : ystufe);
    }
    const std::vector<std::string> ytexte = Strich_Texte(ywerte, yabstaende);
    for (int32_t i = 0; i <= 9; i += schritt) {
        const auto t = ZuPixel(s.unten - i * double(s.unten) / 10.0);
        if (!t) continue;
        bild.striche.push_back({60, *t, kRandLinks, *t});
        bild.texte.push_back({i == 8 ? Kurven_Titel(kurve) : ytexte[static_cast<size_t>(i / schritt)], 56, *t - halbeZeile, true});
    }
    const float faktor = AnzeigeFaktorX(kurve, einheitNM);
    const float xtief = s.xmin * faktor;
    const float xhoch = s.xmax * faktor;
    bild.grenzen[2] = Zahl_Text(xtief);
    bild.grenzen[3] = Zahl_Text(xhoch);
    std::vector<float> xwerte;
    for (int32_t i = 0; i <= 10; ++i) xwerte.push_back(xtief + i * (xhoch - xtief) / 10.0f);
    std::vector<std::string> xtexte = Strich_Texte(xwerte, std::vector<float>(xwerte.size(), (xhoch - xtief) / 10.0f));
    xtexte[8] = EinheitText(kurve, einheitNM);
    size_t laengste = 0;
    for (const std::string& text : xtexte) laengste = std::max(laengste, Zeichenzahl(text));
    const int32_t xschritt = X_Beschriftungsschritt(breite, laengste, halbeZeile);
    for (int32_t i = 0; i <= 10; ++i) {
        const auto px = ZuPixel((breite - kRandLinks) / 10.0 * i + kRandLinks);
        if (!px) continue;
        bild.striche.push_back({*px, hoehe - 25, *px, hoehe - kRandUnten});
        if (i % xschritt == 0) bild.texte.push_back({xtexte[static_cast<size_t>(i)], *px, hoehe - 20, false});
    }
    bild.striche.push_back({kRandLinks, hoehe - kRandUnten, breite, hoehe - kRandUnten});
    bild.striche.push_back({kRandLinks, hoehe - kRandUnten, kRandLinks, 0});
    return bild;
}

std::optional<Bereich> ZoomAusGrenzen(const std::array<std::string, 4>& boxen, bool log, float faktorX)
{
    std::array<float, 4> wert{};
    for (size_t i = 0; i < boxen.size(); ++i) {
        wert[i] = StrToSingle(boxen[i]);
        if (wert[i] == Kein_Wert || !std::isfinite(wert[i])) return std::nullopt;
    }
    const Bereich b{wert[2] / faktorX, wert[3] / faktorX, wert[1], wert[0]};
    if (b.x1 == b.x2 || b.y1 == b.y2) return std::nullopt;
    if (log && (b.y1 <= 0 || b.y2 <= 0)) return std::nullopt;
    return b;
}

std::string ZoomInfoText(float minX, float maxX, float minY, float maxY, const Bereich& zoom)
{
    const auto text = [](float v) { return std::isfinite(v) ? rt::SingleText(v) : std::string(); };
    const float fx = (maxX - minX) / (zoom.x2 - zoom.x1) * 100.0f;
    const float fy = (maxY - minY) / (zoom.y2 - zoom.y1) * 100.0f;
    return text(fx) + " % / " + text(fy) + " %";
}
