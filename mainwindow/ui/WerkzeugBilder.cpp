#include "mainwindow/ui/WerkzeugBilder.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

constexpr int kGroesse = 40;
const QColor kTinte(30, 30, 30);
const QColor kBlau(40, 90, 170);
const QColor kRot(200, 40, 40);

QPen Stift(const QColor& farbe, qreal breite = 3.0) { return QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A filled arrow head at tip, pointing along (dx, dy) (a unit direction).
void Pfeilspitze(QPainter& p, QPointF tip, qreal dx, qreal dy, const QColor& farbe)
{
    const qreal l = 9, b = 6;
    const QPointF basis(tip.x() - dx * l, tip.y() - dy * l);
    const QPointF quer(-dy * b, dx * b);
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPolygon(QPolygonF{tip, basis + quer, basis - quer});
}

void Pfeil(QPainter& p, QPointF von, QPointF bis, const QColor& farbe)
{
    const QLineF linie(von, bis);
    const qreal dx = linie.dx() / linie.length();
    const qreal dy = linie.dy() / linie.length();
    p.setPen(Stift(farbe));
    p.drawLine(von, QPointF(bis.x() - dx * 6, bis.y() - dy * 6));
    Pfeilspitze(p, bis, dx, dy, farbe);
}

void Neu(QPainter& p)
{
    QPainterPath blatt;
    blatt.moveTo(8, 3);
    blatt.lineTo(24, 3);
    blatt.lineTo(33, 12);
    blatt.lineTo(33, 37);
    blatt.lineTo(8, 37);
    blatt.closeSubpath();
    p.setPen(Stift(kTinte, 2.5));
    p.setBrush(Qt::white);
    p.drawPath(blatt);
    p.drawPolyline(QPolygonF{{24, 3}, {24, 12}, {33, 12}});
    // A sketched curve on the sheet.
    p.setPen(Stift(kBlau, 2.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath kurve(QPointF(12, 31));
    kurve.cubicTo(17, 31, 18, 17, 21, 17);
    kurve.cubicTo(24, 17, 25, 31, 30, 31);
    p.drawPath(kurve);
}

void Speichern(QPainter& p)
{
    p.setPen(Stift(kTinte, 2.5));
    p.setBrush(kBlau);
    p.drawRoundedRect(QRectF(5, 5, 30, 30), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10, 5, 20, 12));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(12, 24, 16, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(kTinte);
    p.drawRect(QRectF(23, 7, 4, 8));
}

void Zoom(QPainter& p)
{
    p.setPen(Stift(kTinte, 6));
    p.drawLine(QPointF(24, 24), QPointF(35, 35));
    p.setPen(Stift(kTinte, 3));
    p.setBrush(QColor(220, 235, 255));
    p.drawEllipse(QPointF(16, 16), 11, 11);
    p.setPen(Stift(kBlau, 3));
    p.drawLine(QPointF(11, 16), QPointF(21, 16));
    p.drawLine(QPointF(16, 11), QPointF(16, 21));
}

void Bereich(QPainter& p)
{
    p.setPen(Stift(kTinte));
    p.drawLine(QPointF(5, 6), QPointF(5, 34));
    p.drawLine(QPointF(35, 6), QPointF(35, 34));
    p.setPen(QPen(kBlau, 2, Qt::DashLine));
    p.setBrush(QColor(40, 90, 170, 60));
    p.drawRect(QRectF(9, 10, 22, 20));
    Pfeil(p, {20, 20}, {9, 20}, kRot);
    Pfeil(p, {20, 20}, {31, 20}, kRot);
}

void Verschieben(QPainter& p)
{
    const QPointF mitte(20, 20);
    Pfeil(p, mitte, {20, 3}, kBlau);
    Pfeil(p, mitte, {20, 37}, kBlau);
    Pfeil(p, mitte, {3, 20}, kBlau);
    Pfeil(p, mitte, {37, 20}, kBlau);
}

void Spiegeln(QPainter& p)
{
    p.setPen(QPen(kTinte, 2, Qt::DashLine));
    p.drawLine(QPointF(20, 2), QPointF(20, 38));
    p.setPen(Stift(kTinte, 2.5));
    p.setBrush(kBlau);
    p.drawPolygon(QPolygonF{{16, 8}, {16, 32}, {4, 32}});
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{{24, 8}, {24, 32}, {36, 32}});
}

void Hoehe(QPainter& p)
{
    p.setPen(Stift(kRot, 4));
    p.drawLine(QPointF(4, 7), QPointF(36, 7));
    Pfeil(p, {20, 37}, {20, 11}, kBlau);
}

void Breite(QPainter& p)
{
    p.setPen(Stift(kRot, 4));
    p.drawLine(QPointF(5, 5), QPointF(5, 35));
    p.drawLine(QPointF(35, 5), QPointF(35, 35));
    Pfeil(p, {20, 20}, {9, 20}, kBlau);
    Pfeil(p, {20, 20}, {31, 20}, kBlau);
}

}

QPixmap Werkzeug_Bild(int32_t nummer)
{
    void (*zeichnen)(QPainter&) = nullptr;
    switch (nummer) {
    case 101: zeichnen = Neu; break;
    case 102: zeichnen = Speichern; break;
    case 103: zeichnen = Zoom; break;
    case 104: zeichnen = Bereich; break;
    case 105: zeichnen = Verschieben; break;
    case 106: zeichnen = Spiegeln; break;
    case 107: zeichnen = Hoehe; break;
    case 108: zeichnen = Breite; break;
    default: return {};
    }
    QPixmap bild(kGroesse, kGroesse);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    zeichnen(p);
    return bild;
}
