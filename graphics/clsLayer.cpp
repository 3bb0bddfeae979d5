#include "graphics/clsLayer.h"

#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "graphics/Raster.h"

#include <QPainter>

namespace {
// Drawn points are near-black, but not the pen colour.
const QRgb kPunktFarbe = qRgb(4, 0, 0);
constexpr int32_t kKreisRadius = 4;
}

void clsLayer::CreateCompatible(int32_t displayIndex, int32_t breite, int32_t hoehe, uint32_t farbe)
{
    displayIndex_ = displayIndex;
    bild_ = QImage(std::max(breite, 1), std::max(hoehe, 1), QImage::Format_RGB32);
    farbe_ = VbFarbe(farbe);
    const bool log = skala_.log;
    skala_ = LayerBox(breite, hoehe);
    skala_.log = log;
    ClearLayer();
}

void clsLayer::Clear() { bild_ = QImage(); }

void clsLayer::ClearLayer() { bild_.fill(farbe_); }

void clsLayer::Skalieren(float Xmax, float Xmin, float Ymax, float Ymin, bool KeepY)
{
    SkaliereLayer(skala_, Xmax, Xmin, Ymax, Ymin, KeepY);
}

void clsLayer::SetForeColor(uint32_t Color) { stift_ = VbFarbe(Color); }

bool clsLayer::ConvertAxes(float& x, float& y, const char* procedure) const
{
    if (KonvertiereAchsen(skala_, x, y)) return true;
    if (gError) gError->Report("clsLayer", procedure, rt::RuntimeError(rt::errOverflow));
    return false;
}

void clsLayer::DrawPixel(float x, float Y)
{
    if (!ConvertAxes(x, Y, "ConvertAxes")) return;
    letzteX_ = x;
    letzteY_ = Y;
    SetzePixel(bild_, *ZuPixel(x), *ZuPixel(Y), kPunktFarbe);
}

void clsLayer::DrawLine(float xTo, float yTo, std::optional<float> xFrom, std::optional<float> yFrom)
{
    const auto x0 = ZuPixel(xFrom.value_or(letzteX_));
    const auto y0 = ZuPixel(yFrom.value_or(letzteY_));
    if (!x0 || !y0 || !ConvertAxes(xTo, yTo, "ConvertAxes")) return;
    letzteX_ = xTo;
    letzteY_ = yTo;
    ZeichneLinie(bild_, *x0, *y0, *ZuPixel(xTo), *ZuPixel(yTo), stift_);
}

void clsLayer::DrawLineVertical(float x)
{
    float y = 0;
    if (!ConvertAxes(x, y, "DrawLineVertical")) return;
    const int32_t px = *ZuPixel(x);
    ZeichneLinie(bild_, px, 0, px, *ZuPixel(skala_.unten), stift_);
}

void clsLayer::DrawLineHorizontal(float Y)
{
    float x = 0;
    if (!ConvertAxes(x, Y, "DrawLineHorizontal")) return;
    const int32_t py = *ZuPixel(Y);
    ZeichneLinie(bild_, 0, py, *ZuPixel(skala_.rechts), py, stift_);
}

void clsLayer::DrawCircle(float x, float y)
{
    if (!ConvertAxes(x, y, "ConvertAxes")) return;
    QPainter painter(&bild_);
    painter.setPen(QColor::fromRgb(stift_));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPoint(*ZuPixel(x), *ZuPixel(y)), kKreisRadius, kKreisRadius);
}
