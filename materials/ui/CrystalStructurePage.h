#pragma once
// Page "Kristallstruktur" of the element table window: lattice basis, crystal system and the
// three lattice constants of the element.
#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class clsElement;

class CrystalStructurePage : public QWidget {
    Q_OBJECT
public:
    explicit CrystalStructurePage(QWidget* parent);

    void SpracheUmstellen();
    // Presses the element's basis and system and shows its lattice constants.
    void Anzeigen(const clsElement& element);
    // Writes the pressed basis and system and the lattice constants into the element.
    void Speichern(clsElement& element) const;

    QGroupBox* Frame2;  // basis
    std::array<QRadioButton*, 7> Option1{};
    QGroupBox* Frame3;  // crystal system
    std::array<QRadioButton*, 8> Option2{};
    std::array<QLabel*, 3> lbl_a{};
    std::array<QLineEdit*, 3> txt_a{};

signals:
    // An option or a lattice constant changed, by the user or by Anzeigen.
    void Bearbeitet();
};
