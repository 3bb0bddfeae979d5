#include "simulation/ui/conIMC.h"

#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/UiGuard.h"
#include "graphics/conDisplay.h"
#include "simulation/ui/AtomBild.h"
#include "widgets/fxbutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace {

constexpr const char* kName = "conIMC";
constexpr int32_t kLinks = 340;
constexpr int32_t kRand = 5;

QLabel* Beschriftung(const QString& text, QWidget* parent, int x, int y, int w = 130)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, w, 20);
    return l;
}

QLineEdit* Eingabe(const QString& text, QWidget* parent, int x, int y, int w = 60)
{
    auto* t = new QLineEdit(text, parent);
    t->setGeometry(x, y, w, 22);
    return t;
}

fxbutton* Knopf(const QString& text, QWidget* parent, int x, int y, int w, int h = 26)
{
    auto* b = new fxbutton(text, parent);
    b->setGeometry(x, y, w, h);
    if (gOptions) b->setButtonStyle(gOptions->ButtonStyle());
    return b;
}

}

conIMC::conIMC(QWidget* parent) : QWidget(parent)
{
    Label2 = new QLabel("Reverse - Monte - Carlo Simulation", this);
    QFont fett = Label2->font();
    fett.setBold(true);
    fett.setPointSize(fett.pointSize() + 2);
    Label2->setFont(fett);
    Label2->setGeometry(kRand, 2, 330, 22);
    Rahmen_Experiment()->setGeometry(kRand, 26, 330, 232);
    Rahmen_Simulation()->setGeometry(kRand, 262, 330, 360);

    picCluster = new AtomBild(this);
    picCluster->setGeometry(kLinks, 26, 200, 200);
    Command1 = Knopf("g(r) speichern", this, kLinks, 232, 200);
    cmdSaveSim = Knopf("Simulation Speichern", this, kLinks, 262, 200);
    cmdOpenSim = Knopf("Simulation Öffnen", this, kLinks, 292, 200);
    // Opening a simulation file has nothing to read: no format is defined.
    cmdOpenSim->setEnabled(false);
    // Which cycle the shown state is from: the best one so far, and after a stop the one shown.
    lblBester = new QLabel(this);
    lblBester->setGeometry(kLinks, 324, 200, 34);
    lblBester->setWordWrap(true);
    lblBester->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdClose = Knopf("X", this, 0, 2, 22, 22);
    cmdClose->setToolTip("Schließen");
    for (conDisplay** d : {&conDisplay_gr, &conDisplay_pot, &conDisplay_sk}) {
        *d = new conDisplay(this);
        (*d)->AllowScaling(false, false);
    }
    Verbinden();
    Knoepfe_Setzen();
}

QWidget* conIMC::Rahmen_Experiment()
{
    auto* frame = new QGroupBox("Anfangsverteilung / experimentelle Daten", this);
    cmdIKladen[0] = Knopf("Ag73Sn27 intern", frame, 8, 22, 130);
    cmdIKladen[1] = Knopf("öffnen", frame, 148, 22, 130);
    Combo1 = new QComboBox(frame);
    Combo1->addItems({"fcc", "sc", "random / gas"});
    Combo1->setGeometry(8, 54, 130, 24);
    Beschriftung("Atome pro Richtung:", frame, 8, 84);
    txtAtome = Eingabe("5", frame, 148, 82, 40);
    lblAtome = Beschriftung("500 insges.", frame, 196, 84, 90);
    lbllegierung = Beschriftung("Legierung: ", frame, 8, 108, 270);
    lblDichte = Beschriftung("Dichte: 0 1/nm³", frame, 8, 128, 270);
    lblLaenge = Beschriftung("Boxlänge: 0 nm", frame, 8, 148, 270);
    lblRadius = Beschriftung("Atomradius: 0 nm", frame, 8, 168, 270);
    Check1 = new QCheckBox("Ausgangspotential berechnen", frame);
    Check1->setGeometry(8, 188, 270, 20);
    Beschriftung("Fehler Exp. (%):", frame, 8, 208);
    txtFehler = Eingabe("1,5", frame, 148, 206);
    return frame;
}

QWidget* conIMC::Rahmen_Simulation()
{
    auto* frame = new QGroupBox("Simulation", this);
    const std::pair<const char*, QLineEdit**> felder[] = {{"lambda:", &txtLambda},
                                                           {"alpha:", &txtAlpha},
                                                           {"eta:", &txtEta},
                                                           {"delta r rücken:", &txtdr_ruecken},
                                                           {"Zeichnen aller:", &txtAktualisieren}};
    const char* werte[] = {"0,1", "0,75", "1", "0,02", "1"};
    int y = 22;
    for (size_t i = 0; i < std::size(felder); ++i, y += 24) {
        Beschriftung(felder[i].first, frame, 8, y + 2, 100);
        *felder[i].second = Eingabe(werte[i], frame, 110, y);
    }
    Command2 = Knopf("Start", frame, 190, 22, 90);
    Command2->setToolTip("Simulation starten");
    Command3 = Knopf("Stopp", frame, 190, 52, 90);
    Command3->setToolTip("Simulation stoppen");
    fxbutton1 = Knopf("1 Schritt", frame, 190, 82, 90);
    fxbutton1->setToolTip("Simulation 1 Schritt");
    // The end time with the total duration and the accepted moves with their age outgrow one line.
    const auto zweizeilig = [](QLabel* l) {
        l->setWordWrap(true);
        l->resize(l->width(), 34);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    lblStart = Beschriftung("Simulation gestartet: ", frame, 8, y, 318);
    lblStop = zweizeilig(Beschriftung("Simulation beendet:", frame, 8, y + 20, 318));
    lblZyklus = Beschriftung("Zyklus: 0", frame, 8, y + 54, 318);
    lblAktzeptiert = zweizeilig(Beschriftung("akzeptiert: 0", frame, 8, y + 74, 318));
    Label12 = Beschriftung("0", frame, 8, y + 108, 318);
    Label13 = Beschriftung("Convergenz: 0", frame, 8, y + 128, 318);
    Label1 = Beschriftung("Wartezeit: 200 ms", frame, 8, y + 152, 150);
    HScroll1 = new QScrollBar(Qt::Horizontal, frame);
    HScroll1->setRange(0, 1000);
    HScroll1->setValue(200);
    HScroll1->setGeometry(164, y + 152, 150, 18);
    Label4 = Beschriftung("g(r) Smooth Level: 12", frame, 8, y + 176, 150);
    HScroll2 = new QScrollBar(Qt::Horizontal, frame);
    HScroll2->setRange(2, 12);
    HScroll2->setValue(12);
    HScroll2->setGeometry(164, y + 176, 150, 18);
    return frame;
}

void conIMC::Verbinden()
{
    for (int32_t i = 0; i < 2; ++i)
        connect(cmdIKladen[i], &fxbutton::Click, this,
                GuardedSlot(kName, "cmdIKladen_Click", [this, i] { cmdIKladen_Click(i); }));
    connect(Command2, &fxbutton::Click, this, GuardedSlot(kName, "Simulation_Starten", [this] { Simulation_Starten(); }));
    connect(Command3, &fxbutton::Click, this, GuardedSlot(kName, "Command3_Click", [this] { Simulation_Stoppen(); }));
    connect(fxbutton1, &fxbutton::Click, this, GuardedSlot(kName, "fxbutton1_Click", [this] { Zyklus(); }));
    connect(Command1, &fxbutton::Click, this, GuardedSlot(kName, "Command1_Click", [this] { Command1_Click(); }));
    connect(cmdSaveSim, &fxbutton::Click, this, GuardedSlot(kName, "cmdSaveSim_Click", [this] { cmdSaveSim_Click(); }));
    connect(cmdClose, &fxbutton::Click, this, GuardedSlot(kName, "cmdClose_Click", [this] { cmdClose_Click(); }));
    // The worker's state is fetched often enough that Stop and the drawings answer at once.
    abholen_.setInterval(50);
    connect(&abholen_, &QTimer::timeout, this, GuardedSlot(kName, "Abholen", [this] { Abholen(); }));
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int wert) { HScroll1_Change(wert); });
    connect(HScroll2, &QScrollBar::valueChanged, this,
            [this](int wert) { UiGuard(kName, "HScroll2_Change", [&] { HScroll2_Change(wert); }); });
}

void conIMC::Knoepfe_Setzen()
{
    const bool laeuft = Laeuft();
    const bool frei = !Beschaeftigt();
    const bool geladen = frei ? v_.Geladen() : arbeit_ != Arbeit::Laden;
    Command2->setEnabled(geladen && frei);
    Command3->setEnabled(laeuft);
    fxbutton1->setEnabled(geladen && (frei || laeuft));
    // The file is written from the model, which the worker holds while it works.
    Command1->setEnabled(geladen && frei);
    for (fxbutton* b : cmdIKladen) b->setEnabled(frei);
}

void conIMC::resizeEvent(QResizeEvent*)
{
    cmdClose->move(width() - cmdClose->width() - 10, cmdClose->y());
    const int32_t x = kLinks + picCluster->width() + kRand;
    const int32_t breite = std::max(width() - x - kRand, 20);
    const int32_t halb = breite / 2;
    const int32_t oben = 26;
    const int32_t hoehe = std::max((height() - oben - 2 * kRand) / 2, 20);
    conDisplay_gr->setGeometry(x, oben, halb, hoehe);
    conDisplay_pot->setGeometry(x + halb + kRand, oben, breite - halb - kRand, hoehe);
    conDisplay_sk->setGeometry(x, oben + hoehe + kRand, breite, hoehe);
    // The experiment's curves belong to the model, which a set-up is rewriting.
    if (arbeit_ != Arbeit::Laden && !bild_.atome.empty() && v_.Geladen()) {
        Skalen_Setzen();
        Zeichne_Experiment();
        Zeichne_gr();
        Zeichne_Potential();
        Zeichne_SK();
    }
}
