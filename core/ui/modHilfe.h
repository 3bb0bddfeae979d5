#pragma once
// The user's guide hilfe.pdf that the program carries: copied into the program folder, where
// "? -> Hilfe" opens it.
#include <QString>

// The name of the guide the program carries.
inline constexpr const char* kHilfeQuelle = ":/hilfe.pdf";

// Copies the carried guide to the program folder's hilfe.pdf unless a copy at least as new lies
// there already; the copy takes the guide's date, so a newer program replaces it and a copy the user
// saved there later stays. quelle is the carried guide; a program without one leaves the folder alone.
void Hilfe_Sicherstellen(const QString& quelle = kHilfeQuelle);
