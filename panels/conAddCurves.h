#pragma once
// The spectrum averaging panel: further measured spectra of the same sample are added ("+") and
// removed ("-"), drawn in red over the working spectrum, slid along x in tenths by the scroll bar
// until they lie over it, and averaged into it with "Kurven mitteln", which also closes the panel.
#include "curves/clsSpektrenMittel.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QListWidget;
class QScrollBar;
class fxbutton;

class conAddCurves : public QWidget {
    Q_OBJECT
public:
    explicit conAddCurves(QWidget* parent = nullptr);

    void StyleUmstellen();
    void SpracheUmstellen();
    // Prepares a new averaging on the working spectrum: an empty store, the scroll range from
    // twice its first to twice its last x. Called each time the panel is shown.
    void Init();

    std::array<fxbutton*, 2> cmdPlusMinus{};
    fxbutton* cmdMitteln;
    QListWidget* List1;
    QScrollBar* scrXStart;
    QLabel* Label1;
    // Why "+" is off: the project has no x factor to put a spectrum on the working curve's axis.
    QLabel* lblHinweis;

    const clsSpektrenMittel& Spektren() const { return spektren_; }
    // The 1-based number of the spectrum the scroll bar moves; 0 while none is selected.
    int32_t Kurve_Index() const { return kurveIndex_; }

private:
    void cmdPlus_Click();
    void cmdMinus_Click();
    void List1_Click();
    void scrXStart_Change(int32_t wert);
    void cmdMitteln_Click();
    void Zeichnen();
    void Auswahl_Aufheben();
    // Selects the spectrum and shows its offset on the scroll bar without moving it to a tenth.
    void Zeigen_Ohne_Verschieben(int32_t kurve);

    clsSpektrenMittel spektren_;
    int32_t kurveIndex_ = 0;
};
