#include "simulation/ui/frmMD.h"

#include "core/clsLanguage.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "core/ui/Titelbreite.h"
#include "core/ui/UiGuard.h"
#include "simulation/ui/AtomBild.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr const char* kName = "frmMD";
constexpr int kPauseMs = 200;

QLabel* Beschriftung(const QString& text, QWidget* parent, int x, int y, int w = 150)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, w, 20);
    return l;
}

QString Zahl(double wert) { return QString::fromStdString(rt::SingleText(static_cast<float>(wert))); }

}

frmMD::frmMD(QWidget* parent, double dt) : QDialog(parent), md_(dt)
{
    setWindowTitle("MD Simulation");
    resize(820, 520);
    auto* frame1 = new QGroupBox("Anfangsverteilung / experimentelle Daten", this);
    frame1->setGeometry(8, 8, 300, 250);
    cmdIKladen = new QPushButton("exp öffnen", frame1);
    cmdIKladen->setGeometry(8, 24, 130, 26);
    Combo1 = new QComboBox(frame1);
    Combo1->addItems({"fcc", "sc", "random / gas"});
    Combo1->setGeometry(150, 24, 140, 26);
    Beschriftung("Atome pro Richtung:", frame1, 8, 60);
    txtAtome = new QLineEdit("5", frame1);
    txtAtome->setGeometry(160, 58, 50, 22);
    Beschriftung("Dichte (1/nm³):", frame1, 8, 88);
    txtDichte = new QLineEdit(frame1);
    txtDichte->setGeometry(160, 86, 80, 22);
    lblAtome = Beschriftung("500 insges.", frame1, 8, 116, 280);
    lbllegierung = Beschriftung("Legierung: ", frame1, 8, 140, 280);
    lblLaenge = Beschriftung("Boxlänge: 0 nm", frame1, 8, 164, 280);
    lblRadius = Beschriftung("Atomradius: 0 nm", frame1, 8, 188, 280);

    auto* frame2 = new QGroupBox("Simulation", this);
    frame2->setGeometry(8, 264, 300, 248);
    Command2 = new QPushButton("Start", frame2);
    Command2->setGeometry(8, 24, 130, 26);
    Command3 = new QPushButton("Stopp", frame2);
    Command3->setGeometry(150, 24, 140, 26);
    lblStart = Beschriftung("Simulation gestartet: ", frame2, 8, 60, 284);
    // The end time and the run's duration take two lines.
    lblStop = Beschriftung("Simulation beendet:", frame2, 8, 82, 284);
    lblStop->setWordWrap(true);
    lblStop->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblStop->resize(284, 36);
    lblZyklus = Beschriftung("Zyklus: 0", frame2, 8, 118, 284);
    List1 = new QListWidget(frame2);
    List1->setGeometry(8, 140, 284, 100);

    picCluster = new AtomBild(this);
    picCluster->setGeometry(316, 8, 496, 504);

    connect(cmdIKladen, &QPushButton::clicked, this, GuardedSlot(kName, "cmdIKladen_Click", [this] { Cluster_Erzeugen(); }));
    connect(Command2, &QPushButton::clicked, this, GuardedSlot(kName, "Command2_Click", [this] { Command2_Click(); }));
    connect(Command3, &QPushButton::clicked, this, GuardedSlot(kName, "Command3_Click", [this] { Command3_Click(); }));
    connect(&timer_, &QTimer::timeout, this, GuardedSlot(kName, "Schritt", [this] { Schritt(); }));
    Knoepfe_Setzen();
    Titelbreite_Halten(*this);
}

void frmMD::Knoepfe_Setzen()
{
    // A run needs a configuration; a new one is not built while a run moves the old.
    Command2->setEnabled(md_.Bereit() && !Laeuft());
    Command3->setEnabled(Laeuft());
    cmdIKladen->setEnabled(!Laeuft());
}

void frmMD::Cluster_Erzeugen()
{
    if (Laeuft()) return;
    float rho = StrToSingle(txtDichte->text().toStdString());
    if (rho == Kein_Wert || !(rho > 0)) {
        rho = clsMD::kStandardDichte;
        txtDichte->setText("20,954");
    }
    const float gelesen = StrToSingle(txtAtome->text().toStdString());
    const auto n = static_cast<int32_t>(gelesen);
    if (gelesen != static_cast<float>(n) || n < 1 || n > 10) {
        zelo::Ui().MsgBox(gLanguage->Caption(523), zelo::MsgButtons::OK,
                          zelo::MsgIcon::Exclamation, gLoader ? gLoader->ApplicationName() : std::string());
        return;
    }
    // Every random start is a new one.
    md_.Zufallsquelle().SeedFromClock();
    const int32_t platziert = md_.Cluster_Erzeugen(static_cast<Startgitter>(Combo1->currentIndex()), n, rho);
    lbllegierung->setText("Legierung: Argon");
    lblLaenge->setText("Boxlänge: " + Zahl(md_.L()) + " nm");
    lblRadius->setText("Atomradius: " + Zahl(md_.d()) + " nm");
    lblAtome->setText(QString::number(platziert) + " insges.");
    lblZyklus->setText("Zyklus: 0");
    List1->clear();
    Zeichne_Cluster();
    Knoepfe_Setzen();
}

void frmMD::Command2_Click()
{
    if (!md_.Bereit() || Laeuft()) return;
    setWindowTitle(Zahl(md_.dt()));
    start_ = QDateTime::currentDateTime();
    lblStart->setText("Simulation gestartet um " + start_.toString("hh:mm:ss"));
    timer_.start(kPauseMs);
    Knoepfe_Setzen();
    Command3->setFocus();
}

void frmMD::Command3_Click()
{
    if (!Laeuft()) return;
    timer_.stop();
    const QDateTime ende = QDateTime::currentDateTime();
    const QTime dauer = QTime(0, 0).addSecs(start_.secsTo(ende));
    lblStop->setText("Simulation beendet um " + ende.toString("hh:mm:ss") + ", Dauer " + dauer.toString("hh:mm:ss"));
    Knoepfe_Setzen();
}

void frmMD::Schritt()
{
    md_.Schritt();
    // The listing shows the latest step only.
    List1->clear();
    for (const std::string& zeile : md_.Liste()) List1->addItem(QString::fromStdString(zeile));
    Zeichne_Cluster();
    lblZyklus->setText("Zyklus: " + QString::number(md_.Zyklus()));
}

void frmMD::Zeichne_Cluster()
{
    std::vector<Bildatom> atome;
    for (int32_t i = 1; i <= md_.N(); ++i) {
        const MDAtomRecord& a = md_.Atom(i);
        atome.push_back({a.x, a.y, a.z, a.moved});
        md_.setMoved(i, false);
    }
    picCluster->Zeichnen(md_.L(), atome);
}

void frmMD::closeEvent(QCloseEvent* event)
{
    timer_.stop();
    QDialog::closeEvent(event);
}
