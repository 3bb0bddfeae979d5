#pragma once
// OK of the project settings as model code: what the window hands over becomes the new project's
// state (alloy, form factors, shares, log) and the project starts, so that a project can also be
// set up without the window.
#include "core/Einheitenwahl.h"
#include "materials/modLegierung.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class clsXAchse;

struct Projekteinstellungen {
    std::string Ordner;  // results folder
    int32_t ProjektTyp = 0;
    Einheitenwahl Einheiten;
    float Faktor_X = 1.0f;
    std::shared_ptr<clsXAchse> XAchse;  // the chosen x-axis conversion; none keeps the current one
    bool Strom_Korrektur = false;
    std::vector<Legierungskomponente> Komponenten;
    float Beschleunigungsspannung = 0.0f;  // kV, negative; Kein_Wert counts as 0 kV
    std::string Temperatur;                // annealing temperature as typed, K
    std::string Bemerkung;
};

// Whether the file gCommon names can be read as the project the settings describe: read aside with
// them before the open project is given up; when not, one message names the file and why. gCommon
// and the settings are as before afterwards. A generated curve (a special code) reads no file.
bool Projektdatei_Pruefen(const Projekteinstellungen& einstellungen);

// Describes the project in gCommon and the settings, switches the processing log on, applies the
// alloy (and rewrites the main window's alloy menu), starts the project and computes the mixture
// form factors on the loaded curve's grid; a failure of that computation is logged. A run-time
// error ends the sequence with its report under the settings window's OK.
void Projekteinstellungen_Uebernehmen(const Projekteinstellungen& einstellungen);
