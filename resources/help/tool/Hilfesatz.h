#pragma once
// Sets the guide's HTML, with the program's pictures and a contents page, into a PDF.
#include <QString>

// Reads the HTML files (in this order), replaces every src="bild:NAME" by the picture NAME.png of
// bilder, puts a contents page with page numbers in front and writes the PDF. False (with a note on
// stderr) when a file cannot be read or a picture is missing.
bool Hilfe_Setzen(const QStringList& htmlDateien, const QString& bilder, const QString& pdf);
