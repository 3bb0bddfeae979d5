#pragma once
// The life of a project: the reset before the next project is chosen and the start of the
// project that gCommon describes. Plain model code: what the main window shows of it goes through
// MainWindowView, so a project also starts headless.

// Empties the working curve, the spline, the background, G(r) and the Gauss peaks, rebuilds the
// transform tables, ends the tools' mouse modes and marks the next project as unsaved and ordinary
// (no generated curve). A run-time error ends the reset with its report.
void Neues_Projekt_Reset();

// Starts the project gCommon describes: logs its type, folder and file, enters the file into the
// recent files, makes a fresh stage store and loads the curve by project type, which the main
// window then draws. When that succeeded (or the type has no curve of its own) the main window's
// title names the file, the alloy and log menus follow the project and the diagram is redrawn. A run-time error ends the start with its report.
void Datei_Einlesen_Endgueltig();
