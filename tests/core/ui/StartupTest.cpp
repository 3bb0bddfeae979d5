#include "analysis/clsGR.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/frmRecord.h"
#include "core/ui/QtUiSeam.h"
#include "core/ui/modStartup.h"
#include "core/ui/modUiGlobals.h"
#include "mainwindow/ui/frmMain.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"
#include "support/ui/Fensterpruefungen.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

// Notes what start-up had created when the first message box appeared.
class OrderProbeSeam : public RecordingSeam {
public:
    bool languageExisted = false;
    bool commonExisted = true;
    zelo::MsgResult MsgBox(const std::string& text, zelo::MsgButtons buttons, zelo::MsgIcon icon,
                           const std::string& title) override
    {
        if (messages.empty()) {
            languageExisted = gLanguage != nullptr;
            commonExisted = gCommon != nullptr;
        }
        return RecordingSeam::MsgBox(text, buttons, icon, title);
    }
};

void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class StartupTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (gOptions) Programm_Beenden();
        FlushDeletes();
    }
    // A project with a G(r) that no save has written yet.
    void Ungesichertes_Ergebnis() const
    {
        gCommon->Set_Dateiname((env.Root() / "probe.dat").string());
        gGR->setPunkte(100);
        gGespeichert = false;
    }
    TempEnvironment env;
};

}

TEST_F(StartupTest, MainShowsTheTitledMainWindowWithEverythingInPlace)
{
    RecordingSeam seam;
    Main({.waitMs = 0});
    ASSERT_TRUE(gfrmMain);
    EXPECT_EQ(gfrmMain->windowTitle(), "KPW - ZELO (DEMO) 2.32");
    EXPECT_TRUE(gfrmMain->isVisible());
    EXPECT_TRUE(gGespeichert);
    EXPECT_FLOAT_EQ(gOptions->Delta_k(), 0.1f);
    ASSERT_TRUE(gfrmRecord);
    EXPECT_EQ(gfrmRecord->parentWidget(), gfrmMain.data());
    EXPECT_TRUE(std::filesystem::is_directory(env.DataFolder())) << "the program folder is made at first start";
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible() && w->windowFlags().testFlag(Qt::SplashScreen)) << "the splash is gone";
}

TEST_F(StartupTest, MissingElementDatabaseIsReportedOnceBeforeTheServicesExist)
{
    OrderProbeSeam seam;
    Main({.waitMs = 0, .elementDatabase = {}});  // a program without an installed database
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "zelo_init.dat wurde nicht gefunden.\r\nDEMO-Daten werden generiert und verwendet!");
    EXPECT_EQ(seam.messages[0].icon, zelo::MsgIcon::Exclamation);
    EXPECT_TRUE(seam.languageExisted);
    EXPECT_FALSE(seam.commonExisted);
}

TEST_F(StartupTest, PresentElementDatabaseIsLeftAloneAndClosingAsksOnlyWhenResultsAreUnsaved)
{
    std::filesystem::create_directories(env.DataFolder());
    const auto path = env.DataFolder() / "zelo_init.dat";
    std::ofstream(path, std::ios::binary) << "ZELO3 user data";
    const auto written = std::filesystem::last_write_time(path);
    RecordingSeam seam;
    Main({.waitMs = 0});
    EXPECT_EQ(std::filesystem::last_write_time(path), written);
    gfrmMain->close();
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_FALSE(gOptions) << "the objects are released";
    FlushDeletes();

    // Unsaved, but a save would write nothing: no question.
    Main({.waitMs = 0});
    gCommon->Set_Dateiname((env.Root() / "probe.dat").string());
    gGespeichert = false;
    gfrmMain->close();
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_FALSE(gOptions);
    FlushDeletes();

    Main({.waitMs = 0});
    Ungesichertes_Ergebnis();
    seam.answers = {zelo::MsgResult::No};
    gfrmMain->close();
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Ergebnisse wurden noch nicht gespeichert\r\nJetzt speichern?");
    EXPECT_EQ(seam.messages[0].buttons, zelo::MsgButtons::YesNoCancel) << "a way back, as before a new project";
    EXPECT_FALSE(gGespeichert) << "No saves nothing";
    EXPECT_FALSE(gOptions) << "either answer ends the program";
    EXPECT_FALSE(std::filesystem::exists(env.Root() / "probe1"));
    FlushDeletes();

    Main({.waitMs = 0});
    Ungesichertes_Ergebnis();
    seam.answers = {zelo::MsgResult::Yes};
    gfrmMain->close();
    EXPECT_TRUE(std::filesystem::exists(env.Root() / "probe1" / "probe.Gr")) << "Yes runs the save action";
    EXPECT_FALSE(gOptions);
}

TEST_F(StartupTest, LanguageMenuSwitchesTheCaptions)
{
    RecordingSeam seam;
    Main({.waitMs = 0});
    ASSERT_EQ(gfrmMain->mnuLang.size(), 2u);
    EXPECT_EQ(gfrmMain->mnuDatei->title(), "Datei");
    // Qt's own dialogs and message-box buttons follow the program's language.
    const auto qtCancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    EXPECT_EQ(qtCancel(), "Abbrechen");
    const auto menus = gfrmMain->menuBar()->actions().size();
    gfrmMain->mnuLang[1]->trigger();
    EXPECT_EQ(qtCancel(), "Cancel");
    EXPECT_EQ(gOptions->Sprache(), 3);
    EXPECT_EQ(gfrmMain->menuBar()->actions().size(), menus) << "switching adds no menu";
    EXPECT_EQ(gfrmMain->mnuDatei->title(), "File");
    EXPECT_FALSE(gfrmMain->mnuLang[0]->isChecked());
    gfrmMain->mnuLang[0]->trigger();
    EXPECT_EQ(qtCancel(), "Abbrechen");
}

TEST_F(StartupTest, EscapeOrCancelAtTheQuitQuestionKeepsTheProgramAndItsResults)
{
    RecordingSeam aufzeichnung;
    Main({.waitMs = 0});
    // The real message box, answered by key and by button as a user answers it.
    QtUiSeam echt;
    zelo::SetUi(&echt);
    Ungesichertes_Ergebnis();
    for (const auto& [taste, knopf] : {std::pair{Qt::Key_Escape, QMessageBox::NoButton},
                                       std::pair{Qt::Key(0), QMessageBox::Cancel}}) {
        pruefen::Meldungsantwort antwort;
        pruefen::Meldung_Beantworten(antwort, taste, knopf, "core/beenden_frage.png");
        EXPECT_FALSE(gfrmMain->close()) << "the window stays";
        ASSERT_TRUE(antwort.gesehen);
        EXPECT_EQ(antwort.text, "Ergebnisse wurden noch nicht gespeichert\r\nJetzt speichern?");
        EXPECT_TRUE(antwort.knoepfe.contains("Abbrechen")) << antwort.knoepfe.join(", ").toStdString();
        FlushDeletes();
        ASSERT_TRUE(gfrmMain) << "the program runs on";
        EXPECT_TRUE(gfrmMain->isVisible());
        EXPECT_TRUE(gOptions);
        EXPECT_FALSE(gGespeichert) << "the results are still unsaved";
    }
    // The question comes again, and No ends the program.
    pruefen::Meldungsantwort antwort;
    pruefen::Meldung_Beantworten(antwort, Qt::Key(0), QMessageBox::No);
    EXPECT_TRUE(gfrmMain->close());
    EXPECT_TRUE(antwort.gesehen);
    EXPECT_FALSE(gOptions);
    zelo::SetUi(&aufzeichnung);
}
