#pragma once
// Reading a project's file aside, before the open project is given up: the objects a loader fills
// (working curve, reader, I(K), G(r), pair potential, stage store) are fresh ones while it runs, its
// questions are answered without a window and what it would show is kept, and afterwards the open
// project's objects are back as they were, whatever the outcome.
#include <functional>
#include <string>

// Whether lesen() read the file. When not, grund says why: the reader's report, or the last
// message it would have shown; "" when it said nothing.
bool Probelesen(const std::function<bool()>& lesen, std::string& grund);
