#pragma once
// Creation and release of the program's global objects, in the order start-up and end require.
// It sits above every subsystem because it creates them all; the program's start, the tests and
// the benchmarks build their world through these same functions.
#include <cstdint>
#include <functional>
#include <span>

// Creates the objects that start-up needs first: gError, gLoader, gOptions, gLanguage, gFileHandler.
void CreateCoreObjects();
// Selects the stored UI language; an offset without texts falls back to German.
void SelectStoredLanguage();
// Writes the installed element database when the program folder has none; a program without one
// writes the demonstration data and tells the user so. Where no file can be made (a folder or a loop
// of links in its place, a program folder that cannot be written or made), one message names the
// path and the reason, and the table is used from memory.
void Zelo_Datei_Sicherstellen(std::span<const std::uint8_t> installiert);
// Creates the service objects in their order; createGrafik makes the drawing engine (a ui object)
// at its place between gOS and gGauss.
void CreateServiceObjects(const std::function<void()>& createGrafik);
// Sets up the transform grid and switches the processing log off, as start-up does.
void PrepareComputation();
// Empties the working curve and the spline and releases the objects in the order the end requires;
// releaseGrafik releases the drawing engine at its place between gOS and gPot.
void Objekte_Freigeben(const std::function<void()>& releaseGrafik);
// Releases whatever is left (the objects the end leaves to the program's exit).
void Restliche_Objekte_Freigeben();
