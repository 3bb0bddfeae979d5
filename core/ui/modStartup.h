#pragma once
// The program's start and end.
#include "mainwindow/modDatenbankInstallation.h"

#include <QString>

struct StartOptions {
    // The fixed pause before the main window appears; tests set it to 0.
    int waitMs = 2000;
    // The element database a first start installs; without one start-up writes the demonstration
    // data. Tests written on the demonstration data leave it empty.
    std::span<const std::uint8_t> elementDatabase = Installierte_Datenbank();
};

// Starts the program: splash, global objects in their order, element database, main window.
void Main(const StartOptions& options = {});
// Ends the program: asks about unsaved results, stops a running simulation, releases the objects,
// closes the windows. Cancelling the question, or a save after "Ja" that failed, ends nothing and
// gives false.
bool Programm_Beenden();
// Shows a text on the splash window, creating it when needed.
void Splash_Text(const QString& text);
