// Texts the user can read whole, in both languages: no label wider or taller than its place, dialog
// titles that fit their title bar, small
// diagrams that label fewer ticks, nothing of the main window over the simulation panel, captions
// that follow a language switch, recent files that exist and a main window that cannot shrink
// below a usable size.
#include "MainWindowFixture.h"

#include "analysis/clsGR.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/conDisplay.h"
#include "mainwindow/modProjektStart.h"
#include "mainwindow/modSpezielleKurven.h"
#include "mainwindow/ui/frmMain.h"
#include "materials/clsMFE.h"
#include "simulation/ui/conIMC.h"
#include "simulation/ui/frmMD.h"
#include "widgets/fxbutton.h"
#include "core/ui/frmAbout.h"
#include "core/ui/frmError.h"
#include "core/ui/frmRecord.h"
#include "curves/ui/frmCalcWerte.h"
#include "curves/ui/frmInsert.h"
#include "curves/ui/frmMittel.h"
#include "images/ui/frmDigiAchsen.h"
#include "mainwindow/ui/frmOptions.h"
#include "mainwindow/ui/frmParser.h"
#include "materials/modElementDatabase.h"
#include "materials/ui/frmChangeLeg.h"
#include "materials/ui/frmDaten.h"
#include "materials/ui/frmFMKNeu.h"
#include "materials/ui/frmSettings.h"
#include "support/ui/Fensterpruefungen.h"

#include <QElapsedTimer>
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <tuple>

namespace {

// Every shown label of the window holds its text within its own size, wrapped as it wraps.
void Texte_Passen(QWidget* fenster)
{
    for (QLabel* label : fenster->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(fenster) || label->text().isEmpty() || !label->pixmap().isNull()) continue;
        SCOPED_TRACE(label->text().toStdString());
        const int flags = Qt::AlignLeft | Qt::AlignTop | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect noetig =
            label->fontMetrics().boundingRect(QRect(0, 0, label->contentsRect().width(), 100000), flags, label->text());
        EXPECT_LE(noetig.width(), label->contentsRect().width());
        EXPECT_LE(noetig.height(), label->contentsRect().height());
    }
}

class FensterTexteTest : public MainWindowFixture {
protected:
    void Sprache(int offset)
    {
        gfrmMain->mnuLang_Click(offset);
        QCoreApplication::processEvents();
    }
};

}

TEST_F(FensterTexteTest, TheMolecularDynamicsWindowShowsTheWholeDuration)
{
    for (const int offset : {0, 3}) {
        Sprache(offset);
        frmMD fenster(gfrmMain);
        fenster.show();
        fenster.txtAtome->setText("2");
        fenster.cmdIKladen->click();
        fenster.Command2->click();
        fenster.Command3->click();
        ASSERT_TRUE(fenster.lblStop->text().contains("Dauer"));
        Texte_Passen(&fenster);
        Bild(fenster, QString("md_duration_%1.png").arg(offset));
    }
}

TEST_F(FensterTexteTest, TheValueLabelKeepsItsFifthLineAndFollowsTheLanguage)
{
    gfrmMain->resize(1000, 700);
    gfrmMain->show();
    gSchritt = 12;
    gMFE->setDichte_Experimentell(60.5f);
    gfrmMain->conDisplay_InfoChange(0, 7);
    const QString deutsch = gfrmMain->lblSS->text();
    ASSERT_EQ(deutsch.count('\n'), 4) << "the G(r) block has five lines";
    Texte_Passen(gfrmMain);
    Bild(*gfrmMain, "value_label_de.png");

    // A language switch rewrites the label with the same values.
    Sprache(3);
    const QString englisch = gfrmMain->lblSS->text();
    EXPECT_NE(englisch, deutsch);
    EXPECT_TRUE(englisch.startsWith(QString::fromStdString(gLanguage->Caption(56)))) << englisch.toStdString();
    Texte_Passen(gfrmMain);
    Bild(*gfrmMain, "value_label_en.png");
}

TEST_F(FensterTexteTest, NothingOfTheMainWindowLiesOverTheSimulationPanel)
{
    gfrmMain->resize(1000, 760);
    gfrmMain->show();
    // A project shows "Weiter" and the step box.
    gfrmMain->Spezielle_Kurve_Starten(PT_IK, PTS_Demo_IK);
    fxbutton* weiter = gfrmMain->cmdTool[23];
    ASSERT_TRUE(weiter->isVisible());
    gfrmMain->mnuIMC->trigger();
    QCoreApplication::processEvents();
    conIMC* panel = gfrmMain->conIMC1;
    ASSERT_TRUE(panel->isVisible());
    QWidget* flaeche = gfrmMain->centralWidget();
    for (QWidget* kind : flaeche->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (kind == panel || !kind->isVisible()) continue;
        SCOPED_TRACE(kind->metaObject()->className());
        EXPECT_FALSE(kind->geometry().intersects(panel->geometry()));
    }
    Texte_Passen(panel);
    Bild(*gfrmMain, "simulation_panel.png");
}

TEST_F(FensterTexteTest, ANarrowDiagramLabelsFewerTicksThatDoNotTouch)
{
    gfrmMain->resize(1000, 760);
    gfrmMain->show();
    gfrmMain->mnuIMC->trigger();
    conIMC* panel = gfrmMain->conIMC1;
    panel->cmdIKladen_Click(0);
    // The experiment is set up on the simulation's worker; the panel draws it when it is done.
    QElapsedTimer uhr;
    uhr.start();
    while (panel->Beschaeftigt() && uhr.elapsed() < 60000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
    for (conDisplay* diagramm : {panel->conDisplay_gr, panel->conDisplay_sk}) {
        const AchsenBild& achsen = diagramm->Achsen();
        const QFontMetrics metrics(diagramm->font());
        const int unten = diagramm->height();
        int rechts = std::numeric_limits<int>::min();
        int xtexte = 0;
        for (const AchsenText& t : achsen.texte) {
            if (t.rechtsbuendig || t.y < unten / 2) continue;  // the y labels
            const int breite = metrics.horizontalAdvance(QString::fromStdString(t.text));
            const int links = t.x - breite / 2;
            EXPECT_GT(links, rechts) << t.text << " runs into the label before it";
            rechts = links + breite;
            ++xtexte;
        }
        EXPECT_GE(xtexte, 2);
    }
    Bild(*panel, "simulation_diagrams.png");
}

TEST_F(FensterTexteTest, RecentFilesOfferOnlyFilesThatExist)
{
    const std::string da = (env.Root() / "da.dat").string();
    std::ofstream(da) << "1\n";
    gOptions->MRU_Set((env.Root() / "weg.dat").string());
    gOptions->MRU_Set(da);
    emit gfrmMain->mnuDatei->aboutToShow();
    ASSERT_EQ(gfrmMain->mnuLast.size(), 1u);
    EXPECT_EQ(gfrmMain->mnuLast[0]->text().toStdString(), da);

    // A demonstration curve carries a name that is no file: it does not enter the list.
    gfrmMain->Spezielle_Kurve_Starten(PT_IK, PTS_Demo_IK);
    for (int32_t slot = 1; slot <= 10; ++slot) {
        const std::string eintrag = gOptions->MRU(slot);
        EXPECT_TRUE(eintrag.empty() || eintrag == da || eintrag.find("weg.dat") != std::string::npos) << eintrag;
    }
}

TEST_F(FensterTexteTest, RecentFilesOfferNoFolder)
{
    // A folder that took the place of a recent file, named like one.
    const auto ordner = env.Root() / "ordner.dat";
    std::filesystem::create_directory(ordner);
    gOptions->MRU_Set(ordner.string());
    emit gfrmMain->mnuDatei->aboutToShow();
    EXPECT_TRUE(gfrmMain->mnuLast.empty());
    EXPECT_FALSE(gfrmMain->mnuZuletzt->isEnabled());

    const std::string datei = (env.Root() / "datei.dat").string();
    std::ofstream(datei) << "1\n";
    gOptions->MRU_Set(datei);
    emit gfrmMain->mnuDatei->aboutToShow();
    ASSERT_EQ(gfrmMain->mnuLast.size(), 1u);
    EXPECT_EQ(gfrmMain->mnuLast[0]->text().toStdString(), datei);
    EXPECT_TRUE(gfrmMain->mnuZuletzt->isEnabled());
}

TEST_F(FensterTexteTest, TheMainWindowKeepsAUsableSize)
{
    gfrmMain->show();
    gfrmMain->resize(60, 30);
    QCoreApplication::processEvents();
    EXPECT_GE(gfrmMain->width(), gfrmMain->minimumWidth());
    ASSERT_GT(gfrmMain->minimumWidth(), 300);
    ASSERT_GT(gfrmMain->minimumHeight(), 200);

    // At the smallest size, with a project, the tool rows, the step box and the panel frame are apart.
    gfrmMain->Spezielle_Kurve_Starten(PT_IK, PTS_Demo_IK);
    gfrmMain->resize(gfrmMain->minimumSize());
    QCoreApplication::processEvents();
    const QRect flaeche = gfrmMain->centralWidget()->rect();
    const QRect frame = gfrmMain->Frame1->geometry();
    EXPECT_TRUE(flaeche.contains(frame));
    EXPECT_TRUE(flaeche.contains(gfrmMain->lblStep->geometry()));
    EXPECT_GE(gfrmMain->conDisplay[0]->height(), 100) << "room for the diagram";
    for (QWidget* panel : gfrmMain->Frame1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!panel->isVisible()) continue;
        SCOPED_TRACE(panel->metaObject()->className());
        EXPECT_LE(panel->childrenRect().right(), panel->width()) << "the panel's controls are cut";
    }
    for (size_t i = 1; i < gfrmMain->cmdTool.size(); ++i) {
        fxbutton* knopf = gfrmMain->cmdTool[i];
        if (!knopf || !knopf->isVisible() || i == 23) continue;
        SCOPED_TRACE(i);
        EXPECT_FALSE(knopf->geometry().intersects(frame));
        EXPECT_TRUE(flaeche.contains(knopf->geometry()));
    }
    Bild(*gfrmMain, "main_minimum_size.png");
}

TEST_F(FensterTexteTest, TheStyleMenuMarksTheStyleInUse)
{
    auto marked = [] {
        int32_t style = -1;
        for (QAction* entry : gfrmMain->mnuButtonStyle)
            if (entry->isChecked()) style = entry->data().toInt();
        return style;
    };
    EXPECT_EQ(marked(), gOptions->ButtonStyle());
    gfrmMain->mnuButtonStyle.back()->trigger();
    EXPECT_EQ(marked(), gfrmMain->mnuButtonStyle.back()->data().toInt());
    EXPECT_EQ(gOptions->ButtonStyle(), marked());
}

TEST_F(FensterTexteTest, TheOpenDialogsFilterFollowsTheLanguage)
{
    Sprache(3);
    const std::string filter = gCommon->Filter();
    EXPECT_EQ(filter.rfind(gLanguage->Caption(231), 0), 0u) << filter;
    EXPECT_EQ(filter.find("alle bekannten"), std::string::npos);
}

TEST_F(FensterTexteTest, AddedMessagesSpeakTheSelectedLanguage)
{
    Sprache(3);
    frmMD fenster(gfrmMain);
    fenster.txtAtome->setText("abc");
    seam.messages.clear();
    fenster.cmdIKladen->click();
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Atoms per direction: a whole number from 1 to 10.");
}

TEST_F(FensterTexteTest, EveryDialogShowsItsWholeTitle)
{
    gMFE->setKomponenten(2);
    gMFE->Komponente(1, "Cu", 62, 8.96f, 1);
    gMFE->Komponente(2, "Zr", 38, 6.52f, 2);
    for (const auto& [offset, endung, konzentration] :
         {std::tuple{0, "_de", "Konzentration 62 at%"}, std::tuple{3, "_en", "concentration 62 at%"}}) {
        Sprache(offset);
        SCOPED_TRACE(endung);
        std::vector<std::unique_ptr<QDialog>> dialoge;
        auto* legierung = new frmChangeLeg(gfrmMain, nullptr);
        legierung->Komponente_Index(1);
        EXPECT_EQ(legierung->Label2->text().toStdString(), konzentration) << "a blank before the number";
        dialoge.emplace_back(legierung);
        dialoge.emplace_back(new frmMittel(gfrmMain));
        dialoge.emplace_back(new frmInsert(gfrmMain));
        dialoge.emplace_back(new frmCalcWerte(gfrmMain));
        dialoge.emplace_back(new frmSettings(gfrmMain));
        dialoge.emplace_back(new frmOptions(gfrmMain));
        dialoge.emplace_back(new frmAbout(gfrmMain));
        dialoge.emplace_back(new frmError(gfrmMain));
        dialoge.emplace_back(new frmParser(gfrmMain));
        dialoge.emplace_back(new frmDaten(gfrmMain));
        dialoge.emplace_back(new frmDigiAchsen(gfrmMain->conBeugung1, gfrmMain));
        dialoge.emplace_back(new frmFMKNeu(gfrmMain, colElemente.Item("Cu")));
        dialoge.emplace_back(new frmMD(gfrmMain));
        for (const auto& dialog : dialoge) {
            dialog->show();
            QCoreApplication::processEvents();
            EXPECT_TRUE(pruefen::Titel_Ganz(*dialog))
                << dialog->metaObject()->className() << " \"" << dialog->windowTitle().toStdString() << "\" in "
                << dialog->width() << " px";
        }
        // The processing log opens wide enough and is then sized by the user.
        EXPECT_TRUE(pruefen::Titel_Ganz(*gfrmRecord)) << "the processing log";
        // The two whose titles were cut, as a picture with a title bar drawn over it.
        for (QDialog* dialog : {dialoge[0].get(), dialoge[1].get()})
            Bild(pruefen::Mit_Titelleiste(*dialog), QString(dialog->metaObject()->className()) + "_titel" + endung + ".png");
        for (const auto& dialog : dialoge) dialog->close();
    }
}
