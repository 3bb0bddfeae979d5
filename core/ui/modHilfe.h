#pragma once
// The user's guide hilfe.pdf that the program carries: copied into the program folder, where
// "? -> Hilfe" opens it.
#include <QString>

// The name of the guide the program carries.
inline constexpr const char* kHilfeQuelle = ":/hilfe.pdf";

// Makes the program folder's hilfe.pdf the guide the program carries: a missing copy, or one that
// differs from it (an older program's, or one a full disk cut short), is replaced whole, or not at
// all. A guide that cannot be written is told in one message naming the path and the reason, when
// melden is set. quelle is the carried guide; a program without one leaves the folder alone.
void Hilfe_Sicherstellen(const QString& quelle = kHilfeQuelle, bool melden = true);
