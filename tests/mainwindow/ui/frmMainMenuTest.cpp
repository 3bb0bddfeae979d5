#include "mainwindow/ui/frmMain.h"
#include "MainWindowFixture.h"

#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "core/KurvenTyp.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/frmAbout.h"
#include "core/ui/frmRecord.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/conDisplay.h"
#include "materials/clsMFE.h"
#include "materials/ui/frmDaten.h"
#include "materials/ui/frmSettings.h"
#include "panels/conPeakTest.h"
#include "widgets/fxbutton.h"

#include "simulation/ui/conIMC.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <fstream>

using MainMenuTest = MainWindowFixture;

TEST_F(MainMenuTest, RecordFileEntryIsOffUntilAProjectStarts)
{
    QAction* entry = gfrmMain->mnuRecord;
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_FALSE(entry->isEnabled());
    EXPECT_TRUE(gfrmMain->mnuDatei->actions().contains(entry));
    EXPECT_EQ(gfrmMain->mnuDatei->actions().last(), gfrmMain->mnuExit) << "Beenden stays last";

    entry->setEnabled(true);
    entry->trigger();
    EXPECT_TRUE(gfrmRecord->isVisible());
}

TEST_F(MainMenuTest, InfoOpensTheAboutWindowModally)
{
    QString version;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        if (!about) return;
        modal = about->isModal() && about->parentWidget() == gfrmMain.data();
        version = about->Label7->text();
        about->reject();
    });
    gfrmMain->mnuInfo->trigger();
    EXPECT_TRUE(modal);
    EXPECT_EQ(version, "Version 2.32.0880 (DEMO)");
}

TEST_F(MainMenuTest, RecentFilesAreListedAndOpenTheProjectSettings)
{
    EXPECT_FALSE(gfrmMain->mnuZuletzt->isEnabled()) << "no file stored yet";

    const std::string first = (env.Root() / "a.dat").string();
    const std::string second = (env.Root() / "b.dat").string();
    // Only files that exist are offered.
    for (const std::string& datei : {first, second}) QFile(QString::fromStdString(datei)).open(QIODevice::WriteOnly);
    gOptions->MRU_Set(first);
    gOptions->MRU_Set(second);
    emit gfrmMain->mnuDatei->aboutToShow();
    ASSERT_EQ(gfrmMain->mnuLast.size(), 2u);
    EXPECT_TRUE(gfrmMain->mnuZuletzt->isEnabled());
    EXPECT_EQ(gfrmMain->mnuLast[1]->text().toStdString(), second);

    std::string settingsFile;
    QTimer::singleShot(0, [&] {
        auto* settings = qobject_cast<frmSettings*>(QApplication::activeModalWidget());
        if (!settings) return;
        settingsFile = gCommon->Dateiname_Rohdaten();
        settings->reject();
    });
    gfrmMain->mnuLast[0]->trigger();
    EXPECT_EQ(settingsFile, first) << "the settings are those of the recent file";
    EXPECT_EQ(gCommon->Dateiname_Rohdaten(), "") << "cancelled: no project, as before";
}

TEST_F(MainMenuTest, OwnedWindowsStayAboveTheMainWindow)
{
    gfrmRecord->show();
    gfrmMain->mnuDaten->trigger();
    frmSettings settings(gfrmMain);
    settings.show();
    for (QWidget* w : std::initializer_list<QWidget*>{gfrmRecord.data(), gfrmMain->findChild<frmDaten*>(), &settings}) {
        ASSERT_NE(w, nullptr);
        SCOPED_TRACE(w->metaObject()->className());
        ASSERT_NE(w->windowHandle(), nullptr);
        EXPECT_EQ(w->windowHandle()->transientParent(), gfrmMain->windowHandle());
    }
}

TEST_F(MainMenuTest, ProjectMenusFollowTheProjectStart)
{
    for (QAction* entry : {gfrmMain->mnuSave, gfrmMain->mnuDiagrammCopy, gfrmMain->mnuExport,
                           gfrmMain->mnuKurveGlaetten, gfrmMain->mnuRecord})
        EXPECT_FALSE(entry->isEnabled()) << entry->text().toStdString();
    // The simulations are reachable only from their entries.
    EXPECT_TRUE(gfrmMain->mnuMD->isEnabled());
    gfrmMain->mnuIMC->trigger();
    EXPECT_TRUE(gfrmMain->conIMC1->isVisible());
    EXPECT_FALSE(gfrmMain->mnuKurve->menuAction()->isVisible());
    EXPECT_FALSE(gfrmMain->mnuGoToExtras->isVisible());

    // The demonstration I(K) starts at once, without a file.
    gfrmMain->mnuDemoIK->trigger();
    EXPECT_EQ(gSchritt, 11);
    EXPECT_TRUE(gfrmMain->windowTitle().endsWith("[Demo_IK]"));
    for (QAction* entry : {gfrmMain->mnuDiagrammCopy, gfrmMain->mnuExport, gfrmMain->mnuKurveGlaetten, gfrmMain->mnuRecord})
        EXPECT_TRUE(entry->isEnabled()) << entry->text().toStdString();
    EXPECT_TRUE(gfrmMain->mnuKurve->menuAction()->isVisible());
    EXPECT_FALSE(gfrmMain->mnuSprung->isEnabled()) << "no jump analysis on an I(K)";
    EXPECT_FALSE(gfrmMain->mnuLegierung->menuAction()->isVisible()) << "no alloy for a generated curve";
    EXPECT_FALSE(gfrmMain->mnuSave->isEnabled());

    // The demonstration spectrum shows the project settings beside it and starts at J(K).
    gfrmMain->mnuDEMOJK->trigger();
    EXPECT_EQ(gSchritt, 6);
    EXPECT_TRUE(gfrmMain->mnuSprung->isEnabled());
    auto* settings = gfrmMain->findChild<frmSettings*>();
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->isVisible());
    settings->close();
}

TEST_F(MainMenuTest, NewProjectAsksForUnsavedResultsAndKeepsTheProjectWhenCancelled)
{
    gfrmMain->mnuDemoIK->trigger();
    ASSERT_EQ(gSchritt, 11);
    gfrmMain->cmdTool[16]->Click();
    ASSERT_EQ(gSchritt, 12);
    ASSERT_GT(gGR->Punkte(), 0);
    gGespeichert = false;

    seam.answers = {zelo::MsgResult::Cancel};
    gfrmMain->mnuNeuesProjekt->trigger();
    ASSERT_FALSE(seam.messages.empty());
    EXPECT_EQ(seam.messages.back().text, "Ergebnisse wurden noch nicht gespeichert\r\nJetzt speichern?");
    EXPECT_EQ(gSchritt, 12) << "cancelled: the evaluation stays";
    EXPECT_GT(gGR->Punkte(), 0);

    // No and then a cancelled file dialog: still nothing is reset.
    seam.answers = {zelo::MsgResult::No};
    gfrmMain->mnuNeuesProjekt->trigger();
    EXPECT_GT(gGR->Punkte(), 0);
    EXPECT_TRUE(gfrmMain->conDisplay[0]->isVisible());
    gGespeichert = true;
}

TEST_F(MainMenuTest, AFailedSaveAfterJaEndsNeitherTheProjectNorTheProgram)
{
    gfrmMain->mnuDemoIK->trigger();
    gfrmMain->cmdTool[16]->Click();
    ASSERT_EQ(gSchritt, 12);
    const int32_t punkte = gGR->Punkte();
    ASSERT_GT(punkte, 0);
    gOptions->setKurveSpeichern(KT_GR, true);
    // Without a density (as in a G(r) project) the RDF cannot be made: nothing is saved anyway.
    gOptions->setKurveSpeichern(KT_RDF, true);
    const float dichte = gMFE->Dichte_Experimentell();
    gMFE->setDichte_Experimentell(0.0f);
    gGespeichert = false;
    // A file stands where the results folder should be made.
    const std::string ordner = gCommon->Ordner();
    std::ofstream(env.Root() / "blockiert") << "no folder";
    gCommon->setOrdner((env.Root() / "blockiert" / "ergebnisse").string());
    const auto bleibt = [&](const char* wo) {
        EXPECT_EQ(gSchritt, 12) << wo;
        EXPECT_EQ(gGR->Punkte(), punkte) << wo;
        EXPECT_FALSE(gGespeichert) << wo;
        EXPECT_TRUE(gfrmMain->isVisible()) << wo;
        EXPECT_TRUE(seam.dialogs.empty()) << wo << ": no file is asked for";
        ASSERT_EQ(seam.messages.size(), 2u) << wo << ": the question and why the save failed";
        EXPECT_TRUE(seam.messages[1].text.starts_with(gLanguage->Caption(480))) << seam.messages[1].text;
    };

    seam.answers = {zelo::MsgResult::Yes};
    gfrmMain->mnuNeuesProjekt->trigger();
    bleibt("new project");

    seam.messages.clear();
    seam.answers = {zelo::MsgResult::Yes};
    EXPECT_FALSE(gfrmMain->close());
    ASSERT_TRUE(gOptions) << "the program goes on";
    bleibt("end");

    // Once the folder can be written, "Ja" saves and ends the program.
    gMFE->setDichte_Experimentell(dichte);
    gCommon->setOrdner(ordner);
    seam.messages.clear();
    seam.answers = {zelo::MsgResult::Yes};
    EXPECT_TRUE(gfrmMain->close());
    EXPECT_EQ(seam.messages.size(), 1u);
}

TEST_F(MainMenuTest, APeakBuilderCancelledInItsSettingsKeepsTheOpenProjectAndStartsOnOK)
{
    gfrmMain->mnuDemoIK->trigger();
    ASSERT_EQ(gSchritt, 11);
    const int32_t punkte = gIK->Punkte();
    const QString titel = gfrmMain->windowTitle();
    const auto einstellungen = [](bool ok) {
        QTimer::singleShot(0, [ok] {
            auto* settings = qobject_cast<frmSettings*>(QApplication::activeModalWidget());
            if (!settings) return;
            if (ok)
                settings->cmdOK->Click();
            else
                settings->cmdCancel->Click();
        });
    };
    einstellungen(false);
    gfrmMain->mnuPeakTest->trigger();
    EXPECT_EQ(gSchritt, 11);
    EXPECT_EQ(gIK->Punkte(), punkte);
    EXPECT_EQ(gfrmMain->windowTitle(), titel);
    EXPECT_EQ(gCommon->ProjektTyp_Spezial(), PTS_Demo_IK);
    EXPECT_TRUE(gfrmMain->conDisplay[0]->isVisible());

    einstellungen(true);
    gfrmMain->mnuPeakTest->trigger();
    EXPECT_EQ(gCommon->ProjektTyp_Spezial(), PTS_Testpeaks_IK);
    EXPECT_TRUE(gfrmMain->conPeakTest1->isVisible());
    EXPECT_NE(gfrmMain->windowTitle(), titel);
}

namespace {
// Takes the addresses the program hands to the desktop instead of opening them.
class UrlFaenger : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Oeffnen(const QUrl& url) { urls.push_back(url); }
};
}

TEST_F(MainMenuTest, HelpOpensTheDocumentThatExistsAndCopyTakesTheDiagram)
{
    UrlFaenger faenger;
    QDesktopServices::setUrlHandler("file", &faenger, "Oeffnen");
    // Start-up put the guide into the program folder; without it nothing opens.
    const QString ordner = QString::fromStdString(gLoader->ApplicationPath());
    QFile::remove(ordner + "hilfe.pdf");
    gfrmMain->mnuHilfe->trigger();
    EXPECT_TRUE(faenger.urls.empty()) << "no help document: nothing happens";

    QDir().mkpath(ordner + "Hilfe");
    QFile(ordner + "Hilfe/hilfe.pdf").open(QIODevice::WriteOnly);
    gfrmMain->mnuHilfe->trigger();
    ASSERT_EQ(faenger.urls.size(), 1);
    EXPECT_EQ(faenger.urls[0].toLocalFile(), ordner + "Hilfe/hilfe.pdf");
    QDesktopServices::unsetUrlHandler("file");

    gfrmMain->mnuDemoIK->trigger();
    QApplication::clipboard()->clear();
    gfrmMain->mnuDiagrammCopy->trigger();
    EXPECT_FALSE(QApplication::clipboard()->image().isNull());
}

TEST_F(MainMenuTest, AGuideTheDesktopCannotOpenIsReportedWithItsPlace)
{
    // Without a program for PDF files (as offscreen) opening fails: one message names the file.
    const QString ordner = QString::fromStdString(gLoader->ApplicationPath());
    ASSERT_TRUE(QFile::exists(ordner + "hilfe.pdf")) << "start-up put the guide there";
    gfrmMain->mnuHilfe->trigger();
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, gLanguage->Caption(580) + "\r\n" + (ordner + "hilfe.pdf").toStdString());
    EXPECT_EQ(seam.messages[0].buttons, zelo::MsgButtons::OK);

    gLanguage->OpenLanguageEx(3);
    gfrmMain->mnuHilfe->trigger();
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[1].text.rfind("The guide could not be opened", 0), 0u) << seam.messages[1].text;
    gLanguage->OpenLanguageEx(0);

    QFile::remove(ordner + "hilfe.pdf");
    gfrmMain->mnuHilfe->trigger();
    EXPECT_EQ(seam.messages.size(), 2u) << "a missing guide stays unreported";
}

#include "frmMainMenuTest.moc"
