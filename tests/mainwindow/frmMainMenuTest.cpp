#include "mainwindow/frmMain.h"

#include "core/clsCommon.h"
#include "core/modCommon.h"
#include "core/ui/frmAbout.h"
#include "core/ui/frmRecord.h"
#include "core/ui/modStartup.h"
#include "core/ui/modUiGlobals.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class MainMenuTest : public ::testing::Test {
protected:
    void SetUp() override { Main({.waitMs = 0}); }
    void TearDown() override
    {
        if (gOptions) Programm_Beenden();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    TempEnvironment env;
    RecordingSeam seam;
};

}

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
