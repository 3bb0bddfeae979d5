// Every window the program opens belongs to the main window: the window system keeps it above its
// owner (a dialog's transient parent), it opens wholly on the screen, Escape closes it, and the
// element table asks before unsaved edits go. After a message box the window that raised it is
// active again.
#include "MainWindowFixture.h"

#include "core/UiSeam.h"
#include "core/clsLoader.h"
#include "core/ui/QtUiSeam.h"
#include "core/ui/frmRecord.h"
#include "core/ui/modUiGlobals.h"
#include "mainwindow/ui/frmMain.h"
#include "mainwindow/ui/frmOptions.h"
#include "mainwindow/ui/frmParser.h"
#include "materials/modElementDatabase.h"
#include "materials/ui/ElementDataPage.h"
#include "materials/ui/FormFactorPage.h"
#include "materials/ui/frmDaten.h"
#include "materials/ui/frmFMKNeu.h"
#include "update/ui/frmUpdate.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>

namespace {

class FensterBesitzTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        // The update window must not reach the maker's server: nothing listens on port 9.
        gOptions->setUpdate_URL("http://127.0.0.1:9/v_zelo.txt");
        gfrmMain->move(0, 0);
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != gfrmMain && w->isVisible() && w->parentWidget()) w->hide();
        MainWindowFixture::TearDown();
    }

    // The window is a dialog of owner for the window system and lies wholly on owner's screen.
    static void Gehoert(QWidget* fenster, QWidget* owner)
    {
        ASSERT_NE(fenster, nullptr);
        SCOPED_TRACE(fenster->metaObject()->className());
        ASSERT_TRUE(fenster->isVisible());
        EXPECT_EQ(fenster->windowType(), Qt::Dialog) << "only a dialog is kept above its owner by the window manager";
        ASSERT_NE(fenster->windowHandle(), nullptr);
        EXPECT_EQ(fenster->windowHandle()->transientParent(), owner->windowHandle());
        const QRect schirm = owner->screen()->availableGeometry();
        const QRect rahmen = fenster->frameGeometry();
        // A window as large as the screen at least keeps its top left corner (its title bar) on it.
        const QRect passt(rahmen.topLeft(), rahmen.size().boundedTo(schirm.size()));
        EXPECT_TRUE(schirm.contains(passt)) << "opens partly off the screen: " << rahmen.x() << "," << rahmen.y() << " "
                                            << rahmen.width() << "x" << rahmen.height();
    }
    // Opens a modal window and hands it to pruefen while it runs; the window is then closed.
    static void Modal(const std::function<void()>& oeffnen, const std::function<void(QWidget*)>& pruefen)
    {
        bool gesehen = false;
        QTimer::singleShot(0, [&] {
            QWidget* fenster = QApplication::activeModalWidget();
            if (!fenster) return;
            gesehen = true;
            pruefen(fenster);
            fenster->close();
        });
        oeffnen();
        EXPECT_TRUE(gesehen) << "no modal window opened";
    }
};

}

TEST_F(FensterBesitzTest, EveryWindowIsADialogOfTheMainWindowWhollyOnScreen)
{
    gfrmMain->mnuDaten->trigger();
    auto* daten = gfrmMain->findChild<frmDaten*>();
    Gehoert(daten, gfrmMain);
    gfrmMain->mnuParser->trigger();
    Gehoert(gfrmMain->findChild<frmParser*>(), gfrmMain);
    gfrmMain->mnuUpdate->trigger();
    Gehoert(gfrmMain->findChild<frmUpdate*>(), gfrmMain);
    gfrmRecord->show();
    Gehoert(gfrmRecord, gfrmMain);

    // The window for a new fitted table belongs to the element table.
    emit daten->Formfaktor->cmdNeuIntern->Click();
    Gehoert(daten->NeuerFMK(), daten);

    Modal([] { gfrmMain->mnuSettings->trigger(); }, [](QWidget* w) { Gehoert(w, gfrmMain); });
    Modal([] { gfrmMain->mnuInfo->trigger(); }, [](QWidget* w) { Gehoert(w, gfrmMain); });
    Modal([] { gfrmMain->mnuMD->trigger(); }, [](QWidget* w) { Gehoert(w, gfrmMain); });
}

TEST_F(FensterBesitzTest, EscapeClosesTheModelessWindows)
{
    gfrmMain->mnuParser->trigger();
    auto* rechner = gfrmMain->findChild<frmParser*>();
    gfrmMain->mnuDaten->trigger();
    auto* daten = gfrmMain->findChild<frmDaten*>();
    for (QPointer<QWidget> fenster : {QPointer<QWidget>(rechner), QPointer<QWidget>(daten)}) {
        ASSERT_FALSE(fenster.isNull());
        SCOPED_TRACE(fenster->metaObject()->className());
        QTest::keyClick(fenster, Qt::Key_Escape);
        QCoreApplication::processEvents();
        // A window that deletes itself on closing may already be gone.
        EXPECT_TRUE(fenster.isNull() || !fenster->isVisible());
    }
}

TEST_F(FensterBesitzTest, TheElementTableAsksBeforeUnsavedEditsGo)
{
    gfrmMain->mnuDaten->trigger();
    QPointer<frmDaten> daten = gfrmMain->findChild<frmDaten*>();
    ASSERT_TRUE(daten);
    QLineEdit* name = daten->Daten->txtInfo[0];
    const QString alt = name->text();
    const int16_t revision = gInitKopf.Revision;

    seam.messages.clear();
    name->setText(alt + "x");

    // Cancel keeps the window and the edit.
    seam.answers = {zelo::MsgResult::Cancel};
    daten->close();
    ASSERT_EQ(seam.messages.size(), 1u) << "closing with an unsaved edit asks";
    EXPECT_EQ(seam.messages[0].buttons, zelo::MsgButtons::YesNoCancel);
    EXPECT_TRUE(daten->isVisible());
    EXPECT_EQ(name->text(), alt + "x");

    // Escape asks the same; No closes without saving.
    seam.answers = {zelo::MsgResult::No};
    QTest::keyClick(daten, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(seam.messages.size(), 2u);
    EXPECT_FALSE(daten);
    EXPECT_EQ(gInitKopf.Revision, revision) << "nothing written";

    // Yes saves the edit before the window goes.
    gfrmMain->mnuDaten->trigger();
    daten = gfrmMain->findChild<frmDaten*>();
    ASSERT_TRUE(daten);
    const std::string symbol = daten->lstElemente->currentItem()->data(Qt::UserRole).toString().toStdString();
    daten->Daten->txtInfo[0]->setText("Neuer Name");
    seam.answers = {zelo::MsgResult::Yes};
    daten->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(daten);
    EXPECT_EQ(colElemente.Item(symbol)->name(), "Neuer Name");
    EXPECT_NE(gInitKopf.Revision, revision);
}

TEST_F(FensterBesitzTest, AfterAMessageBoxTheWindowThatRaisedItHasTheFocus)
{
    QtUiSeam qt;
    zelo::SetUi(&qt);
    gfrmMain->activateWindow();
    gfrmMain->mnuParser->trigger();
    auto* rechner = gfrmMain->findChild<frmParser*>();
    ASSERT_NE(rechner, nullptr);
    QApplication::setActiveWindow(rechner);
    rechner->txtFormel->setFocus();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), rechner);

    QWidget* besitzer = nullptr;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        besitzer = box->parentWidget();
        box->accept();
    });
    zelo::Ui().MsgBox("?", zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, clsLoader::kApplicationName);
    QCoreApplication::processEvents();
    EXPECT_EQ(besitzer, rechner) << "the box belongs to the window that raised it";
    EXPECT_EQ(QApplication::activeWindow(), rechner);
    EXPECT_EQ(QApplication::focusWidget(), rechner->txtFormel) << "the next key goes where it went before";
    zelo::SetUi(&seam);
}

TEST_F(FensterBesitzTest, AShortMessageShowsItsWholeTitle)
{
    QtUiSeam qt;
    zelo::SetUi(&qt);
    int breite = 0;
    int noetig = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        breite = box->width();
        // The title bar holds the title, the window icon and three buttons.
        noetig = box->fontMetrics().horizontalAdvance(box->windowTitle()) + 3 * 24 + 24;
        box->accept();
    });
    zelo::Ui().MsgBox("URL not found", zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, "KPW ZELO - Updater (Test)");
    zelo::SetUi(&seam);
    ASSERT_GT(breite, 0);
    EXPECT_GE(breite, noetig);
}
