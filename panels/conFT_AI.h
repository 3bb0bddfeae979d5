#pragma once
// The automatic transform panel: the stop conditions (deviation of the density line, greatest
// number of passes), what each pass moves (cut-off of I(K), weighting, end of the density line by
// one of two rules), START / STOP and the status of the run. The passes are clsFT_AI's; while they
// run, the window takes no input but Esc (or a click on STOP), and still repaints.
#include "analysis/clsFT_AI.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class fxbutton;

class conFT_AI : public QWidget, public FT_AI_Anzeige {
    Q_OBJECT
public:
    explicit conFT_AI(QWidget* parent = nullptr);

    // Called each time the main window shows the panel: button style and captions; the options
    // are taken from the boxes as the user left them.
    void Init();
    void SpracheUmstellen();

    QLabel* Label1_1;
    QLabel* Label2_1;
    QLineEdit* Text1;
    QLabel* Label2_2;
    QLabel* Label3_1;
    QLineEdit* Text2;
    QGroupBox* Frame1;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QLabel* Label3;
    QLineEdit* Text3;
    QGroupBox* Frame2;
    QCheckBox* Check3;
    std::array<QRadioButton*, 2> Option1{};
    fxbutton* cmdStart;
    QLabel* lblInfo;

    const clsFT_AI& Lauf() const { return lauf_; }
    bool Laeuft() const { return laeuft_; }

    void Info_Anzeigen(const std::string& text) override;
    // Lets the waiting window events through; true once Esc was pressed or STOP clicked.
    bool Abbruch_Gewuenscht() override;

signals:
    // A run has ended (also by Esc or an error) and changed what the value label shows.
    void Gelaufen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Grenzen_Erstellen();
    void Gruppen_Erstellen();
    void Optionen_Lesen();
    void cmdStart_Click();

    clsFT_AI lauf_;
    bool laeuft_ = false;
    bool abbrechen_ = false;
};
