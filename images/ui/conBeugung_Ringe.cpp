// The diffraction-image panel: ring clicks, the beam centre, the cursor read-out and the profile.
#include "images/ui/conBeugung.h"

#include "core/NumberFormat.h"
#include "core/Runtime.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "core/ui/Sprachtext.h"
#include "images/ui/Bildfeld.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>

#include <cmath>

namespace {

const QColor kRot(255, 0, 0);
const QColor kBlau(0, 0, 255);

QString Zahl(float x) { return QString::fromStdString(rt::SingleText(x)); }
}

void conBeugung::pic_MouseDown(double X, double Y)
{
    if (rechnet_ || !bild_) return;
    const auto x = static_cast<float>(X);
    const auto y = static_cast<float>(Y);
    if (digitalisieren_ == 0)
        Ring_Klick(x, y);
    else
        Digital_Klick(x, y);
}

void conBeugung::Ring_Klick(float X, float Y)
{
    const clsRinge::Klick ergebnis = ringe_.Klicken(X, Y);
    if (ergebnis == clsRinge::Klick::Voll) return;
    pic->Kreis(X, Y, 4, kRot);
    if (ergebnis != clsRinge::Klick::Ring) return;
    const int32_t k = ringe_.Ring_Anzahl();
    lstKreise->addItem(QString::number(k) + ") " + Zahl(ringe_.Ring_X(k)) + "; " + Zahl(ringe_.Ring_Y(k)) + "; " +
                       Zahl(ringe_.Ring_R(k)));
    Label1->setText(Text(383) + " (" + QString::number(k) + ")");
    Mittelpunkt_Berechnen();
    // The pointer rests on the click: its K reads from the new centre at once.
    pic_MouseMove(X, Y);
}

void conBeugung::Mittelpunkt_Berechnen()
{
    if (digitalisieren_ != 0) return;
    pic->Zeichnung_Loeschen();
    const int32_t ringe = ringe_.Ring_Anzahl();
    if (ringe < 1) return;
    const float mx = ringe_.Mittelpunkt_X();
    const float my = ringe_.Mittelpunkt_Y();
    const int32_t breite = bild_ ? bild_->Image_Width() : 0;
    lblMittelpunkt->setText("X = " + Zahl(mx) + "\nY = " + Zahl(my) + "\nKmax ~ " +
                            QString::fromStdString(FixedText((breite - mx) * static_cast<double>(cf_), 2)) + " 1/nm");
    // A badly placed ring shows as a red and a blue circle that do not coincide.
    for (int32_t k = 1; k <= ringe; ++k) {
        pic->Kreis(ringe_.Ring_X(k), ringe_.Ring_Y(k), ringe_.Ring_R(k), kRot);
        pic->Kreis(mx, my, ringe_.Ring_R(k), kBlau);
    }
    pic->Kreis(mx, my, 3, kBlau);
    Zeichne_Profil();
}

void conBeugung::Zeichne_Profil()
{
    QPixmap profil(std::max(picPrev->width() - 2, 1), std::max(picPrev->height() - 2, 1));
    profil.fill(Qt::white);
    if (bild_ && bild_->Image_Width() > 0) {
        QPainter painter(&profil);
        const double sx = profil.width() / static_cast<double>(bild_->Image_Width());
        const double sy = profil.height() / 260.0;
        const float mx = ringe_.Mittelpunkt_X();
        const int32_t y = rt::CLng(ringe_.Mittelpunkt_Y());
        QPointF vorher(0, profil.height());
        for (int32_t x = std::max(rt::CLng(mx), 0); x < bild_->Image_Width(); ++x) {
            const int32_t grau = clsImage::Grey(bild_->Image_GetPixelColor(x, y));
            const QPointF punkt((x - mx) * sx, profil.height() - grau * sy);
            painter.drawLine(vorher, punkt);
            vorher = punkt;
        }
    }
    picPrev->setPixmap(profil);
}

void conBeugung::pic_MouseMove(double X, double Y)
{
    const float r = std::hypot(static_cast<float>(X) - ringe_.Mittelpunkt_X(), static_cast<float>(Y) - ringe_.Mittelpunkt_Y());
    QString text = " " + Zahl(static_cast<float>(X)) + " - " + Zahl(static_cast<float>(Y)) + "\n (K ~ " +
                   QString::fromStdString(FixedText(static_cast<double>(cf_) * r, 2)) + " 1/nm)";
    if (bild_) {
        const int32_t farbe = bild_->Image_GetPixelColor(rt::CLng(X), rt::CLng(Y));
        text += "\n" + Text(390) + QString::number(farbe) + "\n" + Text(391) + QString::number(clsImage::Grey(farbe));
    }
    lblPunkt->setText(text);
    cursor_ = QPointF(X, Y);
}
