#pragma once
// The side-fit panel: the separation point of the averaged spectrum, the smoothing parameter of the
// fit on each side, the automatic search, the zoom onto either side and the taking over of the fit.
// Every value it shows is read back from gCalc.
#include "panels/PanelInterfaces.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class fxbutton;

class conFit : public QWidget, public SeitenfitPanel {
    Q_OBJECT
public:
    explicit conFit(QWidget* parent = nullptr);
    ~conFit() override;

    // Shows the separation point, resets both fits to their start values and redraws.
    void NeueTrennstelle() override;
    void StyleUmstellen();
    void SpracheUmstellen();

    // Index 0 picks a new separation point, 1/2 and 4/5 double or halve Chi left and right, 3 and 6
    // zoom onto a side, 7 searches both fits, 8 takes the fit over.
    void cmdFit_Click(int32_t index);
    // Enter in a Chi box (0 left, 1 right) takes its number; text that is no number is left as typed.
    void txtParam_Enter(int32_t index);

    QLabel* Label1 = nullptr;
    QLabel* lblTrennstelle = nullptr;
    std::array<QLabel*, 2> Label2{};
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    std::array<QLineEdit*, 2> txtParam{};
    std::array<fxbutton*, 9> cmdFit{};

signals:
    // The fit became the working curve: the window hides the panel and opens the background step.
    void Uebernommen();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Werte_Anzeigen();
    // side -1 zooms onto the left part, +1 onto the right one.
    void Seite_Zoomen(int32_t seite);
    void Automatisch_Suchen();
    void Fit_Uebernehmen();
};
