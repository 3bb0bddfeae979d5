#include "core/ui/Titelbreite.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QEvent>
#include <QGridLayout>
#include <QSpacerItem>

#include <algorithm>

namespace {

// What a title bar needs beside the title: the window icon and the close, maximise and minimise buttons.
constexpr int kTitelleisteRest = 140;

class Titelbreitenwaechter : public QObject {
public:
    explicit Titelbreitenwaechter(QDialog& dialog)
        : QObject(&dialog), dialog_(dialog), eigeneBreite_(dialog.minimumWidth())
    {
        dialog.installEventFilter(this);
        Anpassen();
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (objekt != &dialog_) return false;
        if (ereignis->type() == QEvent::WindowTitleChange || ereignis->type() == QEvent::Show)
            Anpassen();
        // A least width of the dialog's own keeps its layout from widening it: when a text grows
        // after the dialog opened (a reply that came later), the least width follows the layout.
        else if (ereignis->type() == QEvent::LayoutRequest && !platz_)
            Anpassen();
        return false;
    }

private:
    void Anpassen()
    {
        const int noetig = Titelleistenbreite(dialog_.windowTitle());
        QLayout* layout = dialog_.layout();
        if (layout && layout->sizeConstraint() == QLayout::SetFixedSize && Platz_Im_Layout(*layout)) {
            const QMargins rand = layout->contentsMargins();
            platz_->changeSize(std::max(noetig - rand.left() - rand.right(), 0), 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
            layout->invalidate();
            return;
        }
        // The dialog's own least width and its layout's stay in force.
        const int breite = std::max({noetig, eigeneBreite_, layout ? layout->totalMinimumSize().width() : 0});
        if (dialog_.maximumWidth() < breite) dialog_.setMaximumWidth(breite);
        dialog_.setMinimumWidth(breite);
        if (dialog_.width() < breite) dialog_.resize(breite, dialog_.height());
    }

    // A layout that sets the dialog's size takes an empty item as wide as the title needs, below the rest.
    bool Platz_Im_Layout(QLayout& layout)
    {
        if (platz_) return true;
        auto* gitter = qobject_cast<QGridLayout*>(&layout);
        auto* kasten = qobject_cast<QBoxLayout*>(&layout);
        const bool senkrecht = kasten && (kasten->direction() == QBoxLayout::TopToBottom ||
                                          kasten->direction() == QBoxLayout::BottomToTop);
        if (!gitter && !senkrecht) return false;
        platz_ = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
        if (gitter)
            gitter->addItem(platz_, gitter->rowCount(), 0, 1, gitter->columnCount());
        else
            kasten->addSpacerItem(platz_);
        return true;
    }

    QDialog& dialog_;
    const int eigeneBreite_;
    QSpacerItem* platz_ = nullptr;
};

}

int Titelleistenbreite(const QString& titel)
{
    QFont schrift = QApplication::font("QMdiSubWindowTitleBar");
    schrift.setBold(true);
    return QFontMetrics(schrift).horizontalAdvance(titel) + kTitelleisteRest;
}

void Titelbreite_Halten(QDialog& dialog) { new Titelbreitenwaechter(dialog); }
