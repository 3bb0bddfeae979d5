#pragma once
// The save of a project's results, behind the toolbar's "Projekt speichern", the "Ja" of the
// question about unsaved results, Nc and the extras step; and whether that question is to be asked.

// Writes every result curve the project has produced whose save option is on into the results
// folder, each file once and logged: the background, its support points and their errors, I(K)
// (and K·I(K)), G(r) with the RDF, g(r) and local density derived from it, and the alloy's mixture
// form factors. A file that holds already what the save would write is left as it is, so that a
// save with nothing changed since the last one writes nothing. With nothing to write no folder is
// made and nothing is said. A folder that cannot be written is told once and nothing is written;
// files that cannot be written are told together, with path and reason, after the others are
// written. The results count as saved (gGespeichert) when there was at least one file, each is
// written or up to date, and nothing failed. Without a project file there is no name to write
// under, and nothing happens; a run-time error ends the save with its report. False when the save
// failed (a folder or a file that could not be written, a run-time error), so that a caller that
// was to end the work keeps it instead. What the save leaves out (the files that need the
// experimental density, without one) is told in the same message as the failures; dichteHinweis
// false leaves the density's note to a caller that asks for the density itself.
bool Gespeichert_Setzen(bool dichteHinweis = true);

// Whether the results are unsaved, so that a new project and the end ask first: when they do not
// count as saved (gGespeichert), and a save would write a file now, because what it would hold
// differs from what this project last wrote there (or the file changed or went since), or, for a
// file the project never wrote, from what it would have held when the project started. So a
// project just opened asks nothing, nor one whose save would find every file up to date; a
// changed or newly computed result asks. Nothing is written, made, shown or logged. A run-time
// error counts as unsaved, after its report.
bool Ergebnisse_Ungesichert();

// Takes the results a save would write now as the project's start, which asks nothing: called when
// a project has started. Nothing is written, made, shown or logged.
void Ausgangsstand_Merken();
