// The diffraction-image panel: the radial average and the hand-over to the project settings.
#include "images/ui/conBeugung.h"

#include "core/clsLanguage.h"
#include "core/UiSeam.h"
#include "core/modCommon.h"
#include "core/clsCommon.h"
#include "core/clsLoader.h"
#include "images/Radialmittel.h"
#include "mainwindow/modProjektStart.h"
#include "materials/ui/frmSettings.h"
#include "widgets/fxbutton.h"

#include <QCoreApplication>

namespace {

// Keeps the panel locked for the scan, also when it ends by an error.
struct Rechnung {
    explicit Rechnung(std::function<void(bool)> sperren) : sperren_(std::move(sperren)) { sperren_(true); }
    ~Rechnung() { sperren_(false); }
    std::function<void(bool)> sperren_;
};

void Hinweis(const std::string& text)
{
    zelo::Ui().MsgBox(text, zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, gLoader->ApplicationName());
}

}

void conBeugung::cmdCalc_Click()
{
    if (rechnet_ || !bild_) return;
    if (!bild_->HatPixel()) {
        Hinweis("Nur mit FreeImage.dll - Unterstützung.");
        return;
    }
    if (!ringe_.Mittelpunkt_Gesetzt()) {
        Hinweis(gLanguage->Caption(549));
        return;
    }
    // The scan lets window events through, and with them the start of another project.
    const uint64_t projekt = Projektwechsel();
    Radialkurve kurve;
    bool berechnet = false;
    {
        const Rechnung rechnung([this](bool an) { Knoepfe_Sperren(an); });
        berechnet = Radialmittel_Berechnen(bild_->Zeilen(), ringe_.Mittelpunkt_X(), ringe_.Mittelpunkt_Y(), cf_,
                                           [this](double anteil) { Fortschritt_Zeigen(anteil); }, kurve);
    }
    // The program may have ended while the scan let window events through.
    if (!gCommon || !gLoader) return;
    if (Projektwechsel() != projekt) {
        // Its picture project is gone: the reset that ended it could not drop the picture under
        // the scan, and nothing of the picture may reach the project open now.
        Clear();
        return;
    }
    if (!berechnet) {
        Hinweis(gLanguage->Caption(524));
        return;
    }
    kurveX_ = std::move(kurve.X);
    kurveY_ = std::move(kurve.Y);
    Projekt_Einstellen();
}

void conBeugung::Knoepfe_Sperren(bool gesperrt)
{
    rechnet_ = gesperrt;
    for (fxbutton* knopf : {optBild[0], optBild[1], optBild[2], cmdCalc, cmdGrau, cmdInvert})
        knopf->setEnabled(!gesperrt);
    if (gesperrt) Fortschritt_Zeigen(0.0);
}

void conBeugung::Fortschritt_Zeigen(double anteil)
{
    if (auto* balken = picProgress->findChild<QWidget*>("Balken"))
        balken->resize(static_cast<int>(anteil * picProgress->width()), picProgress->height());
    QCoreApplication::processEvents();
}

void conBeugung::Projekt_Einstellen()
{
    // Its OK starts the project, which takes the curve from this panel.
    frmSettings fenster(window());
    fenster.exec();
}
