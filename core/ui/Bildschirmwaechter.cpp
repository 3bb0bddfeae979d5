#include "core/ui/Bildschirmwaechter.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

void Auf_Schirm_Holen(QWidget* fenster)
{
    const QScreen* schirm = fenster->screen();
    if (!schirm) return;
    const QRect frei = schirm->availableGeometry();
    const QRect rahmen = fenster->frameGeometry();
    // Right and bottom first, so that a window larger than the area ends with its top left inside.
    const int x = std::max(std::min(rahmen.x(), frei.right() + 1 - rahmen.width()), frei.x());
    const int y = std::max(std::min(rahmen.y(), frei.bottom() + 1 - rahmen.height()), frei.y());
    if (x != rahmen.x() || y != rahmen.y()) fenster->move(x, y);
}

}

void Bildschirmwaechter::Installieren()
{
    static Bildschirmwaechter* waechter = nullptr;
    if (waechter) return;
    waechter = new Bildschirmwaechter(qApp);
    qApp->installEventFilter(waechter);
}

bool Bildschirmwaechter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* fenster = static_cast<QWidget*>(watched);
        const Qt::WindowType art = fenster->windowType();
        if (fenster->isWindow() && (art == Qt::Window || art == Qt::Dialog || art == Qt::Tool)) Auf_Schirm_Holen(fenster);
    }
    return QObject::eventFilter(watched, event);
}
