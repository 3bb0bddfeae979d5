#pragma once
// The alloy of a new project as the project settings window hands it over, and its application
// to the alloy model, the mixture form factors, the stored shares and the processing log.
#include <cstdint>
#include <string>
#include <vector>

struct Legierungskomponente {
    std::string Symbol;
    float Prozent = 0.0f;  // at%
    float Dichte = 0.0f;   // g/cm³; Kein_Wert when unknown
    float Valenz = 0.0f;   // electrons per atom; Kein_Wert when unknown
    int32_t Tabelle = 0;   // form-factor table, 1..gFMK.FMK_Anzahl
};

// Makes the components those of gMFE and gFMK, stores the elements, their shares and their count
// for the next project's settings window, computes the alloy's free-electron values and logs the
// alloy with the annealing temperature and the remark. A component with an unknown density or
// valence leaves the alloy's values unknown. Ends silently on a failure, keeping what was applied
// until then.
void Legierung_Uebernehmen(const std::vector<Legierungskomponente>& komponenten, const std::string& Temperatur,
                           const std::string& Bemerkung);

// The alloy menu's caption of component Index of gMFE: "C: 73at%, 2.26 g/cm³, 4 e/a"; "" (reported)
// for an Index that names no component.
std::string Komponente_Menuetext(int32_t Index);
