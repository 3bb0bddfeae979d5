#pragma once
// "Rohrbruch" is German for a broken pipe.
// A program started with its error output into a pipe that nobody reads any more (a harness or a
// launcher that has gone) would end at once with SIGPIPE at the first warning the toolkit writes.
// The signal is caught instead, so such a write only fails. It is caught by a handler, not ignored,
// because an ignored signal would stay ignored in the programs this one opens (viewer, mail).
void Rohrbruch_Ueberstehen();
