#pragma once
// The simulation panel: loads an experiment (the demonstration i(K) or an I(K) file), sets up the
// Monte Carlo box and refines the pair potential cycle by cycle until the user stops, showing the
// atoms, g(r), i(K) with the simulated S(K), and the potential. The set-up and the cycles run on a
// worker thread; a timer fetches the latest finished state and draws it, so the window answers at
// any box size and a second start cannot run inside the first.
#include "simulation/Simulationslauf.h"
#include "simulation/clsVerfeinerung.h"

#include <QDateTime>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

class AtomBild;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class conDisplay;
class fxbutton;

class conIMC : public QWidget {
    Q_OBJECT
public:
    explicit conIMC(QWidget* parent = nullptr);

    // The button style is taken once, when the panel is made.
    void StyleUmstellen() {}
    // The panel's texts are its own German ones; only the best state's line is the text table's.
    void SpracheUmstellen();
    // 0 the demonstration experiment, 1 an I(K) file.
    void cmdIKladen_Click(int32_t index);
    void Simulation_Starten();
    void Simulation_Stoppen();
    // One cycle by hand (fxbutton1), also between two cycles of a run.
    void Zyklus();
    void Command1_Click();
    void cmdSaveSim_Click();
    void cmdClose_Click();
    // A run is going (started and not stopped).
    bool Laeuft() const { return arbeit_ == Arbeit::Lauf; }
    // The worker sets up an experiment, runs or runs one cycle; the model is not to be read then.
    bool Beschaeftigt() const { return arbeit_ != Arbeit::Keine; }
    const clsVerfeinerung& Modell() const { return v_; }
    // What the panel shows of the model: the latest finished state.
    const Simulationsbild& Bild() const { return bild_; }

    // The clock of the run times; tests put their own.
    std::function<QDateTime()> Uhr = [] { return QDateTime::currentDateTime(); };

    QLabel* Label2 = nullptr;
    std::array<fxbutton*, 2> cmdIKladen{};
    QComboBox* Combo1 = nullptr;
    QLineEdit* txtAtome = nullptr;
    QLabel* lblAtome = nullptr;
    QLabel* lbllegierung = nullptr;
    QLabel* lblLaenge = nullptr;
    QLabel* lblRadius = nullptr;
    QLabel* lblDichte = nullptr;
    QCheckBox* Check1 = nullptr;
    QLineEdit* txtFehler = nullptr;
    QLineEdit* txtLambda = nullptr;
    QLineEdit* txtAlpha = nullptr;
    QLineEdit* txtEta = nullptr;
    QLineEdit* txtdr_ruecken = nullptr;
    QLineEdit* txtAktualisieren = nullptr;
    fxbutton* Command2 = nullptr;
    fxbutton* Command3 = nullptr;
    fxbutton* fxbutton1 = nullptr;
    QLabel* lblStart = nullptr;
    QLabel* lblStop = nullptr;
    QLabel* lblZyklus = nullptr;
    QLabel* lblAktzeptiert = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLabel* Label1 = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QLabel* Label4 = nullptr;
    fxbutton* Command1 = nullptr;
    fxbutton* cmdSaveSim = nullptr;
    fxbutton* cmdOpenSim = nullptr;
    fxbutton* cmdClose = nullptr;
    QLabel* lblBester = nullptr;
    conDisplay* conDisplay_gr = nullptr;
    conDisplay* conDisplay_sk = nullptr;
    conDisplay* conDisplay_pot = nullptr;
    AtomBild* picCluster = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* Rahmen_Experiment();
    QWidget* Rahmen_Simulation();
    void Verbinden();
    // The experiment's values; false when they were not there or not usable.
    bool Experiment_Datei(Experimentdaten& e);
    float Fehler_Lesen();
    void Experiment_Anzeigen(Experimentdaten e);
    void Experiment_Geladen();
    // Takes over what the worker finished since the last look; ends the look once it is idle.
    void Abholen();
    void Bild_Zeigen(const Simulationsbild& b);
    void Knoepfe_Setzen();
    // A parameter box as a number; a message and false when it holds none.
    bool Zahl_Lesen(QLineEdit* box, const char* name, float& wert);
    void Zyklus_Anzeigen(const Simulationsbild& b);
    // The best state's line: text 570 while a run goes, 571 once it stopped on that state, 0 none.
    void Bester_Zeigen(int32_t text);
    void Skalen_Setzen();
    void Zeichne_Cluster();
    void Zeichne_gr();
    void Zeichne_Potential();
    void Zeichne_Experiment();
    void Zeichne_SK();
    void HScroll1_Change(int wert);
    void HScroll2_Change(int wert);

    enum class Arbeit { Keine, Laden, Lauf, Schritt };

    clsVerfeinerung v_;
    // Declared after the model: it stops its worker before the model goes.
    Simulationslauf lauf_{v_};
    Simulationsbild bild_;
    // The worker's picture taken last.
    uint64_t bildNummer_ = 0;
    QTimer abholen_;
    Arbeit arbeit_ = Arbeit::Keine;
    int32_t intervall_ = 1;
    // The drawing interval's count of the cycle drawn last.
    int32_t gezeichnet_ = -1;
    // The atoms per direction of the set-up under way.
    int32_t ladeN_ = 0;
    QDateTime start_;
    qint64 gesamtMs_ = 0;
    // The text number of the best state's line shown (0 none).
    int32_t besterText_ = 0;
};
