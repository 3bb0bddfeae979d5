#pragma once
// The Fourier transform panel of the I(K) and G(r) steps: damping and tail of I(K), the weight
// between measured and back-transformed I(K), the derivatives of a smoothed copy, the peak-distance
// marks and the view options in the I(K) view; the truncation oscillations in the G(r) view.
#include "panels/PanelInterfaces.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class fxbutton;

class conFTR : public QWidget, public FourierPanel {
    Q_OBJECT
public:
    explicit conFTR(QWidget* parent = nullptr);
    ~conFTR() override;

    // Prepares and shows the panel for kind 6 (an I(K) a project starts from), 10 (the I(K) step)
    // or 7 (the G(r) step); any other kind hides it.
    void Zeigen(int32_t Kurve);
    // A freshly computed I(K) takes the damping the list shows; where that kind cannot damp it, the
    // list shows the damping I(K) keeps.
    void Daempfung_Anwenden();
    void ShowPeakBuilder(bool ShowIt);
    void StyleUmstellen();
    void SpracheUmstellen();
    // Shows the weighting in force, after something other than the panel's buttons set it.
    void Wichtung_Erneuern();
    // Shows the damping in force, after something other than the list damped I(K) anew: a formula
    // whose curve that kind cannot damp leaves it undamped.
    void Daempfung_Erneuern();

    bool Parabel_Vorn() const override;
    bool ShowUG() const override;
    bool ShowGas() const override;
    bool ShowFFTImag() const override;
    bool AO_Weg() const override;
    bool ShowOszi() const override;

    float Chi() const { return chi_; }
    int32_t Daempfung() const { return daempfung_; }

    QWidget* picTool_IK1;
    QWidget* picTool_Gr;
    QLabel* lblIK;
    // The I(K) group.
    QComboBox* cmbDaempfung;
    QCheckBox* chkAbbruch;
    QComboBox* cmbOrdnung;
    QCheckBox* Check1;
    QCheckBox* chkFFTImag;
    QCheckBox* chkGas;
    QCheckBox* chkUG;
    QCheckBox* Check2;
    std::array<fxbutton*, 2> cmdWichtung{};
    QLabel* lblWichtung;
    QLabel* Label3;
    QLabel* lblChi;
    std::array<fxbutton*, 2> cmdChi{};
    std::array<QCheckBox*, 2> chkAbleitung{};
    std::array<QScrollBar*, 2> scrScale{};
    // The G(r) group.
    QLabel* Label1;
    QLineEdit* txtA;
    QLabel* Label2;
    QScrollBar* scrC;
    QCheckBox* chkAOShow;
    QCheckBox* chkAOWeg;
    fxbutton* cmdPBGr;

signals:
    // "PeakBuilder G(r)": the main window shows the test-curve panel in place of this one.
    void PeakBuilder();
    // The damping or the weighting changed I(K): the values shown of it are to be read again.
    void IK_Geaendert();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void I_K_Gruppe_Erstellen();
    void G_r_Gruppe_Erstellen();
    void cmbDaempfung_Click();
    // Damps I(K) by kind Art; a kind that cannot damp it leaves the damping in force, which the
    // list then shows.
    void Daempfen(int32_t Art);
    void cmdWichtung_Click(int32_t Index);
    void cmdChi_Click(int32_t Index);
    void Ableitungen_Zeichnen();
    void Peakabstaende_Zeichnen();
    void AO_Anzeigen();
    void Wichtung_Anzeigen(bool mitDoppelpunkt);
    void Daempfungsliste_Fuellen();

    float chi_ = 10000.0f;
    bool geglaettet_ = false;
    int32_t daempfung_ = 0;
};
