#pragma once
// The text of a message window kept on the screen: a message box sizes itself to its text, which
// may come from outside (a server's reply, a file's name) and be thousands of lines long or one
// line wider than any screen. Such a text is shown in a box of its own that wraps long lines,
// within a word where it must, and scrolls.
class QGridLayout;
class QLabel;

// When label's text would not fit the screen of label's window (taller than the screen leaves
// beside a title and buttons, or a word wider than a message may be), puts a scrolling copy of the
// text in label's place in grid and hides label, which keeps its text. True when it did.
bool Meldungstext_Begrenzen(QLabel& label, QGridLayout& grid);
