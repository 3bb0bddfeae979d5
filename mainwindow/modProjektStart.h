#pragma once
// The life of a project: the reset before the next project is chosen and the start of the
// project that gCommon describes. Plain model code: what the main window shows of it goes through
// MainWindowView and the step machine's tools, so a project also starts headless.
#include <cstdint>

// Empties the working curve, the spline, the background, G(r) and the Gauss peaks, rebuilds the
// transform tables, ends the tools' mouse modes and marks the next project as unsaved and ordinary
// (no generated curve). A run-time error ends the reset with its report.
void Neues_Projekt_Reset();

// Starts the project gCommon describes: logs its type, folder and file, enters the file into the
// recent files and its folder as the next run's start folder, makes a fresh stage store and loads
// the curve by project type (generated and demonstration curves by their special code), puts the
// step machine on the project's first step and arranges tools, menus and panels. A load that fails, or a type this program cannot read,
// leaves the window in its idle state without a project. A run-time error ends the start with its
// report.
void Datei_Einlesen_Endgueltig();

// Whether the file gCommon describes can be read as its project, read aside without touching the
// open project (its curves, tools and window stay); when not, one message names the file and why.
bool Projektdatei_Lesbar();

// How many times a project has been given up or started in this run. Work that lets window events
// through (the radial average) notes it when it begins: when it differs at the end, the work
// belongs to a project that is no longer open.
uint64_t Projektwechsel();

// No project: step tools, "Weiter", panels and diagram hidden, the title without a file.
void Ruhezustand_Zeigen();
