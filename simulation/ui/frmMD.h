#pragma once
// The molecular-dynamics window: argon atoms from a start lattice, moved step by step by the
// Lennard-Jones force and the Verlet method, with the forces of the latest step listed. Steps run
// from a timer, one every 200 ms, until the stop.
#include "simulation/clsMD.h"

#include <QDateTime>
#include <QDialog>
#include <QTimer>

class AtomBild;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmMD : public QDialog {
    Q_OBJECT
public:
    // dt: the time step in reduced units; the model's standard step unless a test asks for another.
    explicit frmMD(QWidget* parent = nullptr, double dt = clsMD::Standardzeitschritt());

    void Cluster_Erzeugen();
    void Command2_Click();
    void Command3_Click();
    // One step: forces, positions, picture, listing and counter.
    void Schritt();
    bool Laeuft() const { return timer_.isActive(); }
    const clsMD& Modell() const { return md_; }

    QComboBox* Combo1 = nullptr;
    QLineEdit* txtAtome = nullptr;
    QLineEdit* txtDichte = nullptr;
    QLabel* lblAtome = nullptr;
    QLabel* lbllegierung = nullptr;
    QLabel* lblLaenge = nullptr;
    QLabel* lblRadius = nullptr;
    QPushButton* cmdIKladen = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* lblStart = nullptr;
    QLabel* lblStop = nullptr;
    QLabel* lblZyklus = nullptr;
    QListWidget* List1 = nullptr;
    AtomBild* picCluster = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Knoepfe_Setzen();
    void Zeichne_Cluster();

    clsMD md_;
    QTimer timer_;
    QDateTime start_;
};
