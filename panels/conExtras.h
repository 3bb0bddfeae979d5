#pragma once
// The panel of the extras step: the positions K_pe, K_pp (I(K)) and r0, r1 (G(r)) that the user
// marks with the mouse, the values derived from them, and marker lines over both diagrams: the
// structure lines that follow the mouse, the analysis lines, the free-electron lines and the
// reflexes of a cubic crystal.
#include "analysis/Strukturwerte.h"
#include "panels/PanelInterfaces.h"

#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class Formelzeichen;
class fxbutton;

class conExtras : public QWidget, public StrukturwertePanel {
    Q_OBJECT
public:
    explicit conExtras(QWidget* parent = nullptr);
    ~conExtras() override;

    bool Analyse_Peak_Position() const override;
    bool Analyse_Peak_Range() const override;
    bool StrukturWerteAnzeigen() const override;
    // The structure lines at K (1/nm) or at r (nm, the first r line at the cursor); a position
    // at or below 0 is ignored.
    void setStrukturWerteK(float K) override;
    void setStrukturWerteR(float r) override;
    // Fills the element and index lists, marks the peaks of G(r) and takes their positions.
    void Init();
    void SpracheUmstellen();
    void StyleUmstellen();
    // Shows the values of the four positions, then the analysis lines.
    void Berechnen() override;

    // Arms position i (0 K_pp, 1 K_pe, 2 r0, 3 r1) for the next mouse moves.
    void cmdPosition_Click(int32_t index);
    // The free-electron lines of the checked series.
    void MFE();
    // The reflexes of the chosen element, and the spacing of the chosen indices.
    void cmbElement_Click();
    void Zeige_Abstand();

    std::array<fxbutton*, 4> cmdPosition{};
    std::array<fxbutton*, 3> cmdCheck{};
    // Leaves the extras step for G(r).
    fxbutton* cmdZurueck;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    QGroupBox* Frame4;
    std::array<QRadioButton*, 2> optAnalyse{};
    std::array<QRadioButton*, 2> optR1{};
    std::array<QCheckBox*, 2> Check1{};
    QComboBox* cmbElement;
    std::array<QComboBox*, 3> cmbIndex{};
    QLabel* lblAbstand;
    QLabel* lblKpp;
    QLabel* lblKpe;
    QLabel* lblr0;
    QLabel* lblr1;
    std::array<QLabel*, 2> lblLambda{};
    QLabel* Label2;
    std::array<QLabel*, 2> lbltau{};
    std::array<QLabel*, 2> lblWinkel{};
    QLabel* Label1;
    std::array<Formelzeichen*, 3> pic{};

signals:
    void Verlassen();

private:
    void Zeichne_Struktur();
    void Zeichne_Analyse();
    void Zeichne_Legende();

    float K_ = 0.0f;
    float r_ = 0.0f;
    Strukturwerte werte_;
    std::vector<float> peaks_;
};
