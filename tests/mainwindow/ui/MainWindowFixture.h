#pragma once
// The program started as a user starts it, with its main window, in a temporary program and settings
// folder with a recording seam; ended as the close button ends it.
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/modStartup.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <gtest/gtest.h>

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override { Main({.waitMs = 0}); }
    void TearDown() override
    {
        gSchritt = 0;
        if (gOptions) Programm_Beenden();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Where the window tests put their screenshots: <build>/mainwindow.
    static QString Bild(const QString& name)
    {
        const QString ordner = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../mainwindow");
        QDir().mkpath(ordner);
        return ordner + "/" + name;
    }

    TempEnvironment env;
    RecordingSeam seam;
};
