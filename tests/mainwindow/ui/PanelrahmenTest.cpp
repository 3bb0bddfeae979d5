// Every step panel of the main window's panel frame, shown or not, fits whole into the frame at the
// window's smallest size, in both languages: no panel reaches past the frame, no control past its
// panel, and no text past its control.
#include "MainWindowFixture.h"

#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/ui/modUiGlobals.h"
#include "analysis/clsFT_AI.h"
#include "materials/clsMFE.h"
#include "mainwindow/modSpezielleKurven.h"
#include "mainwindow/ui/frmMain.h"
#include "core/KurvenTyp.h"
#include "panels/conAddCurves.h"
#include "panels/conExtras.h"
#include "panels/conFTR.h"
#include "panels/conFT_AI.h"
#include "panels/conFit.h"
#include "panels/conGauss.h"
#include "panels/conPeakTest.h"
#include "panels/conSmoothing.h"
#include "panels/conUG.h"
#include "widgets/fxbutton.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <tuple>

namespace {

// The room a control's text needs, or an empty size for a control without text.
QSize Textplatz(QWidget* teil)
{
    if (auto* knopf = qobject_cast<QAbstractButton*>(teil))
        return knopf->text().isEmpty() ? QSize() : knopf->sizeHint();
    if (auto* label = qobject_cast<QLabel*>(teil)) {
        if (label->text().isEmpty() || !label->pixmap().isNull()) return {};
        if (!label->wordWrap()) return label->sizeHint();
        return {0, label->heightForWidth(label->width())};
    }
    if (auto* knopf = qobject_cast<fxbutton*>(teil)) {
        if (knopf->Caption().isEmpty()) return {};
        // The owner-drawn face keeps two pixels of its edge on each side.
        const QRect text = knopf->fontMetrics().boundingRect(QRect(0, 0, 1000, 1000), Qt::TextShowMnemonic, knopf->Caption());
        return text.size() + QSize(4, 4);
    }
    return {};
}

QString Text(QWidget* teil)
{
    if (auto* knopf = qobject_cast<QAbstractButton*>(teil)) return knopf->text();
    if (auto* label = qobject_cast<QLabel*>(teil)) return label->text();
    if (auto* knopf = qobject_cast<fxbutton*>(teil)) return knopf->Caption();
    return {};
}

// The panel alone in the frame, entered as its step enters it; the frame's picture is the screenshot bild.
void Pruefen(QWidget* panel, const std::function<void()>& eintritt, const QString& bild)
{
    QWidget* rahmen = panel->parentWidget();
    std::vector<QWidget*> andere;
    for (QWidget* w : rahmen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w == panel || w->isHidden()) continue;
        andere.push_back(w);
        w->hide();
    }
    const bool versteckt = panel->isHidden();
    if (eintritt) eintritt();
    panel->show();
    QCoreApplication::processEvents();

    EXPECT_TRUE(rahmen->contentsRect().contains(panel->geometry())) << "the panel reaches past the frame";
    for (QWidget* teil : panel->findChildren<QWidget*>()) {
        if (!teil->isVisibleTo(panel)) continue;
        const QRect platz(teil->mapTo(panel, QPoint(0, 0)), teil->size());
        SCOPED_TRACE(teil->metaObject()->className() + (" \"" + Text(teil).toStdString() + "\""));
        EXPECT_TRUE(panel->rect().contains(platz)) << "at " << platz.x() << "," << platz.y() << " size "
                                                   << platz.width() << "x" << platz.height() << " in "
                                                   << panel->width() << "x" << panel->height();
        const QSize noetig = Textplatz(teil);
        EXPECT_LE(noetig.width(), teil->width()) << "the text is cut";
        EXPECT_LE(noetig.height(), teil->height()) << "the text is cut";
    }
    foto::Ablegen(*rahmen, bild);

    if (versteckt) panel->hide();
    for (QWidget* w : andere) w->show();
}

// The status the automatic transform shows during a pass, with a light element's three-digit density.
void Status_Eines_Laufs(conFT_AI& panel)
{
    panel.Init();
    gMFE->setDichte_Experimentell(131.47f);
    panel.Info_Anzeigen(panel.Lauf().Info_Text());
}

using PanelrahmenTest = MainWindowFixture;

}

TEST_F(PanelrahmenTest, EveryPanelFitsWholeIntoTheFrameAtTheSmallestSize)
{
    gfrmMain->show();
    gfrmMain->Spezielle_Kurve_Starten(PT_IK, PTS_Demo_IK);
    // On to G(r), so that every panel finds the curves it works on.
    gfrmMain->Form_KeyUp(Qt::Key_G);
    frmMain& f = *gfrmMain;
    // Each panel as its steps enter it; the transform and the test-curve panels in each of their forms.
    const std::vector<std::tuple<QWidget*, QString, std::function<void()>>> panels = {
        {f.conFit1, "conFit", {}},
        {f.conUG1, "conUG", [&f] { f.conUG1->Init(); }},
        {f.conSmoothing1, "conSmoothing", [&f] { f.conSmoothing1->Start(KT_GR); }},
        {f.conFTR1, "conFTR_IK", [&f] { f.conFTR1->Zeigen(KT_IK); }},
        {f.conFTR1, "conFTR_GR", [&f] { f.conFTR1->Zeigen(KT_GR); }},
        {f.conFTR1, "conFTR_Wichtung", [&f] { f.conFTR1->Zeigen(KT_IK_Wichtung); }},
        {f.conPeakTest1, "conPeakTest_IK", [&f] { f.conPeakTest1->Init(KT_IK); }},
        {f.conPeakTest1, "conPeakTest_GR", [&f] { f.conPeakTest1->Init(KT_GR); }},
        {f.conExtras1, "conExtras", [&f] { f.conExtras1->Init(); }},
        {f.conGauss1, "conGauss", [&f] { f.conGauss1->Init(); }},
        {f.conFT_AI1, "conFT_AI", [&f] { f.conFT_AI1->Init(); }},
        {f.conFT_AI1, "conFT_AI_Lauf", [&f] { Status_Eines_Laufs(*f.conFT_AI1); }},
        {f.conAddCurves1, "conAddCurves", [&f] { f.conAddCurves1->Init(); }},
        {f.lblHinweis, "lblHinweis_Fit", [&f] { f.SetStepHint(gLanguage->Caption(490)); }},
        {f.lblHinweis, "lblHinweis_KZ", [&f] { f.SetStepHint(gLanguage->Caption(491)); }},
    };
    // No panel of the frame is left out.
    std::set<QWidget*> geprueft;
    for (const auto& [panel, name, eintritt] : panels) geprueft.insert(panel);
    for (QWidget* panel : f.Frame1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(geprueft.count(panel)) << panel->metaObject()->className();

    for (const auto& [sprache, kennung] : {std::pair{0, "de"}, std::pair{3, "en"}}) {
        f.mnuLang_Click(sprache);
        f.resize(f.minimumSize());
        QCoreApplication::processEvents();
        ASSERT_EQ(f.size(), f.minimumSize());
        for (const auto& [panel, name, eintritt] : panels) {
            SCOPED_TRACE(name.toStdString() + " " + kennung);
            Pruefen(panel, eintritt, "mainwindow/minimum_" + name + "_" + kennung + ".png");
        }
    }
}
