#include "mainwindow/ui/frmMain.h"
#include "MainWindowFixture.h"

#include "core/clsCommon.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/frmAbout.h"
#include "core/ui/frmRecord.h"
#include "core/ui/modStartup.h"
#include "core/ui/modUiGlobals.h"
#include "materials/ui/frmDaten.h"
#include "materials/ui/frmSettings.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

using MainMenuTest = MainWindowFixture;

TEST_F(MainMenuTest, RecordFileEntryIsOffUntilAProjectStarts)
{
    QAction* entry = gfrmMain->mnuRecord;
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), "Record File");
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
    EXPECT_EQ(gfrmMain->mnuHelp->title(), "?");
    EXPECT_EQ(gfrmMain->mnuInfo->text(), "Info");
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
    EXPECT_EQ(gfrmMain->mnuZuletzt->title(), "zuletzt verwendet");
    EXPECT_FALSE(gfrmMain->mnuZuletzt->isEnabled()) << "no file stored yet";

    const std::string first = (env.Root() / "a.dat").string();
    const std::string second = (env.Root() / "b.dat").string();
    gOptions->MRU_Set(first);
    gOptions->MRU_Set(second);
    emit gfrmMain->mnuDatei->aboutToShow();
    ASSERT_EQ(gfrmMain->mnuLast.size(), 2u);
    EXPECT_TRUE(gfrmMain->mnuZuletzt->isEnabled());
    EXPECT_EQ(gfrmMain->mnuLast[1]->text().toStdString(), second);

    bool settingsShown = false;
    QTimer::singleShot(0, [&] {
        auto* settings = qobject_cast<frmSettings*>(QApplication::activeModalWidget());
        if (!settings) return;
        settingsShown = true;
        settings->reject();
    });
    gfrmMain->mnuLast[0]->trigger();
    EXPECT_TRUE(settingsShown);
    EXPECT_EQ(gCommon->Dateiname_Rohdaten(), first);
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
