// The main window's diagrams and the panel frame below them, placed for the client size.
#include "mainwindow/ui/frmMain.h"

#include "core/Runtime.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"

#include <QEvent>
#include <QFrame>

namespace {
// The band of the two tool-button rows above the diagrams.
constexpr int32_t kWerkzeugband = 68;
constexpr int32_t kFrameLinks = 112;
constexpr int32_t kFrameHoehe = 129;

void Neu_Zeichnen(bool keepYScaling)
{
    if (gGrafik) gGrafik->Zeichne(keepYScaling);
}
}

void frmMain::Diagramme_Erstellen()
{
    auto* flaeche = new QWidget(this);
    setCentralWidget(flaeche);
    auto* frame = new QFrame(flaeche);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(kFrameLinks, 0, 0, kFrameHoehe);
    frame->hide();
    Frame1 = frame;
    for (size_t i = 0; i < conDisplay.size(); ++i) {
        conDisplay[i] = new ::conDisplay(flaeche);
        conDisplay[i]->hide();
        if (gGrafik) gGrafik->setDisplay(static_cast<int32_t>(i), conDisplay[i]);
    }
    flaeche->installEventFilter(this);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize) Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::Form_Resize()
{
    const int32_t w = centralWidget()->width();
    const int32_t h = centralWidget()->height();
    Frame1->setGeometry(Frame1->x(), h - Frame1->height(), std::max(w - Frame1->x(), 0), Frame1->height());
    Diagramme_Platzieren(w, h);
}

void frmMain::Diagramme_Platzieren(int32_t breite, int32_t hoehe)
{
    const int32_t frei = std::max(hoehe - kWerkzeugband - Frame1->height(), 0);
    if (gOptions && gOptions->Ansicht_2_Fenster()) {
        // The second view sits above; the lower one is the main diagram.
        const int32_t h = rt::CLng(frei / 2.0);
        conDisplay[1]->setGeometry(0, kWerkzeugband, breite, h);
        conDisplay[1]->show();
        conDisplay[0]->setGeometry(0, kWerkzeugband + h, breite, h);
    } else {
        conDisplay[0]->setGeometry(0, kWerkzeugband, breite, frei);
    }
}

void frmMain::Toggle_2Fenster()
{
    if (!gOptions->Ansicht_2_Fenster()) conDisplay[1]->hide();
    Diagramme_Platzieren(centralWidget()->width(), centralWidget()->height());
    Neu_Zeichnen(true);
}

void frmMain::DrawCurve(int32_t kurvenTyp)
{
    Frame1->show();
    conDisplay[0]->show();
    if (gGrafik) gGrafik->Zeichne_Kurve(kurvenTyp);
}
