#include "mainwindow/modProjektEinstellungen.h"

#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "mainwindow/MainWindowView.h"
#include "mainwindow/modErgebnisse.h"
#include "mainwindow/modProjektStart.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"
#include "materials/modElementDatabase.h"

#include <algorithm>

namespace {

// The alloy menu lists the components that reached the alloy model.
void Legierungsmenue_Setzen(size_t uebergeben)
{
    const auto angewandt = std::min(static_cast<int32_t>(uebergeben), rt::Object(gMFE).Komponenten());
    std::vector<std::string> eintraege;
    for (int32_t i = 1; i <= angewandt; ++i) eintraege.push_back(Komponente_Menuetext(i));
    MainView().SetAlloyMenu(eintraege);
}

}

bool Projektdatei_Pruefen(const Projekteinstellungen& einstellungen)
{
    clsCommon& common = rt::Object(gCommon);
    // A generated curve has no file to read.
    if (common.ProjektTyp_Spezial() != PTS_Keiner) return true;
    clsOptions& options = rt::Object(gOptions);
    const clsCommon beschrieben = common;
    const float faktor = options.Faktor_X();
    const bool strom = options.Strom_Korrektur();
    const std::shared_ptr<clsXAchse> achse = gXAchse;
    // The file is read as the settings describe it.
    common.setProjektTyp(einstellungen.ProjektTyp);
    common.setEinheiten(einstellungen.Einheiten);
    options.setFaktor_X(einstellungen.Faktor_X);
    if (einstellungen.XAchse) gXAchse = einstellungen.XAchse;
    options.setStrom_Korrektur(einstellungen.Strom_Korrektur);
    const bool lesbar = Projektdatei_Lesbar();
    common = beschrieben;
    options.setFaktor_X(faktor);
    options.setStrom_Korrektur(strom);
    gXAchse = achse;
    return lesbar;
}

void Projekteinstellungen_Uebernehmen(const Projekteinstellungen& einstellungen)
{
    try {
        clsCommon& common = rt::Object(gCommon);
        clsOptions& options = rt::Object(gOptions);
        common.setOrdner(einstellungen.Ordner);
        common.setProjektTyp(einstellungen.ProjektTyp);
        common.setEinheiten(einstellungen.Einheiten);
        options.setFaktor_X(einstellungen.Faktor_X);
        if (einstellungen.XAchse) {
            gXAchse = einstellungen.XAchse;
            options.setReg_X_Achse(einstellungen.XAchse->Key());
        }
        common.setEnable_Record(true);
        Legierung_Uebernehmen(einstellungen.Komponenten, einstellungen.Temperatur, einstellungen.Bemerkung);
        Legierungsmenue_Setzen(einstellungen.Komponenten.size());
        options.setStrom_Korrektur(einstellungen.Strom_Korrektur);
        rt::Object(gFMK).setBeschleunigungsspannung(einstellungen.Beschleunigungsspannung);
        Datei_Einlesen_Endgueltig();
        if (!gFMK->Formfaktoren_Berechnen()) common.Record(rt::TimeText() + ": " + gLanguage->Caption(255));
        // The mixture's form factors belong to the project as it starts.
        Ausgangsstand_Merken();
    } catch (const rt::RuntimeError& e) {
        gError->Report("frmSettings", "OK", e);
    }
}
