#pragma once
// Page "Daten" of the element table window: the element's numbers, the remarks on its three
// densities and its electron configuration (outside the noble-gas core).
#include <QWidget>
#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class clsElement;

class ElementDataPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int BoxCount = 13;
    static constexpr int OrbitalCount = 18;
    // Boxes of txtInfo by what they hold.
    enum Box { Name = 0, Symbol = 1, Masse = 2, Valenz = 3, DichteFluessig = 4, DichteKristallin = 5,
               DichteAmorph = 6, Atomradius = 7, Elektronegativitaet = 8, Schmelztemperatur = 9,
               Siedetemperatur = 10, OZ = 11, Q0 = 12 };

    // A box whose text cannot be stored, with the run time's error that storing it would raise.
    struct Fault {
        QLineEdit* box;
        QString label;
        int32_t number;
    };

    explicit ElementDataPage(QWidget* parent);

    void SpracheUmstellen();
    // Fills every box from the element.
    void Anzeigen(const clsElement& element);
    // Empties name, symbol, mass, valence and densities for a new element and opens the symbol box.
    void Neu();
    // The first whole-number box (atomic number, electron counts of checked orbitals) that holds
    // no whole number in its range; none when all can be stored.
    std::optional<Fault> WholeNumberFault() const;
    // Writes every box into the element (after WholeNumberFault found none); a density of 0
    // becomes 0.001.
    void Speichern(clsElement& element) const;

    std::array<QLabel*, BoxCount> lblInfo{};
    std::array<QLineEdit*, BoxCount> txtInfo{};
    // Remarks on the liquid, crystalline and amorphous density: unknown, atomic, molecular.
    std::array<QComboBox*, 3> cmbDichte{};
    QGroupBox* Frame1;
    std::array<QCheckBox*, OrbitalCount> chkOrbital{};
    std::array<QLineEdit*, OrbitalCount> txtElektronen{};

signals:
    // A box, remark or orbital changed, by the user or by Anzeigen.
    void Bearbeitet();

private:
    void chkOrbital_Click(int index, bool checked);
};
