#pragma once
// Dialogs wide enough for their title: a window manager cuts a title that does not fit its title bar
// ("Legierungsdaten ä..."), so a dialog is made at least as wide as its title bar needs.
#include <QString>

class QDialog;

// The width a title bar needs for the title in its bold font beside the window's icon and its buttons.
int Titelleistenbreite(const QString& titel);

// Keeps the dialog at least as wide as its title bar needs, now and after every change of its title
// (a change of language). A dialog whose layout fixes its size gets room in the layout; any other
// gets a minimum width.
void Titelbreite_Halten(QDialog& dialog);
