#include "mainwindow/modProjektEinstellungen.h"

#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "mainwindow/MainWindowView.h"
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

void Projekteinstellungen_Uebernehmen(const Projekteinstellungen& einstellungen)
{
    try {
        clsCommon& common = rt::Object(gCommon);
        clsOptions& options = rt::Object(gOptions);
        common.setOrdner(einstellungen.Ordner);
        common.setProjektTyp(einstellungen.ProjektTyp);
        common.setEinheiten(einstellungen.Einheiten);
        options.setFaktor_X(einstellungen.Faktor_X);
        if (einstellungen.XAchse) gXAchse = einstellungen.XAchse;
        common.setEnable_Record(true);
        Legierung_Uebernehmen(einstellungen.Komponenten, einstellungen.Temperatur, einstellungen.Bemerkung);
        Legierungsmenue_Setzen(einstellungen.Komponenten.size());
        options.setStrom_Korrektur(einstellungen.Strom_Korrektur);
        rt::Object(gFMK).setBeschleunigungsspannung(einstellungen.Beschleunigungsspannung);
        Datei_Einlesen_Endgueltig();
        if (!gFMK->Formfaktoren_Berechnen()) common.Record(rt::TimeText() + ": " + gLanguage->Caption(255));
    } catch (const rt::RuntimeError& e) {
        gError->Report("frmSettings", "OK", e);
    }
}
