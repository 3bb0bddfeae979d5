#pragma once
// The test-curve panel: Gauss peaks and sine terms, entered by clicks into the diagram or typed,
// build a test I(K) or G(r) that is recomputed after every entry, so that the Fourier step shows
// what a structure feature does in the other space.
#include "analysis/Testkurve.h"
#include "analysis/clsGauss.h"
#include "panels/PanelInterfaces.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class fxbutton;

class conPeakTest : public QWidget, public TestkurvenPanel {
    Q_OBJECT
public:
    explicit conPeakTest(QWidget* parent = nullptr);
    ~conPeakTest() override;

    void StyleUmstellen();
    // The captions are fixed German texts.
    void SpracheUmstellen() {}
    // Writes the values into the boxes and adds a Gauss peak, or a sine term at x with amplitude A.
    void AddNewPoint(float x, float W, float A) override;
    void AddNewSinus(float x, float W, float A) override;
    // Empties the peaks, the sine terms and the list; the test curve stays as it is.
    void Clear();
    // 6: the test curve is I(K); otherwise it is G(r).
    void Init(int32_t TypKurve);

    int32_t TypKurve() const { return typKurve_; }
    const clsGauss& TestPeaks() const { return testPeaks_; }
    const std::vector<Sinusterm>& Sinusterme() const { return sinusterme_; }

    QLineEdit* txtK;
    QLineEdit* txtW;
    QLineEdit* txtA;
    fxbutton* cmdNew;
    fxbutton* cmdClear;
    fxbutton* cmdApply;
    QCheckBox* chkUseGas;
    QGroupBox* Frame1;
    std::array<QRadioButton*, 2> optSequenz{};
    fxbutton* fxbutton1;
    QListWidget* List1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label6;

private:
    void cmdNew_Click();
    void Sinus_Hinzufuegen();
    void Berechnen();

    int32_t typKurve_ = 0;
    clsGauss testPeaks_;
    std::vector<Sinusterm> sinusterme_;
};
