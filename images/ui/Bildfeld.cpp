#include "images/ui/Bildfeld.h"

#include <QMouseEvent>
#include <QPainter>

Bildfeld::Bildfeld(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void Bildfeld::setBild(const QImage& bild, bool vonUnten)
{
    bild_ = bild;
    vonUnten_ = vonUnten;
    kreise_.clear();
    resize(bild_.size());
    update();
}

int64_t Bildfeld::Farbe(int32_t x, int32_t y) const
{
    if (!bild_.valid(x, y)) return -1;
    return bild_.pixel(x, vonUnten_ ? bild_.height() - 1 - y : y);
}

void Bildfeld::Kreis(double x, double y, double radius, const QColor& farbe)
{
    kreise_.push_back({x, y, radius, farbe});
    update();
}

void Bildfeld::Zeichnung_Loeschen()
{
    kreise_.clear();
    update();
}

void Bildfeld::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (vonUnten_) {
        painter.save();
        painter.translate(0, bild_.height());
        painter.scale(1, -1);
        painter.drawImage(0, 0, bild_);
        painter.restore();
    } else if (!bild_.isNull()) {
        painter.drawImage(0, 0, bild_);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const Kreisform& k : kreise_) {
        painter.setPen(QPen(k.farbe, 1));
        painter.drawEllipse(QPointF(k.x, k.y), k.r, k.r);
    }
}

void Bildfeld::mousePressEvent(QMouseEvent* event)
{
    if (MausGedrueckt) MausGedrueckt(event->position().x(), event->position().y());
}

void Bildfeld::mouseMoveEvent(QMouseEvent* event)
{
    if (MausBewegt) MausBewegt(event->position().x(), event->position().y());
}
