#include "Modalwache.h"

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QThread>

#include <utility>

namespace {

// How long a modal window may wait unattended.
constexpr qint64 kFrist = 3000;
constexpr int kTakt = 50;

int Ebene() { return QThread::currentThread()->loopLevel(); }

}

Modalwache::Modalwache()
{
    takt_.setInterval(kTakt);
    QObject::connect(&takt_, &QTimer::timeout, this, [this] { Pruefen(); });
    takt_.start();
    qApp->installEventFilter(this);
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                     [this] { gewartet_ = true; });
}

bool Modalwache::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::Show && objekt->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(objekt);
        if (widget->isWindow() && widget->isModal()) gezeigtAuf_ = Ebene();
    }
    return false;
}

std::string Modalwache::Beschreibung(const QWidget& fenster)
{
    QString text;
    if (const auto* box = qobject_cast<const QMessageBox*>(&fenster)) {
        text = box->text();
        if (!box->informativeText().isEmpty()) text += " " + box->informativeText();
    } else {
        QStringList texte;
        for (const QLabel* label : fenster.findChildren<QLabel*>())
            if (label->isVisible() && !label->text().isEmpty()) texte << label->text();
        text = texte.join(" | ");
    }
    return ("\"" + fenster.windowTitle() + "\": " + text).toStdString();
}

void Modalwache::Pruefen()
{
    QWidget* fenster = QApplication::activeModalWidget();
    if (!fenster) {
        fenster_ = nullptr;
        return;
    }
    const int ebene = Ebene();
    const bool gewartet = std::exchange(gewartet_, false);
    if (fenster != fenster_) {
        fenster_ = fenster;
        ebene_ = gezeigtAuf_ + 1;
        unbeachtet_.start();
        return;
    }
    // A handler of the test at work in the window runs the events itself, in a loop deeper than the
    // window's own or without ever waiting for the next event; a window shown modal without a loop
    // of its own waits in a shallower one.
    if (ebene < ebene_) ebene_ = ebene;
    if (ebene > ebene_ || !gewartet) {
        unbeachtet_.start();
        return;
    }
    if (unbeachtet_.elapsed() < kFrist) return;
    ADD_FAILURE() << "a modal window that the test did not answer: " << Beschreibung(*fenster);
    fenster_ = nullptr;
    if (auto* dialog = qobject_cast<QDialog*>(fenster))
        dialog->done(QDialog::Rejected);
    else
        fenster->close();
}
