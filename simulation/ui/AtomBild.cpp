#include "simulation/ui/AtomBild.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
// The atoms' radius in picture units (nm or σ).
constexpr double kRadius = 0.015;
// Above this many atoms the circles overlap into a cloud that smoothing does not improve, and
// smoothing tens of thousands of circles would hold the window.
constexpr size_t kGlattBis = 4000;
}

AtomBild::AtomBild(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void AtomBild::Zeichnen(double L, const std::vector<Bildatom>& atome)
{
    L_ = L;
    atome_ = atome;
    bild_ = QImage(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    bild_.fill(Qt::white);
    if (L_ > 0) {
        QPainter p(&bild_);
        p.setRenderHint(QPainter::Antialiasing, atome_.size() <= kGlattBis);
        const double c = std::cos(M_PI / 4);
        const double sx = width() / (2 * L_), sy = height() / (2 * L_);
        const double r = std::max(kRadius * sx, 1.5);
        for (const Bildatom& a : atome_) {
            const double x = a.x + L_ / 2, y = a.y + L_ / 2, z = a.z + L_;
            const double X = c * (x - y), Y = c * c * (x + y) - c * z;
            p.setPen(a.moved ? Qt::red : Qt::black);
            p.drawEllipse(QPointF((X + L_) * sx, (L_ - Y) * sy), r, r);
        }
    }
    update();
}

void AtomBild::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!bild_.isNull()) p.drawImage(0, 0, bild_);
    p.setPen(Qt::gray);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void AtomBild::resizeEvent(QResizeEvent*) { Zeichnen(L_, atome_); }
