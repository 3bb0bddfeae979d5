// The structure values panel of the extras step and the Gauss peak panel, both in the panel frame.
#include "mainwindow/ui/frmMain.h"

#include "core/KurvenTyp.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/clsGrafik.h"
#include "panels/conExtras.h"
#include "panels/conFTR.h"
#include "panels/conGauss.h"

void frmMain::Extras_Panels_Erstellen()
{
    conExtras1 = new conExtras(Frame1);
    conExtras1->hide();
    connect(conExtras1, &conExtras::Verlassen, this, GuardedSlot("frmMain", "Extras_Verlassen", [this] {
                Schritte().Extras_Verlassen();
                Werkzeuge_Anzeigen();
            }));
    conGauss1 = new conGauss(Frame1);
    conGauss1->hide();
}

void frmMain::Peaks_Zeigen(bool zeigen)
{
    if (zeigen) {
        Ueberlagern(conGauss1);
        conGauss1->Init();
        return;
    }
    conGauss1->hide();
    // Leaving the peak view shows the Fourier step's curve again.
    gGrafik->Zeichne_Kurve(gGrafik->LetzteKurve() == KT_IK_Peaks ? KT_IK : KT_GR);
}

void frmMain::Peakansicht_Verlassen()
{
    if (!gGrafik) return;
    const int32_t ansicht = gGrafik->LetzteKurve();
    if (ansicht == KT_IK_Peaks || ansicht == KT_GR_Peaks) gGrafik->Zeichne_Kurve(ansicht == KT_IK_Peaks ? KT_IK : KT_GR);
}
