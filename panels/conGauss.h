#pragma once
// The Gauss peak panel: smooths the I(K) or G(r) the diagram shows, fits a baseline under it,
// searches its peaks and estimates each one's Gauss curve, then draws the baseline-free curve, the
// single Gauss curves, their sum, the peak marks and the derivatives over the diagram, and shows
// the mean peak spacing.
#include "panels/PanelInterfaces.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QScrollBar;
class Formelzeichen;
class fxbutton;

class conGauss : public QWidget, public GaussPanel {
    Q_OBJECT
public:
    explicit conGauss(QWidget* parent = nullptr);
    ~conGauss() override;

    void StyleUmstellen();
    void SpracheUmstellen();
    // Draws the checked layers over the diagram's background picture.
    void Zeichne_Gausskurve() override;
    // Copies I(K), or G(r) when the diagram shows it, starts the peak view and computes once.
    void Init();

    // 0 doubles Chi, 1 halves it; then everything is computed again.
    void cmdChi_Click(int32_t index);
    void chkExtSearch_Click();

    float Chi() const { return chi_; }
    int32_t Peakbreite() const { return peakbreite_; }
    float Peakhoehe() const { return peakhoehe_; }

    QScrollBar* scrPeakhoehe;
    QScrollBar* scrPeakbreite;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QCheckBox* chkExtSearch;
    std::array<QCheckBox*, 4> chkZeige{};
    std::array<QCheckBox*, 2> chkAbleitung{};
    std::array<QScrollBar*, 2> scrScale{};
    std::array<fxbutton*, 2> cmdChi{};
    QLabel* lblGaussInfo;
    std::array<QLabel*, 3> lblInfo{};
    Formelzeichen* pic;

private:
    void Neu_Berechnen();
    // Searches the peaks again on the present smoothing and shows the result.
    void Suchen_Und_Zeigen();
    void Peaks_Suchen();
    // The peak marks and their positions; a label that would run into the one before moves up a line.
    void Zeichne_Peakmarken();
    void Zeichne_Ableitungen();
    void Zeige_Abstaende();
    void Info_Zeigen();

    float chi_ = 10000.0f;
    bool chiChanged_ = false;
    int32_t peakbreite_ = 5;
    float peakhoehe_ = 0.99f;
};
