// The value label lblSS: rewritten whenever a diagram reports a change through InfoChange.
#include "mainwindow/ui/frmMain.h"

#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "panels/PanelInterfaces.h"
#include "graphics/clsGrafik.h"
#include "mainwindow/Wertanzeige.h"

#include <QLabel>

void frmMain::conDisplay_InfoChange(int32_t /*Index*/, int32_t k)
{
    lblSS->clear();
    // A click in the diagram may have given the step what it waited for.
    SetStepHint(clsSchritte::Klickhinweistext());
    UiGuard("frmMain", "conDisplay_InfoChange", [&] {
        std::string text;
        if (k == 1 || k == 2 || k == 4)
            text = "Zoom: " + (gGrafik ? gGrafik->ZoomInfo() : std::string());
        else if (k == 5)
            PanelPlatz<UntergrundPanel>::Get().Aktualisieren();
        else
            text = Wertanzeige(k);
        lblSS->setText(QString::fromStdString(text));
    });
}
