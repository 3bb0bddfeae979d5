#pragma once
// The running program on the demonstration element database, with helpers to drive the element table
// window and to look at the database file.
#include "core/modCommon.h"
#include "core/ui/modStartup.h"
#include "core/ui/modUiGlobals.h"
#include "mainwindow/ui/frmMain.h"
#include "materials/modElementDatabase.h"
#include "materials/ui/frmDaten.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

class ElementWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Main({.waitMs = 0, .elementDatabase = {}});
        seam.messages.clear();  // the note that the default database was written
    }
    void TearDown() override
    {
        if (gOptions) Programm_Beenden();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        colXAchsen.Clear();
        colElemente.Clear();
        gXAchse.reset();
        gElement.reset();
        gInitKopf = InitKopf{};
    }

    // Opens the element table window from the menu.
    frmDaten* Open()
    {
        gfrmMain->mnuDaten->trigger();
        return gfrmMain->findChild<frmDaten*>();
    }
    static void Click(fxbutton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5)); }
    // Runs answer on the next modal window (a dialog a click is about to open).
    static void OnModal(const std::function<void(QWidget*)>& answer)
    {
        QTimer::singleShot(0, [answer] { answer(QApplication::activeModalWidget()); });
    }
    static QStringList Entries(const QListWidget* list)
    {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
        return entries;
    }
    static void Pick(frmDaten* window, const QString& entry)
    {
        const auto found = window->lstElemente->findItems(entry, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << entry.toStdString();
        window->lstElemente->setCurrentItem(found.front());
    }

    std::vector<uint8_t> DatabaseBytes() const
    {
        std::ifstream in(env.DataFolder() / kElementDatabaseFile, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The save counter as the file holds it.
    int Revision() const
    {
        const auto bytes = DatabaseBytes();
        return bytes.size() < 19 ? -1 : int16_t(bytes[17] | bytes[18] << 8);
    }

    TempEnvironment env;
    RecordingSeam seam;
};
