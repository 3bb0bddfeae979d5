#pragma once
// The alloy component dialog: a new density and valence for one component of the current alloy;
// the alloy model is recomputed (with its log lines) and the component's alloy menu entry
// rewritten. Modal, owned by the main window.
#include <QDialog>
#include <QPointer>
#include <cstdint>

class QAction;
class QLabel;
class QLineEdit;
class fxbutton;

class frmChangeLeg : public QDialog {
    Q_OBJECT
public:
    // menuEntry, when given, takes the component's new caption on OK.
    frmChangeLeg(QWidget* owner, QAction* menuEntry);

    // Loads component Index (1-based) of gMFE into the dialog.
    void Komponente_Index(int32_t Index);
    // The fixed captions in the selected language (the dialog is modal: no switch while it is open).
    void SpracheUmstellen();

    QLabel* Label1;  // symbol and name
    QLabel* Label2;  // share
    QLabel* Label3;  // caption of the density
    QLineEdit* Text2;  // density, g/cm³
    QLabel* Label4;  // caption of the valence
    QLineEdit* Text3;  // valence, e/a
    fxbutton* Command2;  // Cancel
    fxbutton* Command1;  // OK

private:
    void Command1_Click();

    int32_t index_ = 0;
    QPointer<QAction> menuEntry_;
};

// Opens the dialog for component Index (1-based) modally over owner; OK rewrites menuEntry's
// caption. An index outside gMFE's components opens nothing.
void Komponente_Aendern(QWidget* owner, int32_t Index, QAction* menuEntry);
