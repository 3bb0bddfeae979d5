// The diffraction-image panel in digitising mode: axis reference points, the tracer and the
// hand-over of the traced curve.
#include "images/ui/conBeugung.h"

#include "core/Runtime.h"
#include "core/modCommon.h"
#include "core/UiSeam.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/modString.h"
#include "images/ui/Bildfeld.h"
#include "images/ui/frmDigiAchsen.h"
#include "widgets/fxbutton.h"

#include <QLabel>

void conBeugung::Digital_Klick(float X, float Y)
{
    if (chkScale->Value()) {
        // The reference points take turns: first, second, first again.
        const auto paar = static_cast<size_t>(2 * (achseSchritt_ % 2));
        achsen_.Pixel[paar] = X / zoom_;
        achsen_.Pixel[paar + 1] = Y / zoom_;
        frmDigiAchsen dialog(this, window());
        dialog.exec();
        return;
    }
    if (!chkDigit->Value()) return;
    digitX_ = rt::CLng(X);
    digitY_ = rt::CLng(Y);
    Kurve_Digitalisieren([this](int32_t x, int32_t y) { return Punktfarbe(x, y); }, digitX_, digitY_, zoom_, spurX_,
                         spurY_);
    lblDigitPunkte->setText(QString::number(spurX_.size()) + QString::fromStdString(gLanguage->Caption(392)));
    Digitalpunkte_Zeichnen();
}

void conBeugung::Achsen_Punkte(float PX, float PY)
{
    if (PX == Kein_Wert || PY == Kein_Wert) return;
    const auto paar = static_cast<size_t>(2 * (achseSchritt_ % 2));
    achsen_.Werte[paar] = PX;
    achsen_.Werte[paar + 1] = PY;
    achsen_.Gesetzt = std::min(++achseSchritt_, 2);
    Digitalpunkte_Zeichnen();
}

int32_t conBeugung::Punktfarbe(int32_t x, int32_t y) const
{
    const int64_t farbe = pic->Farbe(x, y);
    if (farbe < 0) return -1;
    const auto p = static_cast<QRgb>(farbe);
    return qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16);
}

void conBeugung::Digitalpunkte_Zeichnen()
{
    pic->Zeichnung_Loeschen();
    if (spurX_.size() < 2) return;
    for (size_t i = 0; i < spurX_.size(); ++i) pic->Kreis(spurX_[i] * zoom_, spurY_[i] * zoom_, 2, QColor(255, 0, 0));
}

void conBeugung::cmdUebernehmen_Click()
{
    if (spurX_.size() < 2) {
        zelo::Ui().MsgBox(gLanguage->Caption(522), zelo::MsgButtons::OK,
                          zelo::MsgIcon::Exclamation, gLoader->ApplicationName());
        return;
    }
    // In diagram units when both reference points have their values, else in pixels.
    kurveX_ = spurX_;
    kurveY_ = spurY_;
    Achsen_Umrechnen(achsen_, kurveX_, kurveY_);
    Projekt_Einstellen();
}
