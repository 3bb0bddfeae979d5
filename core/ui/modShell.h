#pragma once
// Hands documents and addresses to the desktop.
#include <QString>

// Opens a file, a web address or a "mailto:" address with the desktop's handler; the result is not checked.
void Datei_Oeffnen_Shell(const QString& path);
