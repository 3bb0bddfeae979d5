#pragma once
// Driving the main window as a user does: tool buttons, clicks in the main diagram at curve
// coordinates, typed values, list choices and modal windows; shared by the window tests of the
// evaluation road and the tool that takes the guide's pictures.
#include "analysis/clsIK.h"
#include "core/modCommon.h"
#include "core/ui/modStartup.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "graphics/Abbildung.h"
#include "graphics/Vorschau.h"
#include "graphics/conDisplay.h"
#include "images/ui/conBeugung.h"
#include "mainwindow/ui/frmMain.h"
#include "panels/conFit.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <vector>

namespace bedienung {

inline fxbutton& Tool(int32_t index) { return *gfrmMain->cmdTool[static_cast<size_t>(index)]; }
inline void Drueck(int32_t index) { QTest::mouseClick(&Tool(index), Qt::LeftButton); }
inline conDisplay& Diagramm() { return *gfrmMain->conDisplay[0]; }

// The pixel of the main diagram at curve coordinates (x, y).
inline QPoint Bei(float x, float y = 0.0f)
{
    return QPoint(*PixelX(Diagramm().Skala(), x), *PixelY(Diagramm().Skala(), y));
}

inline void Senden(QEvent::Type art, QPoint p, Qt::MouseButton knopf, Qt::MouseButtons gehalten)
{
    const QPointF ort(p);
    QMouseEvent ereignis(art, ort, Diagramm().pic->mapToGlobal(ort), knopf, gehalten, {});
    QCoreApplication::sendEvent(Diagramm().pic, &ereignis);
}

// Moves to p and clicks there as the window system delivers a click, which also moves the keyboard
// to the diagram when the diagram takes it on a click.
inline void Klick(QPoint p, Qt::MouseButton knopf = Qt::LeftButton)
{
    Senden(QEvent::MouseMove, p, Qt::NoButton, {});
    QTest::mouseClick(Diagramm().pic, knopf, {}, p);
}

// Replaces the field's text with wert and confirms it with Return.
inline void Tippen(QLineEdit* feld, double wert)
{
    feld->setFocus();
    feld->selectAll();
    QTest::keyClicks(feld, QString::number(wert, 'g', 7));
    QTest::keyClick(feld, Qt::Key_Return);
}

// Lets the window's events run until the image panel has taken or refused the picture it is decoding; false
// after a minute.
inline bool Bild_Abwarten()
{
    QElapsedTimer uhr;
    uhr.start();
    while (gfrmMain->conBeugung1->Laedt()) {
        if (uhr.elapsed() > 60000) return false;
        QTest::qWait(5);
    }
    return true;
}

// Chooses the list's entry that carries daten, as the user's choice in the open list does.
inline void Auswaehlen(QComboBox* liste, const QVariant& daten)
{
    const int index = liste->findData(daten);
    liste->setCurrentIndex(index);
    emit liste->activated(index);
}

// The next modal window of kind Fenster is handled by bedienen as soon as it is open, once: a
// window that bedienen keeps open (or a message it raises) is not handled again.
template <class Fenster>
void Wenn_Modal(std::function<void(Fenster&)> bedienen)
{
    auto* warten = new QTimer(gfrmMain);
    QObject::connect(warten, &QTimer::timeout, [warten, bedienen] {
        auto* fenster = qobject_cast<Fenster*>(QApplication::activeModalWidget());
        if (!fenster) return;
        warten->stop();
        warten->deleteLater();
        bedienen(*fenster);
    });
    warten->start(5);
}

// Ends a session that may have left preview windows open.
inline void Sitzung_Beenden()
{
    ClosePreviewWindows();
    gSchritt = 0;
    gGespeichert = true;
    if (gOptions) Programm_Beenden();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Whether I(K) is damped as the Fourier panel's list shows: damping it so once more changes nothing.
inline bool Gedaempft_Wie_Die_Liste(const QComboBox* liste)
{
    std::vector<float> gezeigt(static_cast<size_t>(gIK->Punkte()));
    gIK->CopyArray(gezeigt);
    gIK->Daempfen(liste->currentData().toInt());
    std::vector<float> gedaempft(gezeigt.size());
    gIK->CopyArray(gedaempft);
    return !gezeigt.empty() && gezeigt == gedaempft;
}

// The bound of a side fit over points von..bis of the averaged halves that counting noise alone
// reaches.
inline double Chi(int32_t von, int32_t bis)
{
    double s = 0.0;
    for (int32_t i = von; i <= bis; ++i) s += double(gCalc->Y(i)) * gCalc->Y(i) / 2.0 / 1e4;
    return s;
}

// The side fit at its separation point with the smoothing that counting noise alone reaches on
// either side, taken over.
inline void Seitenfit_Uebernehmen()
{
    const int32_t T = gCalc->Trennstelle();
    Tippen(gfrmMain->conFit1->txtParam[0], Chi(1, T + 5));
    Tippen(gfrmMain->conFit1->txtParam[1], Chi(T - 5, gCalc->Punkte()));
    QTest::mouseClick(gfrmMain->conFit1->cmdFit[8], Qt::LeftButton);
}

}
