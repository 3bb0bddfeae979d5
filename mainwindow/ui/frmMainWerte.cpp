// The value label lblSS: rewritten whenever a diagram reports a change through InfoChange.
#include "mainwindow/ui/frmMain.h"

#include "core/KurvenTyp.h"
#include "core/modCommon.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "panels/PanelInterfaces.h"
#include "graphics/clsGrafik.h"
#include "mainwindow/Wertanzeige.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace {

// The smallest face the label takes to keep all its lines inside the tool band.
constexpr double kKleinsteSchrift = 6.0;

// The label's face, from the window's, shrunk until every line of its text fits its size.
void Zeilen_Einpassen(QLabel* label)
{
    QFont schrift = label->parentWidget()->font();
    const auto passt = [&] {
        const QRect noetig = QFontMetrics(schrift).boundingRect(QRect(0, 0, 100000, 100000),
                                                                 Qt::AlignLeft | Qt::AlignTop, label->text());
        return noetig.height() <= label->height() && noetig.width() <= label->width();
    };
    while (schrift.pointSizeF() > kKleinsteSchrift && !passt())
        schrift.setPointSizeF(std::max(schrift.pointSizeF() - 0.5, kKleinsteSchrift));
    label->setFont(schrift);
}

}

void frmMain::conDisplay_InfoChange(int32_t Index, int32_t k)
{
    letzteInfo_ = {Index, k};
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
    Zeilen_Einpassen(lblSS);
}

void frmMain::Werte_Erneuern()
{
    // The automatic transform changes the cut-off, the weighting, G(r) and its density line; the
    // damping and the weighting the low-K fit and the density from I(K).
    if (gSchritt == ST_IK || gSchritt == ST_GR) conDisplay_InfoChange(0, gSchritt == ST_IK ? KT_IK : KT_GR);
}

void frmMain::Werte_Sprache_Setzen()
{
    // The values stay; their captions follow the language.
    const auto [display, k] = letzteInfo_;
    if (k == 6 || k == 7) conDisplay_InfoChange(display, k);
}
