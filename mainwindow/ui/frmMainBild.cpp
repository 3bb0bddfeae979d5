// The diffraction-image panel on the main window: below the tool rows, over the diagram and the
// panel frame, while a picture project waits for its curve.
#include "mainwindow/ui/frmMain.h"

#include "images/ui/conBeugung.h"

#include <algorithm>

namespace {
constexpr int32_t kLinks = 4;
constexpr int32_t kOben = 68;
}

void frmMain::Bild_Panel_Erstellen()
{
    conBeugung1 = new conBeugung(centralWidget());
    conBeugung1->hide();
}

void frmMain::Bild_Panel_Platzieren(int32_t breite, int32_t hoehe)
{
    conBeugung1->setGeometry(kLinks, kOben, std::max(breite - 2 * kLinks, 0), std::max(hoehe - kOben, 0));
}

void frmMain::Bild_Zeigen()
{
    conBeugung1->show();
    conBeugung1->raise();
    conBeugung1->LoadImage();
}
