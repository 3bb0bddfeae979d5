#pragma once
// The program started as a user starts it, with its main window, in a temporary program and settings
// folder with a recording seam; ended as the close button ends it.
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/modStartup.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"
#include "support/ui/Bildschirmfoto.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
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
    // The window tests' screenshot mainwindow/name, for a look.
    static void Bild(QWidget& fenster, const QString& name) { foto::Ablegen(fenster, "mainwindow/" + name); }
    static void Bild(const QImage& bild, const QString& name) { foto::Ablegen(bild, "mainwindow/" + name); }

    TempEnvironment env;
    RecordingSeam seam;
};
