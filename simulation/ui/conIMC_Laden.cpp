// The simulation panel's experiment: the demonstration i(K) or an I(K) file, and the files it writes.
#include "simulation/ui/conIMC.h"

#include "analysis/DemoWerte.h"
#include "core/Resources.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "curves/clsInput.h"
#include "materials/clsMFE.h"
#include "materials/ui/frmSettings.h"
#include "simulation/ui/AtomBild.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <filesystem>
#include <fstream>

namespace {

void Melden(const std::string& text)
{
    const std::string titel = gLoader ? gLoader->ApplicationName() : std::string();
    zelo::Ui().MsgBox(text, zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, titel);
}

QString Zahl(float wert) { return QString::fromStdString(rt::SingleText(wert)); }

}

float conIMC::Fehler_Lesen()
{
    float fehler = StrToSingle(txtFehler->text().toStdString());
    if (fehler == Kein_Wert) {
        fehler = 1.5f;
        txtFehler->setText("1,5");
    }
    return fehler / 100;
}

void conIMC::cmdIKladen_Click(int32_t index)
{
    if (Beschaeftigt()) return;
    Experimentdaten e;
    if (index == 1) {
        if (!Experiment_Datei(e)) return;
    } else {
        e.iK = Demo_Werte(zelo::Resource("DEMO_101"));
        e.dK = 0.1f;
        e.rho = 46.0f;
        lbllegierung->setText("Legierung: Ag73Sn27");
    }
    e.fehler = Fehler_Lesen();
    Experiment_Anzeigen(std::move(e));
}

bool conIMC::Experiment_Datei(Experimentdaten& e)
{
    if (!gCommon->ShowOpen(true)) return false;
    // Only an I(K) can be read into the simulation; a G(r) has no route into it yet.
    if (gCommon->ProjektTyp() != PT_IK) {
        Melden("Nicht für Simulation geeignet!");
        return false;
    }
    gCommon->setProjektTyp_Spezial(PTS_Simulation);
    frmSettings fenster(window());
    if (fenster.exec() != QDialog::Accepted || !gInput || gInput->Punkte() < 1) return false;
    e.rho = gMFE ? gMFE->Dichte_Theoretisch() : 0.0f;
    if (!(e.rho > 0)) {
        Melden("Die Legierung hat keine Dichte: die Simulation braucht sie.");
        return false;
    }
    e.dK = gInput->Delta_X();
    e.iK.assign(static_cast<size_t>(gInput->Punkte()), 0.0f);
    gInput->CopyArray(e.iK);
    lbllegierung->setText("Legierung: " + QString::fromStdString(gCommon->Dateiname()));
    return true;
}

void conIMC::Experiment_Anzeigen(Experimentdaten e)
{
    const float rho = e.rho;
    const int32_t n = static_cast<int32_t>(StrToSingle(txtAtome->text().toStdString()));
    const float gelesen = StrToSingle(txtAtome->text().toStdString());
    if (gelesen != static_cast<float>(n) || n < 1 || n > 20) {
        Melden("Atome pro Richtung: eine ganze Zahl von 1 bis 20.");
        return;
    }
    lblDichte->setText("Dichte: " + Zahl(rho) + " 1/nm³");
    // The set-up of a large box takes seconds: the worker does it, Abholen shows it.
    if (!lauf_.Laden(std::move(e), n, static_cast<Startgitter>(Combo1->currentIndex()), Check1->isChecked())) return;
    ladeN_ = n;
    arbeit_ = Arbeit::Laden;
    abholen_.start();
    Knoepfe_Setzen();
}

void conIMC::Experiment_Geladen()
{
    const int32_t platziert = lauf_.Platziert();
    const int32_t n = ladeN_;
    lblLaenge->setText("Boxlänge: " + Zahl(v_.mc().L()) + " nm");
    lblRadius->setText("Atomradius: " + Zahl(v_.mc().d()) + " nm");
    lblAtome->setText(QString::number(platziert) + " insges.");
    lblZyklus->setText("Zyklus: 0");
    lblAktzeptiert->setText("akzeptiert: 0");
    Bester_Zeigen(0);
    if (!v_.Geladen()) {
        Melden("Es ließen sich nur " + std::to_string(platziert) + " von " + std::to_string(4 * n * n * n) +
               " Atomen unterbringen: die Simulation startet so nicht.");
        return;
    }
    bild_ = Simulationslauf::Aufnehmen(v_, false);
    gezeichnet_ = 0;
    Skalen_Setzen();
    Zeichne_Cluster();
    Zeichne_gr();
    Zeichne_Potential();
    Zeichne_Experiment();
}

void conIMC::Command1_Click()
{
    const std::string vorschlag = gCommon->Ordner() + "test_Gr.Gr";
    const std::string datei = zelo::Ui().SaveFileDialog("g(r) speichern", {{"G(r)", "*.Gr"}}, vorschlag);
    if (datei.empty()) return;
    if (const int fehler = v_.gr_Speichern(datei); fehler != 0)
        Melden("g(r) konnte nicht gespeichert werden: " + datei + " (" + std::to_string(fehler) + ")");
}

void conIMC::cmdSaveSim_Click()
{
    const std::string datei = gCommon->ShowSave(std::string("Zelo Simulation") + '\0' + "*.zsm" + '\0');
    if (datei.empty()) return;
    // The simulation file has no content yet: an existing file is never emptied.
    std::error_code fehler;
    if (std::filesystem::exists(datei, fehler)) {
        Melden("Die Datei besteht schon und bleibt unverändert: " + datei);
        return;
    }
    std::ofstream neu(datei, std::ios::binary);
    if (!neu) Melden("Die Datei konnte nicht angelegt werden: " + datei);
}

void conIMC::cmdClose_Click()
{
    Simulation_Stoppen();
    // A set-up or a single cycle under way ends too; what it left unfinished is not shown.
    if (Beschaeftigt()) {
        lauf_.Stoppen();
        abholen_.stop();
        arbeit_ = Arbeit::Keine;
        Knoepfe_Setzen();
    }
    hide();
}
