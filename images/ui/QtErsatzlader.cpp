#include "images/ui/QtErsatzlader.h"

#include <QImageReader>

#include <memory>

bool QtErsatzlader::Laden(const std::string& datei, int32_t, int32_t& breite, int32_t& hoehe, std::string& fehler)
{
    bild_ = QImage();
    QImageReader leser(QString::fromStdString(datei));
    // The size from the header, so that a huge picture is refused before it is decoded.
    // Too many pixels on short sides count as well: the model refuses the size that comes back.
    const QSize groesse = leser.size();
    const int64_t b = groesse.width();
    const int64_t h = groesse.height();
    if (groesse.isValid() && (b > clsImage::kMaxSeite || h > clsImage::kMaxSeite || b * h > clsImage::kMaxPixel)) {
        breite = groesse.width();
        hoehe = groesse.height();
        return true;
    }
    if (!leser.read(&bild_)) {
        fehler = leser.errorString().toStdString();
        return false;
    }
    breite = bild_.width();
    hoehe = bild_.height();
    return true;
}

QImage Anzeigebild(const clsImage& bild)
{
    const Bildzeilen z = bild.Zeilen();
    if (!z.bits) return {};
    // The last copy of the picture lets go of the bitmap.
    auto* halter = new std::shared_ptr<const void>(bild.Pixelhalter());
    return QImage(z.bits, z.breite, z.hoehe, z.pitch, QImage::Format_BGR888,
                  [](void* h) { delete static_cast<std::shared_ptr<const void>*>(h); }, halter);
}
