// The diffraction-image panel on the main window: below the tool rows, over the diagram and the
// panel frame, while a picture project waits for its curve; and the reading of a picture chosen as
// the next project.
#include "mainwindow/ui/frmMain.h"

#include "core/clsCommon.h"
#include "core/modCommon.h"
#include "images/ui/conBeugung.h"

#include <QApplication>
#include <QPointer>

#include <algorithm>
#include <memory>

namespace {

constexpr int32_t kLinks = 4;
constexpr int32_t kOben = 68;

// While it lives the window takes no input and shows that it waits: the open project must not
// change under a picture that may replace it.
class Eingabesperre {
public:
    explicit Eingabesperre(QWidget& fenster) : fenster_(&fenster)
    {
        fenster.setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~Eingabesperre()
    {
        QApplication::restoreOverrideCursor();
        if (fenster_) fenster_->setEnabled(true);
    }
    Eingabesperre(const Eingabesperre&) = delete;
    Eingabesperre& operator=(const Eingabesperre&) = delete;

private:
    QPointer<QWidget> fenster_;
};

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

void frmMain::Bild_Oeffnen(const clsCommon& offen)
{
    const clsCommon bild = *gCommon;
    *gCommon = offen;
    if (!conBeugung1->Bild_Annehmbar()) return;
    std::shared_ptr<void> sperre = bildSperre_.lock();
    if (!sperre) {
        sperre = std::make_shared<Eingabesperre>(*this);
        bildSperre_ = sperre;
    }
    conBeugung1->LoadImage(bild.Dateiname_Rohdaten(), [this, bild, sperre]() mutable {
        // The window takes input again before anything of the new project may ask.
        sperre.reset();
        *gCommon = bild;
        Projekt_Aufgeben();
        conBeugung1->show();
        conBeugung1->raise();
    });
}
