#pragma once
// The arithmetic of the diagram without a window: data values to pixels and back, the scaling of
// the diagram and of its layers, the ranges the engine falls back to, the axes' ticks and texts,
// and the zoom window read from the limit boxes. Pixel values are rounded half to even; a value
// that is not finite never becomes a pixel.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Left margin (Y labels) and bottom margin (X labels) of every diagram; layers start at X = 70.
inline constexpr int32_t kRandLinks = 70;
inline constexpr int32_t kRandUnten = 35;

// The nearest whole pixel (halves to even); none for a value that is not finite or beyond any
// picture a painter can take.
std::optional<int32_t> ZuPixel(double value);

// A data range: X from x1 to x2, Y from y1 to y2.
struct Bereich {
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// The diagram control's mapping. Plot box: left 0, right = picture width, top 0,
// bottom = picture height − 35; Y bounds are natural logarithms while the log axis is in force.
struct DiagrammSkala {
    float rechts = 0, unten = 0;
    float xmin = 0, xmax = 0, ymin = 0, ymax = 0, yscale = 0;
    bool log = false;
};

// Sets the ranges as the control's Skalieren does: 5 % headroom above Ymax unless zoomed, and on a
// log axis one decade below Ymin unless zoomed. Empty or reversed-to-nothing spans are widened by
// ±1 so that the scale stays finite.
void SkaliereDiagramm(DiagrammSkala& s, float xmax, float xmin, float ymax, float ymin, bool zoomed);
std::optional<int32_t> PixelX(const DiagrammSkala& s, float x);
// belowToBottom: a linear value below Ymin lands on the plot bottom (the drawing primitives);
// TextOut maps without that cut.
std::optional<int32_t> PixelY(const DiagrammSkala& s, float y, bool belowToBottom = true);
float WertX(const DiagrammSkala& s, float px);
float WertY(const DiagrammSkala& s, float py);

// A layer's mapping into its own pixels: plot box 0..W − 70 by 0..H − 35, clamped on all sides.
struct LayerSkala {
    float rechts = 0, unten = 0;
    float xmin = 0, xmax = 0, ymin = 0, ymax = 0, xscale = 0, yscale = 0;
    bool log = false;
};
LayerSkala LayerBox(int32_t breite, int32_t hoehe);
// keepY: no headroom above Ymax (and no decade below Ymin on a log layer).
void SkaliereLayer(LayerSkala& s, float xmax, float xmin, float ymax, float ymin, bool keepY);
// Turns a data point into layer pixels in place, clamped to the plot box (the no-value marker lands
// on the bottom row); false when the arithmetic gives no finite number.
bool KonvertiereAchsen(const LayerSkala& s, float& x, float& y);

// The engine's ranges for a curve kind: an empty X or Y range (equal bounds) takes the kind's default.
Bereich MitStandardBereich(int32_t kurve, Bereich b);

// Which diagram control the engine scales, and for which kind: in the two-diagram view the main
// diagram shows I(K) and the second G(r); none when the index names no control for the kind.
struct DiagrammZiel {
    int32_t display;
    int32_t kurve;
};
std::optional<DiagrammZiel> ZielDiagramm(int32_t kurve, int32_t displayIndex, bool zweiFenster);

// The factor from internal X units (1/nm, nm) to the shown unit, and the unit's text.
float AnzeigeFaktorX(int32_t kurve, bool einheitNM);
std::string EinheitText(int32_t kurve, bool einheitNM);

// What Zeichne_Achsen draws, in picture pixels.
struct AchsenText {
    std::string text;
    int32_t x = 0, y = 0;  // y is the top of the text
    bool rechtsbuendig = false;  // right-aligned to x, else centred on x
};
struct AchsenStrich {
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
struct AchsenBild {
    std::vector<AchsenStrich> striche;
    std::vector<AchsenText> texte;
    // The four limit boxes: Y high, Y low, X low, X high (X in the shown unit).
    std::array<std::string, 4> grenzen;
};
AchsenBild Achsen(const DiagrammSkala& s, int32_t breite, int32_t hoehe, int32_t kurve, bool einheitNM,
                  int32_t halbeZeile);
// Every how many x ticks a label is written in a diagram of the given width, so that labels of the
// given number of characters do not run into each other: 1, 2, 4 or 8.
int32_t X_Beschriftungsschritt(int32_t breite, size_t zeichen, int32_t halbeZeile);

// The zoom window the four limit boxes (Y high, Y low, X low, X high; X in the shown unit) ask
// for: none unless all four are numbers, X and Y spans are not empty and, on a log axis, both Y
// limits are above 0.
std::optional<Bereich> ZoomAusGrenzen(const std::array<std::string, 4>& boxen, bool log, float faktorX);

// "fx % / fy %": how many times the curve's range is larger than the zoom window, in percent.
std::string ZoomInfoText(float minX, float maxX, float minY, float maxY, const Bereich& zoom);
