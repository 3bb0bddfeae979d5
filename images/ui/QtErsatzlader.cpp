#include "images/ui/QtErsatzlader.h"

#include <QImageReader>

bool QtErsatzlader::Laden(const std::string& datei, int32_t, int32_t& breite, int32_t& hoehe, std::string& fehler)
{
    bild_ = QImage();
    QImageReader leser(QString::fromStdString(datei));
    // The size from the header, so that a huge picture is refused before it is decoded.
    const QSize groesse = leser.size();
    if (groesse.isValid() && (static_cast<int64_t>(groesse.width()) > clsImage::kMaxSeite ||
                              static_cast<int64_t>(groesse.height()) > clsImage::kMaxSeite)) {
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
    // The library stores the rows bottom-up.
    return QImage(z.bits, z.breite, z.hoehe, z.pitch, QImage::Format_BGR888).mirrored();
}
