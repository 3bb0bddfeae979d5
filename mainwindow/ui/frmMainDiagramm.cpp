// The main window's diagrams, the panel frame below them with "Weiter" and the step box at its left,
// placed for the client size, and the reset before a project starts.
#include "mainwindow/ui/frmMain.h"

#include "core/Runtime.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"
#include "images/ui/conBeugung.h"
#include "simulation/ui/conIMC.h"

#include "widgets/fxbutton.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {
// The band of the two tool-button rows above the diagrams.
constexpr int32_t kWerkzeugband = 68;
constexpr int32_t kFrameLinks = 112;
constexpr int32_t kFrameHoehe = 129;
// The step panels keep this margin inside the frame; "Weiter" and the step box keep it below the frame's top.
constexpr int32_t kRand = 4;
constexpr int32_t kStepBoxHoehe = 85;

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
    lblHinweis = new QLabel(frame);
    lblHinweis->setWordWrap(true);
    lblHinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont hinweisSchrift = lblHinweis->font();
    hinweisSchrift.setBold(true);
    lblHinweis->setFont(hinweisSchrift);
    lblHinweis->hide();
    auto* stepBox = new QFrame(flaeche);
    stepBox->setFrameShape(QFrame::Panel);
    stepBox->setFrameShadow(QFrame::Sunken);
    stepBox->setGeometry(4, 0, 105, kStepBoxHoehe);
    stepBox->setFont(Werkzeug_Schrift(stepBox->font()));
    stepBox->hide();
    lblStep = stepBox;
    // The task names wrap: "Rohdaten bearbeiten" is wider than the box.
    QFont fett = stepBox->font();
    fett.setBold(true);
    lblStep1 = new QLabel(stepBox);
    lblStep1->setGeometry(4, 2, 97, 28);
    lblStep1->setFont(fett);
    lblStep1->setWordWrap(true);
    Label2 = new QLabel(stepBox);
    Label2->setGeometry(4, 30, 97, 18);
    lblStep2 = new QLabel(stepBox);
    lblStep2->setGeometry(4, 48, 97, 28);
    lblStep2->setFont(fett);
    lblStep2->setWordWrap(true);
    // The values the diagram reports, right of the tool rows.
    lblSS = new QLabel(flaeche);
    lblSS->setGeometry(468, 0, 0, kWerkzeugband);
    lblSS->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (size_t i = 0; i < conDisplay.size(); ++i) {
        conDisplay[i] = new ::conDisplay(flaeche);
        conDisplay[i]->hide();
        connect(conDisplay[i], &::conDisplay::InfoChange, this,
                [this, i](int32_t k) { conDisplay_InfoChange(static_cast<int32_t>(i), k); });
        if (gGrafik) gGrafik->setDisplay(static_cast<int32_t>(i), conDisplay[i]);
    }
    Fourier_Panels_Erstellen();
    Extras_Panels_Erstellen();
    Bild_Panel_Erstellen();
    flaeche->installEventFilter(this);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize) Form_Resize();
    // However a panel over the step's own closes (its OK, its cancel, a click in the diagram).
    if (event->type() == QEvent::HideToParent && !rahmenWechsel_ && Ist_Ueberlagerung(watched))
        Ueberlagerung_Geschlossen();
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::Form_Resize()
{
    const int32_t w = centralWidget()->width();
    const int32_t h = centralWidget()->height();
    Frame1->setGeometry(Frame1->x(), h - Frame1->height(), std::max(w - Frame1->x(), 0), Frame1->height());
    fxbutton* weiter = cmdTool[kWerkzeug_Weiter];
    if (weiter) {
        weiter->move(weiter->x(), Frame1->y() + kRand);
        // Below "Weiter" the box reaches 4 pixels past a 129-pixel frame: it ends at the window's edge.
        const int32_t top = weiter->y() + weiter->height() + kRand;
        lblStep->setGeometry(lblStep->x(), top, lblStep->width(), std::clamp(h - top, 0, kStepBoxHoehe));
    }
    // The step panels fill the frame's inside less the margin.
    const QRect innen = Frame1->contentsRect().adjusted(kRand, kRand, -kRand, -kRand);
    for (QWidget* panel : Frame1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        panel->setGeometry(innen.x(), innen.y(), std::max(innen.width(), 0), std::max(innen.height(), 0));
    lblSS->resize(std::max(w - lblSS->x(), 0), lblSS->height());
    // The simulation panel takes the place of the diagram and the panel frame.
    if (conIMC1) conIMC1->setGeometry(0, kWerkzeugband, w, std::max(h - kWerkzeugband, 0));
    Bild_Panel_Platzieren(w, h);
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

void frmMain::ResetControls()
{
    Werkzeuge.ResetControls();
    Werkzeuge_Anzeigen();
    // Nothing the previous project's diagram reported stays: values, mouse position, limits; nor
    // does a language switch bring its values back.
    ClearValueLabel();
    lblHinweis->hide();
    for (::conDisplay* d : conDisplay) {
        d->lblPos->clear();
        for (QLineEdit* grenze : d->txtAchse) grenze->clear();
        d->hide();
    }
    lblStep->hide();
    if (conBeugung1) conBeugung1->hide();
    gOptions->setAnsicht_2_Fenster(false);
    Toggle_2Fenster();
}

void frmMain::DrawCurve(int32_t kurvenTyp)
{
    Frame1->show();
    conDisplay[0]->show();
    if (gGrafik) gGrafik->Zeichne_Kurve(kurvenTyp);
}
