#pragma once
// The window system's picture loaders for when the image library is off: Qt's image reader shows
// TIFF files (the place of the TIFF loader) and every other format it knows.
#include "images/clsImage.h"

#include <QImage>

class QtErsatzlader : public Ersatzlader {
public:
    bool Laden(const std::string& datei, int32_t lader, int32_t& breite, int32_t& hoehe, std::string& fehler) override;
    // The picture last loaded.
    const QImage& Bild() const { return bild_; }

private:
    QImage bild_;
};

// The picture of a library bitmap for display, sharing its memory (no copy) and keeping it alive;
// its rows run from the bottom up. A null image when it holds no pixels.
QImage Anzeigebild(const clsImage& bild);
