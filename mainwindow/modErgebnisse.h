#pragma once
// The save of a project's results, behind the toolbar's "Projekt speichern", the "Ja" of the
// question about unsaved results, Nc and the extras step.

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
