#pragma once
// What the engine's drawing routines share: the handler that ends with a message box, the colours
// of the curve views (red in the low byte, blue in the third) and the polyline of a curve on a layer
// or straight on a diagram (a point at the first value, lines to the others).
#include "core/Guarded.h"
#include "core/clsError.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"

#include <cstdint>

// The engine's handlers that end with a plain message box instead of the error window.
template <class Body>
void MitGrafikMeldung(const char* procedure, Body body)
{
    try {
        body();
    } catch (const rt::RuntimeError& e) {
        clsError::ReportByMessage("Klassenmodul", "clsGrafik", procedure, e);
    } catch (const std::exception& e) {
        clsError::ReportByMessage("Klassenmodul", "clsGrafik", procedure, zelo::AsRuntimeError(e));
    }
}

namespace farbe {
inline constexpr uint32_t Schwarz = 0;
inline constexpr uint32_t Rot = 255;
inline constexpr uint32_t Gruen = 65280;
inline constexpr uint32_t Blau = 0xFF0000;
inline constexpr uint32_t Magenta = 0xFF00FF;
inline constexpr uint32_t Grau = 0xC0C0C0;
inline constexpr uint32_t Olivgruen = 70 + 256 * 120;
inline constexpr uint32_t Oliv = 120 + 256 * 120;
}

// Points von..bis of the curve (x(i), y(i)) on a layer of the engine, in the layer's pen colour.
template <class X, class Y>
void Linienzug(clsGrafik& grafik, int32_t layer, int32_t von, int32_t bis, X x, Y y)
{
    for (int32_t i = von; i <= bis; ++i) {
        if (i == von)
            grafik.DrawPoint(layer, x(i), y(i));
        else
            grafik.DrawLineTo(layer, x(i), y(i));
    }
}

// The same straight on a diagram, in colour f.
template <class X, class Y>
void Linienzug(conDisplay& display, uint32_t f, int32_t von, int32_t bis, X x, Y y)
{
    for (int32_t i = von; i <= bis; ++i) {
        if (i == von)
            display.Zeichne_Punkt(x(i), y(i), f);
        else
            display.Zeichne_LinieZu(x(i), y(i), f);
    }
}
